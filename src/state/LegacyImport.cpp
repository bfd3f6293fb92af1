#include "state/LegacyImport.h"

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "state/Background.h"
#include "state/Game.h"
#include "state/LibraryOptions.h"
#include "state/Numeric.h"
#include "state/Options.h"
#include "state/Utilities.h"

namespace kv {
namespace {

// The file keeps positions of windows 1..14 (the store has one more).
constexpr int kLegacyWindows = 14;

const char* const kLegacyKeys[13] = {
    "Sound",          "BackGround",        "Color",           "Picture",         "OutputFontSize",
    "OutputFontBold", "OutputFontItalics", "OutputBackColor", "OutputForeColor", "CommandBar",
    "ThemeSounds",    "Messages",          "KeepTech"};

Long PixelsToTwips(const std::string& text) {
    return Clamp32(static_cast<long long>(CLng(Val(text))) * kTwipsPerPixel);
}

}  // namespace

std::string LegacyIniPath(const Game& g) {
    const std::string& folder = g.folders.config;
    if (folder.empty()) return "";
    std::string found = FindFile(folder, "KESTRAVA.INI");
    return found.empty() ? folder + "KESTRAVA.INI" : found;
}

std::string ReadLegacyValue(const Game& g, const std::string& section, const std::string& key) {
    std::string v = GetPrivateProfileString(section, key, kNotUsed, LegacyIniPath(g));
    size_t nul = v.find('\0');
    if (nul != std::string::npos) v.resize(nul);
    return Cp1252ToUtf8(v);
}

void ImportIniSettings(Game& g, const std::string& config) {
    OptionSettings& o = g.options;
    const bool general = config == "General";
    std::string v[14];
    for (int i = 0; i < 13; ++i) v[i] = ReadLegacyValue(g, config, kLegacyKeys[i]);
    v[13] = ReadLegacyValue(g, config, general ? "ConfigByName" : "Reports");
    if (v[0] == kNotUsed) {
        SaveSettings(g, config);
        return;
    }

    ApplyCommandBar(g, CommandBarValue(v[9]));

    if (!general) {
        // Absent keys read as 0 here: the window goes to that screen edge.
        for (int n = 1; n <= kLegacyWindows; ++n) {
            WindowGeometry& w = o.Window[static_cast<size_t>(n)];
            w.Left = PixelsToTwips(ReadLegacyValue(g, config, "Window" + std::to_string(n) + "X"));
            w.Top = PixelsToTwips(ReadLegacyValue(g, config, "Window" + std::to_string(n) + "Y"));
            if (n == 1) {
                w.Width = PixelsToTwips(ReadLegacyValue(g, config, "Window1W"));
                w.Height = PixelsToTwips(ReadLegacyValue(g, config, "Window1H"));
            }
        }
        KeepWindowsOnScreen(g, kLegacyWindows);
    }

    ApplyStoredOptionTexts(g, v);
    if (general)
        ApplyCheckText(o.chkNameConfig, v[13]);
    else
        ApplyReportsText(o, v[13]);

    LoadLibOptions(g, config);

    LoadBackgroundPictureOption(g, "KVMAIN0067", "KVMAIN0068");
    g.host.Refresh(View::Background);
    if (o.optColor) g.host.SetBackgroundColor(o.lblColor);
    if (o.optNone) HideBackgroundWindow(g);

    ApplyClosingOptionSteps(g);
}

}  // namespace kv

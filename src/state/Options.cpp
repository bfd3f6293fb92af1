#include "state/Options.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "platform/Files.h"
#include "state/Background.h"
#include "state/Game.h"
#include "state/LegacyImport.h"
#include "state/LibraryOptions.h"
#include "state/Notes.h"
#include "state/Numeric.h"
#include "state/Utilities.h"

namespace kv {
namespace {

// Keys of the table, by index 0..15; index 16 depends on the configuration.
const char* const kKeys[16] = {
    "Sound",          "BackGround",        "Color",           "Picture",         "OutputFontSize",
    "OutputFontBold", "OutputFontItalics", "OutputBackColor", "OutputForeColor", "CommandBar",
    "ThemeSounds",    "Messages",          "KeepTech",        "SaveNotes",       "SRSPicQual",
    "SRSOptions"};

bool IsGeneral(const std::string& config) { return config == "General"; }

std::string WindowKey(int n, char edge) { return "Window" + std::to_string(n) + edge; }

// A stored value in pixels as twips.
Long PixelsToTwips(const std::string& text) {
    return Clamp32(static_cast<long long>(CLng(Val(text))) * kTwipsPerPixel);
}

// Twips as the stored pixel count (rounded down).
std::string TwipsToPixels(Long twips) {
    long long t = twips;
    long long p = t >= 0 ? t / kTwipsPerPixel : -((-t + kTwipsPerPixel - 1) / kTwipsPerPixel);
    return std::to_string(p);
}

// Colours and the font size are written with a blank before a number that is not negative.
std::string NumberSetting(Long v) { return Str(static_cast<long long>(v)); }
std::string NumberSetting(Single v) { return Str(v); }

}  // namespace

int CommandBarValue(const std::string& text) {
    if (text == "Long") return 12;
    if (text == "Tall" || text.empty()) return 3;
    int v = CInt(Val(text));
    // A count below 1 cannot lay out the twelve buttons: the one-row layout stands in for it.
    if (v < 1) return 12;
    while (12 % v != 0 && v < 12) ++v;
    if (v >= 13) v = 12;
    return v;
}

void ApplyCommandBar(Game& g, int columns) {
    OptionSettings& o = g.options;
    o.txtCustom = std::to_string(columns);
    o.optCustom = true;
    o.optLong = o.optTall = false;
    if (columns == 12) {
        o.optLong = true;
        o.optCustom = false;
    } else if (columns == 3) {
        o.optTall = true;
        o.optCustom = false;
    }
    o.CommandBarColumns = static_cast<Integer>(columns);
    g.host.Refresh(View::CommandBar);
}

void ApplyMessagesText(Game& g, const std::string& text) {
    for (int k = 0; k < kOptionMessageSlots; ++k) {
        bool shown = static_cast<size_t>(k) < text.size() && text[static_cast<size_t>(k)] == '1';
        g.MessageSuppressed[static_cast<size_t>(k)] = shown ? kFalse : kTrue;
    }
}

void ApplyReportsText(OptionSettings& o, const std::string& text) {
    auto has = [&](char c) { return static_cast<Integer>(text.find(c) != std::string::npos ? 1 : 0); };
    o.chkGeneral = has('G');
    o.chkZarvoni = has('Z');
    o.chkDamage = has('D');
    o.chkStarbase = has('S');
}

void ApplyCheckText(Integer& box, const std::string& text) {
    int b = StrToBool(text);
    if (b == kNotABool) return;
    box = b ? 1 : 0;
}

void ApplyColorText(Long& color, const std::string& text) {
    double v = Val(text);
    if (v < 0 || v > 0xFFFFFF) return;
    color = CLng(v);
}

void KeepWindowsOnScreen(Game& g, int last) {
    long screenW = 0, screenH = 0;
    g.host.ScreenSizeTwips(screenW, screenH);
    for (int n = 1; n <= last && n <= kSavedWindows; ++n) {
        WindowGeometry& w = g.options.Window[static_cast<size_t>(n)];
        if (w.Left < 0) w.Left = 0;
        if (w.Top < 0) w.Top = 0;
        if (static_cast<long long>(w.Left) + w.Width > screenW)
            w.Left = Clamp32(static_cast<long long>(screenW) - w.Width);
        if (static_cast<long long>(w.Top) + w.Height > screenH)
            w.Top = Clamp32(static_cast<long long>(screenH) - w.Height);
    }
    g.host.Refresh(View::WindowPositions);
}

bool LoadBackgroundPictureOption(Game& g, const char* keyBefore, const char* keyAfter) {
    if (!g.options.optPicture) return true;
    const std::string& path = g.options.CMDialogFileName;
    if (g.host.LoadBackgroundPicture(path)) return true;
    MessageBox(g, -1, PictureNotShownText(g, g.Text(keyBefore) + path + g.Text(keyAfter)), kOKOnly);
    return false;
}

std::string PictureNotShownText(Game& g, const std::string& text) {
    const std::string why = g.host.BackgroundPictureError();
    return why.empty() ? text : text + g.st.NewLine + why;
}

void ApplyStoredOptionTexts(Game& g, const std::string* v) {
    OptionSettings& o = g.options;
    ApplyCheckText(o.chkSound, v[0]);
    o.optColor = v[1] == "Color";
    o.optPicture = v[1] == "Picture";
    o.optNone = v[1] == "None";
    ApplyColorText(o.lblColor, v[2]);
    // An absent picture is no picture (not a file called "Not Used").
    o.CMDialogFileName = v[3] == kNotUsed ? std::string() : v[3];
    g.st.BackgroundPicture = o.CMDialogFileName;
    double size = Val(v[4]);
    if (size > 0 && size <= 2048) o.lblPreviewSize = static_cast<Single>(size);
    ApplyCheckText(o.chkBold, v[5]);
    ApplyCheckText(o.chkItalics, v[6]);
    ApplyColorText(o.lblBackColor, v[7]);
    ApplyColorText(o.lblForeColor, v[8]);
    ApplyCheckText(o.chkSuppress, v[10]);
    ApplyMessagesText(g, v[11] == kNotUsed ? std::string(kOptionMessageSlots, '1') : v[11]);
    ApplyCheckText(o.chkKeepTech, v[12]);
}

void ApplyClosingOptionSteps(Game& g) {
    OptionSettings& o = g.options;
    g.st.SoundOn = o.chkSound;
    o.lblPictureFile = FileNamePart(o.CMDialogFileName);
    g.host.Refresh(View::OutputFont);
    g.UseQuietDialogs = o.chkSuppress == 0;
    for (int k = 0; k < kOptionMessageSlots; ++k)
        o.chkMessage[static_cast<size_t>(k)] = g.MessageSuppressed[static_cast<size_t>(k)] ? 0 : 1;
    g.st.KeepTech = ToFlag(o.chkKeepTech != 0);
    g.host.Refresh(View::OptionsWindow);
}

void LoadSettings(Game& g, const std::string& config, bool applyBackground) {
    OptionSettings& o = g.options;
    const bool general = IsGeneral(config);
    const std::string last = general ? "ConfigByName" : "Reports";
    auto read = [&](const std::string& key) { return g.settings.GetSetting(kConfigsApp, config, key, kNotUsed); };

    // A configuration without "Sound" is not stored yet: bring it in from the legacy file,
    // store it, and read it from the store.
    std::vector<std::string> v(17);
    v[0] = read(kKeys[0]);
    if (v[0] == kNotUsed) {
        ImportIniSettings(g, config);
        SaveSettings(g, config);
        v[0] = read(kKeys[0]);
    }
    for (int i = 1; i < 16; ++i) v[static_cast<size_t>(i)] = read(kKeys[i]);
    v[16] = read(last);

    ApplyCommandBar(g, CommandBarValue(v[9]));

    if (!general) {
        for (int n = 1; n <= kSavedWindows; ++n) {
            WindowGeometry& w = o.Window[static_cast<size_t>(n)];
            std::string x = read(WindowKey(n, 'X')), y = read(WindowKey(n, 'Y'));
            if (x != kNotUsed) w.Left = PixelsToTwips(x);
            if (y != kNotUsed) w.Top = PixelsToTwips(y);
            if (n == 1) {
                std::string wd = read("Window1W"), ht = read("Window1H");
                if (wd != kNotUsed) w.Width = PixelsToTwips(wd);
                if (ht != kNotUsed) w.Height = PixelsToTwips(ht);
            }
        }
        KeepWindowsOnScreen(g, kSavedWindows);
    }

    ApplyStoredOptionTexts(g, v.data());
    g.st.SoundOn = o.chkSound;
    for (int k = 0; k < kOptionMessageSlots; ++k)
        o.chkMessage[static_cast<size_t>(k)] = g.MessageSuppressed[static_cast<size_t>(k)] ? 0 : 1;
    g.st.KeepTech = ToFlag(o.chkKeepTech != 0);
    ApplyCheckText(o.chkNotes, v[13]);
    if (!general) ApplyReportsText(o, v[16]);
    // A picture quality without its option button, or scan options beyond the two check boxes,
    // are refused: the scan keeps the icons and options it has (a quality of no icon set would
    // leave it without a picture).
    const int quality = CInt(Val(v[14]));
    if (quality >= 0 && quality < kPictureQualities) {
        g.st.SRSPicQual = static_cast<Integer>(quality);
        o.optSRSPic = g.st.SRSPicQual;
    }
    g.host.Refresh(View::SrsIcons);
    const int drawing = CInt(Val(v[15]));
    if (drawing >= 0 && drawing <= 3) {
        g.st.SRSDrawOption = static_cast<Integer>(drawing);
        o.chkLarge = (drawing & 1) ? 1 : 0;
        o.chkCoord = (drawing & 2) ? 1 : 0;
    }
    g.host.Refresh(View::SrsColors);
    if (general) ApplyCheckText(o.chkNameConfig, v[16]);

    LoadLibOptions(g, config);

    // Background: the picture is loaded whatever applyBackground says; the rest only with it.
    bool pictureOk = LoadBackgroundPictureOption(g, "KVMAIN0069", "KVMAIN0070");
    if (applyBackground) {
        if (o.optColor) g.host.SetBackgroundColor(o.lblColor);
        if (o.optNone) HideBackgroundWindow(g);
        if (!pictureOk) ReskinBackground(g);
        // A colour or a picture stands behind the game windows also when the window is hidden,
        // as every start leaves it: under the main menu the show waits for the menu's end.
        if (!o.optNone && (BackgroundActive(g) || o.optColor || o.optPicture)) ApplyBackground(g);
    }

    ApplyClosingOptionSteps(g);
}

void SaveSettings(Game& g, const std::string& config) {
    const OptionSettings& o = g.options;
    const bool general = IsGeneral(config);
    std::string v[16];
    v[0] = BoolText(o.chkSound != 0);
    v[1] = o.optColor ? "Color" : o.optPicture ? "Picture" : o.optNone ? "None" : "";
    v[2] = NumberSetting(o.lblColor);
    v[3] = o.CMDialogFileName;
    v[4] = NumberSetting(o.lblPreviewSize);
    v[5] = BoolText(o.chkBold != 0);
    v[6] = BoolText(o.chkItalics != 0);
    v[7] = NumberSetting(o.lblBackColor);
    v[8] = NumberSetting(o.lblForeColor);
    v[9] = o.optLong ? "Long" : o.optTall ? "Tall" : o.optCustom ? o.txtCustom : "";
    v[10] = BoolText(o.chkSuppress != 0);
    for (int k = 0; k < kOptionMessageSlots; ++k) v[11] += o.chkMessage[static_cast<size_t>(k)] ? '1' : '0';
    v[12] = BoolText(o.chkKeepTech != 0);
    v[13] = BoolText(o.chkNotes != 0);
    if (o.chkNotes) SaveNotes(g, config);
    v[14] = std::to_string(g.st.SRSPicQual);
    v[15] = std::to_string(g.st.SRSDrawOption);

    auto write = [&](const std::string& key, const std::string& value) {
        g.settings.SaveSetting(kConfigsApp, config, key, value);
    };
    if (!general) {
        std::string reports;
        if (o.chkGeneral) reports += 'G';
        if (o.chkZarvoni) reports += 'Z';
        if (o.chkDamage) reports += 'D';
        if (o.chkStarbase) reports += 'S';
        write("Reports", reports);
        for (int n = 1; n <= kSavedWindows; ++n) {
            const WindowGeometry& w = o.Window[static_cast<size_t>(n)];
            write(WindowKey(n, 'X'), TwipsToPixels(w.Left));
            write(WindowKey(n, 'Y'), TwipsToPixels(w.Top));
            if (n == 1) {
                write("Window1W", TwipsToPixels(w.Width));
                write("Window1H", TwipsToPixels(w.Height));
            }
        }
    } else {
        write("ConfigByName", BoolText(o.chkNameConfig != 0));
    }
    for (int i = 0; i < 16; ++i) write(kKeys[i], v[i]);
    g.settings.Flush();
}

}  // namespace kv

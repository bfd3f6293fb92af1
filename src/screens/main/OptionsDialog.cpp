#include "screens/main/OptionsDialog.h"

#include <algorithm>

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "screens/main/MainMenu.h"
#include "state/Background.h"
#include "state/LibraryOptions.h"
#include "state/Numeric.h"
#include "state/Options.h"
#include "state/ScreenData.h"
#include "state/Utilities.h"

namespace kv {
namespace {

constexpr const char* kTemp = "Temp";

OptionsDialogData& Dialog(Game& g) { return g.screens.options; }

void ShowConfigName(Game& g) {
    g.options.lblConfigName = g.options.chkNameConfig ? g.st.ConfigName : std::string("General");
}

// The four report windows follow their check boxes.
void ShowReports(Game& g) {
    const OptionSettings& o = g.options;
    const std::pair<Form, Integer> reports[] = {{Form::frmGeneralReport, o.chkGeneral},
                                                {Form::frmZarvoniReport, o.chkZarvoni},
                                                {Form::frmDamageReport, o.chkDamage},
                                                {Form::frmBaseReport, o.chkStarbase}};
    for (const auto& [form, box] : reports) {
        if (box)
            g.host.ShowForm(form);
        else
            g.host.HideForm(form);
    }
}

// The background behind the windows takes the new choice while it is not showing, or while it
// is still to be hidden (a region that covers nothing may keep it from being seen).
void ApplyBackgroundIfHidden(Game& g) {
    if (!g.host.IsFormVisible(Form::frmBackground) || g.background.Tag == BackgroundTag::Hide) ApplyBackground(g);
}

}  // namespace

int FontSizeStep(double size, int direction) {
    int s = static_cast<int>(Int(size));
    if (direction < 0) {
        if (s > 8) --s;
        if (s > 12) --s;
    } else {
        if (s < 24) s += 2;
        if (s < 12) --s;
    }
    return s;
}

int CustomWidthStep(const std::string& text, int direction) {
    int n = CInt(Val(text));
    if (direction < 0) {
        n = std::max(n - 1, 1);
        while (12 % n != 0 && n < 12) --n;
    } else {
        if (n < 0) n = 0;
        do ++n;
        while (12 % n != 0 && n < 12);
    }
    return std::min(n, 12);
}

int CustomWidth(const std::string& text) {
    int n = CInt(Val(text));
    if (n < 1) n = 1;
    while (12 % n != 0 && n < 12) ++n;
    return std::min(n, 12);
}

void ApplySettings(Game& g) {
    GameState& s = g.st;
    OptionSettings& o = g.options;
    g.host.Refresh(View::OutputFont);
    s.SoundOn = o.chkSound;

    const int columns = o.optLong ? 12 : o.optTall ? 3 : o.optCustom ? CustomWidth(o.txtCustom) : o.CommandBarColumns;
    ApplyCommandBar(g, columns);
    Dialog(g).txtCustomEnabled = o.optCustom;

    if (!g.host.IsFormVisible(Form::frmMenu)) ShowReports(g);
    if (g.host.IsFormVisible(Form::frmOptions)) g.host.BringToFront(Form::frmOptions);

    if (o.optColor) {
        g.host.SetBackgroundColor(o.lblColor);
        ApplyBackgroundIfHidden(g);
    } else if (o.optPicture) {
        const Pointer pointer = g.host.MousePointer();
        g.host.SetMousePointer(Pointer::Hourglass);
        if (!o.lblPictureFile.empty() && !g.host.LoadBackgroundPicture(o.CMDialogFileName))
            MessageBox(g, -1, PictureNotShownText(g, g.Text("OPTIONS0001") + o.CMDialogFileName),
                       kOKOnly | kExclamation);
        ApplyBackgroundIfHidden(g);
        g.host.SetMousePointer(pointer);
    } else if (o.optNone) {
        HideBackgroundWindow(g);
    }

    g.UseQuietDialogs = o.chkSuppress == 0;
    for (int k = 0; k < kOptionMessageSlots; ++k)
        g.MessageSuppressed[static_cast<size_t>(k)] = o.chkMessage[static_cast<size_t>(k)] ? kFalse : kTrue;
    // The box says whether the level is kept: clearing it stops keeping it at once.
    s.KeepTech = ToFlag(o.chkKeepTech != 0);
    // Only a quality with an icon set: with none chosen the scan keeps the pictures it has.
    if (o.optSRSPic >= 0 && o.optSRSPic < kPictureQualities) s.SRSPicQual = o.optSRSPic;
    g.host.Refresh(View::SrsIcons);
    s.SRSDrawOption = static_cast<Integer>((o.chkLarge ? 1 : 0) + 2 * (o.chkCoord ? 1 : 0));
    g.host.Refresh(View::SrsColors);
}

void OptionsLoad(Game& g) {
    OptionsDialogData& d = Dialog(g);
    d.chkSoundEnabled = g.st.WaveDevicePresent != 0;
    ShowConfigName(g);
    for (int i = 0; i < 4; ++i)
        d.optSRSPicEnabled[static_cast<size_t>(i)] =
            !FindFile(g.st.PicturesPath, "ICONS" + std::to_string(i) + ".*").empty();
    d.txtCustomEnabled = g.options.optCustom;
    d.HelpFile = HelpPagePath(g);
    UpdateInfoButton(g);
}

void OptionsActivate(Game& g) {
    ShowConfigName(g);
    SaveSettings(g, kTemp);
    SaveLibOptions(g, kTemp);
}

void OptionsOK(Game& g) {
    ApplySettings(g);
    SaveSettings(g, g.options.lblConfigName);
    g.host.HideForm(Form::frmOptions);
}

void OptionsApply(Game& g) { ApplySettings(g); }

void OptionsCancel(Game& g) {
    // The library options are their own dialog's: the copy is brought up to date so that the
    // reload leaves them as they are.
    SaveLibOptions(g, kTemp);
    LoadSettings(g, kTemp, true);
    UpdateInfoButton(g);
    Dialog(g).txtCustomEnabled = g.options.optCustom;
    if (g.st.GameRunning) ShowReports(g);
    g.host.HideForm(Form::frmOptions);
}

void OptionsCommandBarClick(Game& g, int layout) {
    OptionSettings& o = g.options;
    o.optLong = layout == 0;
    o.optTall = layout == 1;
    o.optCustom = layout == 2;
    if (layout == 0) o.txtCustom = "12";
    if (layout == 1) o.txtCustom = "3";
    Dialog(g).txtCustomEnabled = o.optCustom;
}

void OptionsWidthStep(Game& g, int direction) {
    g.options.txtCustom = std::to_string(CustomWidthStep(g.options.txtCustom, direction));
    g.screens.Focus = "txtCustom";
}

void OptionsFontSizeStep(Game& g, int direction) {
    g.options.lblPreviewSize = static_cast<Single>(FontSizeStep(g.options.lblPreviewSize, direction));
}

void OptionsMessageClick(Game& g, int slot, int value) {
    OptionSettings& o = g.options;
    if (slot >= 0 && slot < kOptionMessageSlots) o.chkMessage[static_cast<size_t>(slot)] = value ? 1 : 0;
    const bool all = std::all_of(o.chkMessage.begin(), o.chkMessage.end(), [](Integer v) { return v != 0; });
    // The button's caption and what it does next agree: with every box checked it clears them.
    Dialog(g).cmdAllCaption = g.Text(all ? "OPTIONS0002" : "OPTIONS0003");
    Dialog(g).cmdAllTag = all ? "0" : "1";
}

void OptionsAllClick(Game& g) {
    OptionsDialogData& d = Dialog(g);
    const bool check = d.cmdAllTag != "0";
    d.cmdAllCaption = g.Text(check ? "OPTIONS0006" : "OPTIONS0005");
    d.cmdAllTag = check ? "0" : "1";
    g.options.chkMessage.fill(check ? 1 : 0);
}

void OptionsNameConfigClick(Game& g, int value, bool dialogVisible) {
    OptionSettings& o = g.options;
    o.chkNameConfig = value ? 1 : 0;
    if (!dialogVisible || g.st.ConfigName == "General") return;
    const bool yes = MessageQuery(g, -1, g.Text("OPTIONS0004"), kYesNo | kQuestion) == kYes;
    if (yes) {
        g.settings.SaveSetting(kConfigsApp, "General", "ConfigByName", BoolText(value != 0));
        g.settings.Flush();
    }
    ShowConfigName(g);
    if (yes && g.st.GameRunning) LoadSettings(g, o.lblConfigName, true);
}

void OptionsPickColour(Game& g, int which) {
    OptionSettings& o = g.options;
    Long* swatch = which == 0 ? &o.lblBackColor : which == 1 ? &o.lblForeColor : &o.lblColor;
    // The picker carries the swatch's own caption.
    const char* title = which == 0 ? "OPTIONS0007" : which == 1 ? "OPTIONS0010" : "OPTIONS0008";
    const std::optional<long> chosen = g.host.ChooseColour(*swatch, g.Text(title));
    if (chosen) *swatch = static_cast<Long>(*chosen & 0xFFFFFF);
}

void OptionsPictureChosen(Game& g, const std::string& path) {
    if (path.empty()) return;
    g.options.CMDialogFileName = path;
    g.st.BackgroundPicture = path;
    g.options.lblPictureFile = FileNamePart(path);
    UpdateInfoButton(g);
}

void UpdateInfoButton(Game& g) {
    OptionsDialogData& d = Dialog(g);
    const std::string& picture = g.options.CMDialogFileName;
    d.cmdInfoEnabled = false;
    d.cmdInfoTag.clear();
    if (picture.size() < 3) return;
    const std::string info = picture.substr(0, picture.size() - 3) + "nfo";
    const size_t slash = info.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "./" : info.substr(0, slash + 1);
    const std::string found = FindFile(folder, info.substr(slash == std::string::npos ? 0 : slash + 1));
    if (found.empty()) return;
    d.cmdInfoEnabled = true;
    d.cmdInfoTag = found;
}

void OptionsInfoClick(Game& g) {
    std::string bytes;
    if (!ReadFileBytes(Dialog(g).cmdInfoTag, bytes)) return;
    std::string text;
    for (const std::string& line : Cp1252TextLines(bytes)) text += line + g.st.NewLine;
    MessageBox(g, -1, text, kOKOnly | kInformation);
}

void OptionsClearLog(Game& g) { g.host.ClearOutputLog(); }

}  // namespace kv

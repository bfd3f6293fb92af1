#include "state/Startup.h"

#include <cstdio>

#include "platform/Files.h"
#include "state/Numeric.h"
#include "state/Options.h"
#include "state/Reset.h"
#include "state/SavedGame.h"
#include "state/TempSaves.h"
#include "state/Utilities.h"
#include "state/WindowTable.h"

namespace kv {

long SplashMargin(long w) {
    if (w <= 640) return 0;
    if (w <= 800) return 360;
    if (w <= 1024) return 900;
    if (w <= 1200) return 1200;
    return 1500;
}

SplashPlace SplashTextPlace(int w, int h, int sampleW, int sampleH) {
    // In twips the rule reads: width - sample - margin, and height - sample - 2 x (height in
    // pixels); at 15 twips a pixel the second term is 2 x height / 15 pixels.
    SplashPlace at;
    at.x = w - sampleW - static_cast<int>(SplashMargin(w) / kTwipsPerPixel);
    at.y = h - sampleH - 2 * h / kTwipsPerPixel;
    return at;
}

void ShowVersionSplash(Game& g, Single version) {
    GameState& s = g.st;
    const Single speed = s.SpeedFactor;
    s.SpeedFactor = 1.14f;
    PlaySound(g, "VERSION.WAV");
    Pause(g, 0.1);
    const std::string text = "v" + CStr(version);
    // The blue rises 0, 3, 7, 12, ... 250: each step one larger than the last.
    for (long c = 0, d = 3; c <= 255; c += d, ++d) {
        g.host.DrawVersionText(text, c << 16);
        Pause(g, static_cast<Single>(1.0f / 255.0f));
    }
    s.SpeedFactor = 1.0f;
    Pause(g, 2.0);
    g.host.DrawVersionText(text, 255L << 16);
    s.SpeedFactor = speed;
}

void CachePlanetPictures(Game& g) {
    if (g.switches.NoPlanetCache) return;
    ShowMessage(g, true, g.Text("KVMAIN0080"));
    for (int i = 1; i <= 14; ++i) {
        char pattern[16];
        std::snprintf(pattern, sizeof pattern, "PLANET%02d.*", i);
        g.host.CachePlanetPicture(i, FindFile(g.st.PicturesPath, pattern));
    }
    ShowMessage(g, false);
}

void ReportMendedSettings(Game& g) {
    const std::optional<SettingsMend> m = g.settings.Mended();
    if (!m) return;
    const std::string& nl = g.st.NewLine;
    const std::string where = m->file + nl + g.Text("SettingsLine") + std::to_string(m->line) + ": " + m->text;
    if (m->copy.empty())
        MessageBox(g, -1, g.Text("SettingsNotMended") + nl + where, kOKOnly | kExclamation);
    else
        MessageBox(g, -1, g.Text("SettingsMended") + nl + where + nl + g.Text("SettingsCopy") + nl + m->copy,
                   kOKOnly | kExclamation);
}

void Main(Game& g, const std::string& commandLine, const StartupTurnSteps& turn) {
    GameState& s = g.st;
    s.UpgradeAllFlag = s.CaptureAllFlag = s.ShowCloakFlag = s.ShowStarsFlag = false;
    s.TechLevel = 3;
    s.DebugMode = false;
    s.NewLine = "\r\n";
    g.badWords.AddBadWord("Morv");

    LoadArrayConsts(g);
    DetectSound(g);
    g.commandLine = commandLine;
    g.switches = ParseCommandLine(commandLine);
    s.StarTarget = g.switches.StarTarget;
    s.SpeedFactor = g.switches.SpeedFactor;
    // The game's generator is seeded by the program; the cosmetic one starts from the clock.
    g.cosmetic.Randomize(g.host.TimeOfDay());
    // The windows the settings fill are made first: the note window, the file dialog and the
    // options window.
    for (Form f : {Form::frmShowMessage, Form::frmFile, Form::frmOptions}) g.host.LoadForm(f);
    ReportMendedSettings(g);
    LoadSettings(g, "General", false);

    const bool pictures = !g.switches.NoPictures;
    if (pictures) {
        CenterMouse(g);
        // The colour first: a new colour takes the picture away.
        g.host.SetBackgroundColor(0);
        const std::string intro = FindFile(s.PicturesPath, "INTRO.*");
        if (!intro.empty()) g.host.LoadBackgroundPicture(intro);
        g.host.ShowForm(Form::frmBackground);
        g.host.BringToFront(Form::frmBackground);
        PlaySound(g, "SPACE.WAV");
    }

    // What saves ended early left in the saved-games folder is finished or removed first, so
    // that none of it is later taken for part of the files written next.
    FinishInterruptedSaves(g);
    // Saved games kept in the settings store come back as files; the copy of a configuration
    // is dropped only once its files are written.
    LoadConfigNames(g);
    const std::vector<std::string> names = g.configNames.menuNames;
    for (const std::string& name : names) {
        s.ConfigName = name;
        if (RecoverTempSaves(g) == TempSaveResult::Restored) g.settings.DeleteSetting(kTempSavesApp, name);
    }
    g.host.HideForm(Form::frmInfo);
    g.configNames.menuNames.clear();
    g.configNames.difficultyNames.clear();

    g.host.ApplyLanguage();
    if (pictures) ShowVersionSplash(g, static_cast<Single>(Val(GetVersionString())));
    InitFormTable(g);
    g.host.HideForm(Form::frmLanguage);
    g.host.HideBackground();
    g.host.SetBackgroundColor(0x808000);
    LoadSettings(g, "General", true);
    ShowGameWindows(g);
    g.host.Refresh(View::Background);
    CachePlanetPictures(g);
    g.host.ShowForm(Form::frmMinimize);

    s.FinalReportFlag = 0;
    s.SkillLevel = 1;
    s.GameLength = 1;
    LoadConfigNames(g);
    if (!g.switches.SavedGamePath.empty()) LoadGame(g, g.switches.SavedGamePath);
    if (s.GameRunning) {
        g.options.lblConfigName = g.options.chkNameConfig ? s.ConfigName : std::string("General");
        LoadSettings(g, g.options.lblConfigName, true);
    }
    g.host.ShowForm(Form::frmCommands);
    if (!s.GameRunning) s.UpgradesOn = 1;

    if (s.GameFileName.empty() || !s.GameRunning) {
        g.host.RunModal(Form::frmMenu);
        g.host.SetMousePointer(Pointer::Hourglass);
        if (turn.ReturnFromMenu) turn.ReturnFromMenu(g);
    } else {
        ShowReportWindows(g);
    }
    if (turn.RefreshAll) turn.RefreshAll(g);
    if (g.host.MousePointer() == Pointer::Hourglass) g.host.SetMousePointer(Pointer::Default);
}

}  // namespace kv

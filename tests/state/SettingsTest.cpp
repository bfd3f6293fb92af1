#include <gtest/gtest.h>

#include <filesystem>

#include "state/Configs.h"
#include "state/LegacyImport.h"
#include "state/Notes.h"
#include "state/Options.h"
#include "support/SaveTestSupport.h"
#include "support/TestGame.h"

namespace kv {
namespace {

using savetest::ScratchFolder;
using savetest::WriteAll;

// A game for the option tests; a second game over the same store stands for a later run of
// the program. Games given the test's scratch folder read its legacy settings file.
struct OptionsGame {
    OptionsGame() : OptionsGame(nullptr, GameFolders{}) {}
    explicit OptionsGame(const ScratchFolder& dir) : OptionsGame(nullptr, dir.Folders()) {}
    explicit OptionsGame(MemorySettingsStore& shared) : OptionsGame(&shared, GameFolders{}) {}
    OptionsGame(MemorySettingsStore* shared, const GameFolders& folders)
        : rng(1), game(rng, shared ? *shared : settings, host, folders) {
        game.lang.UseTexts({});
        game.lang.SetEchoMissing(true);
    }
    std::string Get(const std::string& config, const std::string& key) {
        return game.settings.GetSetting(kConfigsApp, config, key, kNotUsed);
    }
    MemorySettingsStore settings;
    test::RecordingHost host;
    SeededRandom rng;
    Game game;
};

OptionSettings SomeOptions() {
    OptionSettings o;
    o.chkSound = 0;
    o.optColor = true, o.optPicture = false, o.optNone = false;
    o.lblColor = 0x336699;
    o.CMDialogFileName = "/pictures/nebula one.png";
    o.lblPictureFile = "nebula one.png";
    o.lblPreviewSize = 9.75f;
    o.chkBold = 1, o.chkItalics = 1;
    o.lblBackColor = 0x102030, o.lblForeColor = 0xFFFF00;
    o.optLong = false, o.optTall = false, o.optCustom = true, o.txtCustom = "4";
    o.CommandBarColumns = 4;
    o.chkSuppress = 1;
    o.chkMessage[1] = 0, o.chkMessage[16] = 0;
    o.chkKeepTech = 1, o.chkNotes = 1, o.chkLarge = 1, o.chkCoord = 0;
    o.chkGeneral = 1, o.chkZarvoni = 0, o.chkDamage = 1, o.chkStarbase = 0;
    for (int n = 1; n <= kSavedWindows; ++n)
        o.Window[static_cast<size_t>(n)] = {n * 150, n * 300, n == 1 ? 6000 : 0, n == 1 ? 3000 : 0};
    return o;
}

TEST(OptionSettings, RoundTripThroughTheStore) {
    ScratchFolder dir;
    OptionsGame a(dir);
    a.game.options = SomeOptions();
    a.game.st.SRSPicQual = 2;
    a.game.options.optSRSPic = 2;
    a.game.st.SRSDrawOption = 1;
    SaveSettings(a.game, "Jane");
    EXPECT_EQ(a.Get("Jane", "Color"), " 3368601");
    EXPECT_EQ(a.Get("Jane", "OutputFontSize"), " 9.75");
    EXPECT_EQ(a.Get("Jane", "CommandBar"), "4");
    EXPECT_EQ(a.Get("Jane", "Messages"), "10111111111111110");
    EXPECT_EQ(a.Get("Jane", "Reports"), "GD");
    EXPECT_EQ(a.Get("Jane", "Window2Y"), "40");
    EXPECT_EQ(a.Get("Jane", "Window1W"), "400");
    EXPECT_EQ(a.Get("Jane", "ConfigByName"), kNotUsed);

    OptionsGame b(a.settings);
    LoadSettings(b.game, "Jane", true);
    EXPECT_EQ(b.game.options, a.game.options);
    EXPECT_EQ(b.game.st.SoundOn, 0);
    EXPECT_EQ(b.game.st.KeepTech, kTrue);
    EXPECT_EQ(b.game.st.SRSPicQual, 2);
    EXPECT_EQ(b.game.st.SRSDrawOption, 1);
    EXPECT_EQ(b.game.st.BackgroundPicture, "/pictures/nebula one.png");
    EXPECT_FALSE(b.game.UseQuietDialogs);
    EXPECT_EQ(b.game.MessageSuppressed[1], kTrue);
    EXPECT_EQ(b.game.MessageSuppressed[2], kFalse);
    EXPECT_TRUE(b.host.Saw("bgcolor:" + std::to_string(0x336699)));
    EXPECT_TRUE(b.host.Saw("refresh:CommandBar"));
    EXPECT_TRUE(b.host.Saw("refresh:WindowPositions"));
    EXPECT_FALSE(b.host.Saw("notice:<KVMAIN0069>"));
}

TEST(OptionSettings, GeneralKeepsNoWindowsOrReportsAndNamedNoConfigByName) {
    ScratchFolder dir;
    OptionsGame a(dir);
    a.game.options = SomeOptions();
    a.game.options.chkNameConfig = 1;
    SaveSettings(a.game, "General");
    SaveSettings(a.game, "Jane");
    auto keys = [&](const std::string& config) {
        std::vector<std::string> k;
        for (const auto& [key, value] : a.settings.GetAllSettings(kConfigsApp, config)) k.push_back(key);
        return k;
    };
    EXPECT_EQ(keys("General").size(), 17u);
    EXPECT_EQ(a.Get("General", "ConfigByName"), "True");
    EXPECT_EQ(a.Get("General", "Reports"), kNotUsed);
    EXPECT_EQ(a.Get("General", "Window1X"), kNotUsed);
    EXPECT_EQ(keys("Jane").size(), 16u + 1u + 32u);

    // Loading "General" leaves the windows where they are and ignores stored geometry.
    a.settings.SaveSetting(kConfigsApp, "General", "Window3X", "99");
    OptionsGame b(a.settings);
    b.game.options.Window[3] = {15, 30, 0, 0};
    LoadSettings(b.game, "General", true);
    EXPECT_EQ(b.game.options.Window[3], (WindowGeometry{15, 30, 0, 0}));
    EXPECT_EQ(b.game.options.chkNameConfig, 1);
    EXPECT_FALSE(b.host.Saw("refresh:WindowPositions"));
}

TEST(OptionSettings, CommandBarValues) {
    const std::pair<const char*, int> cases[] = {
        {"5", 6}, {"7", 12}, {"11", 12}, {"20", 12}, {"Long", 12}, {"Tall", 3}, {"", 3},        {"1", 1},
        {"4", 4}, {"6", 6},  {"2.5", 2}, {"3.5", 4}, {"0", 12},    {"-4", 12},  {"Window", 12}, {"Not Used", 12},
    };
    for (const auto& [text, columns] : cases) EXPECT_EQ(CommandBarValue(text), columns) << '"' << text << '"';

    OptionsGame s;
    for (const auto& [text, tall, lng, custom] :
         {std::tuple{"Tall", true, false, false}, std::tuple{"Long", false, true, false},
          std::tuple{"5", false, false, true}}) {
        s.settings.SaveSetting(kConfigsApp, "General", "Sound", "True");
        s.settings.SaveSetting(kConfigsApp, "General", "CommandBar", text);
        LoadSettings(s.game, "General", false);
        EXPECT_EQ(s.game.options.optTall, tall) << text;
        EXPECT_EQ(s.game.options.optLong, lng) << text;
        EXPECT_EQ(s.game.options.optCustom, custom) << text;
    }
    EXPECT_EQ(s.game.options.txtCustom, "6");
}

TEST(OptionSettings, AbsentAndOddValuesKeepTheirControls) {
    ScratchFolder dir;
    OptionsGame s(dir);
    s.settings.SaveSetting(kConfigsApp, "Jane", "Sound", "True");
    s.settings.SaveSetting(kConfigsApp, "Jane", "OutputFontBold", "yes");  // not a Boolean text
    s.settings.SaveSetting(kConfigsApp, "Jane", "Messages", "1011");
    s.settings.SaveSetting(kConfigsApp, "Jane", "SRSOptions", "3");
    s.settings.SaveSetting(kConfigsApp, "Jane", "Window2X", "2000");  // beyond the right edge
    s.settings.SaveSetting(kConfigsApp, "Jane", "Window4Y", "-30");
    s.game.options.chkBold = 1;
    s.game.options.chkItalics = 1;
    s.game.options.Window[2] = {0, 150, 0, 0};
    s.game.options.Window[4] = {300, 300, 0, 0};
    s.game.options.Window[5] = {4500, 6000, 1500, 1500};
    s.game.MessageSuppressed[20] = kTrue;
    LoadSettings(s.game, "Jane", true);
    const OptionSettings& o = s.game.options;
    EXPECT_EQ(o.chkBold, 1);
    EXPECT_EQ(o.chkItalics, 1);
    EXPECT_FALSE(o.optColor || o.optPicture || o.optNone);
    EXPECT_EQ(o.chkGeneral + o.chkZarvoni + o.chkDamage + o.chkStarbase, 0);
    EXPECT_EQ(o.Window[2].Left, 1024 * 15);  // width 0: its left edge on the screen's right edge
    EXPECT_EQ(o.Window[2].Top, 150);
    EXPECT_EQ(o.Window[4], (WindowGeometry{300, 0, 0, 0}));
    EXPECT_EQ(o.Window[5], (WindowGeometry{4500, 6000, 1500, 1500}));
    // "1011": slot 1 off, and every slot beyond the text's end.
    for (int k = 0; k <= 16; ++k)
        EXPECT_EQ(s.game.MessageSuppressed[static_cast<size_t>(k)], (k == 1 || k >= 4) ? kTrue : kFalse) << k;
    EXPECT_EQ(s.game.MessageSuppressed[20], kTrue);  // beyond the options' slots: untouched
    EXPECT_EQ(o.chkLarge, 1);
    EXPECT_EQ(o.chkCoord, 1);
    EXPECT_EQ(s.game.st.BackgroundPicture, "");
}

// A picture quality that no option button stands for, or scan options beyond the two check
// boxes, are skipped: the scan keeps its icon set and options (quality 77 had left it without
// any picture).
TEST(OptionSettings, ARefusedScanValueIsSkipped) {
    struct Case {
        const char* quality;
        const char* options;
        Integer wantQuality, wantOptions;
    };
    const Case cases[] = {
        {"77", "9", 2, 1}, {"-1", "-1", 2, 1}, {"4", "4", 2, 1}, {"3", "2", 3, 2}, {"0", "0", 0, 0}, {"x", "3", 0, 3},
    };
    for (const Case& c : cases) {
        OptionsGame s;
        s.settings.SaveSetting(kConfigsApp, "Jane", "Sound", "True");
        s.settings.SaveSetting(kConfigsApp, "Jane", "SRSPicQual", c.quality);
        s.settings.SaveSetting(kConfigsApp, "Jane", "SRSOptions", c.options);
        s.game.st.SRSPicQual = 2;
        s.game.options.optSRSPic = 2;
        s.game.st.SRSDrawOption = 1;
        s.game.options.chkLarge = 1;
        LoadSettings(s.game, "Jane", true);
        EXPECT_EQ(s.game.st.SRSPicQual, c.wantQuality) << c.quality;
        EXPECT_EQ(s.game.options.optSRSPic, c.wantQuality) << c.quality;
        EXPECT_EQ(s.game.st.SRSDrawOption, c.wantOptions) << c.options;
        EXPECT_EQ(s.game.options.chkLarge, c.wantOptions & 1) << c.options;
        EXPECT_EQ(s.game.options.chkCoord, (c.wantOptions & 2) ? 1 : 0) << c.options;
    }
}

TEST(OptionSettings, APictureThatCannotBeReadIsReportedAndBackgroundFollowsTheFlag) {
    ScratchFolder dir;
    OptionsGame s(dir);
    s.host.pictureReadable = false;
    s.settings.SaveSetting(kConfigsApp, "General", "Sound", "True");
    s.settings.SaveSetting(kConfigsApp, "General", "BackGround", "Picture");
    s.settings.SaveSetting(kConfigsApp, "General", "Picture", "/nowhere/pic.bmp");
    LoadSettings(s.game, "General", false);
    EXPECT_TRUE(s.host.Saw("bgpicture:/nowhere/pic.bmp"));
    ASSERT_EQ(s.host.notices.size(), 1u);
    EXPECT_EQ(s.host.notices[0], "<KVMAIN0069>/nowhere/pic.bmp<KVMAIN0070>");
    EXPECT_EQ(s.game.options.lblPictureFile, "pic.bmp");

    s.settings.SaveSetting(kConfigsApp, "General", "BackGround", "None");
    LoadSettings(s.game, "General", false);
    EXPECT_FALSE(s.host.Saw("hidebg"));
    LoadSettings(s.game, "General", true);
    EXPECT_TRUE(s.host.Saw("hidebg"));
}

// A saved colour or picture with the background window hidden, as every start leaves it: the
// load shows it behind the game windows, or has the show wait while a modal window is open.
TEST(OptionSettings, ASavedBackgroundIsShownOrItsShowWaitsOnlyWhenTheLoadAppliesIt) {
    struct Case {
        const char* background;
        bool apply, modal;
        const char* wantEvent;  // "" = no show
        BackgroundTag wantTag;
    };
    const Case cases[] = {
        {"Color", true, false, "show:frmBackground", BackgroundTag::None},
        {"Picture", true, false, "show:frmBackground", BackgroundTag::None},
        {"Color", true, true, "refused:frmBackground", BackgroundTag::Show},
        {"Color", false, false, "", BackgroundTag::None},
        {"None", true, false, "", BackgroundTag::None},
    };
    for (const Case& c : cases) {
        ScratchFolder dir;
        OptionsGame s(dir);
        s.settings.SaveSetting(kConfigsApp, "General", "Sound", "True");
        s.settings.SaveSetting(kConfigsApp, "General", "BackGround", c.background);
        s.settings.SaveSetting(kConfigsApp, "General", "Picture", "/pictures/nebula.png");
        s.host.modalOpen = c.modal;
        LoadSettings(s.game, "General", c.apply);
        SCOPED_TRACE(std::string(c.background) + (c.apply ? " applied" : "") + (c.modal ? " under a modal" : ""));
        if (*c.wantEvent) {
            EXPECT_TRUE(s.host.Saw(c.wantEvent));
        } else {
            EXPECT_FALSE(s.host.Saw("show:frmBackground") || s.host.Saw("refused:frmBackground"));
        }
        EXPECT_EQ(s.game.background.Tag, c.wantTag);
    }
}

TEST(OptionSettings, ANewConfigurationIsImportedAndStoredOnce) {
    ScratchFolder dir;
    std::filesystem::create_directories(dir.Config());
    WriteAll(dir.Config() + "kestrava.ini",
             "[Jane]\r\nSound=False\r\nBackGround=Color\r\nColor=255\r\nCommandBar=5\r\nMessages=0\r\n"
             "Reports=SD\r\nWindow3X=200\r\nWindow3Y=100\r\nWindow1X=5000\r\nWindow1W=300\r\nWindow1H=200\r\n"
             "ThemeSounds=True\r\n[General]\r\nSound=True\r\nWindow3X=200\r\nConfigByName=True\r\nReports=G\r\n");
    OptionsGame s(dir);
    s.game.options.chkNotes = 1;
    s.game.options.Window[9] = {900, 900, 0, 0};
    LoadSettings(s.game, "Jane", true);
    const OptionSettings& o = s.game.options;
    EXPECT_EQ(o.chkSound, 0);
    EXPECT_EQ(s.game.st.SoundOn, 0);
    EXPECT_TRUE(o.optColor);
    EXPECT_EQ(o.lblColor, 255);
    EXPECT_EQ(o.CommandBarColumns, 6);
    EXPECT_EQ(o.Window[3], (WindowGeometry{3000, 1500, 0, 0}));
    // Absent positions read as 0; window 1 is pulled back onto a 1024-pixel screen.
    EXPECT_EQ(o.Window[9], (WindowGeometry{0, 0, 0, 0}));
    EXPECT_EQ(o.Window[1], (WindowGeometry{(1024 - 300) * 15, 0, 4500, 3000}));
    EXPECT_EQ(o.chkStarbase + o.chkDamage, 2);
    EXPECT_EQ(o.chkGeneral + o.chkZarvoni, 0);
    for (int k = 0; k <= 16; ++k) EXPECT_EQ(s.game.MessageSuppressed[static_cast<size_t>(k)], kTrue);
    EXPECT_EQ(o.chkNotes, 1);  // the file has no "SaveNotes": the option stands
    EXPECT_FALSE(s.game.UseQuietDialogs);
    // The store now holds the full key set.
    EXPECT_EQ(s.settings.GetAllSettings(kConfigsApp, "Jane").size(), 49u);
    EXPECT_EQ(s.Get("Jane", "Window3X"), "200");

    // Imported once: a changed file is not read again for the name.
    WriteAll(dir.Config() + "kestrava.ini", "[Jane]\r\nSound=True\r\nColor=7\r\n");
    LoadSettings(s.game, "Jane", true);
    EXPECT_EQ(s.game.options.chkSound, 0);
    EXPECT_EQ(s.game.options.lblColor, 255);

    // "General" never reads window positions or "Reports".
    OptionsGame g(dir);
    g.game.options.Window[3] = {45, 45, 0, 0};
    WriteAll(dir.Config() + "kestrava.ini",
             "[General]\r\nSound=True\r\nWindow3X=200\r\nConfigByName=True\r\nReports=G\r\n");
    g.game.options.chkGeneral = 0;
    LoadSettings(g.game, "General", true);
    EXPECT_EQ(g.game.options.Window[3], (WindowGeometry{45, 45, 0, 0}));
    EXPECT_EQ(g.game.options.chkNameConfig, 1);
    EXPECT_EQ(g.game.options.chkGeneral, 0);
}

TEST(OptionSettings, WithoutALegacyFileANewNameCopiesTheCurrentOptions) {
    ScratchFolder dir;
    OptionsGame s(dir);
    s.game.options = SomeOptions();
    s.game.st.SRSDrawOption = 1;  // the large-pictures box is kept through the global
    const OptionSettings before = s.game.options;
    LoadSettings(s.game, "Newcomer", true);
    EXPECT_EQ(s.game.options, before);
    EXPECT_EQ(s.Get("Newcomer", "Sound"), "False");
    EXPECT_TRUE(s.host.notices.empty());
}

TEST(NamedConfigurations, ListsStoredNamesThenLegacyOnesAndAddsNewNames) {
    ScratchFolder dir;
    std::filesystem::create_directories(dir.Config());
    WriteAll(dir.Config() + "KESTRAVA.INI", "[Names]\r\nNumber=3\r\nName1=ALICE\r\nName2=Bob\r\nName3=Zed\r\n");
    OptionsGame s(dir);
    s.settings.SaveSetting(kAppName, "Names", "Number", "3");
    s.settings.SaveSetting(kAppName, "Names", "Name1", "Alice");
    s.settings.SaveSetting(kAppName, "Names", "Name3", "Carol");
    LoadConfigNames(s.game);
    const std::vector<std::string> shown = {"Alice", "Carol", "Bob", "Zed"};
    EXPECT_EQ(s.game.configNames.menuNames, shown);
    EXPECT_EQ(s.game.configNames.difficultyNames, shown);

    for (const char* name : {"", "General", "Alice", "Carol"}) SaveConfigNames(s.game, name);
    EXPECT_EQ(s.settings.GetSetting(kAppName, "Names", "Number"), "3");
    SaveConfigNames(s.game, "Bob");    // a legacy name joins the stored list when played
    SaveConfigNames(s.game, "alice");  // case counts
    SaveConfigNames(s.game, "Bob");
    EXPECT_EQ(s.settings.GetSetting(kAppName, "Names", "Number"), "5");
    EXPECT_EQ(s.settings.GetSetting(kAppName, "Names", "Name4"), "Bob");
    EXPECT_EQ(s.settings.GetSetting(kAppName, "Names", "Name5"), "alice");
    EXPECT_EQ(s.game.configNames.menuNames, (std::vector<std::string>{"Alice", "Carol", "Bob", "Zed", "alice"}));

    // Without a stored list nothing is listed and the legacy names are not merged.
    OptionsGame empty(dir);
    LoadConfigNames(empty.game);
    EXPECT_TRUE(empty.game.configNames.menuNames.empty());
}

TEST(NamedConfigurations, GoodPlayerCountsGamesPerConfiguration) {
    OptionsGame s;
    s.game.st.ConfigName = "Jane";
    EXPECT_EQ(GetGoodPlayer(s.game), 0.0);
    SaveGoodPlayer(s.game, static_cast<Integer>(GetGoodPlayer(s.game) + 1));
    EXPECT_EQ(s.settings.GetSetting(kConfigsApp, "Jane", "GoodPlayer"), "1");
    EXPECT_EQ(GetGoodPlayer(s.game), 1.0);
    s.game.st.ConfigName = "Other";
    EXPECT_EQ(GetGoodPlayer(s.game), 0.0);
}

TEST(NamedConfigurations, FileNamesOfConfigurationsAreSafe) {
    EXPECT_EQ(ConfigFileName("Main"), "Main");
    EXPECT_EQ(ConfigFileName("../../etc/x"), "_.._etc_x");
    EXPECT_EQ(ConfigFileName(".hidden"), "hidden");
    EXPECT_EQ(ConfigFileName("a\\b"), "a_b");
    EXPECT_EQ(ConfigFileName("..."), "Config");
}

TEST(StarSystemNotes, SaveAndLoadPerConfiguration) {
    OptionsGame s;
    GameState& st = s.game.st;
    st.Galaxy[2][3] = 102;
    st.Galaxy[7][1] = 1;
    st.StarSystem(2, 3, 1).SetName("  Vega");
    st.StarSystem(2, 3, 1).Notes = "  dilithium here  ";
    st.StarSystem(2, 3, 2).SetName("Rigel");
    st.StarSystem(2, 3, 2).DescriptorName = "RIGEL.ssd";
    st.StarSystem(2, 3, 2).Notes = "hostile natives";
    // A third system sharing the key of the first, with an empty note: the note just written stays.
    st.StarSystem(7, 1, 1).SetName("Vega");
    SaveNotes(s.game, "Jane");
    const std::string app = std::string(kConfigsApp) + "\\Jane";
    EXPECT_EQ(s.settings.GetSetting(app, "Notes", "Vega"), "dilithium here");
    EXPECT_EQ(s.settings.GetSetting(app, "Notes", "RIGEL.ssd"), "hostile natives");
    EXPECT_EQ(s.settings.GetAllSettings(app, "Notes").size(), 2u);

    // A cleared note removes its key; loading gives every visited system its stored note.
    st.StarSystem(2, 3, 2).Notes = "";
    SaveNotes(s.game, "Jane");
    EXPECT_EQ(s.settings.GetSetting(app, "Notes", "RIGEL.ssd", kNotUsed), kNotUsed);
    st.StarSystem(2, 3, 2).Notes = "stale";
    st.StarSystem(7, 1, 1).Notes = "stale";
    LoadNotes(s.game, "Jane");
    EXPECT_EQ(st.StarSystem(2, 3, 1).Notes, "dilithium here");
    EXPECT_EQ(st.StarSystem(2, 3, 2).Notes, "");
    EXPECT_EQ(st.StarSystem(7, 1, 1).Notes, "dilithium here");
    LoadNotes(s.game, "Someone else");
    EXPECT_EQ(st.StarSystem(2, 3, 1).Notes, "");

    // A galaxy without star systems writes nothing.
    OptionsGame none;
    none.game.st.StarSystem(1, 1, 1).Notes = "not in the galaxy";
    none.game.st.StarSystem(1, 1, 1).SetName("Ghost");
    SaveNotes(none.game, "Jane");
    EXPECT_TRUE(none.settings.GetAllSettings(app, "Notes").empty());
}

}  // namespace
}  // namespace kv

#include "screens/Relabel.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/TestGame.h"

namespace kv::test {
namespace {

struct RelabelTest : ::testing::Test {
    SeededRandom rng{2};
    TestGame tg{rng};
    static bool All(Form) { return true; }
    // The text a control of a window ends with (the last assignment wins).
    static std::map<std::string, std::string> Final(const std::vector<LabelAssignment>& list, Form window) {
        std::map<std::string, std::string> out;
        for (const LabelAssignment& a : list)
            if (a.window == window)
                out[a.control + "/" + Name(a.property) + "/" + std::to_string(a.index)] = a.text;
        return out;
    }
};

TEST_F(RelabelTest, TheRunLooksUpEveryTextOnceInItsOrder) {
    const auto& table = RelabelTable();
    EXPECT_EQ(table.size(), static_cast<size_t>(kRelabelLookups));
    EXPECT_EQ(table.front().key, "Mvrpt0");
    EXPECT_EQ(table.front().property, LabelProperty::HiddenText);
    EXPECT_EQ(table.front().control, "lblAnim(0)");
    EXPECT_EQ(table.back().window, Form::frmAbout);
    int steps = 0;
    const auto list = RelabelAssignments(tg.game, All, [&] { ++steps; });
    EXPECT_EQ(steps, kRelabelLookups);
    EXPECT_EQ(list.size(), static_cast<size_t>(kRelabelLookups) + 6);  // and the closing six
}

TEST_F(RelabelTest, LaterTextsWinAndArraysKeepTheirElements) {
    tg.st.ShipPrefix = "KSS";
    const auto list = RelabelAssignments(tg.game, All);
    const auto menu = Final(list, Form::frmMenu);
    EXPECT_EQ(menu.at("lblName/Caption/0"), "<MenuName>");
    EXPECT_EQ(menu.at("cboMissionType/ListItem/2"), "<MenuMis2>");
    EXPECT_EQ(menu.at("mnuGame(100)/Caption/0"), "<MGame>");
    EXPECT_EQ(menu.at("mnuGOptions(150)/Caption/0"), "<MGOpt>");
    EXPECT_EQ(Final(list, Form::frmDifficulty).at("cboMissionType/ListItem/2"), "<DiffMis2>");
    const auto lib = Final(list, Form::frmLibOptions);
    EXPECT_EQ(lib.at("optShLevel(1)/Caption/0"), "<LCOShDef0>");
    EXPECT_EQ(lib.at("optShLevel(3)/Caption/0"), "<LCOShDef2>");
    EXPECT_EQ(lib.count("optShLevel(0)/Caption/0"), 0u);
    EXPECT_EQ(Final(list, Form::frmOptions).at("cmdSelectPicture/ToolTip/0"), "<OptSelect>");
    EXPECT_EQ(Final(list, Form::frmStatus).at("pnlTimeLow/Tag/0"), "<StatusTC>");
    EXPECT_EQ(Final(list, Form::frmGalaxy).at("tabDisplay/TabCaption/4"), "<GalaxyTab3>");
    EXPECT_EQ(Final(list, Form::frmGalaxy).at("/Caption/0"), "<GalaxyCap>");
    EXPECT_EQ(Final(list, Form::frmGeneralReport).count("LabelM5(3)/Caption/0"), 0u);
    EXPECT_EQ(Final(list, Form::frmGeneralReport).at("LabelM4(3)/Caption/0"), "<Grpt3M4>");
    EXPECT_EQ(Final(list, Form::frmCOM).at("chkSHE/Caption/0"), "<Command6>");
    EXPECT_EQ(Final(list, Form::frmFinalReport).at("Title/Caption/0"), "KSS");
    EXPECT_EQ(Final(list, Form::frmBars).at("lblMI/Caption/0"), "");
    std::set<int> odd;
    for (const auto& [control, text] : Final(list, Form::frmMorvReport))
        if (control.rfind("lblAnim(", 0) == 0) odd.insert(std::stoi(control.substr(8)));
    EXPECT_EQ(odd, (std::set<int>{0, 2, 4, 6, 8, 10}));
}

TEST_F(RelabelTest, WindowsNotBuiltAreSkipped) {
    const std::set<Form> built{Form::frmCommands, Form::frmNAV};
    const auto list = RelabelAssignments(tg.game, [&](Form f) { return built.count(f) > 0; });
    for (const LabelAssignment& a : list) EXPECT_TRUE(built.count(a.window)) << Name(a.window);
    EXPECT_EQ(list.size(), 8u + 6u + 11u);  // the bar's caption and menu, the dialog, the bar's buttons
    EXPECT_EQ(list.back().text, "<CommandDes>");
}

TEST(RelabelFonts, DesignFontsGiveWayToTheLanguagesFonts) {
    struct Case {
        const char* current;
        bool window;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {"MS Sans Serif", false, "Sans"}, {"Arial", false, "Sans"},      {"Times New Roman", false, "Serif"},
        {"MS Sans Serif", true, "Sans"},  {"Arial", true, std::nullopt}, {"arial", false, std::nullopt},
        {"Courier New", false, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ReplacementFont(c.current, c.window, "Sans", "Serif"), c.result) << c.current;
}

struct Surface : RelabelSurface {
    std::vector<std::string> events;
    int progress = 0;
    bool WindowExists(Form f) override { return f == Form::frmSRS; }
    void Assign(const LabelAssignment& a) override { events.push_back("assign:" + a.text); }
    void SetLoadingFont(const std::string& f) override { events.push_back("loadingfont:" + f); }
    void ShowLoading(const std::string& l, const std::string& n, int max) override {
        events.push_back("loading:" + l + ":" + n + ":" + std::to_string(max));
    }
    void SetProgress(int v) override { progress = v; }
    void ReplaceFonts(const std::string& f, const std::string& s) override { events.push_back("fonts:" + f + "," + s); }
    void BringBackgroundToFront() override { events.push_back("front"); }
    void ProcessEvents() override {}
};

TEST_F(RelabelTest, TheWholeRunLastsTwoSecondsAndSkipsWithoutALoadingText) {
    Surface surface;
    tg.UseTexts({{"Loading", "Loading"}, {"Language", "English"}, {"Font", "Sans"}, {"SFont", "Serif"},
                 {"SRSCap", "Short Range Scan"}});
    ApplyLanguage(tg.game, surface);
    EXPECT_EQ(surface.events, (std::vector<std::string>{"loadingfont:Sans", "loading:Loading:English:354",
                                                        "assign:Short Range Scan", "fonts:Sans,Serif", "front"}));
    EXPECT_EQ(surface.progress, kRelabelLookups);
    EXPECT_NEAR(tg.host.waited, 2.0, 0.5);

    Surface skipped;
    tg.UseTexts({{"Font", "Sans"}, {"SRSCap", "Short Range Scan"}});
    ApplyLanguage(tg.game, skipped);
    EXPECT_EQ(skipped.events, (std::vector<std::string>{"loadingfont:Sans", "fonts:Sans,", "front"}));
    EXPECT_EQ(LanguageNameLeft(120, 900), 1080);
}

}  // namespace
}  // namespace kv::test

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTabBar>

#include "ui/text/frmLanguage.h"
#include "ui/main/frmBackground.h"
#include "ui/host/WindowRelabel.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += "\n  " + l;
    return out;
}

// Every row of the run whose window is built finds its control there, and the control takes
// its text. Other windows join the game one by one: this holds for whichever exist.
TEST(RelabelWindows, EveryRowFindsItsControlInEveryWindowThatExists) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    WindowRelabel surface(dg.host);
    int rows = 0;
    for (const LabelAssignment& a : RelabelAssignments(dg.game, [&](Form f) { return surface.WindowExists(f); })) {
        surface.Assign(a);
        ++rows;
    }
    EXPECT_TRUE(surface.Faults().empty()) << "rows without their control:" << Lines(surface.Faults());
    EXPECT_GT(rows, 0);
    // A few that must have landed.
    EXPECT_EQ(dg.Shown(Form::frmGalaxy, ""), "<GalaxyCap>");
    EXPECT_EQ(dg.Control<QTabBar>(Form::frmGalaxy, "tabDisplay")->tabText(3), "<GalaxyTab3>");
    QAction* save = dg.Window(Form::frmOutput)->findChild<QAction*>("mnuSave");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), "<OutSave>");
}

TEST(RelabelWindows, AMissingControlOrTabIsAFault) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    WindowRelabel surface(dg.host);
    surface.Assign({Form::frmGalaxy, "tabDisplay", LabelProperty::TabCaption, 5, "x"});
    surface.Assign({Form::frmGalaxy, "lblNothing", LabelProperty::Caption, 0, "x"});
    surface.Assign({Form::frmGalaxy, "shpLimit", LabelProperty::Caption, 0, "x"});  // a shape shows no text
    surface.Assign({Form::frmGalaxy, "lblQuad(3)", LabelProperty::Tag, 0, "kept"});
    ASSERT_EQ(surface.Faults().size(), 3u) << Lines(surface.Faults());
    EXPECT_EQ(surface.Faults()[1], "frmGalaxy lblNothing Caption 0: no such control");
    EXPECT_EQ(dg.Control(Form::frmGalaxy, "lblQuad(3)")->property("Tag").toString(), "kept");
}

// The whole run: the loading window with the language's name and a full bar, every text, the
// design fonts replaced; without a "Loading" text no window is relabelled, the fonts still are.
TEST(RelabelWindows, TheWholeRunShowsItsProgressAndReplacesTheDesignFonts) {
    for (bool loading : {true, false}) {
        ConstantRandom rng(0.5f);
        std::map<std::string, std::string> texts = {
            {"Language", "Basic English"}, {"Font", "DejaVu Sans Mono"}, {"SFont", "DejaVu Serif"}};
        texts["Loading"] = loading ? "Loading:" : "";
        test::DesktopGame dg(rng, texts);
        QWidget* chart = dg.Window(Form::frmGalaxy);
        chart->setWindowTitle("design");
        QLabel* arial = dg.Control<QLabel>(Form::frmGalaxy, "lblRow(0)");
        QLabel* times = dg.Control<QLabel>(Form::frmGalaxy, "lblRow(1)");
        QLabel* other = dg.Control<QLabel>(Form::frmGalaxy, "lblRow(2)");
        arial->setFont(QFont("Arial"));
        times->setFont(QFont("Times New Roman"));
        other->setFont(QFont("Courier New"));
        chart->setFont(QFont("MS Sans Serif"));

        dg.host.ApplyLanguage();

        auto* language = dg.Window<frmLanguage>(Form::frmLanguage);
        ASSERT_NE(language, nullptr);
        EXPECT_EQ(language->isVisible(), loading);
        EXPECT_EQ(chart->windowTitle(), loading ? "<GalaxyCap>" : "design");
        if (loading) {
            EXPECT_EQ(language->lblName->text(), "Basic English");
            EXPECT_EQ(language->pgbLanguage->value(), kRelabelLookups);
        }
        EXPECT_EQ(language->lblLoading->font().family(), "DejaVu Sans Mono");
        EXPECT_EQ(chart->font().family(), "DejaVu Sans Mono");
        EXPECT_EQ(arial->font().family(), "DejaVu Sans Mono");
        EXPECT_EQ(times->font().family(), "DejaVu Serif");
        EXPECT_EQ(other->font().family(), "Courier New");
    }
}

// The language's fonts reach the caption show's lines and the version splash on the background
// window, and the windows made after the run (the high-score window among them) as well as those
// made before it.
TEST(RelabelWindows, TheLanguagesFontsReachTheBackgroundShowAndTheWindowsMadeLater) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng, {{"Loading", "Loading:"}, {"Font", "DejaVu Sans Mono"}, {"SFont", "DejaVu Serif"}},
                         false);
    dg.host.LoadForm(Form::frmBackground);  // start-up shows the intro on it before the run
    dg.host.ApplyLanguage();
    auto* background = dg.Window<frmBackground>(Form::frmBackground);
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->ShowFont().family(), "DejaVu Sans Mono");
    EXPECT_TRUE(background->ShowFont().bold());
    EXPECT_EQ(background->VersionFont().family(), "DejaVu Sans Mono");

    ASSERT_EQ(dg.host.FormWindow(Form::frmSubmitHS), nullptr);
    dg.host.LoadForm(Form::frmSubmitHS);
    QWidget* submit = dg.Window(Form::frmSubmitHS);
    ASSERT_NE(submit, nullptr);
    EXPECT_EQ(submit->font().family(), "DejaVu Sans Mono");
    for (const char* label : {"lblType", "lblStatus", "lblComments", "lblName"})
        EXPECT_EQ(dg.Control(Form::frmSubmitHS, label)->font().family(), "DejaVu Sans Mono") << label;
    // Opening it takes the comment's font for the window's: still the language's.
    submit->show();
    EXPECT_EQ(submit->font().family(), "DejaVu Sans Mono");
    submit->hide();
}

}  // namespace
}  // namespace kv

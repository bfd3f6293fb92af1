// The background behind the game windows as the player sets it in the options window, finds it
// again at the next start, and sets it anew after a picture that could not be shown.
//
// The desktop draws a window that has the focus and covers the whole screen over every other
// window, whatever its wish to stay below them: the background stands behind the game only
// while it has not the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <string>

#include "engine/turn/Refresh.h"
#include "screens/main/OptionsDialog.h"
#include "state/Options.h"
#include "state/Startup.h"
#include "state/WindowTable.h"
#include "ui/main/MenuWindowsSupport.h"
#include "ui/main/frmBackground.h"
#include "ui/main/frmOptions.h"

namespace kv {
namespace {

enum class Backdrop { Colour, Picture };

constexpr long kRed = 0x0000FF;  // 0xBBGGRR

// A picture of our own, 40 × 30 pixels of green.
std::string WritePicture(const test::ScratchFolder& folder) {
    const std::string file = folder.Write("back.png", "");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    EXPECT_TRUE(picture.save(QString::fromStdString(file)));
    return file;
}

// The game windows of a game in progress, the command bar active among them.
void ShowTheGame(test::MenuGame& mg) {
    ShowGameWindows(mg.game);
    mg.host.ShowForm(Form::frmCommands);
    QCoreApplication::processEvents();
}

// The options from the command bar's pop-up.
frmOptions& OpenOptions(test::MenuGame& mg) {
    mg.Choose(Form::frmCommands, "mnuOptions");
    auto& w = *mg.Window<frmOptions>(Form::frmOptions);
    EXPECT_TRUE(w.isVisible());
    return w;
}

// The background page: a solid colour (red, through the colour picker) or the picture (what the
// file picker hands back).
void ChooseBackground(test::MenuGame& mg, frmOptions& w, Backdrop kind, const std::string& picture) {
    w.TabStrip1->setCurrentIndex(4);
    if (kind == Backdrop::Colour) {
        mg.Tick(Form::frmOptions, "optColor");
        mg.script.colours.push_back(kRed);
        mg.Click(Form::frmOptions, "cmdSelectColor");
    } else {
        mg.Tick(Form::frmOptions, "optPicture");
        OptionsPictureChosen(mg.game, picture);
    }
}

void ChooseBackgroundAndOK(test::MenuGame& mg, frmOptions& w, Backdrop kind, const std::string& picture = {}) {
    ChooseBackground(mg, w, kind, picture);
    mg.Click(Form::frmOptions, "cmdOK");
    EXPECT_FALSE(w.isVisible());
    QCoreApplication::processEvents();
}

// The background shows the choice whole, behind the game: visible, drawn everywhere (no region
// that covers nothing), and without the focus.
void ExpectShownBehind(test::MenuGame& mg, Backdrop kind) {
    auto& bg = *mg.Window<frmBackground>(Form::frmBackground);
    EXPECT_TRUE(bg.isVisible());
    EXPECT_TRUE(bg.mask().isEmpty());
    if (kind == Backdrop::Colour) {
        EXPECT_EQ(bg.BackColour(), QColor(255, 0, 0));
    } else {
        EXPECT_TRUE(bg.picBackground->isVisible());
    }
    EXPECT_NE(QApplication::activeWindow(), &bg);
    EXPECT_TRUE(mg.host.IsFormVisible(Form::frmCommands));
}

// OK leaves a game window with the focus, so the player's keys reach the game; Apply leaves it
// with the options window.
TEST(BackgroundBehindTheGame, OptionsOkOrApplyShowsItBehindTheGameWithoutTakingTheFocus) {
    test::ScratchFolder pictures;
    const std::string picture = WritePicture(pictures);
    for (const auto& [kind, button] : {std::pair{Backdrop::Colour, "cmdOK"}, std::pair{Backdrop::Picture, "cmdOK"},
                                       std::pair{Backdrop::Colour, "cmdApply"}}) {
        SCOPED_TRACE(std::string(kind == Backdrop::Colour ? "colour, " : "picture, ") + button);
        ConstantRandom rng(0.5f);
        test::MenuGame mg(rng);
        ShowTheGame(mg);
        frmOptions& w = OpenOptions(mg);
        ChooseBackground(mg, w, kind, picture);
        mg.Click(Form::frmOptions, button);
        QCoreApplication::processEvents();
        ExpectShownBehind(mg, kind);
        const bool apply = std::string(button) == "cmdApply";
        EXPECT_EQ(w.isVisible(), apply);
        QWidget* active = QApplication::activeWindow();
        if (apply) {
            EXPECT_EQ(active, &w);
        } else {
            bool game = false;
            for (int i = 1; i <= 30; ++i) game = game || (active && active == mg.host.FormWindow(FormTable(i)));
            EXPECT_TRUE(game) << (active ? active->objectName().toStdString() : "no window");
        }
    }
}

// Options → background → OK, the program ends; at its next start a new game from the main menu
// finds the background behind its windows.
TEST(BackgroundBehindTheGame, ASavedBackgroundStandsBehindTheNewGameOfTheNextStart) {
    test::ScratchFolder pictures;
    const std::string picture = WritePicture(pictures);
    for (Backdrop kind : {Backdrop::Colour, Backdrop::Picture}) {
        SCOPED_TRACE(kind == Backdrop::Colour ? "colour" : "picture");
        MemorySettingsStore saved;
        {
            ConstantRandom rng(0.5f);
            test::MenuGame mg(rng);
            ShowTheGame(mg);
            ChooseBackgroundAndOK(mg, OpenOptions(mg), kind, picture);
            saved = mg.settings;
        }
        SeededRandom rng(2024);
        test::MenuGame mg(rng);
        mg.settings = saved;
        frmMenu& menu = mg.Menu();
        mg.script.modal[Form::frmMenu] = [&](QDialog&) {
            mg.TypeName("Ann");
            menu.cboMissionType->setCurrentIndex(0);
            mg.Click(Form::frmMenu, "cmdNewClose");
        };
        {
            EngineAction start(mg.game);
            Main(mg.game, "/nopic /cache1", {ReturnFromMenu, RefreshAll});
        }
        QCoreApplication::processEvents();
        ASSERT_TRUE(mg.st.GameRunning);
        EXPECT_EQ(mg.script.modals, std::vector<std::string>{"frmMenu"});
        ExpectShownBehind(mg, kind);
    }
}

// The player's own configuration holds a picture that can no longer be read. Switching to it in
// the options window during a game says so and leaves the hidden background shown by a region
// that covers nothing, still to be hidden. A colour chosen then shows whole, and stays after a
// visit to the main menu.
TEST(BackgroundBehindTheGame, AColourChosenAfterAPictureThatCouldNotBeShownShowsAndStays) {
    SeededRandom rng(2024);
    test::MenuGame mg(rng);
    OptionSettings& o = mg.game.options;
    o.optNone = false;
    o.optPicture = true;
    o.CMDialogFileName = mg.scratch.Write("program/PICTURES/gone.png", "no longer a picture");
    SaveSettings(mg.game, "Ann");
    mg.game.options = OptionSettings{};
    ShowTheGame(mg);
    frmMenu& menu = mg.Menu();
    mg.RunMenu([&] {
        mg.TypeName("Ann");
        menu.cboMissionType->setCurrentIndex(0);
        mg.Click(Form::frmMenu, "cmdNewClose");
    });
    ASSERT_TRUE(mg.st.GameRunning);
    ASSERT_TRUE(mg.host.Run(Form::frmCommands, [&] {
        ReturnFromMenu(mg.game);
        RefreshAll(mg.game);
    }));
    QCoreApplication::processEvents();
    auto& bg = *mg.Window<frmBackground>(Form::frmBackground);
    ASSERT_FALSE(bg.isVisible());

    frmOptions& w = OpenOptions(mg);
    const size_t notices = mg.script.notices.size();
    mg.script.answers.push_back(kYes);  // the configuration by the player's name from now on
    mg.Tick(Form::frmOptions, "chkNameConfig");
    ASSERT_EQ(mg.script.notices.size(), notices + 1);  // the picture that cannot be shown
    ASSERT_FALSE(bg.isVisible() && bg.mask().isEmpty()) << "the picture failed, yet the background shows";
    ChooseBackgroundAndOK(mg, w, Backdrop::Colour);
    ExpectShownBehind(mg, Backdrop::Colour);

    mg.script.modal[Form::frmMenu] = [&](QDialog&) { mg.Click(Form::frmMenu, "cmdNewClose"); };
    mg.Choose(Form::frmCommands, "mnuMenu");
    QCoreApplication::processEvents();
    EXPECT_FALSE(menu.isVisible());
    ExpectShownBehind(mg, Backdrop::Colour);
}

// Before a game, a colour chosen in the options of the main menu waits for the menu's end. When
// the game then starts with no background (chosen in the options again, or the player's own
// configuration has none), that wait is dropped: the game comes without a background.
TEST(BackgroundBehindTheGame, NoBackgroundAfterAColourChosenUnderTheMenuLeavesItHidden) {
    for (const bool inTheOptions : {true, false}) {
        SCOPED_TRACE(inTheOptions ? "none in the options" : "none in the player's configuration");
        SeededRandom rng(2024);
        test::MenuGame mg(rng);
        OptionSettings& o = mg.game.options;
        if (!inTheOptions) {
            o.optNone = true;
            o.optColor = o.optPicture = false;
            SaveSettings(mg.game, "Ann");
            o.chkNameConfig = 1;
        }
        ShowTheGame(mg);
        frmMenu& menu = mg.Menu();
        auto& w = *mg.Window<frmOptions>(Form::frmOptions);
        mg.RunMenu([&] {
            mg.script.modal[Form::frmOptions] = [&](QDialog&) { ChooseBackgroundAndOK(mg, w, Backdrop::Colour); };
            mg.Choose(Form::frmMenu, "mnuGOptions(150)");
            if (inTheOptions) {
                mg.script.modal[Form::frmOptions] = [&](QDialog&) {
                    w.TabStrip1->setCurrentIndex(4);
                    mg.Tick(Form::frmOptions, "optNone");
                    mg.Click(Form::frmOptions, "cmdOK");
                };
                mg.Choose(Form::frmMenu, "mnuGOptions(150)");
            }
            mg.TypeName("Ann");
            menu.cboMissionType->setCurrentIndex(0);
            mg.Click(Form::frmMenu, "cmdNewClose");
        });
        ASSERT_TRUE(mg.st.GameRunning);
        std::vector<std::string> modals{"frmMenu", "frmOptions"};
        if (inTheOptions) modals.push_back("frmOptions");
        EXPECT_EQ(mg.script.modals, modals);
        ASSERT_TRUE(mg.host.Run(Form::frmCommands, [&] {
            ReturnFromMenu(mg.game);
            RefreshAll(mg.game);
        }));
        QCoreApplication::processEvents();
        EXPECT_TRUE(o.optNone);
        EXPECT_FALSE(mg.Window<frmBackground>(Form::frmBackground)->isVisible());
    }
}

// A picture that cannot be shown is named with the system's reason, whether the options window
// or the load of a configuration asked for it.
TEST(BackgroundBehindTheGame, APictureThatCannotBeShownIsNamedWithTheSystemsReason) {
    for (const bool missing : {false, true}) {
        for (const bool inTheOptions : {true, false}) {
            SCOPED_TRACE(std::string(missing ? "no such file, " : "a text file, ") +
                         (inTheOptions ? "the options" : "a configuration"));
            ConstantRandom rng(0.5f);
            test::MenuGame mg(rng);
            const std::string text = mg.scratch.Write("pictures/text.png", "not a picture");
            const std::string path = missing ? mg.scratch.Path() + "pictures/gone.png" : text;
            QImageReader reader(QString::fromStdString(path));
            reader.read();
            const std::string reason = reader.errorString().toStdString();
            ASSERT_FALSE(reason.empty());
            const std::string& nl = mg.st.NewLine;
            if (inTheOptions) {
                ShowTheGame(mg);
                frmOptions& w = OpenOptions(mg);
                ChooseBackground(mg, w, Backdrop::Picture, path);
                mg.Click(Form::frmOptions, "cmdApply");
                ASSERT_FALSE(mg.script.notices.empty());
                EXPECT_EQ(mg.script.notices.back(), "<OPTIONS0001>" + path + nl + reason);
            } else {
                OptionSettings& o = mg.game.options;
                o.optNone = o.optColor = false;
                o.optPicture = true;
                o.CMDialogFileName = path;
                SaveSettings(mg.game, "Ann");
                o = OptionSettings{};
                LoadSettings(mg.game, "Ann", true);
                ASSERT_FALSE(mg.script.notices.empty());
                EXPECT_EQ(mg.script.notices.back(), "<KVMAIN0069>" + path + "<KVMAIN0070>" + nl + reason);
            }
        }
    }
}

}  // namespace
}  // namespace kv

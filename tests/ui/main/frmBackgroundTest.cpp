#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QMetaObject>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "state/Background.h"
#include "ui/main/frmBackground.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

// One tick of a timer as its timeout gives it (through the host's busy guard).
void Fire(QTimer* timer) { ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection)); }

struct ShowDesk {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};
    frmBackground& w = *dg.Window<frmBackground>(Form::frmBackground);

    void Lines(const std::vector<std::string>& lines) {
        AddBackgroundLine(dg.game, "RESET");
        for (const std::string& l : lines) AddBackgroundLine(dg.game, l);
    }
    // Runs the grey show the way a new game does: its timer on, the window modal until the show
    // hides it. `each` sees the window after every tick; returns the number of ticks.
    int RunGreyShow(const std::function<void(int tick)>& each = {}) {
        int ticks = 0;
        dg.script.modal[Form::frmBackground] = [&](QDialog& d) {
            while (d.isVisible() && ticks < 1000) {
                Fire(w.tmrScroll);
                ++ticks;
                if (each) each(ticks);
            }
        };
        dg.game.SetTimer(Timer::frmBackground_tmrScroll, true);
        dg.host.RunModal(Form::frmBackground);
        return ticks;
    }
};

TEST(frmBackground, GreyShowFadesALineInTheMiddleOfTheBlackWindowThenHides) {
    ShowDesk sd;
    sd.Lines({"Welcome aboard"});
    std::vector<int> levels;
    QRect placed;
    const int ticks = sd.RunGreyShow([&](int) {
        auto it = sd.w.Printed().find(0);
        levels.push_back(it == sd.w.Printed().end() ? -1 : it->second.level);
        if (it != sd.w.Printed().end()) {
            EXPECT_TRUE(sd.w.ShowRunning());
            EXPECT_TRUE(sd.w.isModal());
            EXPECT_EQ(it->second.colour, it->second.level * 0x010101L);  // grey
            const QFontMetrics fm(sd.w.ShowFont());
            placed = QRect(it->second.left, it->second.top, fm.horizontalAdvance("Welcome aboard"), fm.height());
        }
    });
    EXPECT_EQ(ticks, 60);
    EXPECT_EQ(std::vector<int>(levels.begin(), levels.begin() + 8), (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));
    // Centred on the window.
    EXPECT_NEAR(placed.center().x(), sd.w.width() / 2, 1);
    EXPECT_NEAR(placed.center().y(), sd.w.height() / 2, 1);
    // Over: hidden, its timer off, nothing left printed, the lines gone.
    EXPECT_FALSE(sd.w.isVisible());
    EXPECT_FALSE(sd.w.tmrScroll->isActive());
    EXPECT_FALSE(sd.w.ShowRunning());
    EXPECT_TRUE(sd.w.Printed().empty());
    EXPECT_EQ(sd.dg.game.background.lblScroll.size(), 1u);
    // 24 points on a screen 1024 pixels wide.
    EXPECT_DOUBLE_EQ(sd.w.ShowFont().pointSizeF(), 24.0 * sd.w.width() / 1024.0);
}

TEST(frmBackground, AClickOrEscapeDuringTheShowEndsItOnTheNextTick) {
    for (const bool escape : {false, true}) {
        ShowDesk sd;
        sd.Lines({"One", "Two"});
        const int ticks = sd.RunGreyShow([&](int tick) {
            if (tick != 4) return;
            if (escape)
                test::DesktopGame::SendKey(&sd.w, Qt::Key_Escape, QString(QChar(27)));
            else
                test::DesktopGame::ClickAt(&sd.w, sd.w.rect().center());
            EXPECT_TRUE(sd.w.isVisible()) << "the window waits for its show's next tick";
        });
        EXPECT_EQ(ticks, 5) << escape;
        EXPECT_FALSE(sd.w.tmrScroll->isActive());
        EXPECT_EQ(sd.dg.game.background.lblScroll.size(), 1u);
    }
}

TEST(frmBackground, RedShowWaitsItsDelayThenStacksItsLinesInRed) {
    ShowDesk sd;
    sd.Lines({"They come", "in numbers", "beyond count"});
    EXPECT_EQ(sd.w.tmrNoMorv->interval(), kRedShowDelayMs);
    StartCaptionShow(sd.dg.game, CaptionShowKind::Red);
    EXPECT_TRUE(sd.w.tmrNoMorv->isActive());
    sd.w.show();
    std::vector<int> tops(3, -1);
    int ticks = 0;
    while (sd.w.tmrNoMorv->isActive() && ticks < 2000) {
        Fire(sd.w.tmrNoMorv);
        if (++ticks == 1) {
            EXPECT_EQ(sd.w.tmrNoMorv->interval(), kCaptionTickMs);
        }
        for (const auto& [label, print] : sd.w.Printed()) {
            EXPECT_EQ(print.colour, print.level) << "red only";
            tops[static_cast<size_t>(label)] = print.top;
        }
    }
    // Placed down the window by their index among its four labels (the empty last one included).
    const double half = QFontMetrics(sd.w.ShowFont()).height() / 2.0;
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(tops[i], std::lround(sd.w.height() * (i + 1) / 4.0 - half)) << i;
    EXPECT_FALSE(sd.w.isVisible());
    // The next red show waits for its delay again.
    EXPECT_EQ(sd.w.tmrNoMorv->interval(), kRedShowDelayMs);
}

TEST(frmBackground, ShowsThePictureOrTheColourTheGameGivesIt) {
    ShowDesk sd;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    const std::string file = sd.dg.scratch.Program() + "PICTURES/back.png";
    sd.dg.scratch.Write("program/PICTURES/back.png", "");
    ASSERT_TRUE(picture.save(QString::fromStdString(file)));
    const std::string notPicture = sd.dg.scratch.Write("program/PICTURES/notes.png", "not a picture");

    EXPECT_TRUE(sd.dg.host.LoadBackgroundPicture(file));
    sd.w.show();
    EXPECT_TRUE(sd.w.picBackground->isVisible());
    EXPECT_EQ(sd.w.picBackground->geometry(), sd.w.rect());  // stretched over the window
    sd.dg.host.SetBackgroundColor(0x808000);                 // teal: only the colour
    EXPECT_EQ(sd.w.BackColour(), QColor(0, 128, 128));
    EXPECT_FALSE(sd.w.picBackground->isVisible());
    EXPECT_FALSE(sd.dg.host.LoadBackgroundPicture(notPicture));
    EXPECT_FALSE(sd.w.picBackground->isVisible());

    // The version splash stands at the bottom right, inside the window.
    sd.dg.host.DrawVersionText("v1.3", 0xFF0000);
    ASSERT_TRUE(sd.w.VersionTextRect());
    const QRect at = *sd.w.VersionTextRect();
    EXPECT_TRUE(sd.w.rect().contains(at));
    EXPECT_GT(at.left(), sd.w.width() / 2);
    EXPECT_GT(at.top(), sd.w.height() / 2);
    sd.dg.host.HideBackground();
    EXPECT_FALSE(sd.w.isVisible());
    EXPECT_FALSE(sd.w.VersionTextRect());
}

TEST(frmBackground, ARegionThatCoversNothingKeepsItShownUntilTheRefreshHidesIt) {
    ShowDesk sd;
    ApplyBackground(sd.dg.game);
    ASSERT_TRUE(sd.w.isVisible());
    EXPECT_TRUE(sd.w.mask().isEmpty());
    ReskinBackground(sd.dg.game);
    // Qt takes an empty mask for none: this one is not empty and covers nothing of the window.
    EXPECT_FALSE(sd.w.mask().isEmpty());
    EXPECT_FALSE(sd.w.mask().intersects(sd.w.rect()));
    EXPECT_TRUE(sd.w.isVisible());
    RefreshBackground(sd.dg.game);
    EXPECT_FALSE(sd.w.isVisible());
    EXPECT_TRUE(sd.w.mask().isEmpty());
    ApplyBackground(sd.dg.game);
    EXPECT_TRUE(sd.w.isVisible());
    EXPECT_TRUE(sd.w.mask().isEmpty());
    sd.w.hide();
}

}  // namespace
}  // namespace kv

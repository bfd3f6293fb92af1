#include <gtest/gtest.h>

#include <QImage>
#include <QMetaObject>
#include <string>
#include <vector>

#include "ui/main/frmShip.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

void Fire(QTimer* timer) { ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection)); }

// A picture of the pictures folder, in the format its suffix names.
void Picture(test::DesktopGame& dg, const std::string& name, QSize size, const char* format) {
    const std::string path = dg.scratch.Write("program/PICTURES/" + name, "");
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(200, 120, 40));
    ASSERT_TRUE(img.save(QString::fromStdString(path), format)) << name;
}

struct ShipDesk {
    ScriptedRandom none;  // the game's own generator: a draw fails the test
    test::DesktopGame dg{none, {{"SHIP0001", "The ship is lost."}}, false};

    frmShip& Make() {
        dg.host.LoadForm(Form::frmShip);
        return *dg.Window<frmShip>(Form::frmShip);
    }
    // The engine's loss: the timer on and the window modal until the notice. Per tick: the
    // frames visible, and the interval the timer runs at next.
    struct Tick {
        std::vector<int> visible;
        int interval;
    };
    std::vector<Tick> Lose(frmShip& w) {
        std::vector<Tick> ticks;
        dg.script.modal[Form::frmShip] = [&](QDialog& d) {
            while (d.isVisible() && ticks.size() < 100) {
                Fire(w.tmrAnimation);
                Tick t{{}, w.tmrAnimation->interval()};
                for (size_t i = 0; i < w.imgShip.size(); ++i)
                    if (w.imgShip[i]->isVisibleTo(&w)) t.visible.push_back(static_cast<int>(i));
                ticks.push_back(t);
            }
        };
        dg.game.SetTimer(Timer::frmShip_tmrAnimation, true);
        dg.host.RunModal(Form::frmShip);
        return ticks;
    }
};

TEST(frmShip, PlaysEachFrameOverItsStarsThenShowsTheNoticeAndHides) {
    ShipDesk sd;
    // The frames take the first file's own suffix, whatever its length or case.
    Picture(sd.dg, "ship01.JPEG", {60, 40}, "JPEG");
    Picture(sd.dg, "SHIP02.jpeg", {60, 40}, "JPEG");
    Picture(sd.dg, "Ship03.JPEG", {80, 50}, "JPEG");
    Picture(sd.dg, "SHIPDRIFT.png", {70, 40}, "PNG");
    frmShip& w = sd.Make();
    ASSERT_EQ(w.FrameCount(), 3);
    for (int i = 0; i <= 3; ++i) {
        QLabel* frame = sd.dg.Control<QLabel>(Form::frmShip, QStringLiteral("imgShip(%1)").arg(i));
        ASSERT_FALSE(frame->pixmap().isNull()) << i;
        EXPECT_EQ(frame->geometry().center(), w.rect().center()) << i;  // centred on the screen
    }

    const std::vector<ShipDesk::Tick> ticks = sd.Lose(w);
    ASSERT_EQ(ticks.size(), 5u);
    const std::vector<std::vector<int>> visible = {{1}, {2}, {3}, {3}, {3}};
    const std::vector<int> intervals = {500, 500, 500, 1000, 500};
    for (size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].visible, visible[i]) << "tick " << i + 1;
        EXPECT_EQ(ticks[i].interval, intervals[i]) << "tick " << i + 1;
    }
    EXPECT_EQ(sd.dg.script.notices, (std::vector<std::string>{"The ship is lost."}));
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.tmrAnimation->isActive());

    // The stars are the cosmetic generator's, a new field at each showing.
    ASSERT_EQ(w.Stars().size(), 100u);
    const std::vector<ShipStar> first = w.Stars();
    for (const ShipStar& s : first) EXPECT_TRUE(w.rect().contains(s.x, s.y));
    sd.Lose(w);
    EXPECT_NE(first[0].x * 100000 + first[0].y, w.Stars()[0].x * 100000 + w.Stars()[0].y);
    EXPECT_EQ(sd.none.Used(), 0u);
}

TEST(frmShip, WithoutFramesTheNoticeFollowsTheOneSecondHold) {
    ShipDesk sd;
    frmShip& w = sd.Make();
    EXPECT_EQ(w.FrameCount(), 0);
    const std::vector<ShipDesk::Tick> ticks = sd.Lose(w);
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_EQ(ticks[0].interval, 1000);
    EXPECT_EQ(sd.dg.script.notices.size(), 1u);
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace kv

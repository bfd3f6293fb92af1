#include <gtest/gtest.h>

#include <QEventLoop>
#include <QImage>
#include <QMetaObject>
#include <QTimer>

#include "state/ScreenData.h"
#include "ui/host/AppIcon.h"
#include "ui/main/frmMinimize.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

void Fire(QTimer* timer) { ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection)); }

// Lets the program wait for the player once.
void Idle() {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(frmMinimize, MinimisingHidesTheGameAndRestoringBringsBackWhatWasShown) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng, {}, false);
    dg.st.ShipPrefix = "Kestrava";
    dg.st.ConfigName = "General";
    for (int k = 0; k < 6; ++k) {
        QImage frame(16, 16, QImage::Format_ARGB32);
        frame.fill(QColor(40 * k, 10, 10));
        const std::string name = "MINIMIZE" + std::to_string(k) + ".png";
        ASSERT_TRUE(frame.save(QString::fromStdString(dg.scratch.Write("program/PICTURES/" + name, ""))));
    }
    InitFormTable(dg.game);
    auto& w = *dg.Window<frmMinimize>(Form::frmMinimize);
    EXPECT_EQ(dg.Shown(Form::frmMinimize, ""), "Kestrava");
    EXPECT_EQ(w.width(), dg.host.FormWindow(Form::frmBackground)->width());  // as wide as the screen
    EXPECT_LT(w.y(), 0);                                                     // just above it

    QWidget* output = dg.host.FormWindow(Form::frmOutput);
    QWidget* background = dg.host.FormWindow(Form::frmBackground);
    output->show();
    background->show();
    w.show();  // the first resize changes no window
    EXPECT_TRUE(output->isVisible());
    EXPECT_EQ(dg.Shown(Form::frmMinimize, ""), "Kestrava");

    w.showMinimized();
    EXPECT_FALSE(output->isVisible());
    EXPECT_FALSE(background->isVisible());
    EXPECT_EQ(dg.st.FormVisible[1], kTrue);
    EXPECT_EQ(dg.st.FormVisible[31], kTrue);
    EXPECT_EQ(dg.st.FormVisible[9], kFalse);
    EXPECT_EQ(dg.Shown(Form::frmMinimize, ""), "Kestrava - General");
    EXPECT_TRUE(w.tmrAnimation->isActive());
    EXPECT_EQ(w.tmrAnimation->interval(), 150);
    std::vector<int> frames;
    for (int i = 0; i < 7; ++i) {
        Fire(w.tmrAnimation);
        frames.push_back(w.IconFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 0, 1}));
    EXPECT_EQ(w.windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(40, 10, 10));

    w.showNormal();
    EXPECT_TRUE(output->isVisible());
    EXPECT_TRUE(background->isVisible());
    EXPECT_FALSE(w.tmrAnimation->isActive());
    EXPECT_EQ(w.IconFrame(), 3);
    background->hide();
    output->hide();
    w.hide();
}

TEST(frmMinimize, ShowsTheCaptionTheGameGivesItOnceThePlayerIsWaitedFor) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    dg.game.screens.MinimizeCaption = "Kestrava - Tamsin";  // a new game
    Idle();
    EXPECT_EQ(dg.Shown(Form::frmMinimize, ""), "Kestrava - Tamsin");
}

TEST(SetWindowIcon, GoesToTheTopmostOwner) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng, {}, false);
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    ASSERT_TRUE(icon.save(QString::fromStdString(dg.scratch.Write("program/PICTURES/MAIN.png", ""))));
    QWidget owner;
    QWidget owned(&owner, Qt::Window);
    EXPECT_TRUE(SetWindowIcon(&owned, dg.st.PicturesPath, "MAIN"));
    EXPECT_TRUE(owner.testAttribute(Qt::WA_SetWindowIcon));
    EXPECT_FALSE(owned.testAttribute(Qt::WA_SetWindowIcon));  // it shows its owner's
    QWidget alone;
    EXPECT_TRUE(SetWindowIcon(&alone, dg.st.PicturesPath, "MAIN"));
    EXPECT_FALSE(alone.windowIcon().isNull());
    EXPECT_FALSE(SetWindowIcon(&alone, dg.st.PicturesPath, "NOSUCH"));
}

}  // namespace
}  // namespace kv

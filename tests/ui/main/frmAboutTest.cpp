#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QMouseEvent>
#include <QScreen>

#include "state/Utilities.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmEgg.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

void Fire(QTimer* timer) { ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection)); }

void Press(QWidget* w, Qt::MouseButton button, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(w->mapToGlobal(at)), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// Centred on the desktop by its inside (the window less its frame): its middle on the desktop's.
bool Centred(const QWidget& w) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return w.geometry().topLeft() == area.center() - QRect(QPoint(), w.size()).center();
}

struct AboutDesk {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng, {{"OK", "Fine"}, {"Credits", "Ada Quill|Bo Narr"}, {"EggMsg", "Hello there."}}};
    frmAbout& w = *dg.Window<frmAbout>(Form::frmAbout);
};

TEST(frmAbout, ScrollsTheCreditsUpFromTheBottomUntilOkStopsIt) {
    AboutDesk ad;
    EXPECT_EQ(ad.dg.Shown(Form::frmAbout, "lblVersion"), QString::fromStdString("v " + GetVersionString()));
    EXPECT_EQ(ad.dg.Shown(Form::frmAbout, "cmdOK"), "Fine");
    EXPECT_NE(ad.w.Credits().find("      Ada Quill\r\n      Bo Narr\r\n"), std::string::npos);

    // The main menu shows it as any window; it is modal all the same, centred, and scrolling.
    ad.dg.host.ShowForm(Form::frmAbout);
    EXPECT_TRUE(ad.w.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), &ad.w);
    EXPECT_TRUE(Centred(ad.w));
    EXPECT_TRUE(ad.w.tmrScroll->isActive());
    EXPECT_EQ(ad.w.tmrScroll->interval(), 75);
    const int box = ad.w.picScroll->height();
    EXPECT_GT(ad.w.CreditsHeight(), box);
    for (int i = 1; i <= 3; ++i) {
        Fire(ad.w.tmrScroll);
        EXPECT_EQ(ad.w.CreditsTop(), box - i);  // a pixel a tick
    }
    // Once wholly out of view the credits start again from the bottom.
    while (ad.w.CreditsTop() >= -ad.w.CreditsHeight() + 1) Fire(ad.w.tmrScroll);
    Fire(ad.w.tmrScroll);
    EXPECT_EQ(ad.w.CreditsTop(), box - 1);

    ad.dg.Click(Form::frmAbout, "cmdOK");
    EXPECT_TRUE(ad.w.isVisible());  // until the next tick
    Fire(ad.w.tmrScroll);
    EXPECT_FALSE(ad.w.isVisible());
    EXPECT_FALSE(ad.w.tmrScroll->isActive());

    // Opened again it starts from the bottom; its close box hides it at once.
    ad.dg.host.ShowForm(Form::frmAbout);
    Fire(ad.w.tmrScroll);
    EXPECT_EQ(ad.w.CreditsTop(), box - 1);
    ad.w.close();
    EXPECT_FALSE(ad.w.isVisible());
    EXPECT_FALSE(ad.w.tmrScroll->isActive());
}

TEST(frmAbout, ARightClickOnTheHiddenSpotOpensTheHiddenPicture) {
    AboutDesk ad;
    ad.dg.host.ShowForm(Form::frmAbout);
    int opened = 0;
    ad.dg.script.modal[Form::frmEgg] = [&](QDialog& egg) {
        ++opened;
        Fire(static_cast<frmEgg&>(egg).tmrHide);  // its time is up
    };
    Press(ad.w.Picture1, Qt::RightButton, {10, 19});  // just outside the spot
    Press(ad.w.Picture1, Qt::LeftButton, {14, 22});
    EXPECT_EQ(opened, 0);
    Press(ad.w.Picture1, Qt::RightButton, {11, 19});
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(ad.w.isVisible());
    ad.w.close();
}

TEST(frmEgg, ShowsItsPictureForTenSecondsCentredEachTime) {
    AboutDesk ad;
    auto& egg = *ad.dg.Window<frmEgg>(Form::frmEgg);
    EXPECT_EQ(ad.dg.Shown(Form::frmEgg, "Label1"), "Hello there.");
    EXPECT_EQ(egg.tmrHide->interval(), 10000);
    bool centred = false, running = false;
    ad.dg.script.modal[Form::frmEgg] = [&](QDialog& d) {
        centred = Centred(d);
        running = egg.tmrHide->isActive();
        d.move(5, 5);  // the player moves it; the next showing is centred again
        Fire(egg.tmrHide);
    };
    for (int showing = 0; showing < 2; ++showing) {
        centred = running = false;
        ad.dg.host.RunModal(Form::frmEgg);  // the hyperspace jump just before midnight
        EXPECT_TRUE(centred) << showing;
        EXPECT_TRUE(running) << showing;
        EXPECT_FALSE(egg.isVisible());
        EXPECT_FALSE(egg.tmrHide->isActive());
    }
    // Its close box does not cut its time short.
    ad.dg.script.modal[Form::frmEgg] = [&](QDialog& d) {
        d.close();
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(egg.tmrHide->isActive());
        Fire(egg.tmrHide);
    };
    ad.dg.host.RunModal(Form::frmEgg);
    EXPECT_FALSE(egg.isVisible());
    EXPECT_FALSE(egg.tmrHide->isActive());
}

}  // namespace
}  // namespace kv

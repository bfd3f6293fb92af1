// The course gauges of the navigation and probe dialogs, as drawn on the screen: a short black
// line from the gauge's centre towards the course chosen on the scroll bar.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <cmath>

#include "engine/computer/Navigation.h"
#include "ui/dialogs/frmNAV.h"
#include "ui/dialogs/ProbeDial.h"
#include "ui/dialogs/frmPRO.h"
#include "ui/support/PlaySurfaceGame.h"

namespace kv {
namespace {

using test::PlaySurfaceGame;

bool Black(const QImage& img, double x, double y) {
    return img.pixelColor(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))) == QColor(Qt::black);
}

// The gauge drawn at each of the four main courses: black 4 and 10 pixels from the centre
// towards the course, and neither beyond the line's 12 pixels nor on the other side.
void ExpectArrowFollowsTheBar(QScrollBar* bar, QWidget* gauge) {
    for (const int course : {1, 3, 5, 7}) {
        SCOPED_TRACE(course);
        bar->setValue(course * 10);
        const QImage img = gauge->grab().toImage();
        const double a = (course - 1) * 3.14159265358979 / 4, cx = gauge->width() / 2, cy = gauge->height() / 2;
        const auto at = [&](double d) { return Black(img, cx + d * std::cos(a), cy - d * std::sin(a)); };
        EXPECT_TRUE(at(4));
        EXPECT_TRUE(at(10));
        EXPECT_FALSE(at(16));
        EXPECT_FALSE(at(-6));
    }
}

TEST(CourseGaugesTest, TheArrowIsAShortBlackLineFromTheCentreAtTheCourse) {
    SeededRandom rng{3};
    PlaySurfaceGame dg{rng};
    auto* nav = dg.Window<frmNAV>(Form::frmNAV);
    ASSERT_TRUE(dg.host.Run(Form::frmCommands, [&] { SetupNavDialog(dg.game, 8.0f); }));
    ASSERT_TRUE(nav->isVisible());
    {
        SCOPED_TRACE("frmNAV");
        ExpectArrowFollowsTheBar(nav->hsbCourse, nav->gagCourse);
    }
    dg.Click(Form::frmNAV, "cmdCancel");

    dg.st.Probes = 10;
    dg.st.ProbesLeftCaption = "10";
    dg.script.modal[Form::frmPRO] = [&](QDialog&) {
        SCOPED_TRACE("frmPRO");
        auto* pro = dg.Window<frmPRO>(Form::frmPRO);
        ExpectArrowFollowsTheBar(pro->hsbCourse, pro->gagCourse);
        dg.Click(Form::frmPRO, "cmdCancel");
    };
    dg.host.RunModal(Form::frmPRO);
}

}  // namespace
}  // namespace kv

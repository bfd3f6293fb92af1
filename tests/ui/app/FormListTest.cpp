#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/app/FormList.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

TEST(FormList, EveryWindowDisplayTimerAndSurfaceIsServedAfterStartUp) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    std::set<std::string> unserved;
    for (int f = 1; f <= static_cast<int>(Form::frmLanguage); ++f)
        if (!dg.host.FormWindow(static_cast<Form>(f))) unserved.insert(Name(static_cast<Form>(f)));
    for (int v = 0; v < kViewCount; ++v)
        if (!dg.host.HasView(static_cast<View>(v))) unserved.insert(std::string("View::") + Name(static_cast<View>(v)));
    for (int t = 0; t < kTimerCount; ++t)
        if (!dg.host.HasTimer(static_cast<Timer>(t)))
            unserved.insert(std::string("Timer::") + Name(static_cast<Timer>(t)));
    if (!dg.host.HasScanSurface()) unserved.insert("ScanSurface");
    if (!dg.host.HasChartSurface()) unserved.insert("ChartSurface");

    for (const std::string& name : unserved) ADD_FAILURE() << name << " has no window";
}

TEST(FormList, EachWindowIsMadeOnceUnderItsOwnName) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    std::set<Form> seen;
    for (const FormEntry& entry : FormList()) {
        EXPECT_TRUE(seen.insert(entry.form).second) << Name(entry.form) << " is listed twice";
        QWidget* w = dg.host.FormWindow(entry.form);
        ASSERT_NE(w, nullptr) << Name(entry.form);
        EXPECT_EQ(w->objectName().toStdString(), Name(entry.form));
        EXPECT_TRUE(w->isWindow()) << Name(entry.form);
        EXPECT_FALSE(w->isVisible()) << Name(entry.form) << " is shown as it is made";
        dg.host.LoadForm(entry.form);
        EXPECT_EQ(dg.host.FormWindow(entry.form), w);  // made once
    }
}

}  // namespace
}  // namespace kv

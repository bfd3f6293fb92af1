#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include "platform/SettingsStore.h"
#include "text/Language.h"
#include "ui/text/frmLanguage.h"

namespace kv {
namespace {

TEST(frmLanguage, StandsCentredLowOnTheScreenAndStepsUpToItsMaximum) {
    frmLanguage w;
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.x(), area.width() / 2 - w.width() / 2);
    EXPECT_EQ(w.y(), static_cast<int>(area.height() - 1.5 * w.height()));
    EXPECT_EQ(w.pgbLanguage->maximum(), 354);

    // Progress lookups advance the bar one step each, and never beyond the maximum.
    MemorySettingsStore settings;
    Language lang(settings, "");
    lang.UseTexts({{"Loading", "Loading"}});
    lang.SetProgressStep([&] { w.Step(); });
    for (int i = 0; i < 360; ++i) lang.GetLanguageTextWithProgress("Loading");
    EXPECT_EQ(w.pgbLanguage->value(), 354);
    lang.GetLanguageText("Loading");
    EXPECT_EQ(w.pgbLanguage->value(), 354);
}

}  // namespace
}  // namespace kv

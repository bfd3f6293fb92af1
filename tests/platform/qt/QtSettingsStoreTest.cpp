#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/qt/QtSettingsStore.h"

namespace kv {
namespace {

TEST(QtSettingsStore, RoundTripsValuesSectionsAndListingAcrossReopen) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QtSettingsStore s(path);
        s.SaveSetting("KestravaforWindows9x\\Configs\\Jane", "Lib", "ComAutoTC", "True");
        s.SaveSetting("KestravaforWindows9x", "Language", "US English", "English.lng");
        s.SaveSetting("KestravaforWindows9x", "Language", "Current", "US English");
        s.SaveSetting("KestravaforWindows9x", "Temp Saves", "A b", "x=y; [z]");
        EXPECT_TRUE(s.Flush());
    }
    QtSettingsStore s(path);
    EXPECT_EQ(s.GetSetting("kestravaforwindows9x\\configs\\JANE", "lib", "comautotc", "Not Used"), "True");
    EXPECT_EQ(s.GetSetting("KestravaforWindows9x", "Language", "Missing", "Not Used"), "Not Used");
    EXPECT_EQ(s.GetSetting("KestravaforWindows9x", "Temp Saves", "A b"), "x=y; [z]");
    auto all = s.GetAllSettings("KestravaforWindows9x", "Language");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], (std::pair<std::string, std::string>{"US English", "English.lng"}));
    EXPECT_EQ(all[1].first, "Current");

    s.DeleteSetting("KestravaforWindows9x", "Language", "current");
    EXPECT_EQ(s.GetAllSettings("KestravaforWindows9x", "Language").size(), 1u);
    s.DeleteSetting("KestravaforWindows9x", "Language");
    EXPECT_TRUE(s.GetAllSettings("KestravaforWindows9x", "Language").empty());
    EXPECT_EQ(s.GetSetting("KestravaforWindows9x", "Language", "US English", "none"), "none");
}

}  // namespace
}  // namespace kv

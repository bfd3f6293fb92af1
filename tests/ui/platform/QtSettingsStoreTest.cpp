#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ui/platform/QtSettingsStore.h"
#include "state/Startup.h"
#include "support/RecordingHost.h"

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

// Names are the store's own: "/" does not open a level, a leading "." or a name like ".order"
// does not reach the store's bookkeeping, and "%" does not read as an escape; deleting a key or
// a section takes nothing beside it.
TEST(QtSettingsStore, KeepsNamesWithCharactersSpecialToQSettingsApart) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    const std::string keys[] = {"a/b",        "a//b",  "a\\b",     "a",   ".order", ".lead", "x=y",
                                "semi;colon", "#hash", " spaced ", "%2F", "100%",   "",      "Mixed Case"};
    {
        QtSettingsStore s(path);
        for (const auto& k : keys) s.SaveSetting("App", "Notes", k, "v:" + k);
        s.SaveSetting("App\\Configs", "Jo/Ann", "Sound", "False");
        s.SaveSetting("App\\Configs", "Jo", "Sound", "True");
        s.SaveSetting("App\\Configs", "Jo\\Lib", "Shields", "2");  // a section below the key "Lib"
        s.SaveSetting("App\\Configs", "Jo", "Lib", "key");
        EXPECT_TRUE(s.Flush());
    }
    QtSettingsStore s(path);
    std::vector<std::pair<std::string, std::string>> expected;
    for (const auto& k : keys) {
        EXPECT_EQ(s.GetSetting("App", "Notes", k, "none"), "v:" + k) << '"' << k << '"';
        expected.emplace_back(k, "v:" + k);
    }
    EXPECT_EQ(s.GetSetting("App", "notes", "MIXED CASE", "none"), "v:Mixed Case");
    EXPECT_EQ(s.GetAllSettings("App", "Notes"), expected);

    // Deleting one key or one section leaves the names that only begin like it.
    s.DeleteSetting("App", "Notes", "a");
    EXPECT_EQ(s.GetSetting("App", "Notes", "a", "none"), "none");
    EXPECT_EQ(s.GetSetting("App", "Notes", "a/b", "none"), "v:a/b");
    EXPECT_EQ(s.GetAllSettings("App", "Notes").size(), std::size(keys) - 1);
    s.DeleteSetting("App\\Configs", "Jo", "Lib");
    EXPECT_EQ(s.GetSetting("App\\Configs", "Jo", "Lib", "none"), "none");
    EXPECT_EQ(s.GetSetting("App\\Configs", "Jo\\Lib", "Shields", "none"), "2");
    // An empty section name deletes no section below the application, nor anything else.
    s.SaveSetting("Other", "", "Loose", "1");
    s.DeleteSetting("App", "");
    s.DeleteSetting("", "");
    EXPECT_EQ(s.GetSetting("App", "Notes", "a/b", "none"), "v:a/b");
    EXPECT_EQ(s.GetSetting("Other", "", "Loose", "none"), "1");
    s.DeleteSetting("Other", "");
    EXPECT_EQ(s.GetSetting("Other", "", "Loose", "none"), "none");
    s.DeleteSetting("App\\Configs", "Jo");
    EXPECT_EQ(s.GetSetting("App\\Configs", "Jo/Ann", "Sound", "none"), "False");
    EXPECT_EQ(s.GetSetting("App\\Configs", "Jo", "Sound", "none"), "none");
}

// A section header that lost or gained a bracket would put every setting below it, the player
// names too, out of reach: the store mends the line, keeps the file as it was, and says which
// line it mended; start-up tells the player.
TEST(QtSettingsStore, MendsABrokenSectionHeaderAndKeepsTheFileAsItWas) {
    const char* const headers[] = {"kestravaforwindows9x]", "[kestravaforwindows9x", "[[kestravaforwindows9x]",
                                   "kestravaforwindows9x", "[kestrava]forwindows9x]"};
    for (const char* header : headers) {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        const QByteArray before = QByteArray("[other]\r\nx=1\r\n\r\n") + header +
                                  "\r\nnames\\number=1\r\nnames\\name1=Ann\r\nconfigs\\general\\sound=False\r\n";
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        QtSettingsStore s(path);
        EXPECT_EQ(s.GetSetting("KestravaforWindows9x", "Names", "Name1", "Not Used"), "Ann") << header;
        EXPECT_EQ(s.GetSetting("KestravaforWindows9x\\Configs", "General", "Sound", "Not Used"), "False") << header;
        EXPECT_EQ(s.GetSetting("Other", "", "x", "Not Used"), "1") << header;
        const std::optional<SettingsMend> m = s.Mended();
        ASSERT_TRUE(m) << header;
        EXPECT_EQ(m->line, 4) << header;
        EXPECT_EQ(m->text, header);
        EXPECT_EQ(m->file, path.toStdString());
        QFile copy(QString::fromStdString(m->copy));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << header;
        EXPECT_EQ(copy.readAll(), before) << header;
        // Written back, the settings file reads well the next time, with nothing to mend.
        s.SaveSetting("KestravaforWindows9x", "Names", "Number", "2");
        ASSERT_TRUE(s.Flush());
        QtSettingsStore again(path);
        EXPECT_FALSE(again.Mended()) << header;
        EXPECT_EQ(again.GetSetting("KestravaforWindows9x", "Names", "Name1", "Not Used"), "Ann") << header;
        EXPECT_EQ(again.GetSetting("KestravaforWindows9x", "Names", "Number", "Not Used"), "2") << header;

        test::RecordingHost host;
        ConstantRandom rng(0.5f);
        Game g(rng, again, host);
        g.lang.UseTexts({});
        g.lang.SetEchoMissing(true);
        g.st.NewLine = "\n";
        ReportMendedSettings(g);
        EXPECT_TRUE(host.notices.empty());  // nothing was mended this time
        Game first(rng, s, host);
        first.lang.UseTexts({});
        first.lang.SetEchoMissing(true);
        first.st.NewLine = "\n";
        ReportMendedSettings(first);
        ASSERT_EQ(host.notices.size(), 1u);
        EXPECT_EQ(host.notices[0], "<SettingsMended>\n" + path.toStdString() + "\n<SettingsLine>4: " + header +
                                       "\n<SettingsCopy>\n" + m->copy);
    }
}

// A well-formed file is left alone: nothing is mended and no copy is made.
TEST(QtSettingsStore, LeavesAWellFormedFileAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QtSettingsStore s(path);
        s.SaveSetting("KestravaforWindows9x", "Names", "Name1", "Ann [the first]; = x");
        s.SaveSetting("KestravaforWindows9x\\Configs", "[odd] name", "Sound", "True");
        ASSERT_TRUE(s.Flush());
    }
    QtSettingsStore s(path);
    EXPECT_FALSE(s.Mended());
    EXPECT_FALSE(QFile::exists(path + ".damaged"));
    EXPECT_EQ(s.GetSetting("KestravaforWindows9x", "Names", "Name1"), "Ann [the first]; = x");
    EXPECT_EQ(s.GetSetting("KestravaforWindows9x\\Configs", "[odd] name", "Sound"), "True");
}

}  // namespace
}  // namespace kv

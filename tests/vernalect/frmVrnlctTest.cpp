#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "ui/platform/QtSettingsStore.h"
#include "text/Language.h"
#include "vernalect/Flags.h"
#include "vernalect/GameVersion.h"
#include "vernalect/LanguageStore.h"
#include "vernalect/Registration.h"
#include "vernalect/frmVrnlct.h"

namespace {

// A program folder as the game ships it: the game program with its version beside it and a
// LANGUAGE folder; the settings file lies elsewhere.
// A game in a scratch folder: as a build has it (the data beside the programs), or installed
// (the programs in <prefix>/games, the data in <prefix>/share/kestrava).
struct Install {
    explicit Install(const QString& version = "1.3.0.0", bool installed = false) {
        program = dir.path() + (installed ? "/usr/games/" : "/program/");
        data = installed ? dir.path() + "/usr/share/kestrava/" : program;
        QDir().mkpath(program);
        QDir().mkpath(data + "LANGUAGE");
        Write(program + "kestrava", "");
        Write(data + "kestrava.version", (version + "\n").toUtf8());
        settings = dir.path() + "/config/kestrava/settings.ini";
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void Languages(const QByteArray& reg, const QStringList& files) const {
        Write(data + "LANGUAGE/SetLang.reg", reg);
        for (const QString& f : files) Write(data + "LANGUAGE/" + f, "[Language]\r\nCaptain=Commander\r\n");
    }
    QTemporaryDir dir;
    QString program, data, settings;
};

void Click(QWidget* w, Qt::MouseButton button) {
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

TEST(Vernalect, ImportsTheRegistrationChoosesAFlagAndRecordsItWhereTheGameReadsIt) {
    Install in;
    in.Languages(
        "REGEDIT4\r\n\r\n[KestravaforWindows9x\\Language]\r\n\"US English\"=\"English.lng\"\r\n"
        "\"German\"=\"Deutsch.lng\"\r\n\"Klingon\"=\"Klingon.lng\"\r\n",
        {"English.lng", "Deutsch.lng"});
    vernalect::frmVrnlct w(in.program, in.settings);
    QStringList messages;
    w.notify = [&](const QString& m) { messages << m; };
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(w.InstalledLanguages(), (QStringList{"US English", "German"}));  // no file, no offer
    w.show();
    w.Form_Activate();
    EXPECT_TRUE(w.Choice[0]->isEnabled());
    EXPECT_TRUE(w.Choice[2]->isEnabled());
    EXPECT_FALSE(w.Choice[1]->isEnabled());
    EXPECT_FALSE(w.cmdOK->isEnabled());      // nothing chosen yet
    EXPECT_FALSE(w.cmdCancel->isEnabled());  // no language recorded
    // Only the first group is used: the others are hidden and the window narrows to it.
    EXPECT_TRUE(w.picLang[4]->isVisible());
    EXPECT_FALSE(w.picLang[5]->isVisible());
    EXPECT_FALSE(w.picLang[14]->isVisible());
    EXPECT_EQ(w.shpBorder->geometry().right(), w.cmdCancel->geometry().right());
    EXPECT_LT(w.width(), 300);
    // An installed language's flag shows its own picture; another is dimmed.
    EXPECT_EQ(w.picLang[0]->pixmap().toImage(), vernalect::DrawFlag(0).toImage());
    EXPECT_NE(w.picLang[1]->pixmap().toImage(), vernalect::DrawFlag(1).toImage());

    // Closing with no language recorded does nothing.
    w.close();
    EXPECT_TRUE(w.isVisible());
    // A right-button click never selects; a left-button click does.
    Click(w.picLang[2], Qt::RightButton);
    EXPECT_FALSE(w.Choice[2]->isChecked());
    Click(w.picLang[1], Qt::LeftButton);  // not installed
    EXPECT_FALSE(w.Choice[1]->isChecked());
    Click(w.picLang[2], Qt::LeftButton);
    EXPECT_TRUE(w.Choice[2]->isChecked());
    EXPECT_TRUE(w.cmdOK->isEnabled());
    w.cmdOK->click();
    EXPECT_TRUE(w.Ended());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(messages.isEmpty());

    // The game finds the language through its own settings store.
    kv::QtSettingsStore store(in.settings);
    EXPECT_EQ(store.GetSetting(kv::kAppName, "Language", "Current"), "German");
    kv::Language lang(store, (in.program + "LANGUAGE/").toStdString());
    EXPECT_EQ(lang.GetLanguageText("Captain"), "Commander");
    EXPECT_EQ(lang.LanguageFilePath(), (in.program + "LANGUAGE/Deutsch.lng").toStdString());
}

TEST(Vernalect, ARecordedLanguageIsSelectedAndCancelLeavesItAsItWas) {
    Install in;
    in.Languages("", {"English.lng"});
    vernalect::LanguageStore store(in.settings);
    store.Write("US English", "English.lng");
    store.Write("Current", "US English");
    store.Write("Esperanto", "Missing.lng");
    vernalect::frmVrnlct w(in.program, in.settings);
    ASSERT_TRUE(w.Form_Load());
    w.show();
    w.Form_Activate();
    EXPECT_TRUE(w.Choice[0]->isChecked());
    EXPECT_TRUE(w.cmdOK->isEnabled());
    EXPECT_TRUE(w.cmdCancel->isEnabled());
    EXPECT_FALSE(w.Choice[12]->isEnabled());  // registered, but its file is missing
    w.cmdCancel->click();
    EXPECT_TRUE(w.Ended());
    EXPECT_EQ(store.Value("Current"), "US English");
}

TEST(Vernalect, ACurrentLanguageWithoutItsFileKeepsCancelOff) {
    Install in;
    in.Languages("", {"English.lng"});
    vernalect::LanguageStore store(in.settings);
    store.Write("US English", "English.lng");
    store.Write("French", "Francais.lng");
    store.Write("Current", "French");
    vernalect::frmVrnlct w(in.program, in.settings);
    ASSERT_TRUE(w.Form_Load());
    w.Form_Activate();
    EXPECT_FALSE(w.cmdCancel->isEnabled());
    EXPECT_FALSE(w.cmdOK->isEnabled());
}

TEST(Vernalect, WithNoLanguagesItSaysSoAndEnds) {
    struct Case {
        QByteArray reg;
        QString message;
    };
    const Case cases[] = {
        {"", "Error loading languages into registry."},
        {"[KestravaforWindows9x\\Language]\r\n\"US English\"=\"English.lng\"\r\n",
         "Can't find any language files.  Please contact program vendor."},
    };
    for (const Case& c : cases) {
        Install in;
        in.Languages(c.reg, {});
        vernalect::frmVrnlct w(in.program, in.settings);
        QStringList messages;
        w.notify = [&](const QString& m) { messages << m; };
        EXPECT_FALSE(w.Form_Load());
        EXPECT_EQ(messages, QStringList{c.message});
        EXPECT_EQ(vernalect::LanguageStore(in.settings).Value("Current"), "");
    }
}

TEST(Vernalect, RunsOnlyBesideAGameOfVersionOnePointTwoOrLater) {
    struct Case {
        QString version;
        bool runs;
    };
    const Case cases[] = {{"1.3.0.0", true},  {"1.2.0.5", true}, {"1.10.0.0", true}, {"2.0", true},
                          {"1.1.9.9", false}, {"0.9", false},    {"garbage", false}};
    for (const Case& c : cases) {
        Install in(c.version);
        in.Languages("[KestravaforWindows9x\\Language]\r\n\"US English\"=\"English.lng\"\r\n", {"English.lng"});
        vernalect::frmVrnlct w(in.program, in.settings);
        QStringList messages;
        w.notify = [&](const QString& m) { messages << m; };
        EXPECT_EQ(w.Form_Load(), c.runs) << c.version.toStdString();
        EXPECT_EQ(messages.isEmpty(), c.runs) << c.version.toStdString();
    }
    Install noGame;
    QFile::remove(noGame.program + "kestrava");
    EXPECT_EQ(vernalect::KestravaVersion(noGame.program), "0");
}

// An installed game: the changer in <prefix>/games finds the game's version and languages in
// <prefix>/share/kestrava, and nothing is written there.
TEST(Vernalect, FindsTheDataOfAnInstalledGameInItsSharedFolder) {
    Install in("1.3.0.0", true);
    in.Languages("[KestravaforWindows9x\\Language]\r\n\"US English\"=\"English.lng\"\r\n", {"English.lng"});
    EXPECT_EQ(vernalect::DataFolder(in.program), in.data);
    EXPECT_EQ(vernalect::KestravaVersion(in.program), "1.3.0.0");
    const QStringList before = QDir(in.data + "LANGUAGE").entryList(QDir::Files);
    vernalect::frmVrnlct w(in.program, in.settings);
    QStringList messages;
    w.notify = [&](const QString& m) { messages << m; };
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(w.InstalledLanguages(), QStringList{"US English"});
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(QDir(in.data + "LANGUAGE").entryList(QDir::Files), before);
    EXPECT_EQ(QDir(in.program).entryList(QDir::Files), QStringList{"kestrava"});
}

TEST(Vernalect, ReadsTheRegistrationFileLayout) {
    const auto values = vernalect::ParseRegistration(
        "REGEDIT4\r\n\r\n[Other\\Language]\r\n\"No\"=\"No.lng\"\r\n"
        "[HKEY_CURRENT_USER\\Software\\KestravaforWindows9x\\Language]\r\n"
        "; a comment\r\n\"US English\" = \"English.lng\"\r\n\"Quote \\\"Q\\\"\"=\"Q\\\\q.lng\"\r\nbroken line\r\n");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], (std::pair<QString, QString>{"US English", "English.lng"}));
    EXPECT_EQ(values[1], (std::pair<QString, QString>{"Quote \"Q\"", "Q\\q.lng"}));
}

TEST(Vernalect, UsesTheGamesSettingsFile) {
    QProcessEnvironment env;
    env.insert("HOME", "/home/ann");
    EXPECT_EQ(vernalect::SettingsPath(env), "/home/ann/.config/kestrava/settings.ini");
    env.insert("XDG_CONFIG_HOME", "/tmp/kv-config-test/");
    EXPECT_EQ(vernalect::SettingsPath(env), "/tmp/kv-config-test/kestrava/settings.ini");
    env.insert("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(vernalect::SettingsPath(env), "/home/ann/.config/kestrava/settings.ini");
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/QtSettingsStore.h"
#include "text/Language.h"
#include "vernalect/LanguageRecord.h"

namespace {

TEST(Vernalect, RecordsAnInstalledLanguageWhereTheGameReadsIt) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/LANGUAGE/";
    QDir().mkpath(folder);
    const QString settings = dir.filePath("settings.ini");
    EXPECT_FALSE(vernalect::RecordLanguage(settings, folder, "US English", "English.lng"));

    QFile f(folder + "English.lng");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Language]\r\nCaptain=Commander\r\n");
    f.close();
    ASSERT_TRUE(vernalect::RecordLanguage(settings, folder, "US English", "English.lng"));

    kv::QtSettingsStore store(settings);
    kv::Language lang(store, folder.toStdString());
    bool launched = false;
    lang.SetChangerLauncher([&] { launched = true; });
    EXPECT_EQ(lang.GetLanguageText("captain"), "Commander");
    EXPECT_FALSE(launched);
}

}  // namespace

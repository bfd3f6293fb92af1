#include <QDir>
#include <QStandardPaths>

#include "support/ScratchHome.h"

TEST(WindowTestEnvironment, HomeIsTheScratchHome) {
    kv::test::ExpectScratchHome();
    // Qt's own idea of the home and config folders, which QSettings and the file dialogs use.
    EXPECT_EQ(QDir::homePath(), KESTRAVA_TEST_HOME);
    EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), KESTRAVA_TEST_HOME "/.config");
}

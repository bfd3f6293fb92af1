#include "ui/app/DesktopPlatform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <map>
#include <string>

namespace kv {
namespace {

TEST(DesktopPlatform, WaylandAsksForX11WhenTheDesktopOffersIt) {
    using Env = std::map<std::string, std::string>;
    struct Case {
        const char* what;
        Env env;
        std::optional<std::string> platform;
    };
    const Case cases[] = {
        {"X11 desktop", {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, std::nullopt},
        {"Wayland with its X11 server", {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, "xcb;wayland"},
        {"Wayland session named only", {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}}, "xcb;wayland"},
        {"Wayland without X11", {{"WAYLAND_DISPLAY", "wayland-0"}}, std::nullopt},
        {"empty variables count as unset", {{"WAYLAND_DISPLAY", ""}, {"DISPLAY", ":0"}}, std::nullopt},
        {"the player's own choice",
         {{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}},
         std::nullopt},
        {"nothing at all", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto env = [&](const char* var) -> const char* {
            auto it = c.env.find(var);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(PreferredPlatform(env), c.platform) << c.what;
    }
}

// The desktop ties the game's windows to its menu entry: the game names the entry that the
// package installs, and that entry's StartupWMClass is the class the game's X11 windows carry
// (the application's name).
TEST(DesktopPlatform, TheGameNamesItsMenuEntryAndTheEntryItsWindowClass) {
    const QString testName = QCoreApplication::applicationName();
    const QString testEntry = QGuiApplication::desktopFileName();
    NameTheMenuEntry();
    const QString name = QCoreApplication::applicationName();
    const QString entry = QGuiApplication::desktopFileName();
    QCoreApplication::setApplicationName(testName);
    QGuiApplication::setDesktopFileName(testEntry);

    EXPECT_EQ(name.toStdString(), "kestrava");
    QFile file(KESTRAVA_DATA_DIR "/../packaging/" + entry + ".desktop");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << "no menu entry " << entry.toStdString();
    QStringList classes;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("StartupWMClass=")) classes << QString::fromUtf8(line.mid(15)).trimmed();
    EXPECT_EQ(classes.join(", ").toStdString(), name.toStdString());
}

}  // namespace
}  // namespace kv

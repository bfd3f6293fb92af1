#include "ui/app/DesktopPlatform.h"

#include <QGuiApplication>

namespace kv {
namespace {
bool Set(const char* value) { return value && *value; }
}  // namespace

std::optional<std::string> PreferredPlatform(const std::function<const char*(const char*)>& env) {
    if (Set(env("QT_QPA_PLATFORM"))) return std::nullopt;
    const char* session = env("XDG_SESSION_TYPE");
    const bool wayland = Set(env("WAYLAND_DISPLAY")) || (session && std::string(session) == "wayland");
    if (!wayland) return std::nullopt;
    // The desktop's X11 server, when it runs one; Qt tries the platforms in this order.
    if (Set(env("DISPLAY"))) return std::string("xcb;wayland");
    return std::nullopt;
}

void NameTheMenuEntry() {
    // Qt names the class of its X11 windows after the application.
    QCoreApplication::setApplicationName(QStringLiteral("kestrava"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kestrava.Kestrava"));
}

}  // namespace kv

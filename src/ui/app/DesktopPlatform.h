#pragma once
// Which Qt platform the program asks for. The game places its windows itself; a Wayland desktop
// does not let a program do that, so there the program asks for the X11 platform, which a
// Wayland desktop offers through its X11 server, and falls back on Wayland (the desktop then
// places the windows) when that cannot start. Nothing on an X11 desktop, nor when the player
// named a platform.
#include <functional>
#include <optional>
#include <string>

namespace kv {

// `env` reads a variable of the program's environment (nullptr when unset). The result is the
// value for QT_QPA_PLATFORM, or nothing to leave Qt's own choice.
std::optional<std::string> PreferredPlatform(const std::function<const char*(const char*)>& env);

// Tells the desktop which menu entry the game's windows belong to, so that it shows them under
// the entry's name and icon: the entry's name (which a Wayland desktop reads) and the class of
// the X11 windows (the entry's StartupWMClass). Called once the application exists, before the
// first window.
void NameTheMenuEntry();

}  // namespace kv

#pragma once
// The program's small icon on a window.
#include <QWidget>
#include <string>

namespace kv {

// Gives the topmost owner of `window` (the window itself when it has none) the program's icon
// `name` ("MAIN"): the first picture of that name in the pictures folder. False when there is
// no such picture (the window keeps its icon).
bool SetWindowIcon(QWidget* window, const std::string& picturesPath, const std::string& name);

}  // namespace kv

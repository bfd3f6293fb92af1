#pragma once
// How the desktop host makes the game's windows: the program's wiring hands it the window list
// (one entry per window), and the host makes each window from its entry the first time the game
// refers to it.
#include <QWidget>
#include <type_traits>
#include <vector>

#include "state/Port.h"

namespace kv {

class QtHost;

using FormMaker = QWidget* (*)(Game& g, QtHost& host);

struct FormEntry {
    Form form;
    FormMaker make;
};
using FormEntries = std::vector<FormEntry>;

// The windows' design font: "MS Sans Serif", which the relabelling run replaces by the
// language's font (with every control that inherits it). A window that names its own family
// keeps it.
void GiveDesignFont(QWidget* window);

// Makes a window with the constructor it has: (Game&, QtHost&) for a window that registers
// displays, timers or handlers with the host, (Game&) or () for one that needs less.
template <class W>
QWidget* MakeForm(Game& g, QtHost& host) {
    QWidget* w = nullptr;
    if constexpr (std::is_constructible_v<W, Game&, QtHost&>)
        w = new W(g, host);
    else if constexpr (std::is_constructible_v<W, Game&>)
        w = new W(g);
    else
        w = new W();
    GiveDesignFont(w);
    return w;
}

}  // namespace kv

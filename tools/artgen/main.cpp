// artgen <folder> [group ...]: draws the game's pictures into the folder (every group, or the
// groups named).
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "Art.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: artgen <folder> [group ...]\n");
        return 2;
    }
    // Fonts need a GUI application; no display is needed to draw into pictures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "artgen: cannot make %s\n", argv[1]);
        return 1;
    }
    std::set<std::string> wanted(argv + 2, argv + argc);
    const artgen::Output out(folder);
    for (const artgen::Group& g : artgen::Groups())
        if (wanted.empty() || wanted.count(g.name)) g.make(out);
    return 0;
}

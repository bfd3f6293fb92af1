// artgen <folder> [group ...]: draws the game's pictures into the folder (every group, or the
// groups named).
// artgen --icons <folder>: draws the program's icon for the desktop at its usual sizes, as an
// icon theme lays them out (<folder>/16x16/apps/kestrava.png, …).
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
    if (std::string(argv[1]) == "--icons") {
        if (argc != 3) {
            std::fprintf(stderr, "usage: artgen --icons <folder>\n");
            return 2;
        }
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString dir = QString::fromLocal8Bit(argv[2]) + QString("/%1x%1/apps").arg(size);
            if (!QDir().mkpath(dir)) {
                std::fprintf(stderr, "artgen: cannot make %s\n", qPrintable(dir));
                return 1;
            }
            artgen::Output(dir).Save(artgen::ProgramIcon(size), "kestrava.png");
        }
        return 0;
    }
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

#pragma once
// The game windows that place themselves (against an edge of the desktop, or beside, above or
// below another game window) are placed again once the desktop has framed them, and whenever one
// of them shown changes its size (the command bar's layout, the scan's picture size, the log
// resized). A window's frame is known only after it is shown, so a place worked out with the bare
// window's size leaves a bottom window's title bar pushing its lower edge off the screen, and a
// window placed beside another one short by that one's frame. Each window keeps the place its
// rule gives while that place is free of the windows placed before it; otherwise it takes the
// nearest free place, and where the desktop has none the report windows are the ones covered. A
// window moved since its rule last placed it (by the player, or to the place the settings keep
// for it) stays where it is.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "screens/Placement.h"
#include "state/Port.h"

namespace kv {

// The desktop's area for the game's windows: the primary screen less the desktop's own panels.
QRect DesktopArea();
// Places the windows in `area` in place of the screen's (a test's desktop of a chosen size); an
// empty rectangle goes back to the screen.
void UseDesktopArea(const QRect& area);
// The desktop area's right and bottom edges in twips: the size the windows' rules place against.
void DesktopSizeTwips(long& width, long& height);
// The same area as a box.
WindowBox DesktopBox();
// A window's outer box on the desktop, its frame included once the desktop has framed it.
WindowBox OuterBox(const QWidget* w);
// Moves a window so that its outer top-left corner stands at the box's.
inline void MoveTo(QWidget* w, const WindowBox& at) { w->move(static_cast<int>(at.left), static_cast<int>(at.top)); }
inline long OuterWidthTwips(const QWidget* w) { return OuterBox(w).width * 15L; }
inline long OuterHeightTwips(const QWidget* w) { return OuterBox(w).height * 15L; }
// Moves a window so that its outer top-left corner stands at (left, top) twips.
void PlaceTwips(QWidget* w, long left, long top);
// Centres a dialog on the desktop area by its inside (the window less the desktop's frame), never
// above or left of the area. Centred with move(), a dialog would stand by itself the first time
// and by its frame once the desktop has framed it: a title bar lower each time it is shown again.
void CentreOnDesktop(QWidget* w);

class WindowArranger : public QObject {
public:
    WindowArranger();
    // Places `window` by its rule now, and again whenever the windows are arranged.
    void Add(Form form, QWidget* window, std::function<void()> place);
    // Runs the rule of every window still where its rule put it, in an order that places a window
    // after those it stands against and the report windows last, and moves each to its nearest
    // free place on the desktop. Done by itself each time windows shown for the first time have
    // their frames, and after a window shown is resized.
    void ArrangeNow();
    // How many times the windows were arranged.
    int Arranged() const { return arranged_; }
    // A report window that found no place clear of the other game windows when last arranged: it
    // stands beneath those it covers.
    bool Beneath(Form form) const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Rule {
        QPointer<QWidget> window;
        std::function<void()> place;
        QPoint placedAt;
        bool shown = false;
        bool beneath = false;
    };
    void Place(Rule& rule, const std::vector<StandingWindow>& standing);
    // The game windows a report placed over them stay above it.
    void KeepAboveReports();
    // The windows a window placed in `form`'s turn stands clear of: those placed before it, the
    // report windows among them only while shown.
    std::vector<StandingWindow> StandingBefore(Form form) const;
    void Settle();
    bool Framed() const;

    std::map<Form, Rule> rules_;
    QTimer settle_;
    int waited_ = 0;
    int arranged_ = 0;
};

}  // namespace kv

#pragma once
// Shaped windows and controls on the desktop: the opaque pixels of a control's picture become
// its mask, an outline is painted along that shape on the window that holds the control, a
// window without a caption bar is dragged by the player, and picture boxes act as shaped push
// buttons. The pixel work is the core's (screens/main/FormSkin.h); this side reads the pixels
// and gives the shapes to Qt.
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QWidget>
#include <functional>

namespace kv {

// The opaque pixels of a picture as a region: one rectangle one pixel high per run of pixels
// whose colour (0xBBGGRR) differs from `transparent`; -1 takes the colour of the top-left pixel
// and hands it back.
QRegion RegionFromPicture(const QImage& picture, long& transparent);

// The mask that shows nothing of a window. Qt takes an empty region for no mask at all, so this
// is a single pixel just outside the window: not empty, and covering nothing of it.
QRegion NothingShown();
// The mask for a shape: the shape itself, or NothingShown() when it covers no pixel.
QRegion MaskFor(const QRegion& shape);

// Gives a control the shape of what it shows (its pixels as drawn, at their own positions).
void SetFormRegion(QWidget* control, long& transparent);
// The same, keeping the outline colour (0xBBGGRR; -1 the system's button shadow) and framing
// the shape on the holding window in that window's own background colour.
void SkinForm(QWidget* control, long& transparent, long outline);
// Fills the shape's area on the holding window with that window's background colour, then
// removes the shape.
void UnskinForm(QWidget* control);
// Paints along the control's shape on the window that holds it: colour mode 0 that window's
// background colour, otherwise the control's outline colour; fill mode 0 fills the shape,
// otherwise frames it one pixel wide. The painting stays on the window, below its controls.
void PaintSkinBorder(QWidget* control, int colourMode, int fillMode);
// What has been painted along its controls' shapes on a window (transparent elsewhere; a null
// image before anything was).
QImage SkinDrawing(const QWidget* window);
// The colour of the outline SkinForm kept for a control (the button shadow when none was kept).
QColor SkinOutlineColour(const QWidget* control);

// The whole window drawn through no mask / through a mask covering nothing of it. Neither shows
// nor hides the window.
void HideByRegion(QWidget* window);
void ShowByRegion(QWidget* window);

// Lets the player drag the window as if by its caption bar (while a mouse button is held).
// False when the platform cannot move it. A control inside a window (the room map in its
// panel) is dragged within its container instead: it follows the pointer from `pressedAt`
// (global pixels, where the button went down) until the left button is released, the pointer
// moves going to the drag alone meanwhile; `moved` is told after each step.
bool DragWindow(QWidget* window, QPoint pressedAt = QPoint(), std::function<void()> moved = {});

// Shaped push buttons: one pressed button for the whole program. A press of the left button
// moves the control 2 pixels right and down; leaving its shape with the button held moves it
// back, coming in again presses it again; the release over the shape activates it (true).
void ShapedButtonDown(QWidget* control, Qt::MouseButton button);
void ShapedButtonMove(QWidget* control, Qt::MouseButtons buttons, QPoint at);
bool ShapedButtonUp(QWidget* control, Qt::MouseButton button);
// True when the point (the control's own pixels) lies in its shape; a control without a shape
// counts as a whole rectangle.
bool PointInShapedButton(const QWidget* control, QPoint at);

}  // namespace kv

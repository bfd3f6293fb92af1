#include "ui/host/FormSkin.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWindow>

#include "screens/main/FormSkin.h"
#include "ui/host/WindowBits.h"

namespace kv {
namespace {

constexpr long kButtonShadow = 0x80000010L;
const char* const kOutlineProperty = "skinOutline";

long ColourOf(QRgb pixel) {
    return static_cast<long>(qRed(pixel)) | (static_cast<long>(qGreen(pixel)) << 8) |
           (static_cast<long>(qBlue(pixel)) << 16);
}

// A colour of the game (0xBBGGRR), or a system colour (the high bit set, its index below).
QColor ToQColor(long colour, const QPalette& palette) {
    if (colour & 0x80000000L) {
        switch (colour & 0xFFFFFF) {
            case 0x0F: return palette.color(QPalette::Button);
            case 0x14: return palette.color(QPalette::Light);
            case 0x15: return palette.color(QPalette::Shadow);
            default: return palette.color(QPalette::Dark);  // 0x10, the button shadow
        }
    }
    return ColourOf(colour);
}

// What is painted on a window along its controls' shapes: a transparent layer over the whole
// window, below every control, that keeps its drawing until it is painted over.
class SkinCanvas : public QWidget {
public:
    explicit SkinCanvas(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("skinCanvas"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window->rect());
        lower();
        show();
        window->installEventFilter(this);
    }
    static SkinCanvas* Find(const QWidget* window) {
        return window->findChild<SkinCanvas*>(QStringLiteral("skinCanvas"), Qt::FindDirectChildrenOnly);
    }
    static SkinCanvas* Of(QWidget* window) {
        SkinCanvas* canvas = Find(window);
        return canvas ? canvas : new SkinCanvas(window);
    }
    void Paint(const QRegion& area, const QColor& colour) {
        if (drawing_.size() != size()) {
            QImage bigger(size(), QImage::Format_ARGB32_Premultiplied);
            bigger.fill(Qt::transparent);
            QPainter(&bigger).drawImage(0, 0, drawing_);
            drawing_ = bigger;
        }
        QPainter p(&drawing_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setClipRegion(area);
        p.fillRect(area.boundingRect(), colour);
        update(area);
    }
    const QImage& Drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, drawing_);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == parent() && e->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
        return false;
    }

private:
    QImage drawing_;
};

// The pixels of a control as it draws itself, without its shape, one image pixel a pixel.
QImage PixelsOf(QWidget* control) {
    control->clearMask();
    QImage img = control->grab().toImage();
    if (img.size() != control->size()) img = img.scaled(control->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return img;
}

// The one-pixel frame along the inside of a shape: its pixels with a neighbour outside it.
QRegion FrameOf(const QRegion& shape) {
    const QRegion inner = shape & shape.translated(1, 0) & shape.translated(-1, 0) & shape.translated(0, 1) &
                          shape.translated(0, -1);
    return shape - inner;
}

int ButtonNumber(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

ShapedButtons& Buttons() {
    static ShapedButtons buttons;
    return buttons;
}

// The drag of a control within its container: every pointer move of the program moves it by
// as much as the pointer has moved since the press, until the left button is released.
class ChildDrag : public QObject {
public:
    ChildDrag(QWidget* control, QPoint pressedAt, std::function<void()> moved)
        : control_(control), from_(pressedAt), start_(control->pos()), moved_(std::move(moved)) {
        setParent(control);
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseMove) {
            auto* m = static_cast<QMouseEvent*>(e);
            if (!(m->buttons() & Qt::LeftButton)) {
                deleteLater();
                return false;
            }
            if (control_) {
                control_->move(start_ + (m->globalPosition().toPoint() - from_));
                if (moved_) moved_();
            }
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> control_;
    QPoint from_, start_;
    std::function<void()> moved_;
};

void Shift(QWidget* control, int by) {
    if (by != 0) control->move(control->pos() + QPoint(by, by));
}

}  // namespace

QRegion RegionFromPicture(const QImage& picture, long& transparent) {
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    PixelGrid grid;
    grid.width = img.width();
    grid.height = img.height();
    grid.pixels.reserve(static_cast<size_t>(grid.width) * static_cast<size_t>(grid.height));
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) grid.pixels.push_back(ColourOf(row[x]));
    }
    QRegion region;
    for (const PixelRect& r : RegionFromPicture(grid, transparent))
        region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return region;
}

QRegion NothingShown() { return QRegion(-1, -1, 1, 1); }

QRegion MaskFor(const QRegion& shape) { return shape.isEmpty() ? NothingShown() : shape; }

void SetFormRegion(QWidget* control, long& transparent) {
    if (!control) return;
    control->setMask(MaskFor(RegionFromPicture(PixelsOf(control), transparent)));
}

void SkinForm(QWidget* control, long& transparent, long outline) {
    if (!control) return;
    SetFormRegion(control, transparent);
    control->setProperty(kOutlineProperty, static_cast<qlonglong>(outline == -1 ? kButtonShadow : outline));
    PaintSkinBorder(control, 0, 1);
}

void UnskinForm(QWidget* control) {
    if (!control) return;
    PaintSkinBorder(control, 0, 0);
    control->clearMask();
}

QImage SkinDrawing(const QWidget* window) {
    const SkinCanvas* canvas = window ? SkinCanvas::Find(window) : nullptr;
    return canvas ? canvas->Drawing() : QImage();
}

QColor SkinOutlineColour(const QWidget* control) {
    const QVariant kept = control->property(kOutlineProperty);
    return ToQColor(kept.isValid() ? static_cast<long>(kept.toLongLong()) : kButtonShadow, control->palette());
}

void PaintSkinBorder(QWidget* control, int colourMode, int fillMode) {
    QWidget* window = control ? control->parentWidget() : nullptr;
    if (!window) return;
    // A control without a shape, or with the shape that covers nothing, has nothing to paint.
    const QRegion shape = control->mask() & QRegion(control->rect());
    if (shape.isEmpty()) return;
    const QColor colour =
        colourMode == 0 ? window->palette().color(window->backgroundRole()) : SkinOutlineColour(control);
    const QRegion area = (fillMode == 0 ? shape : FrameOf(shape)).translated(control->pos());
    SkinCanvas::Of(window)->Paint(area, colour);
}

void HideByRegion(QWidget* window) {
    if (window) window->setMask(NothingShown());
}

void ShowByRegion(QWidget* window) {
    if (window) window->clearMask();
}

bool DragWindow(QWidget* window, QPoint pressedAt, std::function<void()> moved) {
    if (!window) return false;
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    if (!window->isWindow()) {
        new ChildDrag(window, pressedAt, std::move(moved));
        return true;
    }
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

void ShapedButtonDown(QWidget* control, Qt::MouseButton button) {
    Shift(control, Buttons().Down(control, ButtonNumber(button)).shift);
}

void ShapedButtonMove(QWidget* control, Qt::MouseButtons buttons, QPoint at) {
    const int held = (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                     (buttons & Qt::MiddleButton ? 4 : 0);
    Shift(control, Buttons().Move(control, held, PointInShapedButton(control, at)).shift);
}

bool ShapedButtonUp(QWidget* control, Qt::MouseButton button) {
    const ShapedButtons::Action a = Buttons().Up(control, ButtonNumber(button));
    Shift(control, a.shift);
    return a.activate;
}

bool PointInShapedButton(const QWidget* control, QPoint at) {
    if (!control || !control->rect().contains(at)) return false;
    const QRegion shape = control->mask();
    return shape.isEmpty() || shape.contains(at);
}

}  // namespace kv

#pragma once
// The navigation dialog's drawn controls: the course dial (a compass picture with the course
// arrow), the warp gauge (a 3-D panel filled to the warp) and the distance map (the galaxy as
// 64 x 64 sectors with a line from the ship's sector to the last point pressed).
#include <QPixmap>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <string>

namespace kv {

// Paints a course gauge (gagCourse of the navigation and probe dialogs): its compass picture,
// or a plain dial without one, and over it the arrow DrawCourseArrow gives for the gauge's tag.
void PaintCourseGauge(QWidget* gauge, const QPixmap& compass, const std::string& tag);

class CourseDial : public QWidget {
    Q_OBJECT
public:
    explicit CourseDial(QWidget* parent = nullptr) : QWidget(parent) {}
    // The course as a percentage of the full circle (the gauge's tag).
    void SetTag(const std::string& tag) {
        tag_ = tag;
        update();
    }
    const std::string& Tag() const { return tag_; }
    void SetPicture(const QPixmap& compass) {
        compass_ = compass;
        update();
    }
    // Draws the dial; its window's paint handler, when set (paint), calls it.
    void Draw();
    std::function<void()> paint;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::string tag_ = "0";
    QPixmap compass_;
};

class WarpPanel : public QWidget {
    Q_OBJECT
public:
    explicit WarpPanel(QWidget* parent = nullptr) : QWidget(parent) {}
    // The fill in percent (the panel's tag); the gauge prints it only when it ends in "%".
    void SetTag(const std::string& tag) {
        tag_ = tag;
        update();
    }
    const std::string& Tag() const { return tag_; }
    // Draws the gauge; its window's paint handler, when set (paint), calls it.
    void Draw();
    std::function<void()> paint;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::string tag_ = "0";
};

class DistanceMap : public QWidget {
    Q_OBJECT
public:
    explicit DistanceMap(QWidget* parent = nullptr) : QWidget(parent) {}
    // lnDist: from the ship's sector to the last point pressed. Only the start follows the ship:
    // the far end stays where the player put it, and lies on the start until a first press.
    void SetLineStart(QPointF start) {
        start_ = start;
        if (!pressed_) end_ = start;
        update();
    }
    QPointF LineStart() const { return start_; }
    QPointF LineEnd() const { return end_; }
    void SetLineEnd(QPointF end) {
        end_ = end;
        pressed_ = true;
        update();
    }
    // Told of a button pressed on the map and of the pointer moving over it (its window's
    // handlers).
    std::function<void(QMouseEvent*)> onMouseDown, onMouseMove;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QPointF start_, end_;
    bool pressed_ = false;  // the far end has been put somewhere
};

}  // namespace kv

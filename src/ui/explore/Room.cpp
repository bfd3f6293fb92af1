#include "ui/explore/Room.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <stdexcept>

#include "explore/ConsoleDrawing.h"
#include "ui/host/WindowBits.h"

namespace kv {

QColor ConsoleColour(Long colour) {
    if (static_cast<unsigned long>(colour) & 0x80000000UL) {
        // System colours: the button face (15) and the 3-D highlight (20); others as the window.
        const QPalette pal = QApplication::palette();
        switch (colour & 0xFF) {
            case 15: return pal.color(QPalette::Button);
            case 20: return pal.color(QPalette::Light);
            default: return pal.color(QPalette::Window);
        }
    }
    return ColourOf(colour);
}

namespace {

Long Resolved(Long colour) {
    const QColor c = ConsoleColour(colour);
    return RGB(c.red(), c.green(), c.blue());
}

int ButtonOf(const QMouseEvent* e) {
    int b = 0;
    if (e->buttons() & Qt::LeftButton || e->button() == Qt::LeftButton) b |= 1;
    if (e->buttons() & Qt::RightButton || e->button() == Qt::RightButton) b |= 2;
    if (e->buttons() & Qt::MiddleButton || e->button() == Qt::MiddleButton) b |= 4;
    return b;
}

}  // namespace

Room::Room(QWidget* parent) : QWidget(parent), color_{0, static_cast<Long>(0x8000000F), QBColor(8), 255} {
    setFixedSize(kRoomPixels, kRoomPixels);
    setAutoFillBackground(true);
    DrawRoom();
}

Long Room::Door(int index) const {
    if (index < 0 || index > 7) throw std::out_of_range("Room door index");
    return door_[static_cast<size_t>(index)];
}

void Room::SetDoor(int index, Long state) {
    if (index < 0 || index > 7) return;
    door_[static_cast<size_t>(index)] = state;
    DrawRoom();
}

void Room::SetDoors(const std::array<Long, 4>& doors) {
    for (int i = 0; i < 4; ++i) door_[static_cast<size_t>(i)] = doors[static_cast<size_t>(i)];
    DrawRoom();
}

Long Room::Color(int index) const {
    if (index < 0 || index > 3) throw std::out_of_range("Room colour index");
    return color_[static_cast<size_t>(index)];
}

void Room::SetColor(int index, Long colour) {
    if (index < 0 || index > 3) return;
    color_[static_cast<size_t>(index)] = colour;
    if (index == 1) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, ConsoleColour(colour));
        setPalette(pal);
    }
    DrawRoom();
}

void Room::SetTag(const QString& tag) {
    tag_ = tag;
    setToolTip(tag);
}

QImage Room::Picture() const { return picture_; }

void Room::DrawRoom() {
    std::array<Long, 4> doors{door_[0], door_[1], door_[2], door_[3]};
    std::array<Long, 4> colours;
    for (size_t i = 0; i < 4; ++i) colours[i] = Resolved(color_[i]);
    const auto px = RoomPixels(doors, colours);
    QImage image(kRoomPixels, kRoomPixels, QImage::Format_RGB32);
    for (int y = 0; y < kRoomPixels; ++y)
        for (int x = 0; x < kRoomPixels; ++x) {
            const Long c = px[static_cast<size_t>(y) * kRoomPixels + x];
            image.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
    picture_ = image;
    update();
}

void Room::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

// The cell keeps its size whatever its container asks.
void Room::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() != kRoomPixels || height() != kRoomPixels) resize(kRoomPixels, kRoomPixels);
}

void Room::mousePressEvent(QMouseEvent* e) {
    emit MouseDown(ButtonOf(e), ShiftOf(e->modifiers()), static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
}

void Room::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMove(ButtonOf(e), ShiftOf(e->modifiers()), static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
}

void Room::mouseReleaseEvent(QMouseEvent* e) {
    emit MouseUp(ButtonOf(e), ShiftOf(e->modifiers()), static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
    if (rect().contains(e->position().toPoint())) emit Click();
}

}  // namespace kv

#pragma once
// Room: one cell of the exploration console's room map, a 30 x 30-pixel room with a door mark
// on each side coloured by the door's state (0 wall, 1 open, 2 closed, 3 locked). Any resize
// leaves it 30 x 30; every change of a door or colour redraws it.
#include <QWidget>
#include <array>

#include "state/GameState.h"

namespace kv {

class Room : public QWidget {
    Q_OBJECT
public:
    explicit Room(QWidget* parent = nullptr);

    // Door states: 0..3 the sides North, East, South, West; 4..7 are kept but not drawn.
    Long Door(int index) const;  // index outside 0..7: std::out_of_range
    void SetDoor(int index, Long state);  // index outside 0..7 changes nothing
    Long DoorNorth() const { return door_[0]; }
    Long DoorEast() const { return door_[1]; }
    Long DoorSouth() const { return door_[2]; }
    Long DoorWest() const { return door_[3]; }
    void SetDoorNorth(Long s) { SetDoor(0, s); }
    void SetDoorEast(Long s) { SetDoor(1, s); }
    void SetDoorSouth(Long s) { SetDoor(2, s); }
    void SetDoorWest(Long s) { SetDoor(3, s); }

    // Colours (0xBBGGRR or a system colour such as 0x8000000F): 0 wall, 1 background (also the
    // control's own background), 2 closed door, 3 locked door.
    Long Color(int index) const;  // index outside 0..3: std::out_of_range
    void SetColor(int index, Long colour);  // index outside 0..3 changes nothing
    Long BorderColor() const { return color_[0]; }
    Long BackColor() const { return color_[1]; }
    Long ClosedColor() const { return color_[2]; }
    Long LockedColor() const { return color_[3]; }
    void SetBorderColor(Long c) { SetColor(0, c); }
    void SetBackColor(Long c) { SetColor(1, c); }
    void SetClosedColor(Long c) { SetColor(2, c); }
    void SetLockedColor(Long c) { SetColor(3, c); }

    // The room code: also the tooltip.
    QString Tag() const { return tag_; }
    void SetTag(const QString& tag);

    // Sets the four doors at once and draws once.
    void SetDoors(const std::array<Long, 4>& doors);

    // The cell as drawn (what paints it).
    QImage Picture() const;

signals:
    void Click();
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawRoom();

    std::array<Long, 8> door_{};
    std::array<Long, 4> color_;
    QString tag_;
    QImage picture_;
};

// A colour of the game (0xBBGGRR, or a system colour 0x800000nn) as a Qt colour.
QColor ConsoleColour(Long colour);

}  // namespace kv

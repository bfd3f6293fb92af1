#pragma once
// Small helpers the game's windows share: texts and colours between the game and Qt, control
// updates that raise no change signal, and the key state of a mouse event as the game counts it.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>
#include <string>

namespace kv {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// A colour of the game (0xBBGGRR).
inline QColor ColourOf(long bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

// The name of element i of a control array: "name(i)".
inline QString ElementName(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

// The key state of a mouse event: 1 Shift, 2 Ctrl, 4 Alt, added together.
inline int ShiftOf(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ShiftModifier ? 1 : 0) + (mods & Qt::ControlModifier ? 2 : 0) + (mods & Qt::AltModifier ? 4 : 0);
}

// The controls take what the game holds without raising their change signals (which would run
// the handlers again).
inline void Put(QLabel* c, const std::string& text) { c->setText(Q(text)); }
inline void Put(QLineEdit* c, const std::string& text) {
    if (c->text() == Q(text)) return;
    const QSignalBlocker quiet(c);
    c->setText(Q(text));
}
inline void Put(QAbstractButton* c, bool checked) {
    const QSignalBlocker quiet(c);
    c->setChecked(checked);
}
inline void Put(QAbstractSlider* c, int min, int max, int value) {
    const QSignalBlocker quiet(c);
    c->setRange(min, max);
    c->setValue(value);
}
inline void Put(QComboBox* c, int index) {
    const QSignalBlocker quiet(c);
    c->setCurrentIndex(index);
}

}  // namespace kv

#pragma once
// What a window laid out in a Qt Designer file needs beside setupUi: the elements of its
// control arrays under their array names, and boxes that keep their place while hidden.
#include <QSizePolicy>
#include <QWidget>

#include "ui/host/WindowBits.h"

namespace kv {

// Element i of a control array: the layout file names it "name_i" (uic needs an identifier),
// the window "name(i)". T must have a meta-object of its own (Q_OBJECT).
template <class T>
T* TakeElement(QWidget* window, const char* name, int i) {
    T* c = window->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
    Q_ASSERT(c);
    c->setObjectName(ElementName(name, i));
    return c;
}

// A control that the window hides and shows keeps its place in the layout, so that the window
// keeps its size and its other controls stay where they are.
inline void KeepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

}  // namespace kv

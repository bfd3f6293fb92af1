#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "ui/text/frmShowMessage.h"

namespace kv {
namespace {

TEST(frmShowMessage, FitsAOneWordNoteAndKeepsItForTheNextShow) {
    frmShowMessage note;
    EXPECT_EQ(note.ShowNote(false, std::nullopt), 0);  // hiding a hidden note does nothing
    EXPECT_EQ(note.ShowNote(true, std::string("Loading")), 0);
    EXPECT_TRUE(note.isVisible());
    EXPECT_EQ(note.width(), note.lblMessage->width() + 16);
    EXPECT_EQ(note.height(), note.lblMessage->height() + 3);
    EXPECT_TRUE(note.lblMessage->font().bold());
    EXPECT_EQ(note.lblMessage->font().pointSize(), 24);
    // Centred on the desktop by its inside.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(note.geometry().topLeft(), area.center() - QRect(QPoint(), note.size()).center());
    const QSize size = note.size();
    EXPECT_EQ(note.ShowNote(false, std::nullopt), 0);
    EXPECT_FALSE(note.isVisible());
    EXPECT_EQ(note.ShowNote(true, std::nullopt), 0);  // no text: the previous note
    EXPECT_EQ(note.lblMessage->text(), "Loading");
    EXPECT_EQ(note.size(), size);
    note.hide();
}

TEST(frmShowMessage, CannotShowWhileAModalWindowIsOpen) {
    frmShowMessage note;
    QDialog modal;
    int answer = -1;
    bool shown = true;
    QTimer::singleShot(0, &modal, [&] {
        answer = note.ShowNote(true, std::string("Saving"));
        shown = note.isVisible();
        modal.done(0);
    });
    modal.exec();
    EXPECT_NE(answer, 0);
    EXPECT_FALSE(shown);
}

}  // namespace
}  // namespace kv

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/app/NoLanguage.h"

namespace kv {
namespace {

TEST(NoLanguage, SaysSoInAPlainMessageBeforeTheProgramEnds) {
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    ShowNoLanguageMessage();
    EXPECT_EQ(shown, NoLanguageText());
    EXPECT_TRUE(shown.contains("language"));
}

}  // namespace
}  // namespace kv

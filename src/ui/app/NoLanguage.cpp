#include "ui/app/NoLanguage.h"

#include <QMessageBox>

namespace kv {

QString NoLanguageText() {
    return QStringLiteral(
        "Kestrava has no language to speak in: none was chosen in the language changer.\n\n"
        "Start Kestrava again and pick a language by its flag. Kestrava will now end.");
}

void ShowNoLanguageMessage() {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kestrava"), NoLanguageText(), QMessageBox::Ok);
    box.setObjectName("NoLanguage");
    box.exec();
}

}  // namespace kv

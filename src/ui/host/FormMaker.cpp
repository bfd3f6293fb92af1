#include "ui/host/FormMaker.h"

#include <QFont>

namespace kv {

void GiveDesignFont(QWidget* window) {
    if (window->font().resolveMask() & QFont::FamilyResolved) return;
    QFont f = window->font();
    f.setFamily(QStringLiteral("MS Sans Serif"));
    window->setFont(f);
}

}  // namespace kv

#include "ui/host/AppIcon.h"

#include <QIcon>
#include <QPixmap>

#include "platform/Files.h"

namespace kv {

bool SetWindowIcon(QWidget* window, const std::string& picturesPath, const std::string& name) {
    if (!window) return false;
    // A window's owner is the window of its parent; the icon goes to the last of the chain.
    QWidget* top = window->window();
    while (top->parentWidget()) top = top->parentWidget()->window();
    const std::string file = FindFile(picturesPath, name + ".*");
    if (file.empty()) return false;
    const QPixmap picture(QString::fromStdString(file));
    if (picture.isNull()) return false;
    top->setWindowIcon(QIcon(picture));
    return true;
}

}  // namespace kv

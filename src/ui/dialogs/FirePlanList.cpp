#include "ui/dialogs/FirePlanList.h"

#include <QSignalBlocker>

namespace kv {

void ShowPlan(QListWidget* list, const std::vector<std::string>& entries, const std::vector<bool>& selected) {
    const QSignalBlocker block(list);
    bool same = list->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == QString::fromStdString(entries[static_cast<size_t>(i)]);
    if (!same) {
        list->clear();
        for (const std::string& e : entries) list->addItem(QString::fromStdString(e));
    }
    for (int i = 0; i < list->count(); ++i) {
        const bool on = static_cast<size_t>(i) < selected.size() && selected[static_cast<size_t>(i)];
        if (list->item(i)->isSelected() != on) list->item(i)->setSelected(on);
    }
}

std::vector<bool> ShownSelection(const QListWidget* list) {
    std::vector<bool> selected;
    for (int i = 0; i < list->count(); ++i) selected.push_back(list->item(i)->isSelected());
    return selected;
}

void SetUpPlanList(QListWidget* list, bool multiSelect) {
    list->setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection : QAbstractItemView::NoSelection);
    QFont f(QStringLiteral("Monospace"));
    f.setStyleHint(QFont::TypeWriter);
    list->setFont(f);
}

}  // namespace kv

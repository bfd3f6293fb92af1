#pragma once
// The fire dialogs' plan list: a list box of several selectable entries that shows a plan and
// its selection, and tells the selection the player makes.
#include <QListWidget>
#include <string>
#include <vector>

namespace kv {

// Shows the entries with their selection, without signalling; entries already shown keep
// their rows (a redraw in the middle of a click leaves the list's rows in place).
void ShowPlan(QListWidget* list, const std::vector<std::string>& entries, const std::vector<bool>& selected);

// The selection the list shows, entry by entry.
std::vector<bool> ShownSelection(const QListWidget* list);

// Makes `list` a plan list: fixed-pitch entries, several selectable or none.
void SetUpPlanList(QListWidget* list, bool multiSelect);

}  // namespace kv

#pragma once
// The plain message the program gives before it ends when no language was chosen: with no
// language there are no texts of the game to say it in.
#include <QString>

namespace kv {

QString NoLanguageText();
// Shows the message and returns when the player has closed it.
void ShowNoLanguageMessage();

}  // namespace kv

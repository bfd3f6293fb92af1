#pragma once
// The game's own message window as data: which buttons a style shows, which one Enter and
// Escape press, which icon stands beside the text, which letter presses which button, and where
// everything goes. The window only builds what this gives it.
#include <string>
#include <vector>

namespace kv {

// A button of a message style: its answer code and the language key of its caption ("" for
// the literal caption "OK").
struct MessageButton {
    int code;
    const char* captionKey;
};

// The buttons of the style's button set (bits 0-3), left to right.
std::vector<MessageButton> MessageButtons(long style);
// True when the set has a Cancel button, which Escape presses.
bool HasCancelButton(long style);
// The icon of the style (bits 4-7): -1 none, 0 stop, 1 question, 2 exclamation, 3 information.
int MessageIcon(long style);
// The position (0-based) of the default button (bits 8-11), kept inside the set.
int DefaultButtonSlot(long style);
// The answer a letter key gives (O, C, A, R, I, Y, N in either case), when that button is shown;
// 0 for any other key.
int AnswerForKey(char key, const std::vector<MessageButton>& buttons);

// The window's inner layout in twips: the text's left edge (its top is 120), the inner size,
// the top of the button row and the left edge of each button (1152 x 312 twips each).
struct MessageDialogGeometry {
    long labelLeft = 120;
    long innerWidth = 0, innerHeight = 0;
    long buttonTop = 0;
    std::vector<long> buttonLeft;
};
inline constexpr long kMessageButtonWidth = 1152, kMessageButtonHeight = 312;
MessageDialogGeometry LayOutMessageDialog(long labelWidth, long labelHeight, bool icon, size_t buttons);

}  // namespace kv

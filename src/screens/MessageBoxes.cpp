#include "screens/MessageBoxes.h"

#include <algorithm>

#include "state/Port.h"

namespace kv {

std::vector<MessageButton> MessageButtons(long style) {
    switch (style & 15) {
        case kOKCancel: return {{kOK, ""}, {kCancel, "MSGBOX0001"}};
        case kAbortRetryIgnore: return {{kAbort, "MSGBOX0002"}, {kRetry, "MSGBOX0003"}, {kIgnore, "MSGBOX0004"}};
        case kYesNoCancel: return {{kYes, "MSGBOX0005"}, {kNo, "MSGBOX0006"}, {kCancel, "MSGBOX0007"}};
        case kYesNo: return {{kYes, "MSGBOX0008"}, {kNo, "MSGBOX0009"}};
        case kRetryCancel: return {{kRetry, "MSGBOX0010"}, {kCancel, "MSGBOX0011"}};
        default: return {{kOK, ""}};
    }
}

bool HasCancelButton(long style) {
    for (const MessageButton& b : MessageButtons(style))
        if (b.code == kCancel) return true;
    return false;
}

int MessageIcon(long style) {
    const int icon = static_cast<int>((style >> 4) & 15) - 1;
    return icon >= 0 && icon <= 3 ? icon : -1;
}

int DefaultButtonSlot(long style) {
    const int slot = static_cast<int>((style >> 8) & 15);
    const int count = static_cast<int>(MessageButtons(style).size());
    return slot < count ? slot : 0;
}

int AnswerForKey(char key, const std::vector<MessageButton>& buttons) {
    int code = 0;
    switch (key) {
        case 'O':
        case 'o': code = kOK; break;
        case 'C':
        case 'c': code = kCancel; break;
        case 'A':
        case 'a': code = kAbort; break;
        case 'R':
        case 'r': code = kRetry; break;
        case 'I':
        case 'i': code = kIgnore; break;
        case 'Y':
        case 'y': code = kYes; break;
        case 'N':
        case 'n': code = kNo; break;
        default: return 0;
    }
    for (const MessageButton& b : buttons)
        if (b.code == code) return code;
    return 0;
}

MessageDialogGeometry LayOutMessageDialog(long labelWidth, long labelHeight, bool icon, size_t buttons) {
    const long bw = kMessageButtonWidth, bh = kMessageButtonHeight;
    const long n = static_cast<long>(buttons);
    MessageDialogGeometry g;
    // The icon stands at (120, 120), 480 square; the text then starts right of it.
    g.labelLeft = icon ? 120 + 480 + 120 : 120;
    const long iconHeight = icon ? 120 + 480 + 120 + bh + 120 : 0;
    g.innerWidth = g.labelLeft + labelWidth + 120;
    g.innerHeight = std::max(120 + labelHeight + 120 + bh + 120, iconHeight);
    g.innerWidth = std::max(g.innerWidth, (bw + 120) * n + 120);
    g.buttonTop = 120 + labelHeight + 120;
    if (icon) g.buttonTop = std::max(g.buttonTop, 120L + 480 + 120);
    for (long i = 0; i < n; ++i) g.buttonLeft.push_back(g.innerWidth / 2 - n * bw / 2 - 60 * n + i * (bw + 120));
    return g;
}

}  // namespace kv

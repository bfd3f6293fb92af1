#include "state/PlaySurface.h"

namespace kv {

const char* Name(CommandButton button) {
    switch (button) {
        case CommandButton::cmdGame: return "cmdGame";
        case CommandButton::cmdNAV: return "cmdNAV";
        case CommandButton::cmdSRS: return "cmdSRS";
        case CommandButton::cmdLRS: return "cmdLRS";
        case CommandButton::cmdPHA: return "cmdPHA";
        case CommandButton::cmdTOR: return "cmdTOR";
        case CommandButton::cmdSHE: return "cmdSHE";
        case CommandButton::cmdDAM: return "cmdDAM";
        case CommandButton::cmdCOM: return "cmdCOM";
        case CommandButton::cmdPRO: return "cmdPRO";
        case CommandButton::cmdHYP: return "cmdHYP";
        case CommandButton::cmdDES: return "cmdDES";
    }
    return "?";
}

}  // namespace kv

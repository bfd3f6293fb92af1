// The game's windows. A window joins the game with one line below (and its include): the host
// makes it from that line the first time the game refers to it, and start-up makes them all.
// Keep the lines in the order of the Form enum.
#include "ui/main/FormList.h"

#include "explore/windows/frmRespond.h"
#include "explore/windows/frmSSControl.h"
#include "scores/windows/frmSubmitHS.h"
#include "text/windows/frmLanguage.h"
#include "text/windows/frmOutput.h"
#include "text/windows/frmQuiet.h"
#include "text/windows/frmShowMessage.h"

namespace kv {

// The window class and its form share a name.
#define KV_FORM(name) \
    FormEntry { Form::name, &MakeForm<name> }

const std::vector<FormEntry>& FormList() {
    static const std::vector<FormEntry> list = {
        // The window table.
        KV_FORM(frmOutput),
        KV_FORM(frmSSControl),
        // Outside the table.
        KV_FORM(frmRespond),
        KV_FORM(frmSubmitHS),
        KV_FORM(frmQuiet),
        KV_FORM(frmShowMessage),
        KV_FORM(frmLanguage),
    };
    return list;
}

}  // namespace kv

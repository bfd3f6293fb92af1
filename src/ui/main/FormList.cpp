// The game's windows. A window joins the game with one line below (and its include): the host
// makes it from that line the first time the game refers to it, and start-up makes them all.
// Keep the lines in the order of the Form enum.
#include "ui/main/FormList.h"

#include "scores/windows/frmSubmitHS.h"
#include "text/windows/frmLanguage.h"
#include "text/windows/frmOutput.h"
#include "text/windows/frmQuiet.h"
#include "text/windows/frmShowMessage.h"
#include "ui/dialogs/frmDAM.h"
#include "ui/dialogs/frmDES.h"
#include "ui/dialogs/frmLibOptions.h"
#include "ui/dialogs/frmMorvReport.h"
#include "ui/dialogs/frmPHA.h"
#include "ui/dialogs/frmPRO.h"
#include "ui/dialogs/frmRetrofit.h"
#include "ui/dialogs/frmSHE.h"
#include "ui/dialogs/frmStars.h"
#include "ui/dialogs/frmTOR.h"
#include "ui/dialogs/frmTargetCalculator.h"

namespace kv {

// The window class and its form share a name.
#define KV_FORM(name) \
    FormEntry { Form::name, &MakeForm<name> }

const std::vector<FormEntry>& FormList() {
    static const std::vector<FormEntry> list = {
        // The window table.
        KV_FORM(frmOutput),
        KV_FORM(frmTOR),
        KV_FORM(frmPHA),
        KV_FORM(frmSHE),
        KV_FORM(frmRetrofit),
        KV_FORM(frmDAM),
        KV_FORM(frmDES),
        KV_FORM(frmLibOptions),
        KV_FORM(frmPRO),
        KV_FORM(frmStars),
        KV_FORM(frmTargetCalculator),
        // Outside the table.
        KV_FORM(frmMorvReport),
        KV_FORM(frmSubmitHS),
        KV_FORM(frmQuiet),
        KV_FORM(frmShowMessage),
        KV_FORM(frmLanguage),
    };
    return list;
}

}  // namespace kv

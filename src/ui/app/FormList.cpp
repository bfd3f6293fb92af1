// The game's windows. A window joins the game with one line below (and its include): the host,
// handed this list by the program, makes it from that line the first time the game refers to
// it, and start-up makes them all. Keep the lines in the order of the Form enum.
#include "ui/app/FormList.h"

#include "ui/explore/frmRespond.h"
#include "ui/explore/frmSSControl.h"
#include "ui/scores/frmSubmitHS.h"
#include "ui/dialogs/frmBars.h"
#include "ui/dialogs/frmBaseReport.h"
#include "ui/dialogs/frmDamageReport.h"
#include "ui/dialogs/frmGeneralReport.h"
#include "ui/dialogs/frmStatus.h"
#include "ui/dialogs/frmZarvoniReport.h"
#include "ui/main/frmCOM.h"
#include "ui/text/frmLanguage.h"
#include "ui/text/frmOutput.h"
#include "ui/text/frmQuiet.h"
#include "ui/text/frmShowMessage.h"
#include "ui/dialogs/frmDAM.h"
#include "ui/dialogs/frmDES.h"
#include "ui/dialogs/frmFinalReport.h"
#include "ui/dialogs/frmGalaxy.h"
#include "ui/dialogs/frmInfo.h"
#include "ui/dialogs/frmLibOptions.h"
#include "ui/dialogs/frmMorvReport.h"
#include "ui/dialogs/frmNAV.h"
#include "ui/dialogs/frmPHA.h"
#include "ui/dialogs/frmPRO.h"
#include "ui/dialogs/frmQuadSelect.h"
#include "ui/dialogs/frmRetrofit.h"
#include "ui/dialogs/frmSHE.h"
#include "ui/dialogs/frmSRS.h"
#include "ui/dialogs/frmSRSInfo.h"
#include "ui/dialogs/frmStars.h"
#include "ui/dialogs/frmTOR.h"
#include "ui/dialogs/frmTargetCalculator.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmBackground.h"
#include "ui/main/frmCommands.h"
#include "ui/main/frmDifficulty.h"
#include "ui/main/frmEgg.h"
#include "ui/main/frmFile.h"
#include "ui/main/frmGetNumber.h"
#include "ui/main/frmMenu.h"
#include "ui/main/frmMinimize.h"
#include "ui/main/frmOptions.h"
#include "ui/main/frmShip.h"

namespace kv {

// The window class and its form share a name.
#define KV_FORM(name) \
    FormEntry { Form::name, &MakeForm<name> }

const FormEntries& FormList() {
    static const FormEntries list = {
        // The window table.
        KV_FORM(frmOutput),
        KV_FORM(frmBaseReport),
        KV_FORM(frmDamageReport),
        KV_FORM(frmCommands),
        KV_FORM(frmCOM),
        KV_FORM(frmZarvoniReport),
        KV_FORM(frmGalaxy),
        KV_FORM(frmGeneralReport),
        KV_FORM(frmOptions),
        KV_FORM(frmStatus),
        KV_FORM(frmSRS),
        KV_FORM(frmTOR),
        KV_FORM(frmPHA),
        KV_FORM(frmSHE),
        KV_FORM(frmRetrofit),
        KV_FORM(frmDAM),
        KV_FORM(frmDES),
        KV_FORM(frmDifficulty),
        KV_FORM(frmLibOptions),
        KV_FORM(frmInfo),
        KV_FORM(frmMenu),
        KV_FORM(frmNAV),
        KV_FORM(frmPRO),
        KV_FORM(frmQuadSelect),
        KV_FORM(frmSSControl),
        KV_FORM(frmBars),
        KV_FORM(frmStars),
        KV_FORM(frmSRSInfo),
        KV_FORM(frmTargetCalculator),
        KV_FORM(frmFinalReport),
        KV_FORM(frmBackground),
        // Outside the table.
        KV_FORM(frmShip),
        KV_FORM(frmFile),
        KV_FORM(frmGetNumber),
        KV_FORM(frmMinimize),
        KV_FORM(frmAbout),
        KV_FORM(frmEgg),
        KV_FORM(frmMorvReport),
        KV_FORM(frmRespond),
        KV_FORM(frmSubmitHS),
        KV_FORM(frmQuiet),
        KV_FORM(frmShowMessage),
        KV_FORM(frmLanguage),
    };
    return list;
}

}  // namespace kv

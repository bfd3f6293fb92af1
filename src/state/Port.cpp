#include "state/Port.h"

namespace kv {

int CloseAnswer(long style) {
    switch (style & 7) {
        case kOKCancel:
        case kYesNoCancel:
        case kRetryCancel: return kCancel;
        case kYesNo: return kNo;
        case kAbortRetryIgnore: return kIgnore;
        default: return kOK;
    }
}

// Names of the port's views, windows and timers, for logs and test transcripts.
const char* Name(Form value) {
    switch (value) {
        case Form::frmOutput: return "frmOutput";
        case Form::frmBaseReport: return "frmBaseReport";
        case Form::frmDamageReport: return "frmDamageReport";
        case Form::frmCommands: return "frmCommands";
        case Form::frmCOM: return "frmCOM";
        case Form::frmZarvoniReport: return "frmZarvoniReport";
        case Form::frmGalaxy: return "frmGalaxy";
        case Form::frmGeneralReport: return "frmGeneralReport";
        case Form::frmOptions: return "frmOptions";
        case Form::frmStatus: return "frmStatus";
        case Form::frmSRS: return "frmSRS";
        case Form::frmTOR: return "frmTOR";
        case Form::frmPHA: return "frmPHA";
        case Form::frmSHE: return "frmSHE";
        case Form::frmRetrofit: return "frmRetrofit";
        case Form::frmDAM: return "frmDAM";
        case Form::frmDES: return "frmDES";
        case Form::frmDifficulty: return "frmDifficulty";
        case Form::frmLibOptions: return "frmLibOptions";
        case Form::frmInfo: return "frmInfo";
        case Form::frmMenu: return "frmMenu";
        case Form::frmNAV: return "frmNAV";
        case Form::frmPRO: return "frmPRO";
        case Form::frmQuadSelect: return "frmQuadSelect";
        case Form::frmSSControl: return "frmSSControl";
        case Form::frmBars: return "frmBars";
        case Form::frmStars: return "frmStars";
        case Form::frmSRSInfo: return "frmSRSInfo";
        case Form::frmTargetCalculator: return "frmTargetCalculator";
        case Form::frmFinalReport: return "frmFinalReport";
        case Form::frmBackground: return "frmBackground";
        case Form::frmShip: return "frmShip";
        case Form::frmFile: return "frmFile";
        case Form::frmGetNumber: return "frmGetNumber";
        case Form::frmMinimize: return "frmMinimize";
        case Form::frmAbout: return "frmAbout";
        case Form::frmEgg: return "frmEgg";
        case Form::frmMorvReport: return "frmMorvReport";
        case Form::frmRespond: return "frmRespond";
        case Form::frmSubmitHS: return "frmSubmitHS";
        case Form::frmQuiet: return "frmQuiet";
        case Form::frmShowMessage: return "frmShowMessage";
        case Form::frmLanguage: return "frmLanguage";
    }
    return "?";
}

const char* Name(View value) {
    switch (value) {
        case View::CommandBar: return "CommandBar";
        case View::WindowPositions: return "WindowPositions";
        case View::OutputFont: return "OutputFont";
        case View::OptionsWindow: return "OptionsWindow";
        case View::LibOptions: return "LibOptions";
        case View::SrsIcons: return "SrsIcons";
        case View::SrsColors: return "SrsColors";
        case View::Background: return "Background";
        case View::UpgradeIndicators: return "UpgradeIndicators";
        case View::UpgradeInitials: return "UpgradeInitials";
        case View::MorvTimer: return "MorvTimer";
        case View::Condition: return "Condition";
        case View::Lamps: return "Lamps";
        case View::StarbaseLine: return "StarbaseLine";
        case View::RetrofitPanel: return "RetrofitPanel";
        case View::ShortRangeScan: return "ShortRangeScan";
        case View::GalaxyChart: return "GalaxyChart";
        case View::Bars: return "Bars";
        case View::CommandState: return "CommandState";
        case View::GeneralReport: return "GeneralReport";
        case View::BaseReport: return "BaseReport";
        case View::ZarvoniReport: return "ZarvoniReport";
        case View::DamageReport: return "DamageReport";
        case View::StatusPanel: return "StatusPanel";
        case View::SSConsole: return "SSConsole";
        case View::SSSystemView: return "SSSystemView";
        case View::SSPlanetView: return "SSPlanetView";
        case View::SSSpectrum: return "SSSpectrum";
        case View::ComputerPanel: return "ComputerPanel";
        case View::TargetCalculator: return "TargetCalculator";
        case View::PhaserPlan: return "PhaserPlan";
        case View::TorpedoPlan: return "TorpedoPlan";
        case View::ProbeDialog: return "ProbeDialog";
    }
    return "?";
}

const char* Name(Timer value) {
    switch (value) {
        case Timer::frmSRS_tmrMorvTractor: return "frmSRS_tmrMorvTractor";
        case Timer::frmSRS_tmrShield: return "frmSRS_tmrShield";
        case Timer::frmGalaxy_tmrBlink: return "frmGalaxy_tmrBlink";
        case Timer::frmStatus_tmrBlink: return "frmStatus_tmrBlink";
        case Timer::frmRetrofit_tmrBlink: return "frmRetrofit_tmrBlink";
        case Timer::frmCOM_tmrTC: return "frmCOM_tmrTC";
        case Timer::frmSSControl_tmrMessage: return "frmSSControl_tmrMessage";
        case Timer::frmBackground_tmrScroll: return "frmBackground_tmrScroll";
        case Timer::frmBackground_tmrNoMorv: return "frmBackground_tmrNoMorv";
        case Timer::frmDES_tmrCount: return "frmDES_tmrCount";
        case Timer::frmShip_tmrAnimation: return "frmShip_tmrAnimation";
        case Timer::frmMenu_tmrBreak: return "frmMenu_tmrBreak";
        case Timer::frmMenu_tmrSavedGame: return "frmMenu_tmrSavedGame";
        case Timer::frmTargetCalculator_tmrCheckSRS: return "frmTargetCalculator_tmrCheckSRS";
        case Timer::frmTargetCalculator_tmrCheckCOM: return "frmTargetCalculator_tmrCheckCOM";
        case Timer::frmFinalReport_tmrMenu: return "frmFinalReport_tmrMenu";
        case Timer::frmMorvReport_tmrAnim: return "frmMorvReport_tmrAnim";
        case Timer::frmSSControl_tmrFlag: return "frmSSControl_tmrFlag";
    }
    return "?";
}

Form TimerOwner(Timer timer) {
    switch (timer) {
        case Timer::frmSRS_tmrMorvTractor:
        case Timer::frmSRS_tmrShield: return Form::frmSRS;
        case Timer::frmGalaxy_tmrBlink: return Form::frmGalaxy;
        case Timer::frmStatus_tmrBlink: return Form::frmStatus;
        case Timer::frmRetrofit_tmrBlink: return Form::frmRetrofit;
        case Timer::frmCOM_tmrTC: return Form::frmCOM;
        case Timer::frmSSControl_tmrMessage:
        case Timer::frmSSControl_tmrFlag: return Form::frmSSControl;
        case Timer::frmBackground_tmrScroll:
        case Timer::frmBackground_tmrNoMorv: return Form::frmBackground;
        case Timer::frmDES_tmrCount: return Form::frmDES;
        case Timer::frmShip_tmrAnimation: return Form::frmShip;
        case Timer::frmMenu_tmrBreak:
        case Timer::frmMenu_tmrSavedGame: return Form::frmMenu;
        case Timer::frmTargetCalculator_tmrCheckSRS:
        case Timer::frmTargetCalculator_tmrCheckCOM: return Form::frmTargetCalculator;
        case Timer::frmFinalReport_tmrMenu: return Form::frmFinalReport;
        case Timer::frmMorvReport_tmrAnim: return Form::frmMorvReport;
    }
    return Form::frmOutput;
}

const char* Name(SectorMarker value) {
    switch (value) {
        case SectorMarker::ZarvoniShield: return "ZarvoniShield";
        case SectorMarker::StarbaseShield: return "StarbaseShield";
        case SectorMarker::MorvShield: return "MorvShield";
    }
    return "?";
}

}  // namespace kv

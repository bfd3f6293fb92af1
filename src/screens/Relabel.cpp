#include "screens/Relabel.h"

#include <chrono>

namespace kv {
namespace {

using P = LabelProperty;

class TableBuilder {
public:
    explicit TableBuilder(std::vector<RelabelRow>& rows) : rows_(rows) {}
    TableBuilder& On(Form window) {
        window_ = window;
        return *this;
    }
    // The window's own caption.
    TableBuilder& Window(const std::string& key) { return Add("", P::Caption, 0, key); }
    TableBuilder& Caption(const std::string& control, const std::string& key) {
        return Add(control, P::Caption, 0, key);
    }
    // Element i of a control array, or menu item number i.
    TableBuilder& Caption(const std::string& control, int i, const std::string& key) {
        return Add(Element(control, i), P::Caption, 0, key);
    }
    TableBuilder& Tab(const std::string& control, int tab, const std::string& key) {
        return Add(control, P::TabCaption, tab, key);
    }
    TableBuilder& Item(const std::string& control, int item, const std::string& key) {
        return Add(control, P::ListItem, item, key);
    }
    TableBuilder& Add(const std::string& control, P property, int index, const std::string& key) {
        rows_.push_back({window_, control, property, index, key});
        return *this;
    }
    static std::string Element(const std::string& control, int i) { return control + "(" + std::to_string(i) + ")"; }

private:
    std::vector<RelabelRow>& rows_;
    Form window_ = Form::frmOutput;
};

std::string K(const char* prefix, int i) { return prefix + std::to_string(i); }

std::vector<RelabelRow> BuildTable() {
    std::vector<RelabelRow> rows;
    rows.reserve(kRelabelLookups);
    TableBuilder t(rows);

    t.On(Form::frmMorvReport);
    for (int i = 0; i <= 10; i += 2) t.Add(TableBuilder::Element("lblAnim", i), P::HiddenText, 0, K("Mvrpt", i));
    t.Caption("cmdClose", "MvrptClose");

    t.On(Form::frmBaseReport);
    for (int i = 0; i <= 3; ++i) t.Caption("lblUnknown", i, "SbrptUnk");
    t.Window("SbrptCap");

    t.On(Form::frmCOM)
        .Window("COMCap")
        .Caption("cmdTargetCalculator", "COMTC")
        .Caption("cmdTorpedoFire", "COMFT")
        .Caption("cmdPhaserFire", "COMFP")
        .Caption("cmdDockAtStarbase", "COMDS")
        .Caption("cmdGalaticRecord", "COMGR")
        .Caption("cmdLibOptions", "COMLO");

    t.On(Form::frmCommands)
        .Window("CommandsCap")
        .Caption("cmdGame", "CommandsGame")
        .Caption("mnuLoad", "CommandsLoad")
        .Caption("mnuSave", "CommandsSave")
        .Caption("mnuMenu", "CommandsMenu")
        .Caption("mnuOptions", "CommandsOpt")
        .Caption("mnuHelp", "CommandsHelp")
        .Caption("mnuQuit", "CommandsQuit");

    t.On(Form::frmDAM).Window("DamCap").Caption("lblEnergyTrans", "DamTrans").Caption("lblAvail", "DamEnergy");

    t.On(Form::frmDifficulty)
        .Window("DiffCap")
        .Caption("lblSkill", "DiffSkill")
        .Caption("lblLength", "DiffLength")
        .Caption("lblName", "DiffName")
        .Caption("lblMissionType", "DiffMisType")
        .Caption("chkUpgrades", "DiffUpg")
        .Caption("cmdOK", "OK");
    for (int i = 0; i <= 3; ++i) t.Item("cboMissionType", i, K("DiffMis", i));

    t.On(Form::frmDamageReport).Window("DmgrptCap").Caption("lblSysName", "DmgrptSys").Caption("lblETR", "DmgrptTime");

    t.On(Form::frmEgg).Caption("Label1", "EggMsg");

    t.On(Form::frmFile).Window("FileCap");

    t.On(Form::frmGalaxy);
    for (int i = 1; i <= 4; ++i) t.Tab("tabDisplay", i, K("GalaxyTab", i - 1));

    t.On(Form::frmGetNumber).Caption("cmdOK", "OK").Caption("cmdCancel", "Cancel");

    t.On(Form::frmGeneralReport).Window("GrptCap");
    for (int n = 0; n <= 3; ++n)
        for (int k = 1; k <= (n == 3 ? 4 : 5); ++k)
            t.Caption(K("LabelM", k), n, "Grpt" + std::to_string(n) + "M" + std::to_string(k));
    t.Caption("fraRes", "GrptRes").Caption("fraInfo", "GrptInf").Caption("Label1", "GrptEn").Caption("Label2", "GrptSh");
    for (int i = 0; i <= 3; ++i) t.Caption("fraMission", i, "GrptMis");
    t.Caption("Label3", "GrptTEn")
        .Caption("Label4", "GrptTor")
        .Caption("Label5", "GrptPro")
        .Caption("Label6", "GrptQuad")
        .Caption("Label7", "GrptSect")
        .Caption("Label8", "GrptSkill")
        .Caption("Label9", "GrptRating");

    t.On(Form::frmZarvoniReport)
        .Window("ZrptCap")
        .Caption("lblSect", "ZrptSect")
        .Caption("lblStr", "ZrptStr")
        .Caption("lblSta", "ZrptSta");

    t.On(Form::frmLibOptions)
        .Window("LCOCap")
        .Caption("lblWarning", "LCOWarning")
        .Tab("TabStrip1", 1, "LCOShTitle")
        .Caption("Frame1", "LCOShDef")
        .Caption("Frame2", "LCOShFreq")
        .Caption("Frame3", "LCOShReserve");
    for (int i = 0; i <= 2; ++i) {
        t.Caption("optShLevel", i + 1, K("LCOShDef", i));
        t.Caption("optShFrequency", i, K("LCOShFreq", i));
    }
    for (int i = 0; i <= 2; ++i) {
        t.Caption("optTZ", i, K("LCOTorDef", i));
        t.Caption("optTZSB", i, K("LCOTorZSB", i));
    }
    t.Tab("TabStrip1", 2, "LCOTorTitle")
        .Caption("Frame7", "LCOTorDef")
        .Caption("chkTZSB", "LCOTorZSB")
        .Caption("chkTZSBdisabled", "LCOTorZSBDis")
        .Caption("chkTS", "LCOTorSp");
    for (int i = 0; i <= 1; ++i) t.Caption("optTS", i, K("LCOTorSp", i));
    t.Caption("lblSit", "LCOTorSit").Tab("TabStrip1", 3, "LCOPhaTitle").Caption("Frame4", "LCOPhaDef");
    for (int i = 0; i <= 1; ++i) t.Caption("optPK", i, K("LCOPhaDef", i));
    t.Caption("chkPZSB", "LCOPhaZSB").Caption("cmdOK", "OK").Caption("cmdCancel", "Cancel").Caption("cmdApply", "Apply");

    t.On(Form::frmMenu)
        .Window("MenuCap")
        .Caption("lblSkill", "DiffSkill")
        .Caption("lblLength", "DiffLength")
        .Caption("lblName", "DiffName")
        .Caption("lblMissionType", "DiffMisType")
        .Caption("chkUpgrades", "DiffUpg")
        .Caption("mnuGame", 100, "MGame");
    for (int i = 0; i <= 3; ++i) t.Item("cboMissionType", i, K("DiffMis", i));
    t.Caption("mnuGNew", 110, "MGNew")
        .Caption("mnuGResume", 115, "MGResume")
        .Caption("mnuGLoad", 120, "MGLoad")
        .Caption("mnuGSave", 130, "MGSave")
        .Caption("mnuGEndMission", 140, "MGEnd")
        .Caption("mnuGExit", 190, "MGExit");
    for (int i = 1; i <= 3; ++i) t.Caption("mnuHHelpType", i, K("MHType", i));
    t.Caption("mnuHelp", 999, "MHelp")
        .Caption("mnuHKVHelp", "MHKV")
        .Caption("mnuHAbout", 997, "MHAbout")
        .Caption("lblName", "MenuName")
        .Caption("lblMissionType", "MenuMisType")
        .Caption("chkUpgrades", "MenuUpg");
    for (int i = 0; i <= 3; ++i) t.Item("cboMissionType", i, K("MenuMis", i));
    t.Caption("lblSkill", "MenuSkill").Caption("lblLength", "MenuLen");

    t.On(Form::frmNAV)
        .Window("NavCap")
        .Caption("fraCourse", "NavCrs")
        .Caption("fraWarpFactor", "NavWarp")
        .Caption("cmdAuto", "NavAuto")
        .Caption("cmdAccept", "Accept")
        .Caption("cmdCancel", "Cancel");

    t.On(Form::frmOptions)
        .Window("OptCap")
        .Caption("optColor", "OptSolid")
        .Caption("optPicture", "OptPic")
        .Caption("optNone", "OptNone")
        .Caption("cmdSelectColor", "OptSelect")
        .Add("cmdSelectPicture", P::ToolTip, 0, "OptSelect")
        .Caption("cmdAll", "OptAll");
    for (int i = 1; i <= 6; ++i) t.Tab("TabStrip1", i, K("OptTab", i));
    t.Caption("Frame5", "OptCB")
        .Caption("Frame4", "OptSR")
        .Caption("optLong", "OptCBLong")
        .Caption("optTall", "OptCBTall")
        .Caption("chkGeneral", "OptSRG")
        .Caption("chkDamage", "OptSRD")
        .Caption("chkZarvoni", "OptSRZ")
        .Caption("chkStarbase", "OptSRS")
        .Caption("chkKeepTech", "OptKeepTech")
        .Caption("chkNotes", "OptSaveNotes")
        .Caption("chkSound", "OptSound")
        .Caption("chkSuppress", "OptTheme")
        .Caption("chkNameConfig", "OptConfig")
        .Caption("lblConfigNameLabel", "OptCurName")
        .Caption("Frame1", "OptFS")
        .Caption("lblPreviewSize", "OptFSA")
        .Caption("Frame2", "OptFSty")
        .Caption("chkBold", "OptFStyBold")
        .Caption("chkItalics", "OptFStyItalics")
        .Caption("Frame3", "OptClr")
        .Caption("cmdSelFore", "OptClrPick")
        .Caption("cmdSelBack", "OptClrPick")
        .Caption("lblFore", "OptClrFG")
        .Caption("lblBack", "OptClrBG")
        .Caption("cmdClear", "OptClear")
        .Caption("cmdOK", "OK")
        .Caption("cmdCancel", "Cancel")
        .Caption("cmdApply", "Apply")
        .Caption("optCustom", "OptCBCustom");
    for (int i = 0; i <= 16; ++i) t.Caption("chkMessage", i, K("OptMsg", i));

    t.On(Form::frmOutput).Window("OutCap").Caption("mnuSave", "OutSave").Caption("mnuPrint", "OutPrint");

    t.On(Form::frmPHA)
        .Window("PhaCap")
        .Caption("cmdAdd", "PhaAdd")
        .Caption("cmdRemove", "PhaRem")
        .Caption("cmdClearAll", "PhaClear")
        .Caption("cmdInfo", "PhaInfo")
        .Caption("cmdSelectAll", "PhaSelect")
        .Caption("cmdKill", "PhaKill")
        .Caption("cmdDisable", "PhaDis")
        .Caption("cmdOther", "PhaOther")
        .Caption("cmdAccept", "Accept")
        .Caption("cmdAutoTarget", "PhaAuto")
        .Caption("cmdCancel", "Cancel")
        .Caption("lblTotal", "PhaTotal");

    t.On(Form::frmPRO)
        .Window("ProCap")
        .Caption("fraCourse", "ProCourse")
        .Caption("lblProbesLeft", "ProLeft")
        .Caption("cmdAccept", "Accept")
        .Caption("cmdCancel", "Cancel");

    t.On(Form::frmRespond).Window("SendCap").Caption("cmdSend", "SendMsg").Caption("cmdClose", "Close");

    t.On(Form::frmRetrofit).Window("RetCap");
    for (int i = 0; i <= 4; ++i) t.Caption("lblButtonText", i, K("RetName", i));

    t.On(Form::frmSHE)
        .Window("SheCap")
        .Caption("cmdMax", "SheMax")
        .Caption("cmdHalf", "SheHalf")
        .Caption("cmdDrop", "SheDrop")
        .Caption("cmdAuto", "SheAuto")
        .Caption("cmdAccept", "Accept")
        .Caption("cmdCancel", "Cancel");

    t.On(Form::frmSRS).Window("SRSCap");

    t.On(Form::frmStars)
        .Window("StarCap")
        .Caption("Label1", "StarSys")
        .Caption("Label2", "StarQ")
        .Caption("Label3", "StarS")
        .Caption("Label4", "StarLV")
        .Caption("optAlph", "StarSortA")
        .Caption("optLoc", "StarSortL")
        .Caption("cmdInfo", "StarInfo")
        .Caption("cmdAccept", "Accept")
        .Caption("cmdCancel", "Cancel");

    t.On(Form::frmStatus)
        .Window("StatusCap")
        .Add("pnlAttackBase", P::Tag, 0, "StatusAOB")
        .Add("pnlZarvoni", P::Tag, 0, "StatusZP")
        .Add("pnlDamage", P::Tag, 0, "StatusDM")
        .Add("pnlDocked", P::Tag, 0, "StatusDK")
        .Add("pnlBaseCaptured", P::Tag, 0, "StatusZBC")
        .Add("pnlTimeLow", P::Tag, 0, "StatusTC");

    t.On(Form::frmTargetCalculator)
        .Window("TCCap")
        .Caption("fraBase", "TCSB")
        .Caption("cmdNearestBase", "TCClosest")
        .Caption("fraLRS", "TCLRS")
        .Caption("cmdZarvonis", "Enemys")
        .Caption("cmdStars", "TCStars")
        .Caption("cmdSafety", "TCSafety")
        .Caption("fraOther", "TCOther")
        .Caption("optPrev", "TCPrev")
        .Caption("cmdStarCharts", "TCStarList")
        .Caption("cmdClosestSector", "TCClosest")
        .Caption("Label1", "TCTarget")
        .Caption("cmdHelp", "TCHelp")
        .Caption("cmdAccept", "Accept")
        .Caption("cmdCancel", "Cancel");

    t.On(Form::frmTOR)
        .Window("TorCap")
        .Caption("cmdAdd", "TorAdd")
        .Caption("cmdEdit", "TorEdit")
        .Caption("cmdRemove", "TorRem")
        .Caption("cmdClearAll", "TorClr")
        .Caption("cmdInfo", "TorInfo")
        .Caption("cmdSwitchClass", "TorSwitch")
        .Caption("cmdAutoTarget", "TorAuto")
        .Caption("cmdAccept", "Accept")
        .Caption("cmdCancel", "Cancel");

    t.On(Form::frmSSControl)
        .Window("SSCCap")
        .Caption("lblSystemNotes", "SSCNotes")
        .Caption("lblCommands", "SSCCom")
        .Caption("cmdEnterOrbit", "SSCOrbit")
        .Caption("cmdLeaveOrbit", "SSCLeave")
        .Caption("cmdHail", "SSCHail")
        .Caption("cmdBeam", "SSCBeam")
        .Caption("cmdEnergy", "SSCEnergy")
        .Caption("cmdExit", "SSCExit")
        .Caption("cmdPhaser", "SSCPhaser")
        .Caption("cmdPhoton", "SSCPhoton")
        .Caption("cmdShields", "SSCShields")
        .Caption("cmdRespond", "SSCRespond")
        .Caption("cmdIgnore", "SSCIgnore")
        .Caption("cmdRecord", "SSCRecord")
        .Caption("cmdReset", "SSCReset");

    t.On(Form::frmMenu).Caption("mnuGOptions", 150, "MGOpt");

    t.On(Form::frmBaseReport).Caption("lblQ", "BaseQ").Caption("lblStr", "BaseStr").Caption("lblSta", "BaseSta");

    t.On(Form::frmGalaxy).Window("GalaxyCap");

    t.On(Form::frmCommands)
        .Caption("cmdNAV", "Command1")
        .Caption("cmdSRS", "Command2")
        .Caption("cmdLRS", "Command3")
        .Caption("cmdPHA", "Command4")
        .Caption("cmdTOR", "Command5")
        .Caption("cmdSHE", "Command6")
        .Caption("cmdDAM", "Command7")
        .Caption("cmdCOM", "Command8")
        .Caption("cmdPRO", "Command9")
        .Caption("cmdHYP", "CommandHyp")
        .Caption("cmdDES", "CommandDes");

    t.On(Form::frmCOM).Caption("chkLRS", "Command3").Caption("chkSHE", "Command6");

    t.On(Form::frmBaseReport).Caption("lblNum", 0, "Z");

    t.On(Form::frmSRSInfo).Caption("cmdOK", "OK");

    t.On(Form::frmFile)
        .Caption("cmdOK", "OK")
        .Caption("cmdCancel", "Cancel")
        .Caption("cmdDelete", "Delete")
        .Caption("pnlDate", "Date")
        .Caption("pnlTime", "Time");

    t.On(Form::frmFinalReport).Caption("Cover", "FinalDes");

    t.On(Form::frmOptions);
    for (int i = 0; i <= 3; ++i) t.Caption("optSRSPic", i, K("OptSRSPic", i));
    t.Caption("chkLarge", "OptSRSLarge")
        .Caption("chkCoord", "OptSRSCoord")
        .Caption("chkReserved", "OptSRSRes")
        .Caption("fraDispOpt", "OptSRSDO")
        .Caption("fraPicQual", "OptSRSPQ");

    t.On(Form::frmAbout).Caption("cmdOK", "OK");
    return rows;
}

}  // namespace

const char* Name(LabelProperty property) {
    switch (property) {
        case P::Caption: return "Caption";
        case P::HiddenText: return "HiddenText";
        case P::Tag: return "Tag";
        case P::ToolTip: return "ToolTip";
        case P::TabCaption: return "TabCaption";
        case P::ListItem: return "ListItem";
    }
    return "?";
}

const std::vector<RelabelRow>& RelabelTable() {
    static const std::vector<RelabelRow> table = BuildTable();
    return table;
}

std::vector<LabelAssignment> RelabelAssignments(Game& g, const std::function<bool(Form)>& windowExists,
                                                const std::function<void()>& step) {
    std::vector<LabelAssignment> out;
    out.reserve(kRelabelLookups + 6);
    for (const RelabelRow& row : RelabelTable()) {
        if (step) step();
        if (!windowExists(row.window)) continue;
        out.push_back({row.window, row.control, row.property, row.index, g.Text(row.key)});
    }
    if (windowExists(Form::frmFinalReport)) out.push_back({Form::frmFinalReport, "Title", P::Caption, 0, g.st.ShipPrefix});
    if (windowExists(Form::frmBars))
        for (const char* label : {"lblEN", "lblSH", "lblPT", "lblTI", "lblMI"})
            out.push_back({Form::frmBars, label, P::Caption, 0, ""});
    return out;
}

std::optional<std::string> ReplacementFont(const std::string& current, bool isWindow, const std::string& font,
                                           const std::string& serifFont) {
    if (current == "MS Sans Serif") return font;
    if (isWindow) return std::nullopt;
    if (current == "Arial") return font;
    if (current == "Times New Roman") return serifFont;
    return std::nullopt;
}

void ApplyLanguage(Game& g, RelabelSurface& surface) {
    const auto start = std::chrono::steady_clock::now();
    surface.ProcessEvents();
    surface.SetLoadingFont(g.Text("Font"));
    const std::string loading = g.Text("Loading");
    const std::string language = g.Text("Language");
    if (!loading.empty()) {
        surface.ShowLoading(loading, language, kRelabelLookups);
        int progress = 0;
        const auto assignments =
            RelabelAssignments(g, [&](Form f) { return surface.WindowExists(f); }, [&] { surface.SetProgress(++progress); });
        for (const LabelAssignment& a : assignments) surface.Assign(a);
    }
    surface.ReplaceFonts(g.Text("Font"), g.Text("SFont"));
    surface.BringBackgroundToFront();
    surface.ProcessEvents();
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (elapsed < 2.0) g.host.Wait(2.0 - elapsed);
}

}  // namespace kv

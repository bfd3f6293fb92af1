#include "ui/dialogs/frmGeneralReport.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "engine/turn/Condition.h"
#include "screens/dialogs/Reports.h"
#include "state/DisplayData.h"
#include "ui/dialogs/frmDamageReport.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"

namespace kv {
namespace {
constexpr int kLine = 19;
constexpr int kConditionTop = 14 + 6 * kLine, kMissionTop = kConditionTop + kLine + 12, kMissionHeight = 7 * kLine + 4;
constexpr int kUpgradesTop = kMissionTop + kMissionHeight + 6, kUpgradesHeight = 34;
constexpr int kWidth = 420, kHeight = kUpgradesTop + kUpgradesHeight + 6;

QLabel* Label(QWidget* parent, const QString& name, const QString& text, int x, int y, int w,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(align);
    l->setGeometry(x, y, w, kLine - 2);
    return l;
}
QString Colour(long bgr) { return ColourOf(bgr).name(); }
}  // namespace

frmGeneralReport::frmGeneralReport(Game& g, QtHost& host, QWidget* parent)
    : ReportWindow(g, host, Form::frmGeneralReport, parent) {
    setObjectName("frmGeneralReport");
    setWindowTitle(QStringLiteral("General Status Report"));
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    // Resources and information, side by side.
    const int half = (kWidth - 18) / 2;
    fraRes = new QGroupBox(QStringLiteral("Resources"), this);
    fraRes->setObjectName("fraRes");
    fraRes->setGeometry(6, 4, half, 6 * kLine + 8);
    fraInfo = new QGroupBox(QStringLiteral("Information"), this);
    fraInfo->setObjectName("fraInfo");
    fraInfo->setGeometry(12 + half, 4, half, 6 * kLine + 8);
    const int cap = half - 70, val = half - 66;
    Label(fraRes, "Label1", QStringLiteral("Energy:"), 8, 20, cap);
    Label(fraRes, "Label2", QStringLiteral("Shields:"), 8, 20 + kLine, cap);
    Label(fraRes, "Label3", QStringLiteral("Total energy:"), 8, 20 + 2 * kLine, cap);
    Label(fraRes, "Label4", QStringLiteral("Photon torpedoes:"), 8, 20 + 3 * kLine, cap);
    Label(fraRes, "Label5", QStringLiteral("Probes:"), 8, 20 + 4 * kLine, cap);
    lblEN = Label(fraRes, "lblEN", QStringLiteral("0"), val, 20, 58, right);
    lblSH = Label(fraRes, "lblSH", QStringLiteral("0"), val, 20 + kLine, 58, right);
    lblENSH = Label(fraRes, "lblENSH", QStringLiteral("0"), val, 20 + 2 * kLine, 58, right);
    lblPT = Label(fraRes, "lblPT", QStringLiteral("0"), val, 20 + 3 * kLine, 58, right);
    lblPO = Label(fraRes, "lblPO", QStringLiteral("0"), val, 20 + 4 * kLine, 58, right);
    Label(fraInfo, "Label6", QStringLiteral("Quadrant:"), 8, 20, cap);
    Label(fraInfo, "Label7", QStringLiteral("Sector:"), 8, 20 + kLine, cap);
    Label(fraInfo, "Label8", QStringLiteral("Skill level:"), 8, 20 + 2 * kLine, cap);
    Label(fraInfo, "Label9", QStringLiteral("Rating:"), 8, 20 + 4 * kLine, cap);
    lblQ = Label(fraInfo, "lblQ", {}, val, 20, 58, right);
    lblS = Label(fraInfo, "lblS", {}, val, 20 + kLine, 58, right);
    lblSkill = Label(fraInfo, "lblSkill", {}, val, 20 + 2 * kLine, 58, right);
    lblLength = Label(fraInfo, "lblLength", {}, 8, 20 + 3 * kLine, half - 16, right);
    lblScore = Label(fraInfo, "lblScore", QStringLiteral("---.-%"), val, 20 + 4 * kLine, 58, right);

    // The condition box.
    const int condTop = kConditionTop;
    shpCond = new StatusBox(this, "shpCond");
    shpCond->setGeometry(6, condTop, kWidth - 12, kLine + 6);
    shpCond->paint = [this](QPainter& p) {
        p.fillRect(shpCond->rect(), ColourOf(PaintCondition(g_.st).back));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(shpCond->rect().adjusted(0, 0, -1, -1));
    };
    lblCond = Label(shpCond, "lblCond", {}, 3, 3, kWidth - 18, Qt::AlignCenter);
    QFont bold = lblCond->font();
    bold.setBold(true);
    lblCond->setFont(bold);

    // The mission frames, one on top of the other.
    const int missionTop = kMissionTop;
    for (int n = 0; n < 4; ++n) {
        QGroupBox* f = fraMission[n] = new QGroupBox(QStringLiteral("Mission"), this);
        f->setObjectName(QStringLiteral("fraMission(%1)").arg(n));
        f->setGeometry(6, missionTop, kWidth - 12, kMissionHeight);
        const int capW = kWidth - 110, valX = kWidth - 100;
        int y = 20;
        auto row = [&](int k, QLabel*& value, const char* name) {
            Label(f, QStringLiteral("LabelM%1(%2)").arg(k).arg(n), {}, 8, y, capW);
            value = Label(f, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(n), {}, valX, y, 80, right);
            y += kLine;
        };
        if (n == 2) {
            lblGoalCaption = Label(f, "lblGoalCaption(2)", {}, 8, y, kWidth - 30);
            y += kLine;
            row(1, lblGoal, "lblGoal");
            row(2, lblDone, "lblDone");
            row(3, lblRemaining, "lblRemaining");
            row(4, lblLeft[n], "lblLeft");
            row(5, lblTime[n], "lblTime");
        } else {
            row(1, lblInitial[n], "lblInitial");
            row(2, lblLeft[n], "lblLeft");
            row(3, lblDestroyed[n], "lblDestroyed");
            if (n < 3) row(4, lblCaptured[n], "lblCaptured");
            row(n < 3 ? 5 : 4, lblTime[n], "lblTime");
        }
        f->setVisible(n == 0);
    }

    // The upgrade indicators.
    const int upgradesTop = kUpgradesTop;
    pnlUpgrades = new StatusBox(this, "pnlUpgrades");
    pnlUpgrades->setGeometry(6, upgradesTop, kWidth - 12, kHeight - upgradesTop - 6);
    pnlUpgrades->paint = [this](QPainter& p) {
        const int w = pnlUpgrades->width(), h = pnlUpgrades->height();
        PaintPanel(p, LayOutPanel(p, "", w, h, kEdgeSunken, false), w, h, {}, {});
    };
    pnlUpgrades->click = host.Handler(Form::frmGeneralReport, [this] { pnlUpgrades_Click(); });
    const int cell = (kWidth - 12 - 12) / 5;
    for (int i = 1; i <= 5; ++i) {
        lblUpgrade[i] = new ClickLabel(pnlUpgrades, QStringLiteral("lblUpgrade(%1)").arg(i));
        lblUpgrade[i]->setAlignment(Qt::AlignCenter);
        lblUpgrade[i]->setGeometry(6 + (i - 1) * cell + 4, 4, cell - 8, pnlUpgrades->height() - 8);
        lblUpgrade[i]->setFont(bold);
        lblUpgrade[i]->click = host.Handler(Form::frmGeneralReport, [this, i] { lblUpgrade_Click(i); });
    }
    lblNoUpgrades =
        Label(this, "lblNoUpgrades", QStringLiteral("No Upgrades"), 6, upgradesTop + 6, kWidth - 12, Qt::AlignCenter);

    ApplyOwnLabels(g, Form::frmGeneralReport, this);
    for (View v : {View::GeneralReport, View::Condition, View::UpgradeIndicators, View::UpgradeInitials})
        host.OnView(v, this, [this] { ShowReport(); });
    Form_Load();
    ShowReport();
}

void frmGeneralReport::Form_Load() {
    host_.PlaceBy(Form::frmGeneralReport, this, [this, h = &host_] {
        long sw = 0, sh = 0;
        h->ScreenSizeTwips(sw, sh);
        const WindowPosition damage = DamageReportAt(*h);
        long damageLeft = damage.left, damageWidth = kDamageReportWidth * 15L;
        if (QWidget* w = h->FormWindow(Form::frmDamageReport)) {
            damageLeft = OuterBox(w).left * 15L;
            damageWidth = OuterWidthTwips(w);
        }
        const WindowPosition at = GeneralReportPosition(sw, sh, sw / 15, damageLeft, damageWidth,
                                                        OuterWidthTwips(this), OuterHeightTwips(this));
        PlaceTwips(this, at.left, at.top);
    });
}

void frmGeneralReport::pnlUpgrades_Click() { UpgradesPanelClick(g_); }

void frmGeneralReport::lblUpgrade_Click(int index) { UpgradeLabelClick(g_, index); }

void frmGeneralReport::ShowReport() {
    const GameState& s = g_.st;
    const GeneralReportDisplay& r = g_.displays.general;
    lblEN->setText(Q(r.Energy));
    lblSH->setText(Q(r.Shields));
    lblENSH->setText(Q(r.EnergyAndShields));
    lblPT->setText(Q(r.Torpedoes));
    lblPT->setStyleSheet(QStringLiteral("color: %1").arg(Colour(PaletteColor(r.TorpedoColour))));
    lblPO->setText(Q(r.Probes));
    lblPO->setStyleSheet(QStringLiteral("color: %1").arg(Colour(PaletteColor(r.ProbeColour))));
    lblQ->setText(Q(r.Quadrant));
    lblS->setText(Q(r.Sector));
    lblSkill->setText(Q(r.Skill));
    lblLength->setText(Q(r.Length));
    lblScore->setText(Q(r.Rating));
    lblScore->setVisible(r.ScoreVisible);

    const ConditionLook cond = PaintCondition(s);
    lblCond->setText(Q(cond.caption));
    lblCond->setStyleSheet(QStringLiteral("color: %1").arg(Colour(cond.text)));
    shpCond->update();

    for (int n = 0; n < 4; ++n) {
        fraMission[n]->setVisible(r.FrameVisible[static_cast<size_t>(n)]);
        if (lblInitial[n]) lblInitial[n]->setText(Q(r.Initial));
        if (lblDestroyed[n]) lblDestroyed[n]->setText(Q(r.Destroyed));
        if (lblCaptured[n]) lblCaptured[n]->setText(Q(r.Captured));
        lblLeft[n]->setText(Q(r.Left));
        lblTime[n]->setText(Q(r.Time));
    }
    lblGoalCaption->setText(Q(r.GoalCaption));
    lblGoal->setText(Q(r.Goal));
    lblDone->setText(Q(r.Done));
    lblRemaining->setText(Q(r.Remaining));

    pnlUpgrades->setVisible(r.UpgradesVisible);
    lblNoUpgrades->setVisible(!r.UpgradesVisible);
    for (int i = 1; i <= 5; ++i) {
        const UpgradeIndicatorLook look = PaintUpgradeIndicator(s, i);
        lblUpgrade[i]->setText(Q(look.caption));
        lblUpgrade[i]->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 2px solid %3")
                                         .arg(Colour(look.fill), Colour(look.text), Colour(look.border)));
    }
}

}  // namespace kv

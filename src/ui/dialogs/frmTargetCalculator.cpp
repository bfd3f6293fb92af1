#include "ui/dialogs/frmTargetCalculator.h"

#include <QSignalBlocker>
#include <tuple>
#include <utility>

#include "engine/computer/TargetCalculator.h"
#include "screens/dialogs/TargetCalculatorDialog.h"
#include "screens/main/Panel.h"
#include "state/Game.h"
#include "ui/dialogs/Panels.h"
#include "ui/main/QtHost.h"

namespace kv {
namespace {

// A raised panel that holds one target text.
class TargetPanel : public QWidget {
public:
    TargetPanel(const char* name, QWidget* parent) : QWidget(parent) { setObjectName(name); }

protected:
    void paintEvent(QPaintEvent*) override { PaintPanel(this, kEdgeRaised, palette().color(QPalette::Button)); }
};

// The neighbours' places around the ship's quadrant: (row, column) of a 3 x 3 grid.
constexpr int kGrid[8][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 2}, {2, 0}, {2, 1}, {2, 2}};

}  // namespace

std::function<void()> frmTargetCalculator::Choice(std::function<void()> choose) {
    return [this, choose = std::move(choose)] {
        host.Run(form_, choose);
        Show();
    };
}

frmTargetCalculator::frmTargetCalculator(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmTargetCalculator, "TCCap") {
    setFixedSize(530, 392);
    Label1 = MakeLabel("Label1", T("TCTarget"), {12, 8, 300, 22});
    QFont big = Label1->font();
    big.setPixelSize(22);
    big.setBold(true);
    const auto targetPanel = [&](const char* panel, const char* label, int x) {
        auto* p = new TargetPanel(panel, this);
        p->setGeometry(x, 34, 90, 44);
        auto* l = new ClickLabel(p, QString::fromLatin1(label));
        l->setGeometry(p->rect().adjusted(3, 3, -3, -3));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(big);
        l->setCursor(Qt::PointingHandCursor);
        return std::pair{p, l};
    };
    std::tie(pnlQuad, lblQuad) = targetPanel("pnlQuad", "lblQuad", 12);
    std::tie(pnlSect, lblSect) = targetPanel("pnlSect", "lblSect", 112);
    cmdClosestSector = MakeButton("cmdClosestSector", T("TCClosest"), {212, 42, 140, 28});
    Label4 = MakeLabel("Label4", QStringLiteral("Ship:"), {370, 34, 60, 22});
    lblQuadrant = MakeLabel("lblQuadrant", QString(), {370, 56, 140, 22});

    fraBase = new QGroupBox(T("TCSB"), this);
    fraBase->setObjectName("fraBase");
    fraBase->setGeometry(12, 90, 210, 176);
    const QString bases[4] = {QString(), QStringLiteral("Starbase 1"), QStringLiteral("Starbase 2"),
                              QStringLiteral("Starbase 3")};
    for (int i = 0; i < 4; ++i) {
        optBase[i] = new QRadioButton(bases[i], fraBase);
        optBase[i]->setObjectName(QStringLiteral("optBase(%1)").arg(i));
        optBase[i]->setGeometry(12, 24 + 26 * i, 186, 24);
        optBase[i]->setAutoExclusive(false);
        connect(optBase[i], &QRadioButton::clicked, this, Choice([this, i] { ChooseTargetBase(g, i); }));
    }
    cmdNearestBase = MakeButton("cmdNearestBase", T("TCClosest"), {12, 136, 186, 28});
    cmdNearestBase->setParent(fraBase);
    cmdNearestBase->show();

    fraLRS = new QGroupBox(T("TCLRS"), this);
    fraLRS->setObjectName("fraLRS");
    fraLRS->setGeometry(232, 90, 286, 176);
    for (int k = 0; k < 8; ++k) {
        optLRS[k] = new QRadioButton(fraLRS);
        optLRS[k]->setObjectName(QStringLiteral("optLRS(%1)").arg(k));
        optLRS[k]->setGeometry(16 + kGrid[k][1] * 34, 36 + kGrid[k][0] * 40, 24, 24);
        optLRS[k]->setAutoExclusive(false);
        connect(optLRS[k], &QRadioButton::clicked, this, Choice([this, k] { ChooseTargetNeighbour(g, k); }));
    }
    // The ship stands in the middle of its neighbours.
    auto* ship = new QLabel(QStringLiteral("\u25C6"), fraLRS);
    ship->setGeometry(16 + 34, 36 + 40, 24, 24);
    ship->setAlignment(Qt::AlignCenter);
    cmdZarvonis = MakeButton("cmdZarvonis", T("Enemys"), {130, 28, 142, 28});
    cmdStars = MakeButton("cmdStars", T("TCStars"), {130, 76, 142, 28});
    cmdSafety = MakeButton("cmdSafety", T("TCSafety"), {130, 124, 142, 28});
    for (QPushButton* b : {cmdZarvonis, cmdStars, cmdSafety}) {
        b->setParent(fraLRS);
        b->show();
    }

    fraOther = new QGroupBox(T("TCOther"), this);
    fraOther->setObjectName("fraOther");
    fraOther->setGeometry(12, 274, 506, 64);
    optPrev = new QRadioButton(T("TCPrev"), fraOther);
    optPrev->setObjectName("optPrev");
    optPrev->setGeometry(12, 28, 240, 24);
    optPrev->setAutoExclusive(false);
    cmdStarCharts = MakeButton("cmdStarCharts", T("TCStarList"), {330, 24, 164, 28});
    cmdStarCharts->setParent(fraOther);
    cmdStarCharts->show();

    cmdHelp = MakeButton("cmdHelp", T("TCHelp"), {12, 352, 100, 28});
    cmdAccept = MakeButton("cmdAccept", T("Accept"), {302, 352, 104, 28});
    cmdCancel = MakeButton("cmdCancel", T("Cancel"), {414, 352, 104, 28});
    cmdAccept->setDefault(true);

    lblQuad->click = Choice([this] { PickTargetCell(g, true); });
    lblSect->click = Choice([this] { PickTargetCell(g, false); });
    connect(optPrev, &QRadioButton::clicked, this, Choice([this] { ChooseTargetPrevious(g); }));
    connect(cmdNearestBase, &QPushButton::clicked, this, Choice([this] { ChooseNearestBase(g); }));
    connect(cmdZarvonis, &QPushButton::clicked, this,
            Choice([this] { ChooseBestNeighbour(g, NeighbourScore::Hostiles); }));
    connect(cmdStars, &QPushButton::clicked, this, Choice([this] { ChooseBestNeighbour(g, NeighbourScore::Stars); }));
    connect(cmdSafety, &QPushButton::clicked, this,
            Choice([this] { ChooseBestNeighbour(g, NeighbourScore::Safety); }));
    connect(cmdClosestSector, &QPushButton::clicked, this, Choice([this] { ClosestSector(g); }));
    connect(cmdStarCharts, &QPushButton::clicked, this, Choice([this] { g.host.RunModal(Form::frmStars); }));
    connect(cmdHelp, &QPushButton::clicked, this, Handler([this] { TargetCalculatorHelp(g); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { TargetCalculatorAccept(g); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { Cancel(); }));

    host.OnView(View::TargetCalculator, this, [this] { Show(); });
    host.AddTimer(Timer::frmTargetCalculator_tmrCheckSRS, this, 100, [this] { tmrCheckSRS_Timer(); });
    host.AddTimer(Timer::frmTargetCalculator_tmrCheckCOM, this, 50, [this] { tmrCheckCOM_Timer(); });
    ForwardMouseMoves();
    Centre();
    Show();
}

void frmTargetCalculator::Form_Activate() {
    TargetCalculatorActivate(g);
    Show();
}

void frmTargetCalculator::Cancel() { TargetCalculatorCancel(g); }

void frmTargetCalculator::tmrCheckCOM_Timer() { TakeChartPick(g); }

void frmTargetCalculator::tmrCheckSRS_Timer() { TakeScanPick(g); }

void frmTargetCalculator::Show() {
    const GameState& s = g.st;
    lblQuad->setText(QString::fromStdString(s.TargetQuadText));
    lblSect->setText(QString::fromStdString(s.TargetSectText));
    lblQuadrant->setText(QString::fromStdString(s.TargetShipQuadText));
    optBase[0]->setText(QString::fromStdString(s.EnemyText) + QStringLiteral(" starbase"));
    for (size_t i = 0; i < optBase.size(); ++i) {
        const QSignalBlocker block(optBase[i]);
        optBase[i]->setChecked(s.TargetOptBase[i]);
        optBase[i]->setStyleSheet(
            QStringLiteral("color: %1;").arg(Palette(static_cast<int>(s.TargetOptBaseColour[i])).name()));
    }
    for (size_t k = 0; k < optLRS.size(); ++k) {
        const QSignalBlocker block(optLRS[k]);
        optLRS[k]->setChecked(s.TargetOptLRS[k]);
    }
    const QSignalBlocker block(optPrev);
    optPrev->setChecked(s.TargetOptPrev);
}

}  // namespace kv

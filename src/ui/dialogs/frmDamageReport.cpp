#include "ui/dialogs/frmDamageReport.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "screens/dialogs/Reports.h"
#include "screens/dialogs/StatusWindows.h"
#include "ui/dialogs/frmStatus.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"

namespace kv {
namespace {
constexpr int kRowLeft = 6, kRowTop = 24, kRowStep = 26, kRowWidth = 300, kRowHeight = 24;
constexpr int kWidth = kDamageReportWidth, kHeight = kDamageReportHeight;
static_assert(kWidth == kRowLeft * 2 + kRowWidth && kHeight == kRowTop + 8 * kRowStep + 6);
}  // namespace

WindowPosition DamageReportAt(QtHost& host) {
    long sw = 0, sh = 0;
    host.ScreenSizeTwips(sw, sh);
    long statusLeft = StatusPosition(sw, sh, kStatusWidthTwips, kStatusHeightTwips).left;
    long statusWidth = kStatusWidthTwips;
    if (QWidget* status = host.FormWindow(Form::frmStatus)) {
        statusLeft = OuterBox(status).left * 15L;
        statusWidth = OuterWidthTwips(status);
    }
    long width = kWidth * 15L, height = kHeight * 15L;
    if (QWidget* own = host.FormWindow(Form::frmDamageReport)) width = OuterWidthTwips(own), height = OuterHeightTwips(own);
    return DamageReportPosition(sw, sh, sw / 15, statusLeft, statusWidth, width, height);
}

frmDamageReport::frmDamageReport(Game& g, QtHost& host, QWidget* parent)
    : ReportWindow(g, host, Form::frmDamageReport, parent) {
    setObjectName("frmDamageReport");
    setWindowTitle(QStringLiteral("Damage Report"));
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
    lblSysName = new QLabel(QStringLiteral("System"), this);
    lblSysName->setObjectName("lblSysName");
    lblSysName->setGeometry(kRowLeft + 36, 4, 160, 18);
    lblETR = new QLabel(QStringLiteral("Repair"), this);
    lblETR->setObjectName("lblETR");
    lblETR->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblETR->setGeometry(kRowLeft + kRowWidth - 110, 4, 104, 18);
    for (int i = 0; i < 8; ++i) {
        auto click = host.Handler(Form::frmDamageReport, [this, i] { pnlSystem_Click(i); });
        StatusBox* row = pnlSystem[i] = new StatusBox(this, QStringLiteral("pnlSystem(%1)").arg(i));
        row->setGeometry(kRowLeft, kRowTop + i * kRowStep, kRowWidth, kRowHeight);
        row->paint = [this, i](QPainter& p) {
            const DamageRowLook look = PaintDamageRow(g_, i);
            const int w = pnlSystem[i]->width(), h = pnlSystem[i]->height();
            PaintPanel(p, LayOutPanel(p, "", w, h, look.edge, false), w, h, {}, {});
            if (look.singleBorder) {
                p.setPen(palette().color(QPalette::Dark));
                p.drawRect(0, 0, w - 1, h - 1);
            }
        };
        row->click = click;
        lblNumber[i] = new ClickLabel(row, QStringLiteral("lblNumber(%1)").arg(i));
        lblNumber[i]->setGeometry(4, 2, 28, kRowHeight - 4);
        // The number has no click of its own, and it keeps a click on it from the row.
        lblNumber[i]->click = [] {};
        lblSystemName[i] = new ClickLabel(row, QStringLiteral("lblSystemName(%1)").arg(i));
        lblSystemName[i]->setGeometry(36, 2, 160, kRowHeight - 4);
        lblSystemName[i]->click = host.Handler(Form::frmDamageReport, [this, i] { lblSystemName_Click(i); });
        lblSysDamage[i] = new ClickLabel(row, QStringLiteral("lblSysDamage(%1)").arg(i));
        lblSysDamage[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblSysDamage[i]->setGeometry(kRowWidth - 104, 2, 98, kRowHeight - 4);
        lblSysDamage[i]->click = host.Handler(Form::frmDamageReport, [this, i] { lblSysDamage_Click(i); });
    }
    ApplyOwnLabels(g, Form::frmDamageReport, this);
    host.OnView(View::DamageReport, this, [this] { ShowReport(); });
    Form_Load();
}

// The report's place beside the status window, and the rows' names.
void frmDamageReport::Form_Load() {
    host_.PlaceBy(Form::frmDamageReport, this, [this] {
        const WindowPosition at = DamageReportAt(host_);
        PlaceTwips(this, at.left, at.top);
    });
    DamageReportLoad(g_);
}

void frmDamageReport::ShowReport() {
    for (int i = 0; i < 8; ++i) {
        const DamageRowLook look = PaintDamageRow(g_, i);
        lblNumber[i]->setText(QString::fromStdString(look.number));
        lblSystemName[i]->setText(QString::fromStdString(look.name));
        lblSysDamage[i]->setText(QString::fromStdString(look.figure));
        pnlSystem[i]->setEnabled(look.enabled);
        pnlSystem[i]->update();
    }
}

void frmDamageReport::pnlSystem_Click(int index) { DamageReportClick(g_, index, RepairThroughTransferDialog(g_)); }

void frmDamageReport::lblSystemName_Click(int index) { pnlSystem_Click(index); }

void frmDamageReport::lblSysDamage_Click(int index) { pnlSystem_Click(index); }

}  // namespace kv

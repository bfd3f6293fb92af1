#include "ui/dialogs/frmZarvoniReport.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "state/DisplayData.h"
#include "ui/dialogs/frmBaseReport.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"

namespace kv {
namespace {
constexpr int kRowTop = 24, kRowStep = 24, kRowHeight = 22;

QLabel* Label(QWidget* parent, const QString& name, const QString& text, int x, int w) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(x, 2, w, kRowHeight - 4);
    return l;
}
}  // namespace

frmZarvoniReport::frmZarvoniReport(Game& g, QtHost& host, QWidget* parent)
    : ReportWindow(g, host, Form::frmZarvoniReport, parent) {
    setObjectName("frmZarvoniReport");
    setWindowTitle(QStringLiteral("Zarvoni Ships"));
    setFixedSize(kZarvoniReportWidth, kZarvoniReportHeight);
    setMouseTracking(true);
    const int rowWidth = kZarvoniReportWidth - 12;
    lblSect = Label(this, "lblSect", QStringLiteral("Sector"), 36, 70);
    lblStr = Label(this, "lblStr", QStringLiteral("Strength"), 110, 70);
    lblSta = Label(this, "lblSta", QStringLiteral("Status"), 186, rowWidth - 186);
    for (QLabel* l : {lblSect, lblStr, lblSta}) l->move(l->x(), 4);
    for (int i = 0; i < 9; ++i) {
        StatusBox* row = pnlZarvoni[i] = new StatusBox(this, QStringLiteral("pnlZarvoni(%1)").arg(i));
        row->setGeometry(6, kRowTop + i * kRowStep, rowWidth, kRowHeight);
        row->paint = [this, i](QPainter& p) { pnlZarvoni_Paint(i, p); };
        row->hover = [this](int shift) { Form_MouseMove(shift); };
        lblNum[i] = Label(row, QStringLiteral("lblNum(%1)").arg(i), QString::number(i + 1), 6, 20);
        lblSector[i] = Label(row, QStringLiteral("lblSector(%1)").arg(i), QStringLiteral("- , -"), 30, 70);
        lblStrength[i] = Label(row, QStringLiteral("lblStrength(%1)").arg(i), QStringLiteral("---%"), 104, 70);
        lblStatus[i] = Label(row, QStringLiteral("lblStatus(%1)").arg(i), {}, 180, rowWidth - 184);
        row->hide();
    }
    lblSensorsDown = new QLabel(QStringLiteral("SENSORS DOWN"), this);
    lblSensorsDown->setObjectName("lblSensorsDown");
    lblSensorsDown->setAlignment(Qt::AlignCenter);
    QFont f = lblSensorsDown->font();
    f.setBold(true);
    lblSensorsDown->setFont(f);
    lblSensorsDown->setStyleSheet(QStringLiteral("color: #c00000"));
    lblSensorsDown->setGeometry(6, kRowTop + 3 * kRowStep, rowWidth, 30);
    lblSensorsDown->hide();
    ApplyOwnLabels(g, Form::frmZarvoniReport, this);
    Form_Load();
    host.OnView(View::ZarvoniReport, this, [this] { ShowReport(); });
}

void frmZarvoniReport::Form_Load() {
    host_.PlaceBy(Form::frmZarvoniReport, this, [this] {
        const WindowPosition at = ZarvoniReportAt(host_);
        PlaceTwips(this, at.left, at.top);
    });
}

void frmZarvoniReport::pnlZarvoni_Paint(int index, QPainter& p) {
    const StatusBox* row = pnlZarvoni[static_cast<size_t>(index)];
    PaintPanel(p, LayOutPanel(p, "", row->width(), row->height(), kEdgeRaised, false), row->width(), row->height(),
               {}, {});
}

void frmZarvoniReport::ShowReport() {
    const ZarvoniReportDisplay& r = g_.displays.zarvoni;
    lblSensorsDown->setVisible(r.SensorsDown);
    for (int i = 0; i < 9; ++i) {
        const ZarvoniRow& row = r.Rows[static_cast<size_t>(i)];
        pnlZarvoni[i]->setVisible(row.Visible);
        lblSector[i]->setText(QString::fromStdString(row.Sector));
        lblStrength[i]->setText(QString::fromStdString(row.Strength));
        lblStatus[i]->setText(QString::fromStdString(row.Status));
    }
}

}  // namespace kv

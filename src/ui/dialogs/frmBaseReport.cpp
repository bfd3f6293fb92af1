#include "ui/dialogs/frmBaseReport.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "screens/dialogs/Reports.h"
#include "state/DisplayData.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"

namespace kv {
namespace {
constexpr int kRowTop = 24, kRowStep = 26, kRowHeight = 24;

// Each report's outer size: its frame counted once the desktop has framed it.
void OuterSize(QtHost& host, Form form, long& width, long& height) {
    if (const QWidget* w = host.FormWindow(form)) width = OuterWidthTwips(w), height = OuterHeightTwips(w);
}

ReportPositions Positions(QtHost& host) {
    long sw = 0, sh = 0;
    host.ScreenSizeTwips(sw, sh);
    long baseWidth = kBaseReportWidth * 15L, baseHeight = kBaseReportHeight * 15L;
    long hostileWidth = kZarvoniReportWidth * 15L, hostileHeight = kZarvoniReportHeight * 15L;
    OuterSize(host, Form::frmBaseReport, baseWidth, baseHeight);
    OuterSize(host, Form::frmZarvoniReport, hostileWidth, hostileHeight);
    return BaseAndZarvoniReportPositions(sw, sh, sw / 15, baseWidth, baseHeight, hostileWidth, hostileHeight);
}

QLabel* Label(QWidget* parent, const QString& name, const QString& text, int x, int w) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(x, 3, w, kRowHeight - 6);
    return l;
}
}  // namespace

WindowPosition BaseReportAt(QtHost& host) { return Positions(host).bases; }
WindowPosition ZarvoniReportAt(QtHost& host) { return Positions(host).hostiles; }

frmBaseReport::frmBaseReport(Game& g, QtHost& host, QWidget* parent) : ReportWindow(g, host, Form::frmBaseReport, parent) {
    setObjectName("frmBaseReport");
    setWindowTitle(QStringLiteral("Starbase Status"));
    setFixedSize(kBaseReportWidth, kBaseReportHeight);
    setMouseTracking(true);
    const int rowWidth = kBaseReportWidth - 12;
    lblN = Label(this, "lblN", QStringLiteral("#"), 10, 20);
    lblQ = Label(this, "lblQ", QStringLiteral("Quadrant"), 36, 80);
    lblStr = Label(this, "lblStr", QStringLiteral("Strength"), 120, 74);
    lblSta = Label(this, "lblSta", QStringLiteral("Status"), 198, rowWidth - 198);
    for (int i = 0; i < 4; ++i) {
        StatusBox* row = pnlBase[i] = new StatusBox(this, QStringLiteral("pnlBase(%1)").arg(i));
        row->setGeometry(6, kRowTop + i * kRowStep, rowWidth, kRowHeight);
        row->paint = [this, i](QPainter& p) { pnlBase_Paint(i, p); };
        row->hover = [this](int shift) { Form_MouseMove(shift); };
        lblNum[i] = Label(row, QStringLiteral("lblNum(%1)").arg(i), QString::number(i), 4, 20);
        lblQuad[i] = Label(row, QStringLiteral("lblQuad(%1)").arg(i), {}, 30, 80);
        lblStrength[i] = Label(row, QStringLiteral("lblStrength(%1)").arg(i), {}, 114, 74);
        lblStatus[i] = Label(row, QStringLiteral("lblStatus(%1)").arg(i), {}, 192, rowWidth - 196);
        lblUnknown[i] = Label(row, QStringLiteral("lblUnknown(%1)").arg(i), {}, 30, rowWidth - 34);
        lblUnknown[i]->hide();
    }
    ApplyOwnLabels(g, Form::frmBaseReport, this);
    Form_Load();
    host.OnView(View::BaseReport, this, [this] { ShowReport(); });
    ShowReport();
}

void frmBaseReport::Form_Load() {
    host_.PlaceBy(Form::frmBaseReport, this, [this] {
        const WindowPosition at = BaseReportAt(host_);
        PlaceTwips(this, at.left, at.top);
    });
}

void frmBaseReport::pnlBase_Paint(int index, QPainter& p) {
    const StatusBox* row = pnlBase[static_cast<size_t>(index)];
    PaintPanel(p, LayOutPanel(p, "", row->width(), row->height(), kEdgeRaised, false), row->width(), row->height(),
               {}, {});
}

void frmBaseReport::ShowReport() {
    for (int i = 0; i < 4; ++i) {
        const BaseRow& row = g_.displays.bases.Rows[static_cast<size_t>(i)];
        pnlBase[i]->setEnabled(row.Enabled);
        lblQuad[i]->setText(QString::fromStdString(row.Quad));
        lblStrength[i]->setText(QString::fromStdString(row.Strength));
        lblStatus[i]->setText(QString::fromStdString(row.Status));
        for (QLabel* l : {lblQuad[i], lblStrength[i], lblStatus[i]}) l->setVisible(row.DataVisible);
        lblUnknown[i]->setVisible(row.UnknownVisible);
        pnlBase[i]->update();
    }
}

}  // namespace kv

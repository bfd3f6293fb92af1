#include "screens/dialogs/windows/frmBaseReport.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "screens/dialogs/Reports.h"
#include "state/WindowTable.h"
#include "ui/main/QtHost.h"

namespace kv {
namespace {
constexpr int kRowTop = 24, kRowStep = 26, kRowHeight = 24;

ReportPositions Positions(QtHost& host) {
    long sw = 0, sh = 0;
    host.ScreenSizeTwips(sw, sh);
    return BaseAndZarvoniReportPositions(sw, sh, sw / 15, kBaseReportWidth * 15L, kBaseReportHeight * 15L,
                                         kZarvoniReportWidth * 15L, kZarvoniReportHeight * 15L);
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

frmBaseReport::frmBaseReport(Game& g, QtHost& host, QWidget* parent) : QWidget(parent, Qt::Window), g_(g), host_(host) {
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
        row->paint = [row](QPainter& p) {
            PaintPanel(p, LayOutPanel(p, "", row->width(), row->height(), kEdgeRaised, false), row->width(),
                       row->height(), {}, {});
        };
        row->hover = [this](int shift) {
            host_.Run(Form::frmBaseReport, [this, shift] { ReturnToMainWindows(g_, shift); });
        };
        lblNum[i] = Label(row, QStringLiteral("lblNum(%1)").arg(i), QString::number(i), 4, 20);
        lblQuad[i] = Label(row, QStringLiteral("lblQuad(%1)").arg(i), {}, 30, 80);
        lblStrength[i] = Label(row, QStringLiteral("lblStrength(%1)").arg(i), {}, 114, 74);
        lblStatus[i] = Label(row, QStringLiteral("lblStatus(%1)").arg(i), {}, 192, rowWidth - 196);
        lblUnknown[i] = Label(row, QStringLiteral("lblUnknown(%1)").arg(i), {}, 30, rowWidth - 34);
        lblUnknown[i]->hide();
    }
    ApplyOwnLabels(g, Form::frmBaseReport, this);
    const WindowPosition at = BaseReportAt(host);
    PlaceTwips(this, at.left, at.top);
    host.OnView(View::BaseReport, this, [this] { ShowReport(); });
    ShowReport();
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

void frmBaseReport::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

void frmBaseReport::mouseMoveEvent(QMouseEvent* e) {
    const int shift = ShiftOf(e->modifiers());
    host_.Run(Form::frmBaseReport, [this, shift] { ReturnToMainWindows(g_, shift); });
    QWidget::mouseMoveEvent(e);
}

}  // namespace kv

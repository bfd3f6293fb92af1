#include "ui/dialogs/frmFinalReport.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

#include "screens/dialogs/FinalReportWindow.h"
#include "state/ScreenData.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"
#include "ui/text/frmOutput.h"

namespace kv {

frmFinalReport::frmFinalReport(Game& g, QtHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g), host_(host) {
    setObjectName("frmFinalReport");
    // Only the player's close box closes the report (the program hides it through the host);
    // Escape does nothing.
    SettleKeys(this, {nullptr, {}, [this] {
                          host_.Run(Form::frmFinalReport, [this] { Form_QueryUnload(); });
                          Show();
                      }});
    setWindowTitle(Q(g.Text("FinalCap")));
    auto* v = new QVBoxLayout(this);
    Title = new QLabel(this);
    Title->setObjectName("Title");
    Title->setAlignment(Qt::AlignCenter);
    QFont big = Title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    Title->setFont(big);
    lblName = new QLabel(this);
    lblName->setObjectName("lblName");
    lblName->setAlignment(Qt::AlignCenter);
    v->addWidget(Title);
    v->addWidget(lblName);

    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(2);
    // Gaps between the groups of rows: the mission, the starbases, the hostile starbase, what is
    // left on board, the exploration.
    int at = 0, coverAt = 0;
    for (int i = 0; i <= 18; ++i) {
        if (i == 3 || i == 9 || i == 12 || i == 15) grid->setRowMinimumHeight(at++, 8);
        if (i == 12) coverAt = at;
        Line[static_cast<size_t>(i)] = new QLabel(rows);
        Line[static_cast<size_t>(i)]->setObjectName(ElementName("Line", i));
        Num[static_cast<size_t>(i)] = new QLabel(rows);
        Num[static_cast<size_t>(i)]->setObjectName(ElementName("Num", i));
        Num[static_cast<size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(Line[static_cast<size_t>(i)], at, 0);
        grid->addWidget(Num[static_cast<size_t>(i)], at, 1);
        ++at;
    }
    grid->setColumnStretch(0, 1);
    // The cover lies over the rows of what was left on board (12..14).
    Cover = new QLabel(rows);
    Cover->setObjectName("Cover");
    Cover->setAlignment(Qt::AlignCenter);
    Cover->setAutoFillBackground(true);
    Cover->setStyleSheet(QStringLiteral("background: #400000; color: #ffd0d0; font-weight: bold;"));
    grid->addWidget(Cover, coverAt, 0, 3, 2);
    Cover->hide();
    v->addWidget(rows);

    auto* rating = new QHBoxLayout;
    lblRating = new QLabel(this);
    lblRating->setObjectName("lblRating");
    Rating = new QLabel(this);
    Rating->setObjectName("Rating");
    QFont bold = Rating->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    lblRating->setFont(bold);
    Rating->setFont(bold);
    rating->addStretch(1);
    rating->addWidget(lblRating);
    rating->addWidget(Rating);
    rating->addStretch(1);
    v->addLayout(rating);

    cmdMorvReport = new QPushButton(this);
    cmdMorvReport->setObjectName("cmdMorvReport");
    v->addWidget(cmdMorvReport, 0, Qt::AlignHCenter);
    connect(cmdMorvReport, &QPushButton::clicked, this,
            host.Handler(Form::frmFinalReport, [this] { cmdMorvReport_Click(); }));

    tmrMenu = host.AddTimer(Timer::frmFinalReport_tmrMenu, this, 500, [this] { tmrMenu_Timer(); });
    Form_Load();
}

void frmFinalReport::Form_Load() {
    FinalReportLoad(g_);
    Show();
}

void frmFinalReport::cmdMorvReport_Click() { FinalReportMorvReportClick(g_); }

void frmFinalReport::tmrMenu_Timer() { FinalReportMenuTick(g_); }

void frmFinalReport::Show() {
    const GameState& s = g_.st;
    Title->setText(Q(s.ShipPrefix));
    Put(lblName, s.FinalName);
    for (size_t i = 0; i < Line.size(); ++i) {
        Put(Line[i], s.FinalLine[i]);
        Put(Num[i], s.FinalNum[i]);
    }
    Put(lblRating, s.FinalRatingCaption);
    Put(Rating, s.FinalRating);
    Cover->setText(Q(g_.Text("FinalDes")));
    Cover->setVisible(s.FinalShipDestroyed);
    if (s.FinalShipDestroyed) Cover->raise();
    QString caption = Q(g_.screens.finalReport.cmdMorvReportCaption);
    cmdMorvReport->setText(caption);
    // Without the Morv in the game the button stays in sight, greyed.
    cmdMorvReport->setEnabled(s.FinalMorvReportEnabled);
    if (auto* log = qobject_cast<frmOutput*>(host_.FormWindow(Form::frmOutput)))
        log->SetLogCommandsVisible(g_.screens.finalReport.LogMenuItemsVisible);
}

void frmFinalReport::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) Form_Activate();
}

void frmFinalReport::Form_Activate() {
    FinalReportActivate(g_);
    Show();
    adjustSize();
    CentreOnDesktop(this);
}

void frmFinalReport::Form_QueryUnload() { FinalReportCloseBox(g_); }

}  // namespace kv

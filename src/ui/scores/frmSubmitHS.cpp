#include "ui/scores/frmSubmitHS.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

#include "state/Game.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // a comment may hold "&lt;" or brackets: never markup
    return label;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmSubmitHS::frmSubmitHS(Game& g, const SubmitHSData& data, ScoreEndpoints endpoints, EnvironmentLookup env,
                         QWidget* parent)
    : QDialog(parent), data_(data), submitter_(g, *this, std::move(endpoints), std::move(env)) {
    setObjectName("frmSubmitHS");
    setModal(true);
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    cmdSG = new QPushButton(this);
    cmdSG->setObjectName("cmdSG");
    cmdSG->hide();

    const char* captions[3] = {"&Internet", "&Email", "Save"};
    for (int i = 0; i < 3; ++i) {
        cmdSubmit[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdSubmit[i]->setObjectName(QStringLiteral("cmdSubmit(%1)").arg(i));
        connect(cmdSubmit[i], &QPushButton::clicked, this, [this, i] { run_([this, i] { cmdSubmit_Click(i); }); });
    }
    cmdView = new QPushButton(QStringLiteral("View List"), this);
    cmdView->setObjectName("cmdView");
    connect(cmdView, &QPushButton::clicked, this, [this] { run_([this] { cmdView_Click(); }); });
    // The window has neither OK nor Cancel: the player closes it with its close box, and a stray
    // Escape, also while a submission waits for its answer, keeps the chance to submit.
    SettleKeys(this, {nullptr, {}, [this] { reject(); }});

    lblType = MakeLabel(this, "lblType");
    lblType->setFont(QFont(QStringLiteral("Arial"), lblType->font().pointSize()));
    lblType->setWordWrap(true);
    lblStatus = MakeLabel(this, "lblStatus");
    lblStatus->setFont(QFont(QStringLiteral("Arial"), lblStatus->font().pointSize()));
    lblStatus->setWordWrap(true);
    lblName = MakeLabel(this, "lblName");
    lblSN = MakeLabel(this, "lblSN");
    lblCode = MakeLabel(this, "lblCode");
    lblComments = MakeLabel(this, "lblComments");
    lblComments->setFixedSize(237, 49);  // 3555 x 735 twips
    lblComments->setWordWrap(true);
    QLabel* values[4] = {lblName, lblSN, lblCode, lblComments};
    for (QLabel* v : values) v->setAlignment(Qt::AlignRight | Qt::AlignTop);

    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        lblLine[i] = MakeLabel(this, "");
        lblLine[i]->setObjectName(QStringLiteral("lblLine(%1)").arg(i));
        grid->addWidget(lblLine[i], i, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(values[i], i, 1, Qt::AlignRight | Qt::AlignTop);
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : cmdSubmit) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdView);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblType);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(lblStatus);
    Form_Load();
}

frmSubmitHS::frmSubmitHS(Game& g, QtHost& host)
    : frmSubmitHS(g, host.HighScores().dialog, ScoreEndpoints{}, host.environment) {
    run_ = [&host](const std::function<void()>& f) { host.Run(Form::frmSubmitHS, f); };
}

void frmSubmitHS::Form_Load() {
    setWindowTitle(QStringLiteral("Kestrava"));
    SetSubmitEnabled(true);
    Fill(data_);
}

void frmSubmitHS::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void frmSubmitHS::Fill(const SubmitHSData& d) {
    lblType->setText(Q(d.lblType));
    for (int i = 0; i < 4; ++i) lblLine[i]->setText(Q(d.lblLine[i]));
    lblName->setText(Q(d.record.Name));
    lblSN->setText(Q(d.record.SN));
    lblCode->setText(Q(d.record.Code));
    lblComments->setText(Q(d.record.Comments));

    QFont windowFont = font();
    windowFont.setFamily(lblComments->font().family());
    setFont(windowFont);
    const bool tooWide = QFontMetrics(windowFont).horizontalAdvance(lblComments->text()) > lblComments->width();
    lblComments->setAlignment((tooWide ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);

    lblStatus->setText(Q(d.lblStatus));
    cmdSubmit[2]->setText(Q(d.cmdSubmit2Caption));
    cmdView->setText(Q(d.cmdViewCaption));
    listKind_ = Q(d.ListKind);
}

void frmSubmitHS::cmdSubmit_Click(int index) {
    cmdSG->setFocus();
    const HighScoreRecord record{lblName->text().toStdString(), lblSN->text().toStdString(),
                                 lblCode->text().toStdString(), lblComments->text().toStdString()};
    submitter_.cmdSubmit_Click(index, record, lblType->text().toStdString());
}

void frmSubmitHS::cmdView_Click() {
    cmdSG->setFocus();
    submitter_.cmdView_Click(listKind_.toStdString());
}

void frmSubmitHS::SetSubmitEnabled(bool enabled) {
    for (QPushButton* b : cmdSubmit) b->setEnabled(enabled);
}

void frmSubmitHS::ShowStatus(const std::string& status) { lblStatus->setText(Q(status)); }

void frmSubmitHS::PumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool frmSubmitHS::OpenInBrowser(const std::string& url) { return openUrl && openUrl(QUrl(Q(url))); }

}  // namespace kv

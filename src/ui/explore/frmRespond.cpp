#include "ui/explore/frmRespond.h"

#include <QKeyEvent>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>

#include "state/ConsoleState.h"
#include "state/Game.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

constexpr int kWidth = 420;
constexpr int kMargin = 12;
constexpr int kRow = 24;

// The text broken into lines no wider than `width` in `font`: between words, and inside a word
// only when the word alone is wider.
QString Wrapped(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join('\n');
}

// The text as an option shows it as it stands: an "&" of the response is no access key.
QString Plain(QString text) { return text.replace(QLatin1Char('&'), QLatin1String("&&")); }

// Shows the response on the option in as many lines as it needs within the option's width.
void ShowWrapped(QRadioButton* r, const QString& text) {
    // The room the text has: the option's width less what the style puts beside the text.
    r->setText(QStringLiteral("x"));
    int room = r->width() - (r->sizeHint().width() - r->fontMetrics().horizontalAdvance(QStringLiteral("x")));
    for (;;) {
        r->setText(Plain(Wrapped(text, r->font(), std::max(room, 1))));
        if (r->sizeHint().width() <= r->width() || room <= 1) break;
        room -= 4;
    }
}

}  // namespace

frmRespond::frmRespond(Game& g, QtHost& host) : g_(g) {
    setObjectName("frmRespond");
    setModal(true);
    setWindowTitle(QString::fromStdString(g.Text("SendCap")));
    cmdSend = new QPushButton(QString::fromStdString(g.Text("SendMsg")), this);
    cmdSend->setObjectName("cmdSend");
    cmdClose = new QPushButton(QString::fromStdString(g.Text("Close")), this);
    cmdClose->setObjectName("cmdClose");
    auto* templ = new QRadioButton(this);
    templ->setObjectName("Response(0)");
    templ->hide();
    Response.push_back(templ);
    connect(cmdSend, &QPushButton::clicked, this, host.Handler(Form::frmRespond, [this] { cmdSend_Click(); }));
    connect(cmdClose, &QPushButton::clicked, this, host.Handler(Form::frmRespond, [this] { cmdClose_Click(); }));
    // Return sends the chosen response; Escape and the close box close without one.
    SettleKeys(this, {cmdSend, Press(cmdClose), Press(cmdClose)});
    PlaceButtons(kMargin);
}

void frmRespond::PlaceButtons(int top) {
    cmdSend->setGeometry(kWidth - 2 * (110 + kMargin), top, 110, 26);
    cmdClose->setGeometry(kWidth - 110 - kMargin, top, 110, 26);
    setFixedSize(kWidth, top + 26 + kMargin);
}

void frmRespond::UnloadResponses() {
    while (Response.size() > 1) {
        delete Response.back();
        Response.pop_back();
    }
}

// Loads one option per offered response (element i answers response i), no option chosen, the
// dialog centred and the focus on the send button.
void frmRespond::Form_Activate() {
    const ConsoleState& c = g_.console;
    UnloadResponses();
    int top = kMargin;
    for (const RespondOption& option : c.RespondOptions) {
        while (static_cast<int>(Response.size()) <= option.Index) {
            auto* r = new QRadioButton(this);
            r->setObjectName(QStringLiteral("Response(%1)").arg(Response.size()));
            r->hide();
            Response.push_back(r);
        }
        QRadioButton* r = Response[static_cast<size_t>(option.Index)];
        // A response too wide for one line takes more, and its row grows with them.
        r->resize(kWidth - 2 * kMargin, kRow);
        ShowWrapped(r, QString::fromStdString(option.Caption));
        const int height = std::max(kRow, r->sizeHint().height());
        r->setGeometry(kMargin, top, kWidth - 2 * kMargin, height);
        r->show();
        top += height;
    }
    for (size_t i = 1; i < Response.size(); ++i) {
        Response[i]->setAutoExclusive(false);
        Response[i]->setChecked(false);
        Response[i]->setAutoExclusive(true);
    }
    cmdSend->setEnabled(c.RespondSendEnabled);
    PlaceButtons(top + 8);
    CentreOnDesktop(this);
    cmdSend->setFocus();
}

void frmRespond::Form_KeyPress(int keyAscii) {
    if (keyAscii < '1' || keyAscii > '9') return;
    const size_t index = static_cast<size_t>(keyAscii - '0');
    if (index >= Response.size() || Response[index]->isHidden()) return;
    Response[index]->setChecked(true);
    cmdSend->setFocus();
}

void frmRespond::cmdSend_Click() {
    ConsoleState& c = g_.console;
    c.RespondTag.clear();
    for (size_t i = 1; i < Response.size(); ++i)
        if (!Response[i]->isHidden() && Response[i]->isChecked()) c.RespondTag = std::to_string(i);
    UnloadResponses();
    PlaceButtons(kMargin);
    done(kOK);
}

void frmRespond::cmdClose_Click() {
    g_.console.RespondTag.clear();
    if (isVisible()) done(kCancel);
}

void frmRespond::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Form_Activate();
}

void frmRespond::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
        Form_KeyPress(text[0].toLatin1());
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kv

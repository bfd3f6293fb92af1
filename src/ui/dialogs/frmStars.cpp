#include "ui/dialogs/frmStars.h"

#include <QFontMetrics>
#include <QShowEvent>
#include <QSignalBlocker>

#include "screens/dialogs/StarList.h"
#include "state/Game.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmStars.h"

namespace kv {
namespace {

// The columns' tab stops in characters: after the longest name and its blanks, then the quadrant
// and the sector.
constexpr int kStops[3] = {24, 36, 48};

int NextStop(int chars) {
    for (const int stop : kStops)
        if (stop > chars) return stop;
    return chars + 1;
}

}  // namespace

frmStars::frmStars(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmStars, "StarCap"), ui_(new Ui::frmStars) {
    ui_->setupUi(this);
    lstStars = ui_->lstStars;
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    Label3 = ui_->Label3;
    Label4 = ui_->Label4;
    optAlph = ui_->optAlph;
    optLoc = ui_->optLoc;
    cmdInfo = ui_->cmdInfo;
    cmdAccept = ui_->cmdAccept;
    cmdCancel = ui_->cmdCancel;

    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(13);
    lstStars->setFont(mono);
    // The headings stand over the columns: the tab stops of the lines, from where the list's
    // text begins.
    const int cw = lstStars->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    ui_->headings->setContentsMargins(lstStars->frameWidth() + 2, 0, 0, 0);
    Label1->setFixedWidth(kStops[0] * cw);
    Label2->setFixedWidth((kStops[1] - kStops[0]) * cw);
    Label3->setFixedWidth((kStops[2] - kStops[1]) * cw);

    connect(optAlph, &QRadioButton::clicked, this, Handler([this] { optAlph_Click(); }));
    connect(optLoc, &QRadioButton::clicked, this, Handler([this] { optLoc_Click(); }));
    connect(lstStars, &QListWidget::itemDoubleClicked, this, Handler([this] { lstStars_DblClick(); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { cmdAccept_Click(); }));
    connect(cmdInfo, &QPushButton::clicked, this, Handler([this] { cmdInfo_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { cmdCancel_Click(); }));
    SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});
    Form_Load();
}

void frmStars::Form_Load() {
    setWindowTitle(T("StarCap"));
    Label1->setText(T("StarSys"));
    Label2->setText(T("StarQ"));
    Label3->setText(T("StarS"));
    Label4->setText(T("StarLV"));
    optAlph->setText(T("StarSortA"));
    optLoc->setText(T("StarSortL"));
    cmdInfo->setText(T("StarInfo"));
    cmdAccept->setText(T("Accept"));
    cmdCancel->setText(T("Cancel"));
    adjustSize();
    Centre();
}

frmStars::~frmStars() = default;

int frmStars::exec() {
    bool listed = false;
    RunNow([this, &listed] { listed = FillStarList(g); });
    if (!listed) return Rejected;
    filled_ = true;
    Show();
    return CommandDialog::exec();
}

// Each opening: centred. A return to the open dialog leaves it where the player put it: moved by
// the click that brings it back, it would leave the rest of that click (a double click) to
// whatever then lies under the pointer.
void frmStars::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Centre();
    CommandDialog::showEvent(e);
}

void frmStars::Form_Activate() {
    if (!filled_) FillStarList(g);
    filled_ = false;
    Show();
}

void frmStars::optAlph_Click() {
    SortStarList(g, true);
    Show();
}

void frmStars::optLoc_Click() {
    SortStarList(g, false);
    Show();
}

void frmStars::lstStars_DblClick() { cmdAccept_Click(); }

void frmStars::cmdAccept_Click() { StarListAccept(g, SelectedLine()); }

void frmStars::cmdInfo_Click() { StarListInfo(g, SelectedLine()); }

// The line the player selected, -1 for none. The current line alone does not count: the list
// makes its first line current, unselected, when it takes the focus by Tab.
int frmStars::SelectedLine() const {
    const QList<QListWidgetItem*> chosen = lstStars->selectedItems();
    return chosen.isEmpty() ? -1 : lstStars->row(chosen.front());
}

void frmStars::cmdCancel_Click() { g.host.HideForm(Form::frmStars); }

void frmStars::Show() {
    const StarListData& d = g.st.StarList;
    {
        const QSignalBlocker a(optAlph), b(optLoc);
        optAlph->setChecked(d.ByName);
        optLoc->setChecked(!d.ByName);
    }
    const QSignalBlocker block(lstStars);
    lstStars->clear();
    for (const StarListRow& row : d.Rows) {
        QString line = QString::fromStdString(row.Text);
        // The tabs stand at fixed stops, as the list's columns have them.
        QString shown;
        for (const QChar c : line) {
            if (c == '\t') {
                const int chars = static_cast<int>(shown.size());
                shown += QString(NextStop(chars) - chars, ' ');
            } else {
                shown += c;
            }
        }
        lstStars->addItem(shown);
    }
}

}  // namespace kv

#include "ui/dialogs/frmStars.h"

#include <QFontMetrics>
#include <QSignalBlocker>

#include "screens/dialogs/StarList.h"
#include "state/Game.h"
#include "ui/main/QtHost.h"

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

frmStars::frmStars(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmStars, "StarCap") {
    setFixedSize(600, 360);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(13);
    lstStars = new QListWidget(this);
    lstStars->setObjectName("lstStars");
    lstStars->setGeometry(10, 30, 580, 240);
    lstStars->setFont(mono);
    // The headings stand over the columns: the tab stops of the lines.
    const int cw = lstStars->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    Label1 = MakeLabel("Label1", T("StarSys"), {14, 8, kStops[0] * cw, 20});
    Label2 = MakeLabel("Label2", T("StarQ"), {14 + kStops[0] * cw, 8, (kStops[1] - kStops[0]) * cw, 20});
    Label3 = MakeLabel("Label3", T("StarS"), {14 + kStops[1] * cw, 8, (kStops[2] - kStops[1]) * cw, 20});
    Label4 = MakeLabel("Label4", T("StarLV"), {14 + kStops[2] * cw, 8, 110, 20});
    optAlph = new QRadioButton(T("StarSortA"), this);
    optAlph->setObjectName("optAlph");
    optAlph->setGeometry(12, 280, 200, 24);
    optLoc = new QRadioButton(T("StarSortL"), this);
    optLoc->setObjectName("optLoc");
    optLoc->setGeometry(12, 306, 200, 24);
    cmdInfo = MakeButton("cmdInfo", T("StarInfo"), {380, 282, 100, 28});
    cmdAccept = MakeButton("cmdAccept", T("Accept"), {380, 320, 100, 28});
    cmdCancel = MakeButton("cmdCancel", T("Cancel"), {490, 320, 100, 28});
    cmdAccept->setDefault(true);

    connect(optAlph, &QRadioButton::clicked, this, Handler([this] { SortStarList(g, true), Show(); }));
    connect(optLoc, &QRadioButton::clicked, this, Handler([this] { SortStarList(g, false), Show(); }));
    connect(lstStars, &QListWidget::itemDoubleClicked, this,
            Handler([this] { StarListAccept(g, lstStars->currentRow()); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { StarListAccept(g, lstStars->currentRow()); }));
    connect(cmdInfo, &QPushButton::clicked, this, Handler([this] { StarListInfo(g, lstStars->currentRow()); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { Cancel(); }));
    Centre();
}

int frmStars::exec() {
    bool listed = false;
    RunNow([this, &listed] { listed = FillStarList(g); });
    if (!listed) return Rejected;
    filled_ = true;
    Show();
    return CommandDialog::exec();
}

void frmStars::Form_Activate() {
    Centre();
    if (!filled_) FillStarList(g);
    filled_ = false;
    Show();
}

void frmStars::Cancel() { g.host.HideForm(Form::frmStars); }

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

#include "ui/main/frmFile.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <iterator>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QShowEvent>

#include "screens/main/FileDialog.h"
#include "state/ScreenData.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

// The list's colour marks the mode: 0 black (saving), 8 grey (loading). It is shown as the
// list's background, a light shade of it behind text of the ordinary colour, so that no entry
// looks disabled: white while saving, a light grey while loading.
QColor ListBackground(int qb) { return qb == 0 ? QColor(255, 255, 255) : QColor(232, 232, 232); }

// A date and time of the core ("YYYY-MM-DD HH:MM:SS") as the desktop writes them, the time
// with its seconds (a desktop's short time leaves them out).
QString DesktopDate(const std::string& date) {
    const QDate d = QDate::fromString(Q(date), QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : Q(date);
}
QString DesktopTime(const std::string& time) {
    const QTime t = QTime::fromString(Q(time), QStringLiteral("HH:mm:ss"));
    if (!t.isValid()) return Q(time);
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's')) format.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return QLocale().toString(t, format);
}

}  // namespace

frmFile::frmFile(Game& g, QtHost& host, QWidget* parent) : QDialog(parent), g_(g), host_(host) {
    setupUi(this);
    setWindowTitle(Q(g.Text("FileCap")));
    cmdCancel->setText(Q(g.Text("Cancel")));
    cmdDelete->setText(Q(g.Text("Delete")));
    pnlDate->setText(Q(g.Text("Date")));
    pnlTime->setText(Q(g.Text("Time")));
    flstSave->setHeaderLabels({Q(g.Text("FileName")), Q(g.Text("FileDate"))});
    // The names take the room left beside the whole date and time.
    flstSave->header()->setStretchLastSection(false);
    flstSave->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    flstSave->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    txtFile->installEventFilter(this);

    connect(txtFile, &QLineEdit::textChanged, this, [this] { Do([this] { txtFile_Change(); }); });
    connect(flstSave, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const int row = flstSave->indexOfTopLevelItem(item);
        Do([this, row] { flstSave_Click(row); });
    });
    // An entry chosen with the keys is chosen as a click chooses it (the dialog's own changes of
    // the current entry raise no signal).
    connect(flstSave, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> chosen = flstSave->selectedItems();
        if (chosen.size() != 1) return;
        const int row = flstSave->indexOfTopLevelItem(chosen.front());
        Do([this, row] { flstSave_Click(row); });
    });
    connect(flstSave, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int row = flstSave->indexOfTopLevelItem(item);
        Do([this, row] { flstSave_DblClick(row); });
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] { Do([this] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { Do([this] { cmdDelete_Click(); }); });
    // Cancel, and with it Escape and the close box, gives the caller no name.
    connect(this, &QDialog::rejected, this, [this] { FileDialogCancel(g_); });
    SettleKeys(this, {cmdOK, Press(cmdCancel), Press(cmdCancel)});
    Show();
}

void frmFile::txtFile_Change() { FileDialogNameChange(g_, txtFile->text().toStdString()); }
void frmFile::flstSave_Click(int row) { FileDialogListClick(g_, row); }

void frmFile::flstSave_DblClick(int row) {
    if (FileDialogListDoubleClick(g_, row)) accept();
}

void frmFile::cmdOK_Click() {
    if (FileDialogOK(g_)) accept();
}

// Cancel closes the dialog: the caller gets no name.
void frmFile::cmdCancel_Click() { reject(); }
void frmFile::cmdDelete_Click() { FileDialogDelete(g_); }

void frmFile::Do(const std::function<void()>& handler) {
    host_.Run(Form::frmFile, handler);
    Show();
}

void frmFile::Show() {
    const FileDialogData& d = g_.screens.file;
    cmdOK->setText(Q(d.cmdOKCaption.empty() ? g_.Text("OK") : d.cmdOKCaption));
    cmdOK->setEnabled(d.cmdOKEnabled);
    // The list is filled again only when the folder's entries changed.
    bool same = flstSave->topLevelItemCount() == static_cast<int>(d.Entries.size());
    for (int i = 0; same && i < flstSave->topLevelItemCount(); ++i)
        same = flstSave->topLevelItem(i)->text(0) == Q(d.Entries[static_cast<size_t>(i)].Name) &&
               flstSave->topLevelItem(i)->data(1, Qt::UserRole).toString() == Q(d.Entries[static_cast<size_t>(i)].DateTime);
    if (!same) {
        const QSignalBlocker quiet(flstSave);
        flstSave->clear();
        for (const SavedGameEntry& e : d.Entries) {
            const size_t blank = e.DateTime.find(' ');
            const std::string date = e.DateTime.substr(0, blank);
            const std::string time = blank == std::string::npos ? std::string() : e.DateTime.substr(blank + 1);
            auto* item = new QTreeWidgetItem(flstSave, {Q(e.Name), DesktopDate(date) + ' ' + DesktopTime(time)});
            item->setData(1, Qt::UserRole, Q(e.DateTime));
        }
        // Wide enough for a name beside the whole of the longest date and time.
        int dates = flstSave->header()->sectionSizeHint(1);
        for (int i = 0; i < flstSave->topLevelItemCount(); ++i)
            dates = std::max(dates, flstSave->fontMetrics().horizontalAdvance(flstSave->topLevelItem(i)->text(1)) + 16);
        flstSave->setMinimumWidth(std::max(360, 200 + dates + 2 * flstSave->frameWidth() +
                                                    flstSave->verticalScrollBar()->sizeHint().width()));
    }
    QPalette list = flstSave->palette();
    if (list.color(QPalette::Base) != ListBackground(d.ListColour)) {
        list.setColor(QPalette::Base, ListBackground(d.ListColour));
        list.setColor(QPalette::Text, QColor(0, 0, 0));
        flstSave->setPalette(list);
    }
    {
        const QSignalBlocker quiet(flstSave);
        if (d.Selected < 0)
            flstSave->clearSelection();
        else if (QTreeWidgetItem* item = flstSave->topLevelItem(d.Selected))
            flstSave->setCurrentItem(item);
    }
    Put(txtFile, d.txtFile);
    lblDate->setText(d.lblDate.empty() ? QString() : DesktopDate(d.lblDate));
    lblTime->setText(d.lblTime.empty() ? QString() : DesktopTime(d.lblTime));
    if (g_.screens.Focus == "txtFile") {
        txtFile->setFocus();
        g_.screens.Focus.clear();
    }
}

// Each opening reads the folder again, with nothing chosen.
void frmFile::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    Form_Activate();
}

void frmFile::Form_Activate() {
    FileDialogActivate(g_);
    Show();
    txtFile->setFocus();
}

// The name box refuses, with a beep, the characters a saved game's name cannot hold.
bool frmFile::eventFilter(QObject* watched, QEvent* e) {
    if (watched == txtFile && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        // A key with Ctrl, Alt or Meta is a shortcut of the box (Ctrl+A selects its text), not a
        // character typed; what a paste brings in, OK refuses as it refuses any name.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return QDialog::eventFilter(watched, e);
        const QString text = key->text();
        // Keys that edit or leave the box are no characters typed.
        static const int kNotTyped[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
                                        Qt::Key_Delete, Qt::Key_Tab,   Qt::Key_Backtab};
        if (!text.isEmpty() && std::find(std::begin(kNotTyped), std::end(kNotTyped), key->key()) == std::end(kNotTyped))
            if (txtFile_KeyPress(static_cast<int>(text.at(0).unicode())) == 0) return true;
    }
    return QDialog::eventFilter(watched, e);
}

int frmFile::txtFile_KeyPress(int keyAscii) {
    if (FileDialogKeyAccepted(keyAscii)) return keyAscii;
    QApplication::beep();
    return 0;
}

}  // namespace kv

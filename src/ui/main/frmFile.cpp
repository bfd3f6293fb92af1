#include "ui/main/frmFile.h"

#include <QApplication>
#include <QHeaderView>
#include <algorithm>
#include <iterator>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QShowEvent>

#include "screens/main/FileDialog.h"
#include "ui/main/QtHost.h"
#include "ui/main/WindowBits.h"

namespace kv {
namespace {

// The palette colours the list's text takes: 0 black (saving), 8 grey (loading).
QColor ListColour(int qb) { return qb == 0 ? QColor(0, 0, 0) : QColor(128, 128, 128); }

// A date and time of the core ("YYYY-MM-DD HH:MM") as the desktop writes them.
QString DesktopDate(const std::string& date) {
    const QDate d = QDate::fromString(Q(date), QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : Q(date);
}
QString DesktopTime(const std::string& time) {
    const QTime t = QTime::fromString(Q(time), QStringLiteral("HH:mm"));
    return t.isValid() ? QLocale().toString(t, QLocale::ShortFormat) : Q(time);
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
    flstSave->header()->setStretchLastSection(true);
    flstSave->setColumnWidth(0, 220);
    txtFile->installEventFilter(this);

    connect(txtFile, &QLineEdit::textChanged, this,
            [this](const QString& t) { Do([this, t] { FileDialogNameChange(g_, t.toStdString()); }); });
    connect(flstSave, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const int row = flstSave->indexOfTopLevelItem(item);
        Do([this, row] { FileDialogListClick(g_, row); });
    });
    connect(flstSave, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int row = flstSave->indexOfTopLevelItem(item);
        Do([this, row] {
            if (FileDialogListDoubleClick(g_, row)) accept();
        });
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        Do([this] {
            if (FileDialogOK(g_)) accept();
        });
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { Do([this] { FileDialogDelete(g_); }); });
    // Closing the dialog through its frame or with Escape is its Cancel: the caller gets no name.
    connect(this, &QDialog::rejected, this, [this] { FileDialogCancel(g_); });
    Show();
}

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
    }
    for (int i = 0; i < flstSave->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = flstSave->topLevelItem(i);
        for (int c = 0; c < 2; ++c) item->setForeground(c, ListColour(d.ListColour));
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
    FileDialogActivate(g_);
    Show();
    txtFile->setFocus();
}

// The name box refuses, with a beep, the characters a saved game's name cannot hold.
bool frmFile::eventFilter(QObject* watched, QEvent* e) {
    if (watched == txtFile && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        const QString text = key->text();
        // Keys that edit or leave the box are no characters typed.
        static const int kNotTyped[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
                                        Qt::Key_Delete, Qt::Key_Tab,   Qt::Key_Backtab};
        if (!text.isEmpty() && std::find(std::begin(kNotTyped), std::end(kNotTyped), key->key()) == std::end(kNotTyped)) {
            if (!FileDialogKeyAccepted(static_cast<int>(text.at(0).unicode()))) {
                QApplication::beep();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace kv

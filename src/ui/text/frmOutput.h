#pragma once
// The message log window: the game's running report, one line per item, oldest first. It is
// for reading only (it keeps no selection and gives the focus up); at the end of a game its
// Save and Print commands write the log to a ".LOG" file or to the printer.
#include <QAbstractListModel>
#include <QFont>
#include <QFontMetrics>
#include <QAction>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>
#include <deque>

#include "state/Game.h"

namespace kv {

class QtHost;

// The log's lines as the list shows them. Every row is as wide as the widest line in the list's
// font, so that no line is cut short: the list scrolls sideways to show a long one whole.
class OutputLines : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override;
    void Append(const QString& line, size_t limit);
    void Clear();
    const std::deque<QString>& Lines() const { return lines_; }
    // The list's font (the rows are measured in it) and the room a row takes beside its text.
    void SetFont(const QFont& font, int margin);

private:
    int Width(const QString& line) const;
    std::deque<QString> lines_;
    QFontMetrics metrics_{QFont()};
    int margin_ = 0, widest_ = 0, height_ = 0;
};

class frmOutput : public QWidget {
    Q_OBJECT
public:
    // Shows the lines the log holds already, then each line the game appends.
    frmOutput(Game& g, QtHost& host, QWidget* parent = nullptr);

    // Adds a line at the end (the oldest goes past 65535) and scrolls it into view.
    void AddLine(const QString& line);
    void Clear();
    // The log's font and colours from the option settings.
    void ApplyOutputFont();
    // The final report offers Save and Print while it is open.
    void SetLogCommandsVisible(bool visible);

    void mnuSave_Click();
    void mnuPrint_Click();
    // At the desktop's top-left corner; narrowed to leave the command bar room on a narrow desktop.
    void PlaceWindow();

    QMenuBar* menuBar;
    QAction* mnuSave;
    QAction* mnuPrint;
    QListView* lstOutput;
    OutputLines* lines;
    QPushButton* cmdX;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Game& g_;
    QtHost& host_;
    bool scrollPending_ = false;
    QSize placedSize_;  // the size the placing gave; another one is the player's or the settings'
};

}  // namespace kv

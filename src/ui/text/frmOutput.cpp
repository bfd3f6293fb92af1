#include "ui/text/frmOutput.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>
#include <QFocusEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "screens/MessageLog.h"
#include "state/WindowTable.h"
#include "screens/MessageLog.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"

#ifdef KESTRAVA_HAVE_PRINTSUPPORT
#include <QPrintDialog>
#include <QPrinter>
#endif

namespace kv {
namespace {
constexpr int kMadeWidth = 480, kMadeHeight = 240;
constexpr int kLeastWidth = 320;  // narrower, a line of the log reads in too many pieces

QColor ColourOf(long bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}
}  // namespace

QVariant OutputLines::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(lines_.size())) return {};
    if (role == Qt::DisplayRole) return lines_[static_cast<size_t>(index.row())];
    if (role == Qt::SizeHintRole && height_ > 0) return QSize(widest_, height_);
    return {};
}

int OutputLines::Width(const QString& line) const { return metrics_.horizontalAdvance(line) + margin_; }

void OutputLines::Append(const QString& line, size_t limit) {
    if (lines_.size() >= limit) {
        beginRemoveRows(QModelIndex(), 0, 0);
        lines_.pop_front();
        endRemoveRows();
    }
    const int wider = std::max(widest_, Width(line));
    if (wider > widest_) {
        // Every row takes the new width.
        widest_ = wider;
        if (!lines_.empty()) emit dataChanged(index(0), index(static_cast<int>(lines_.size()) - 1), {Qt::SizeHintRole});
    }
    const int row = static_cast<int>(lines_.size());
    beginInsertRows(QModelIndex(), row, row);
    lines_.push_back(line);
    endInsertRows();
}

void OutputLines::Clear() {
    beginResetModel();
    lines_.clear();
    widest_ = 0;
    endResetModel();
}

void OutputLines::SetFont(const QFont& font, int margin) {
    beginResetModel();
    metrics_ = QFontMetrics(font);
    margin_ = margin;
    height_ = metrics_.height() + 2;
    widest_ = 0;
    for (const QString& line : lines_) widest_ = std::max(widest_, Width(line));
    endResetModel();
}

frmOutput::frmOutput(Game& g, QtHost& host, QWidget* parent) : QWidget(parent, Qt::Window), g_(g), host_(host) {
    setObjectName("frmOutput");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    setWindowTitle(QString::fromStdString(g.Text("OutCap")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar = new QMenuBar(this);
    mnuSave = menuBar->addAction(QString::fromStdString(g.Text("OutSave")));
    mnuSave->setObjectName("mnuSave");
    mnuPrint = menuBar->addAction(QString::fromStdString(g.Text("OutPrint")));
    mnuPrint->setObjectName("mnuPrint");
    connect(mnuSave, &QAction::triggered, this, host.Handler(Form::frmOutput, [this] { mnuSave_Click(); }));
    connect(mnuPrint, &QAction::triggered, this, host.Handler(Form::frmOutput, [this] { mnuPrint_Click(); }));
    layout->setMenuBar(menuBar);
    lines = new OutputLines(this);
    lstOutput = new QListView(this);
    lstOutput->setObjectName("lstOutput");
    QFont design(QStringLiteral("Times New Roman"));
    design.setStyleHint(QFont::Serif);
    lstOutput->setFont(design);
    lstOutput->setModel(lines);
    lstOutput->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstOutput->setSelectionMode(QAbstractItemView::NoSelection);
    lstOutput->setUniformItemSizes(true);
    // A long line is shown whole: the list scrolls sideways instead of cutting it short.
    lstOutput->setTextElideMode(Qt::ElideNone);
    lstOutput->setWordWrap(false);
    lstOutput->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstOutput->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstOutput->installEventFilter(this);
    lstOutput->viewport()->installEventFilter(this);
    lstOutput->viewport()->setMouseTracking(true);
    layout->addWidget(lstOutput);
    // Takes the keyboard focus away from the list; never seen.
    cmdX = new QPushButton(this);
    cmdX->setObjectName("cmdX");
    cmdX->setFixedSize(0, 0);
    layout->addWidget(cmdX);
    SetLogCommandsVisible(false);
    ApplyOutputFont();
    resize(kMadeWidth, kMadeHeight);
    placedSize_ = size();
    host.PlaceBy(Form::frmOutput, this, [this] { PlaceWindow(); });

    for (const std::string& line : host.OutputLog().ToVector()) AddLine(QString::fromStdString(line));
    host.OnOutput(
        this, [this](const QString& line) { AddLine(line); }, [this] { Clear(); });
    host.OnView(View::OutputFont, this, [this] { ApplyOutputFont(); });
}

// A log still of the size the placing gave it (neither the player nor the settings resized it)
// is narrowed, down to a readable width, where the desktop leaves no room beside it for the
// command bar, or for the scan with the computer panel beside that.
void frmOutput::PlaceWindow() {
    const QRect area = DesktopArea();
    move(area.topLeft());
    if (size() != placedSize_) return;
    auto width = [this](Form form) {
        const QWidget* w = host_.FormWindow(form);
        return w ? OuterBox(w).width : 0L;
    };
    const long beside = std::max(width(Form::frmCommands), width(Form::frmSRS) + width(Form::frmCOM));
    const int frame = static_cast<int>(OuterBox(this).width) - this->width();
    const long outer = LogWidthLeavingRoom(area.width(), beside, kMadeWidth + frame, kLeastWidth + frame);
    placedSize_ = QSize(static_cast<int>(outer) - frame, kMadeHeight);
    if (placedSize_ != size()) resize(placedSize_);
}

void frmOutput::SetLogCommandsVisible(bool visible) {
    mnuSave->setVisible(visible);
    mnuPrint->setVisible(visible);
    menuBar->setVisible(visible);
}

// The settings give the log's size, bold and italic; its family is its design font, or the
// language's that replaced it.
void frmOutput::ApplyOutputFont() {
    const OptionSettings& o = g_.options;
    QFont f = lstOutput->font();
    f.setPointSizeF(o.lblPreviewSize > 0 ? o.lblPreviewSize : 10.0);
    f.setBold(o.chkBold != 0);
    f.setItalic(o.chkItalics != 0);
    lstOutput->setFont(f);
    // The room the item view leaves beside a row's text: the focus frame's margin and a pixel
    // on each side, and a little more so that the last letter never touches the edge.
    const int margin = 2 * (lstOutput->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstOutput) + 1) + 4;
    lines->SetFont(f, margin);
    QPalette p = lstOutput->palette();
    p.setColor(QPalette::Base, ColourOf(o.lblBackColor));
    p.setColor(QPalette::Text, ColourOf(o.lblForeColor));
    lstOutput->setPalette(p);
}

void frmOutput::AddLine(const QString& line) {
    lines->Append(line, MessageLog::kMaxLines);
    // The last line comes into view; lines added in one go scroll once.
    if (!scrollPending_) {
        scrollPending_ = true;
        QTimer::singleShot(0, this, [this] {
            scrollPending_ = false;
            lstOutput->scrollToBottom();
        });
    }
}

void frmOutput::Clear() { lines->Clear(); }

bool frmOutput::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::FocusIn:
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
            // The list is for reading: it gives the focus up at once and keeps no selection.
            if (watched == lstOutput || watched == lstOutput->viewport()) {
                lstOutput->clearSelection();
                cmdX->setFocus();
                if (e->type() != QEvent::FocusIn) return true;
            }
            break;
        case QEvent::MouseMove:
            if (watched == lstOutput->viewport()) {
                const auto* m = static_cast<QMouseEvent*>(e);
                const int shift = (m->modifiers() & Qt::ShiftModifier ? 1 : 0) +
                                  (m->modifiers() & Qt::ControlModifier ? 2 : 0) +
                                  (m->modifiers() & Qt::AltModifier ? 4 : 0);
                host_.Run(Form::frmOutput, [&] { ReturnToMainWindows(g_, shift); });
            }
            break;
        default: break;
    }
    return QWidget::eventFilter(watched, e);
}

void frmOutput::mnuSave_Click() {
    SaveMessageLog(g_, g_.host.OutputLines(),
                   QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toStdString());
}

void frmOutput::mnuPrint_Click() {
#ifdef KESTRAVA_HAVE_PRINTSUPPORT
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The page measured in character cells: 12 across and 6 down to the inch.
    const QRectF page = printer.pageRect(QPrinter::Inch);
    const int width = static_cast<int>(page.width() * 12), height = static_cast<int>(page.height() * 6);
    const QDateTime now = QDateTime::currentDateTime();
    const std::optional<PrintedLog> prepared =
        PrepareLogPrint(g_, g_.host.OutputLines(), width, height, now.toString("MM-dd-yyyy").toStdString(),
                        now.toString("HH:mm:ss").toStdString());
    if (!prepared) return;
    const PrintedLog& log = *prepared;
    QPainter painter;
    bool ok = painter.begin(&printer);
    if (ok) {
        QFont font(QStringLiteral("Courier New"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        font.setPointSizeF(10.0);
        painter.setFont(font);
        const double lineHeight = printer.resolution() / 6.0;
        for (size_t p = 0; p < log.pages.size() && ok; ++p) {
            if (p > 0) ok = printer.newPage();
            double y = lineHeight;
            for (const std::string& line : log.pages[p]) {
                painter.drawText(QPointF(0, y), QString::fromStdString(line));
                y += lineHeight;
            }
        }
        ok = painter.end() && ok;
    }
    if (!ok || printer.printerState() == QPrinter::Error)
        MessageBox(g_, -1, g_.Text("OutPrintError"), kOKOnly | kCritical);
#endif
}

}  // namespace kv

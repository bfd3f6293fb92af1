#include "screens/MessageLog.h"

#include <algorithm>
#include <cmath>

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Strings.h"
#include "state/FileDialogSetup.h"
#include "state/Game.h"
#include "state/SavedGame.h"

namespace kv {

void MessageLog::Add(std::string line) {
    if (lines_.size() >= kMaxLines) lines_.pop_front();
    lines_.push_back(std::move(line));
}

namespace {
std::string Blanks(double n) { return std::string(static_cast<size_t>(std::max(0.0, std::round(n))), ' '); }
}  // namespace

std::string LogFileName(const std::string& chosen) {
    if (chosen.empty()) return "";
    const size_t slash = chosen.find_last_of('/');
    const std::string file = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
    if (file.empty()) return "";
    const size_t dot = file.find_last_of('.');
    if (dot == std::string::npos) return chosen + ".LOG";
    if (UpperCase(file.substr(dot)) == ".KVW") return "";
    return chosen;
}

std::string LogFileText(const std::vector<std::string>& lines, const std::string& dateTime) {
    std::string out = Utf8ToCp1252(dateTime) + "\r\n";
    for (const std::string& line : lines) out += Utf8ToCp1252(line) + "\r\n";
    return out;
}

bool SaveMessageLog(Game& g, const std::vector<std::string>& lines, const std::string& dateTime) {
    // The dialog of saved games, opened for the logs: a plain name of the saved-games folder.
    const std::string chosen = SetFileDialogMode(g, FileDialogMode::Save, kLogPattern);
    if (chosen.empty()) return false;
    const std::string file = LogFileName(chosen);
    const std::string path = file.empty() ? file : SavedGameFolder(g) + file;
    if (path.empty()) {
        MessageBox(g, -1, g.Text("OutNoKVW"), kOKOnly | kExclamation);
        return false;
    }
    if (!WriteFileAtomic(path, LogFileText(lines, dateTime))) {
        PlaySound(g, "ERROR.WAV");
        MessageBox(g, -1, g.Text("OutSaveError") + g.st.NewLine + path, kOKOnly | kCritical);
        return false;
    }
    return true;
}

int PrintedLogPages(size_t lineCount, int height) {
    const size_t perPage = static_cast<size_t>(std::max(1, height - 8));
    return std::max<int>(1, static_cast<int>((lineCount + perPage - 1) / perPage));
}

PrintedLog LayOutPrintedLog(const std::vector<std::string>& lines, int width, int height, const std::string& date,
                            const std::string& time, const std::string& title, const std::string& footer1,
                            const std::string& footer2) {
    PrintedLog out;
    out.pageCount = PrintedLogPages(lines.size(), height);
    const double half = width / 2.0;
    const double titleHalf = static_cast<double>(title.size()) / 2.0;
    std::vector<std::string> page;
    page.push_back(date + Blanks(half - static_cast<double>(date.size()) - titleHalf - 8) + title +
                   Blanks(half - static_cast<double>(time.size()) - titleHalf - 1 - 8) + time);
    page.emplace_back();
    const size_t perPage = static_cast<size_t>(std::max(1, height - 8));
    size_t next = 0;
    int number = 0;
    while (next < lines.size()) {
        for (size_t i = 0; i < perPage; ++i, ++next) page.push_back(next < lines.size() ? lines[next] : std::string());
        page.emplace_back();
        page.push_back(Blanks(half - 6 - 8) + footer1 + std::to_string(++number) + footer2 +
                       std::to_string(out.pageCount));
        out.pages.push_back(std::move(page));
        page.clear();
    }
    if (out.pages.empty()) out.pages.push_back(std::move(page));
    return out;
}

std::optional<PrintedLog> PrepareLogPrint(Game& g, const std::vector<std::string>& lines, int width, int height,
                                          const std::string& date, const std::string& time) {
    const int pages = PrintedLogPages(lines.size(), height);
    if (MessageQuery(g, -1, g.Text("OUTPUT0001") + std::to_string(pages) + g.Text("OUTPUT0002"), kYesNo) == kNo)
        return std::nullopt;
    return LayOutPrintedLog(lines, width, height, date, time, "Kestrava", g.Text("OUTPUT0003"), g.Text("OUTPUT0004"));
}

}  // namespace kv

#pragma once
// The message log as data: the lines of the game's running report, oldest first, at most
// 65535 of them. The log window shows it; saving writes it as a text file and printing lays it
// out on pages of fixed-width characters.
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kv {

struct Game;

class MessageLog {
public:
    static constexpr size_t kMaxLines = 65535;

    // Adds a line (it holds no line separator); past the limit the oldest line goes.
    void Add(std::string line);
    void Clear() { lines_.clear(); }
    size_t Size() const { return lines_.size(); }
    const std::deque<std::string>& Lines() const { return lines_; }
    std::vector<std::string> ToVector() const { return {lines_.begin(), lines_.end()}; }

private:
    std::deque<std::string> lines_;
};

// The file the log is saved under for the name the player chose: a file name without a "."
// gets ".LOG". A saved game (".KVW", any case) is never replaced: "" then.
std::string LogFileName(const std::string& chosen);

// The saved log's bytes (Windows-1252): the date-and-time line, then one line per log line,
// each ended by carriage return and line feed.
std::string LogFileText(const std::vector<std::string>& lines, const std::string& dateTime);

// Saves the log through the file dialog (".LOG" files). A cancelled dialog writes nothing; a
// ".KVW" name or a file that cannot be written is refused with a notice. True when written.
bool SaveMessageLog(Game& g, const std::vector<std::string>& lines, const std::string& dateTime);

// The printed log on pages `width` characters wide and `height` lines high: the header (date,
// title, time) once at the top of the first page and an empty line; then per page height - 8
// log lines (the last page filled up with empty lines), an empty line and the footer
// "<footer1>n<footer2>count". An empty log prints the header only.
struct PrintedLog {
    int pageCount = 0;
    std::vector<std::vector<std::string>> pages;
};
PrintedLog LayOutPrintedLog(const std::vector<std::string>& lines, int width, int height, const std::string& date,
                            const std::string& time, const std::string& title, const std::string& footer1,
                            const std::string& footer2);

// Pages the log needs at `height` lines a page (at least one).
int PrintedLogPages(size_t lineCount, int height);

// The print command's question and pages: asks whether to print the log's pages (the question
// names how many); the pages laid out under the game's title and page texts, or nothing when
// the player answers No.
std::optional<PrintedLog> PrepareLogPrint(Game& g, const std::vector<std::string>& lines, int width, int height,
                                          const std::string& date, const std::string& time);

}  // namespace kv

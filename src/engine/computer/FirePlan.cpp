#include "engine/computer/FirePlan.h"

#include "state/Numeric.h"

namespace kv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digit at index i as a sector coordinate 0..8, or -1.
int SectorDigit(std::string_view s, size_t i) {
    if (i >= s.size() || !IsDigit(s[i]) || s[i] == '9') return -1;
    return s[i] - '0';
}

}  // namespace

std::optional<PhaserEntry> ReadPhaserEntry(std::string_view entry) {
    const size_t c = entry.find(':');
    if (c == std::string_view::npos) return std::nullopt;
    PhaserEntry e;
    e.row = SectorDigit(entry, c + 2);
    e.col = SectorDigit(entry, c + 4);
    if (e.row < 0 || e.col < 0) return std::nullopt;
    const size_t second = entry.find(':', c + 1);
    if (second == std::string_view::npos) return std::nullopt;
    if (c + 6 < entry.size()) e.kind = std::string(entry.substr(c + 6, 2));
    // The slot: the digits after the label's first character, one or two of them (a second digit
    // only where it makes a slot up to 10).
    if (const size_t i = c + 7; i < entry.size() && IsDigit(entry[i])) {
        e.slot = entry[i] - '0';
        if (i + 1 < entry.size() && IsDigit(entry[i + 1]) && e.slot * 10 + (entry[i + 1] - '0') <= 10)
            e.slot = e.slot * 10 + (entry[i + 1] - '0');
    }
    e.amount = CLng(Val(entry.substr(second + 1)));
    return e;
}

std::string PhaserEntryText(const std::string& prefix, int row, int col, const std::string& label,
                            const std::string& middle, long amount) {
    return prefix + std::to_string(row) + "," + std::to_string(col) + " " + label + middle + std::to_string(amount);
}

std::optional<TorpedoEntry> ReadTorpedoEntry(std::string_view entry) {
    const size_t n = entry.size();
    if (n < 3 || !IsDigit(entry[n - 1]) || !IsDigit(entry[n - 3])) return std::nullopt;
    TorpedoEntry e;
    e.row = entry[n - 3] - '0';
    e.col = entry[n - 1] - '0';
    if (entry[0] == '*') {
        e.classTwo = true;
        // The power stands between the two marks.
        size_t i = 1;
        long power = 0;
        while (i < n && IsDigit(entry[i]) && power < 100) power = power * 10 + (entry[i++] - '0');
        if (power < 1) return std::nullopt;
        e.power = static_cast<int>(power);
    }
    return e;
}

std::string TorpedoEntryText(int power, const std::string& first, double distance, const std::string& second, int row,
                             int col) {
    std::string mark = power > 1 ? "*" + std::to_string(power) + "*" : "";
    return mark + first + Format(distance, "0.00") + second + std::to_string(row) + "," + std::to_string(col);
}

std::string SwitchTorpedoClass(const std::string& entry, int power) {
    if (!entry.empty() && entry[0] == '*') {
        const size_t close = entry.find('*', 1);
        return close == std::string::npos ? entry.substr(1) : entry.substr(close + 1);
    }
    return "*" + std::to_string(power) + "*" + entry;
}

void ParsePhaserTarget(Game& g) {
    long long total = 0;
    for (const std::string& entry : g.st.PhaserPlan) {
        if (auto e = ReadPhaserEntry(entry)) total += e->amount;
    }
    g.st.PhaserPlanTotal = std::to_string(total);
    g.host.Refresh(View::PhaserPlan);
}

}  // namespace kv

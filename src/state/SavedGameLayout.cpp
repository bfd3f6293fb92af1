#include "state/SavedGameLayout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/Codepage.h"
#include "state/Numeric.h"
#include "state/Utilities.h"

namespace kv {
namespace {

long long Pow10(int e) {
    long long p = 1;
    while (e-- > 0) p *= 10;
    return p;
}

// The program's own version: the leading "major.minor" of its version text.
SavedGameVersion ProgramVersion() {
    std::string v = GetVersionString();
    size_t dot = v.find('.');
    std::string major = v.substr(0, dot);
    std::string minor;
    if (dot != std::string::npos) {
        size_t end = v.find('.', dot + 1);
        minor = v.substr(dot + 1, end == std::string::npos ? std::string::npos : end - dot - 1);
    }
    while (!minor.empty() && minor.back() == '0') minor.pop_back();
    SavedGameVersion f;
    f.num = std::stoll(major + minor);
    f.exp = static_cast<int>(minor.size());
    return f;
}

// The version written in a header's digits: the number, divided by 10 while above 99, then
// by 10 once more ("13" is 1.3, "125" is 1.25, "2" is 0.2).
SavedGameVersion VersionFromDigits(long long digits) {
    SavedGameVersion f;
    f.num = digits;
    int k = 0;
    while (digits > 99 * Pow10(k)) ++k;
    f.exp = k + 1;
    return f;
}

// ---- Writing the plain text -----------------------------------------------------------------

std::string FloatText(float v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string DoubleText(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// A fixed-point value with four decimal places (stored times 10000) as printed: no trailing
// zeros, no "0" before the point.
std::string FixedText(int64_t x) {
    uint64_t a = x < 0 ? 0 - static_cast<uint64_t>(x) : static_cast<uint64_t>(x);
    uint64_t whole = a / 10000, frac = a % 10000;
    std::string s = x < 0 ? "-" : "";
    if (frac == 0) return s + std::to_string(whole);
    std::string f = std::to_string(frac);
    f.insert(0, 4 - f.size(), '0');
    while (f.back() == '0') f.pop_back();
    return s + (whole == 0 ? std::string() : std::to_string(whole)) + "." + f;
}

// A text as it goes into the file: Windows-1252, and on one line (a line end inside a name
// would split its item in two and make the file unreadable).
std::string FileText(const std::string& utf8) {
    std::string t = Utf8ToCp1252(utf8);
    for (char& c : t)
        if (c == '\r' || c == '\n') c = ' ';
    return t;
}

// A text item in double quotes, with every quote inside it doubled, so that a text holding
// quotes and commas reads back exactly. (Older versions wrote the quotes as they stood.)
std::string Quoted(std::string_view text) {
    std::string q = "\"";
    for (char c : text) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

class PlainWriter {
public:
    template <typename... T>
    void Line(const T&... items) {
        bool first = true;
        (Item(first, items), ...);
        out += "\r\n";
    }
    void Grid(const Grid9& grid) {
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) Line(grid[r][c]);
    }
    std::string out;

private:
    void Sep(bool& first) {
        if (!first) out += ',';
        first = false;
    }
    void Item(bool& first, int16_t v) {
        Sep(first);
        out += std::to_string(v);
    }
    void Item(bool& first, int32_t v) {
        Sep(first);
        out += std::to_string(v);
    }
    void Item(bool& first, float v) {
        Sep(first);
        out += FloatText(v);
    }
    void Item(bool& first, double v) {
        Sep(first);
        out += DoubleText(v);
    }
    void Item(bool& first, bool v) {
        Sep(first);
        out += v ? "#TRUE#" : "#FALSE#";
    }
    void Item(bool& first, const std::string& v) {
        Sep(first);
        out += Quoted(FileText(v));
    }
};

// A number as printed into a star-system line: a blank (or "-") before, a blank after.
std::string Printed(long long v) { return Str(v) + " "; }

std::string StarSystemLine(const SolarSystemRecord& rec) {
    std::string name = FileText(rec.Name);
    name.resize(20, ' ');
    std::string line = Quoted(name) + "," + Quoted(FileText(rec.DescriptorName)) + ",";
    line += Printed(rec.PlanetCount) + "," + Printed(rec.SystemValue2) + "," + Printed(rec.SectorRow) + "," +
            Printed(rec.SectorCol) + "," + Printed(rec.SystemValue3);
    for (const PlanetEntry& p : rec.Planets) {
        for (long long v : {static_cast<long long>(p.PlanetValue1), static_cast<long long>(p.PlanetValue2),
                            static_cast<long long>(p.PlanetValue3), static_cast<long long>(p.PlanetValue4),
                            static_cast<long long>(p.PlanetValue5), static_cast<long long>(p.PlanetFlag)})
            line += "," + Printed(v);
        line += "," + std::string(p.PlanetBits < 0 ? "" : " ") + FixedText(p.PlanetBits) + " ";
    }
    return line + "\r\n";
}

int StarCount(Integer code) { return code >= 0 ? QuadStarCount(code) : 0; }

// ---- Reading the plain text -----------------------------------------------------------------

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

struct Field {
    std::string text;
    bool quoted = false;
};

// The text between two quotes, with each doubled quote read as one (unless `doubled` is
// false: the quotes as older versions wrote them).
std::string Unquoted(std::string_view inner, bool doubled = true) {
    std::string t;
    for (size_t j = 0; j < inner.size(); ++j) {
        t += inner[j];
        if (doubled && inner[j] == '"' && j + 1 < inner.size() && inner[j + 1] == '"') ++j;
    }
    return t;
}

// The closing quote of the quoted item that opens at line[open]: the first quote that is
// neither doubled nor followed by anything but blanks before a comma or the end of the line.
// A lone quote inside the text (as older versions wrote them) belongs to the text. npos when
// the item is not closed.
size_t ClosingQuote(std::string_view line, size_t open, bool doubled = true) {
    for (size_t j = open + 1; j < line.size(); ++j) {
        if (line[j] != '"') continue;
        if (doubled && j + 1 < line.size() && line[j + 1] == '"') {
            ++j;
            continue;
        }
        size_t k = j + 1;
        while (k < line.size() && line[k] == ' ') ++k;
        if (k == line.size() || line[k] == ',') return j;
    }
    return std::string_view::npos;
}

// Splits a line of comma-separated items. The line's last item (the `expected`-th), when
// quoted, runs to the last quote of the line, so that a text written by an older version
// with a quote and a comma inside still reads. False when a quoted item is not closed.
bool SplitFields(std::string_view line, size_t expected, std::vector<Field>& out) {
    out.clear();
    size_t i = 0;
    while (true) {
        while (i < line.size() && line[i] == ' ') ++i;
        Field f;
        if (i < line.size() && line[i] == '"') {
            size_t close = std::string_view::npos;
            if (out.size() + 1 == expected) {
                size_t last = line.find_last_not_of(' ');
                if (last > i && line[last] == '"') close = last;
            }
            if (close == std::string_view::npos) close = ClosingQuote(line, i);
            if (close == std::string_view::npos) return false;
            f.text = Unquoted(line.substr(i + 1, close - i - 1));
            f.quoted = true;
            i = close + 1;
            while (i < line.size() && line[i] == ' ') ++i;
        } else {
            size_t end = line.find(',', i);
            if (end == std::string_view::npos) end = line.size();
            f.text = std::string(Trim(line.substr(i, end - i)));
            i = end;
        }
        out.push_back(std::move(f));
        if (i >= line.size()) return true;
        ++i;  // the comma
    }
}

// The whole text as a number (a leading "+" allowed).
bool ParseDouble(std::string_view s, double& v) {
    s = Trim(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}

bool ParseFloat(std::string_view s, float& v) {
    s = Trim(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}

// A whole number within [lo, hi]: decimal digits, or a number rounded half to even, or the
// Boolean words (-1, 0).
bool ParseWhole(std::string_view s, long long lo, long long hi, long long& v) {
    s = Trim(s);
    if (s == "#TRUE#") {
        v = -1;
        return true;
    }
    if (s == "#FALSE#") {
        v = 0;
        return true;
    }
    std::string_view t = s;
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size()) {
        double d;
        if (!ParseDouble(s, d)) return false;
        d = std::nearbyint(d);
        if (d < static_cast<double>(lo) || d > static_cast<double>(hi)) return false;
        v = static_cast<long long>(d);
    }
    return v >= lo && v <= hi;
}

// A fixed-point value with at most four decimal places, times 10000.
bool ParseFixed(std::string_view s, int64_t& v) {
    s = Trim(s);
    bool neg = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        neg = s.front() == '-';
        s.remove_prefix(1);
    }
    size_t dot = s.find('.');
    std::string_view whole = s.substr(0, dot);
    std::string_view frac = dot == std::string_view::npos ? std::string_view() : s.substr(dot + 1);
    // The whole part of a flag word with bits up to 49 has 15 digits.
    if ((whole.empty() && frac.empty()) || whole.size() > 15 || frac.size() > 4) return false;
    for (char c : whole)
        if (c < '0' || c > '9') return false;
    for (char c : frac)
        if (c < '0' || c > '9') return false;
    int64_t w = 0, f = 0;
    for (char c : whole) w = w * 10 + (c - '0');
    for (size_t i = 0; i < 4; ++i) f = f * 10 + (i < frac.size() ? frac[i] - '0' : 0);
    if (w > (INT64_MAX - f) / 10000) return false;
    v = w * 10000 + f;
    if (neg) v = -v;
    return true;
}

// The lines of the plain text after the header, read item by item. Any item that is missing,
// of the wrong kind or out of range makes the whole read fail.
class Source {
public:
    explicit Source(const std::vector<std::string_view>& lines) : lines_(lines) {}

    bool ok = true;

    // Takes the next line, which must hold exactly n items.
    bool Take(size_t n) {
        if (!ok) return false;
        if (next_ >= lines_.size()) return FailAt(next_);
        const size_t at = next_++;
        if (!SplitFields(lines_[at], n, f_) || f_.size() != n) return FailAt(at);
        return true;
    }
    std::string_view TakeRaw() {
        if (!ok || next_ >= lines_.size()) {
            FailAt(next_);
            return {};
        }
        return lines_[next_++];
    }
    // Nothing but an empty last line may follow the items.
    bool AtEnd() {
        if (!ok) return false;
        if (next_ + 1 < lines_.size() || (next_ < lines_.size() && !lines_[next_].empty())) return FailAt(next_);
        return true;
    }

    void Get(size_t i, int16_t& out, long long lo = INT16_MIN, long long hi = INT16_MAX) {
        long long v;
        if (!Number(i) || !ParseWhole(f_[i].text, lo, hi, v)) return void(Fail());
        out = static_cast<int16_t>(v);
    }
    void Get(size_t i, int32_t& out, long long lo = INT32_MIN, long long hi = INT32_MAX) {
        long long v;
        if (!Number(i) || !ParseWhole(f_[i].text, lo, hi, v)) return void(Fail());
        out = static_cast<int32_t>(v);
    }
    void Get(size_t i, float& out) {
        if (!Number(i) || !ParseFloat(f_[i].text, out)) Fail();
    }
    void Get(size_t i, double& out) {
        if (!Number(i) || !ParseDouble(f_[i].text, out)) Fail();
    }
    void Get(size_t i, bool& out) {
        long long v;
        if (!Number(i) || !ParseWhole(f_[i].text, INT32_MIN, INT32_MAX, v)) return void(Fail());
        out = v != 0;
    }
    void Get(size_t i, std::string& out) {
        if (!ok || i >= f_.size()) return void(Fail());
        out = Cp1252ToUtf8(f_[i].text);
    }

    // One item on a line of its own.
    template <typename T, typename... R>
    void One(T& out, R... range) {
        if (Take(1)) Get(0, out, range...);
    }
    // A grid of 64 lines, each value within [lo, hi].
    template <typename G>
    void Grid(G& grid, int offset, long long lo, long long hi) {
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                One(grid[static_cast<size_t>(r - offset)][static_cast<size_t>(c - offset)], lo, hi);
    }

    // The item read last (or the line taken last) is wrong.
    bool Fail() { return FailAt(next_ > 0 ? next_ - 1 : 0); }
    // The first line found wrong, counted from 0 among the lines after the header.
    size_t FailedLine() const { return failed_; }

private:
    bool FailAt(size_t line) {
        if (ok) failed_ = line;
        ok = false;
        return false;
    }

    bool Number(size_t i) { return ok && i < f_.size() && !f_[i].quoted; }

    const std::vector<std::string_view>& lines_;
    size_t next_ = 0;
    size_t failed_ = 0;
    std::vector<Field> f_;
};

// A quoted text at the start of `rest` that is followed by a comma; `rest` is left after
// that comma.
bool TakeQuoted(std::string_view& rest, std::string& out, bool doubled) {
    rest = Trim(rest);
    if (rest.empty() || rest.front() != '"') return false;
    const size_t close = ClosingQuote(rest, 0, doubled);
    if (close == std::string_view::npos) return false;
    size_t k = close + 1;
    while (k < rest.size() && rest[k] == ' ') ++k;
    if (k == rest.size()) return false;
    out = Unquoted(rest.substr(1, close - 1), doubled);
    rest.remove_prefix(k + 1);
    return true;
}

// The next comma-separated field of `rest`; false when none is left.
bool TakeField(std::string_view& rest, std::string_view& field, bool& more) {
    if (rest.data() == nullptr) return false;
    size_t comma = rest.find(',');
    field = rest.substr(0, comma);
    more = comma != std::string_view::npos;
    rest = more ? rest.substr(comma + 1) : std::string_view();
    return true;
}

// Reads a star-system line; with `doubled` false its texts are read with their quotes as
// older versions wrote them (a name ending in a quote then ends in two).
bool ReadStarSystemLine(std::string_view line, const SavedGameVersion& ver, SolarSystemRecord& rec, bool doubled) {
    std::string_view rest = line;
    std::string name, desc;
    if (!TakeQuoted(rest, name, doubled)) return false;
    if (ver.AtLeast(1220) && !TakeQuoted(rest, desc, doubled)) return false;
    name.resize(20, ' ');
    rec.Name = Cp1252ToUtf8(name);
    rec.DescriptorName = Cp1252ToUtf8(desc);
    rec.Notes.clear();

    long long v[75];
    int64_t bits[10];
    bool more = true;
    for (int i = 0; i < 75; ++i) {
        std::string_view f;
        if (!more || !TakeField(rest, f, more)) return false;
        bool isBits = i >= 5 && (i - 5) % 7 == 6;
        if (isBits) {
            if (!ParseFixed(f, bits[(i - 5) / 7])) return false;
        } else if (!ParseWhole(f, INT32_MIN, INT32_MAX, v[i])) {
            return false;
        }
    }
    if (ver.AtLeast(1200)) {
        if (more) return false;
    } else if (more) {
        // Older files keep the notes in double quotes after the numbers.
        std::string_view notes = Trim(rest);
        if (notes == "\"")
            notes = {};
        else if (notes.size() >= 2)
            notes = notes.substr(1, notes.size() - 2);
        else
            notes = {};
        rec.Notes = Cp1252ToUtf8(notes);
    }
    auto i16 = [](long long x, long long lo, long long hi, Integer& out) {
        if (x < lo || x > hi) return false;
        out = static_cast<Integer>(x);
        return true;
    };
    if (!i16(v[0], 0, 10, rec.PlanetCount) || !i16(v[1], INT16_MIN, INT16_MAX, rec.SystemValue2) ||
        !i16(v[2], 0, 8, rec.SectorRow) || !i16(v[3], 0, 8, rec.SectorCol))
        return false;
    rec.SystemValue3 = static_cast<Long>(v[4]);
    for (int p = 0; p < 10; ++p) {
        const long long* x = v + 5 + 7 * p;
        PlanetEntry& e = rec.Planets[static_cast<size_t>(p)];
        if (!i16(x[0], INT16_MIN, INT16_MAX, e.PlanetValue1) || !i16(x[1], INT16_MIN, INT16_MAX, e.PlanetValue2) ||
            !i16(x[2], INT16_MIN, INT16_MAX, e.PlanetValue3) || !i16(x[4], INT16_MIN, INT16_MAX, e.PlanetValue5))
            return false;
        e.PlanetValue4 = static_cast<Long>(x[3]);
        e.PlanetFlag = static_cast<Long>(x[5]);
        e.PlanetBits = bits[p];
    }
    return true;
}

// Condition index from the fixed words of files older than 1.2; -1 when the text is none.
int ConditionFromText(const std::string& text) {
    std::string t(Trim(text));
    if (t == "GREEN") return kGreen;
    if (t == "YELLOW") return kYellow;
    if (t == "*RED*") return kRed;
    if (t == "DOCKED") return kDocked;
    return -1;
}

// Reads every item after the header into st.
bool ReadItems(GameState& st, Source& in, const SavedGameVersion& ver) {
    const bool v11 = ver.AtLeast(1100), v12 = ver.AtLeast(1200), v13 = ver.AtLeast(1300);
    // 1-5: grids.
    in.Grid(st.SectorGrid, 0, 0, 7);
    in.Grid(st.SpareGrid, 0, INT16_MIN, INT16_MAX);
    in.Grid(st.KnownGalaxy, 0, -1, INT16_MAX);
    in.Grid(st.Galaxy, 0, 0, INT16_MAX);
    in.Grid(st.CloakedPerQuadrant, 1, INT16_MIN, INT16_MAX);
    for (int r = 1; r <= 8 && in.ok; ++r)
        for (int c = 1; c <= 8; ++c) {
            int code = st.Galaxy[r][c];
            if (code % 10 > 4 || (code / 10) % 10 > 3) in.Fail();
        }
    // 6.
    if (in.Take(9)) {
        in.Get(0, st.PrevQuadCol, 0, 8);
        in.Get(1, st.DamageReportMode);
        in.Get(2, st.SectorPickMode);
        in.Get(3, st.QuadrantPickMode);
        in.Get(4, st.TorpedoClass2Power);
        in.Get(5, st.LRSRange);
        in.Get(6, st.ShieldsChanged);
        in.Get(7, st.TurnPassedWarp);
        in.Get(8, st.TechLevel);
    }
    // 7, 8.
    if (v11) {
        if (in.Take(5)) {
            in.Get(0, st.MissionType, 0, 3);
            in.Get(1, st.UpgradesOn);
            in.Get(2, st.MissionGoal);
            in.Get(3, st.SystemsCount);
            in.Get(4, st.FirePlanMode);
        }
        if (in.Take(4)) {
            in.Get(0, st.GoalBySystems);
            in.Get(1, st.KeepTech);
            in.Get(2, st.GoalSystemsDone);
            in.Get(3, st.SpecialSystems);
        }
    }
    // 9: upgrade levels; files older than 1.2 hold slots 4 and 5 the other way round.
    for (size_t k = 1; k <= 5; ++k) in.One(st.UpgradeTable[k], 0, 99);
    if (!v12) std::swap(st.UpgradeTable[4], st.UpgradeTable[5]);
    // 10.
    if (in.Take(19)) {
        in.Get(0, st.MaxShields);
        in.Get(1, st.ShieldLevel);
        in.Get(2, st.Docked);
        in.Get(3, st.SoundOn);
        in.Get(4, st.WarpFactor);
        in.Get(5, st.HitChance);
        in.Get(6, st.QuadrantChanged);
        in.Get(7, st.TimeOffset);
        in.Get(8, st.ShipEnergy);
        in.Get(9, st.MaxEnergy);
        in.Get(10, st.MaxTorpedoesClass1);
        in.Get(11, st.TorpedoStockClass1);
        in.Get(12, st.TorpedoStockClass2);
        in.Get(13, st.MaxTorpedoesClass2);
        in.Get(14, st.QuadZarvonis);
        in.Get(15, st.QuadStars);
        in.Get(16, st.QuadStarbase);
        in.Get(17, st.HostileTurnFlag);
        in.Get(18, st.ScoreCounterA);
    }
    // 11.
    if (in.Take(19)) {
        in.Get(0, st.InitialZarvonis);
        in.Get(1, st.ZarvonisLeft);
        in.Get(2, st.ZarvonisCounted);
        in.Get(3, st.TimeLeft);
        in.Get(4, st.TotalTime);
        in.Get(5, st.ScoreCounterB);
        in.Get(6, st.DockCount);
        in.Get(7, st.GoalProgress);
        in.Get(8, st.ScoreCounterC);
        in.Get(9, st.ScoreCounterD);
        in.Get(10, st.GameLength, 1, 3);
        in.Get(11, st.SkillLevel);
        in.Get(12, st.ZarvoniBaseShips);
        in.Get(13, st.ZarvoniBaseDestroyed);
        in.Get(14, st.ScoreCounterE);
        in.Get(15, st.FlaggedZarvonis);
        in.Get(16, st.MaxStarbaseStrength);
        in.Get(17, st.ZarvoniBaseStrength);
        in.Get(18, st.ConditionText);
    }
    // 12.
    if (in.Take(18)) {
        in.Get(0, st.Probes);
        in.Get(1, st.MaxProbes);
        in.Get(2, st.TacticalQuadRow, 0, 8);
        in.Get(3, st.TacticalQuadCol, 0, 8);
        in.Get(4, st.ZarvoniBaseKnown);
        in.Get(5, st.FinalReportFlag);
        in.Get(6, st.RepairRate);
        in.Get(7, st.StarbaseCount);
        in.Get(8, st.StarbasesLost);
        in.Get(9, st.StatCounterF);
        in.Get(10, st.StatCounterG);
        in.Get(11, st.ShipLost);
        in.Get(12, st.StatCounterH);
        in.Get(13, st.ShipQuadrantRow, 1, 8);
        in.Get(14, st.ShipQuadrantCol, 1, 8);
        in.Get(15, st.ShipSectorRow, 1, 8);
        in.Get(16, st.ShipSectorCol, 1, 8);
        in.Get(17, st.PrevQuadRow, 0, 8);
    }
    // 13, 14.
    if (in.Take(6)) {
        in.Get(0, st.MorvStrength);
        in.Get(1, st.MorvCountdown);
        in.Get(2, st.MorvRegen);
        in.Get(3, st.MorvStarsTaken);
        in.Get(4, st.MorvCountdownStarted);
        in.Get(5, st.MorvShipsDestroyed);
    }
    if (v11 && in.Take(3)) {
        in.Get(0, st.MorvCounterA);
        in.Get(1, st.MorvMoveFlag);
        in.Get(2, st.MorvBasesTaken);
    }
    // 15, 16, then the condition.
    if (v12) {
        if (in.Take(4)) {
            in.Get(0, st.ShieldFactor);
            in.Get(1, st.RetrofitSystem, 0, 8);
            in.Get(2, st.MorvTimerScale);
            in.Get(3, st.CloakedKilled);
        }
        if (in.Take(4)) {
            in.Get(0, st.LRSDone);
            in.Get(1, st.ConditionIndex);
            in.Get(2, st.EnteringSystem);
            in.Get(3, st.SelfDestructActive);
        }
    } else {
        int c = ConditionFromText(st.ConditionText);
        if (c >= 0) st.ConditionIndex = c;
    }
    if (!in.ok) return false;
    // 17.
    for (auto& field : st.Starbases)
        for (auto& v : field) in.One(v);
    for (size_t f = 0; f <= 2; ++f)
        for (auto& v : st.StarbaseSectors[f]) in.One(v, f == 0 ? INT16_MIN : 0, f == 0 ? INT16_MAX : 8);
    for (size_t f = 1; f <= 4; ++f)
        for (size_t s = 1; s <= 10; ++s) in.One(st.ZarvoniShips[f][s], f <= 2 ? 0 : INT16_MIN, f <= 2 ? 8 : INT16_MAX);
    for (size_t f = 1; f <= 2; ++f)
        for (size_t s = 1; s <= 5; ++s) in.One(st.CloakedShips[f][s], 0, 8);
    for (size_t i = 1; i <= 4; ++i) in.One(st.MorvShip[i], 0, 8);
    for (size_t b = 1; b <= 3; ++b)
        for (size_t f = 1; f <= 2; ++f)
            if (st.Starbases[f][b] < 0 || st.Starbases[f][b] > 8) in.Fail();
    // 18.
    if (v12) {
        for (size_t k = 1; k <= 5; ++k) {
            Long button = 0;
            in.One(st.RetrofitSlots[k]);
            in.One(button);
            st.RetrofitButtonTag[k - 1] = button > 0 ? std::to_string(button) : std::string();
        }
    }
    // 19.
    for (size_t i = 1; i <= 8; ++i) in.One(st.SystemDamage[i]);
    for (auto& v : st.ZarvoniEnergy) in.One(v);
    for (size_t i = 0; i <= 5; ++i)
        in.One(st.ZarvoniBase[i], i >= 1 && i <= 4 ? 0 : INT32_MIN, i >= 1 && i <= 4 ? 8 : INT32_MAX);
    for (auto& v : st.StarbaseFlags) in.One(v);
    for (size_t i = 1; i <= 7; ++i) in.One(st.ColorTable[i]);
    for (size_t i = 1; i <= 10; ++i) in.One(st.ZarvoniFlags[i]);
    for (size_t i = 1; i <= 5; ++i) in.One(st.CloakedEnergy[i]);
    in.One(st.CaptainName);
    if (!in.ok) return false;
    // 20.
    st.ClearStarSystems();
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            for (int n = 1; n <= StarCount(st.Galaxy[r][c]); ++n) {
                std::string_view line = in.TakeRaw();
                SolarSystemRecord& rec = st.StarSystem(r, c, n);
                if (!in.ok || !(ReadStarSystemLine(line, ver, rec, true) || ReadStarSystemLine(line, ver, rec, false)))
                    return in.Fail();
            }
    // 21.
    if (v13) {
        in.One(st.ScoreEligible);
    } else {
        st.ScoreEligible = v12;
    }
    return in.AtEnd();
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (true) {
        size_t end = text.find("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(pos));
            return lines;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
}

// "*WIN* name" (version 1.0) or "*WINV" digits "* " name.
bool ParseHeader(std::string_view line, SavedGameHeader& h) {
    if (line.substr(0, 4) != "*WIN" || line.size() < 5) return false;
    size_t nameStart;
    if (line[4] == '*') {
        h.version = {10, 1};
        nameStart = 5;
    } else {
        if (line[4] != 'V') return false;
        size_t star = line.find('*', 5);
        if (star == std::string_view::npos || star == 5 || star - 5 > 6) return false;
        long long digits = 0;
        for (size_t i = 5; i < star; ++i) {
            if (line[i] < '0' || line[i] > '9') return false;
            digits = digits * 10 + (line[i] - '0');
        }
        h.version = VersionFromDigits(digits);
        nameStart = star + 1;
    }
    if (nameStart < line.size() && line[nameStart] == ' ') ++nameStart;
    h.configName = Cp1252ToUtf8(line.substr(std::min(nameStart, line.size())));
    return true;
}

}  // namespace

bool SavedGameVersion::AtLeast(long long thousandths) const { return num * 1000 >= thousandths * Pow10(exp); }

bool SavedGameVersion::NewerThan(const SavedGameVersion& o) const { return num * Pow10(o.exp) > o.num * Pow10(exp); }

std::string ProgramVersionDigits() { return std::to_string(ProgramVersion().num); }

std::string FlipSavedBytes(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out) c = static_cast<char>(255 - static_cast<unsigned char>(c));
    return out;
}

std::string SavedGameText(const GameState& s) {
    PlainWriter w;
    w.out = "*WINV" + ProgramVersionDigits() + "* " + FileText(s.ConfigName) + "\r\n";
    w.Grid(s.SectorGrid);
    w.Grid(s.SpareGrid);
    w.Grid(s.KnownGalaxy);
    w.Grid(s.Galaxy);
    for (const auto& row : s.CloakedPerQuadrant)
        for (Integer v : row) w.Line(v);
    w.Line(s.PrevQuadCol, s.DamageReportMode, s.SectorPickMode, s.QuadrantPickMode, s.TorpedoClass2Power, s.LRSRange,
           s.ShieldsChanged, s.TurnPassedWarp, s.TechLevel);
    w.Line(s.MissionType, s.UpgradesOn, s.MissionGoal, s.SystemsCount, s.FirePlanMode);
    w.Line(s.GoalBySystems, s.KeepTech, s.GoalSystemsDone, s.SpecialSystems);
    for (size_t k = 1; k <= 5; ++k) w.Line(s.UpgradeTable[k]);
    w.Line(s.MaxShields, s.ShieldLevel, s.Docked, s.SoundOn, s.WarpFactor, s.HitChance, s.QuadrantChanged, s.TimeOffset,
           s.ShipEnergy, s.MaxEnergy, s.MaxTorpedoesClass1, s.TorpedoStockClass1, s.TorpedoStockClass2,
           s.MaxTorpedoesClass2, s.QuadZarvonis, s.QuadStars, s.QuadStarbase, s.HostileTurnFlag, s.ScoreCounterA);
    w.Line(s.InitialZarvonis, s.ZarvonisLeft, s.ZarvonisCounted, s.TimeLeft, s.TotalTime, s.ScoreCounterB, s.DockCount,
           s.GoalProgress, s.ScoreCounterC, s.ScoreCounterD, s.GameLength, s.SkillLevel, s.ZarvoniBaseShips,
           s.ZarvoniBaseDestroyed, s.ScoreCounterE, s.FlaggedZarvonis, s.MaxStarbaseStrength, s.ZarvoniBaseStrength,
           s.ConditionText);
    w.Line(s.Probes, s.MaxProbes, s.TacticalQuadRow, s.TacticalQuadCol, s.ZarvoniBaseKnown, s.FinalReportFlag,
           s.RepairRate, s.StarbaseCount, s.StarbasesLost, s.StatCounterF, s.StatCounterG, s.ShipLost, s.StatCounterH,
           s.ShipQuadrantRow, s.ShipQuadrantCol, s.ShipSectorRow, s.ShipSectorCol, s.PrevQuadRow);
    w.Line(s.MorvStrength, s.MorvCountdown, s.MorvRegen, s.MorvStarsTaken, s.MorvCountdownStarted,
           s.MorvShipsDestroyed);
    w.Line(s.MorvCounterA, s.MorvMoveFlag, s.MorvBasesTaken);
    w.Line(s.ShieldFactor, s.RetrofitSystem, s.MorvTimerScale, s.CloakedKilled);
    w.Line(s.LRSDone, s.ConditionIndex, s.EnteringSystem, s.SelfDestructActive);
    for (const auto& field : s.Starbases)
        for (Long v : field) w.Line(v);
    for (const auto& field : s.StarbaseSectors)
        for (Integer v : field) w.Line(v);
    for (size_t f = 1; f <= 4; ++f)
        for (size_t i = 1; i <= 10; ++i) w.Line(s.ZarvoniShips[f][i]);
    for (size_t f = 1; f <= 2; ++f)
        for (size_t i = 1; i <= 5; ++i) w.Line(s.CloakedShips[f][i]);
    for (size_t i = 1; i <= 4; ++i) w.Line(s.MorvShip[i]);
    for (size_t k = 1; k <= 5; ++k) {
        w.Line(s.RetrofitSlots[k]);
        w.Line(CLng(Val(s.RetrofitButtonTag[k - 1])));
    }
    for (size_t i = 1; i <= 8; ++i) w.Line(s.SystemDamage[i]);
    for (Integer v : s.ZarvoniEnergy) w.Line(v);
    for (Long v : s.ZarvoniBase) w.Line(v);
    for (Integer v : s.StarbaseFlags) w.Line(v);
    for (size_t i = 1; i <= 7; ++i) w.Line(s.ColorTable[i]);
    for (size_t i = 1; i <= 10; ++i) w.Line(s.ZarvoniFlags[i]);
    for (size_t i = 1; i <= 5; ++i) w.Line(s.CloakedEnergy[i]);
    w.Line(s.CaptainName);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            for (int n = 1; n <= std::min(StarCount(s.Galaxy[r][c]), 4); ++n)
                w.out += StarSystemLine(s.StarSystem(r, c, n));
    w.Line(s.ScoreEligible);
    return w.out;
}

SavedTextResult ReadSavedGameText(std::string_view plain, GameState& st, SavedGameHeader& header) {
    const std::vector<std::string_view> all = SplitLines(plain);
    header.damagedLine = 0;
    if (!ParseHeader(all.front(), header)) {
        // The mark with no whole header after it is a saved game cut short or spoilt in its
        // first line. A text without the mark is of the older plain layout (or no saved game at
        // all): that layout is not fully known, so it is not read.
        if (all.front().substr(0, 4) != "*WIN") return SavedTextResult::NotASavedGame;
        header.damagedLine = 1;
        return SavedTextResult::Damaged;
    }
    if (header.version.NewerThan(ProgramVersion())) return SavedTextResult::Newer;
    const std::vector<std::string_view> items(all.begin() + 1, all.end());
    Source in(items);
    if (ReadItems(st, in, header.version)) return SavedTextResult::Read;
    header.damagedLine = in.FailedLine() + 2;  // the header is line 1
    return SavedTextResult::Damaged;
}

bool IsOldPlainLayout(std::string_view bytes) {
    // Its first line: the configuration's name in quotes and six whole numbers.
    const std::string_view first = bytes.substr(0, bytes.find("\r\n"));
    if (first.size() == bytes.size()) return false;
    std::vector<Field> f;
    if (!SplitFields(first, 7, f) || f.size() != 7 || !f[0].quoted) return false;
    for (size_t i = 1; i < f.size(); ++i) {
        long long v;
        if (f[i].quoted || !ParseWhole(f[i].text, INT16_MIN, INT16_MAX, v)) return false;
    }
    return true;
}

}  // namespace kv

#include "datafiles/SolarSystemFiles.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string_view>

#include "datafiles/Verify.h"
#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Strings.h"
#include "state/Game.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr const char* kProfileDefault = "Not Used";

// A file of folder named `name`, found without regard to case; "" when there is none (or no
// folder is set).
std::string NamedFileIn(const std::string& folder, const std::string& name) {
    return folder.empty() ? std::string() : FindNamedFile(folder, name);
}

// Stores the name read from a file as the record's 20-character name: cut after 20 characters
// or padded with blanks to 20 (an accented letter is one character of the file, two bytes of
// the record's UTF-8; a saved game writes the name back in the file's 20 bytes).
void StoreName(SolarSystemRecord& rec, const std::string& cp1252) {
    const std::string text = cp1252.substr(0, 20);
    rec.Name = Cp1252ToUtf8(text) + std::string(20 - text.size(), ' ');
}

// Sequential reading of items: items are separated by commas or line ends; a text item is in
// double quotes or runs to the next comma or line end; a number ends at a comma, a blank or a
// line end. Blanks and empty lines before an item are passed over.
class SequentialInput {
public:
    SequentialInput(const std::string& bytes, size_t& pos, int& line) : b_(bytes), pos_(pos), line_(line) {}

    bool AtEof() const { return pos_ >= b_.size(); }
    int Line() const { return line_; }

    // Reads and drops one character, whatever it is.
    void SkipChar() {
        if (AtEof()) return;
        if (b_[pos_] == '\n' || (b_[pos_] == '\r' && !(pos_ + 1 < b_.size() && b_[pos_ + 1] == '\n'))) ++line_;
        ++pos_;
    }

    // Skips blanks and line ends; false at the end of the file.
    bool SkipToItem() {
        while (!AtEof()) {
            const char c = b_[pos_];
            if (c == ' ' || c == '\t') {
                ++pos_;
            } else if (c == '\r' || c == '\n') {
                ConsumeLineEnd();
            } else {
                return true;
            }
        }
        return false;
    }

    // A text item; false at the end of the file.
    bool ReadText(std::string& out) {
        if (!SkipToItem()) return false;
        out.clear();
        if (b_[pos_] == '"') {
            ++pos_;
            while (!AtEof() && b_[pos_] != '"') {
                if (b_[pos_] == '\n') ++line_;
                out += b_[pos_++];
            }
            if (!AtEof()) ++pos_;  // closing quote
            // Whatever stands between the closing quote and the delimiter is dropped.
            while (!AtEof() && b_[pos_] != ',' && b_[pos_] != '\r' && b_[pos_] != '\n') ++pos_;
            ConsumeDelimiter();
            return true;
        }
        while (!AtEof() && b_[pos_] != ',' && b_[pos_] != '\r' && b_[pos_] != '\n') out += b_[pos_++];
        out = Trim(out, kBlanksAndTabs);
        ConsumeDelimiter();
        return true;
    }

    // A numeric item. Returns false at the end of the file or when the item is not a number
    // (the item is consumed either way). An empty item reads as 0.
    bool ReadNumber(double& value) {
        if (!SkipToItem()) return false;
        std::string text;
        if (b_[pos_] == '"') {
            if (!ReadText(text)) return false;
        } else {
            while (!AtEof() && b_[pos_] != ',' && b_[pos_] != '\r' && b_[pos_] != '\n' && b_[pos_] != ' ' &&
                   b_[pos_] != '\t')
                text += b_[pos_++];
            while (!AtEof() && (b_[pos_] == ' ' || b_[pos_] == '\t')) ++pos_;
            ConsumeDelimiter();
        }
        text = Trim(text, kBlanksAndTabs);
        if (text.empty()) {
            value = 0;
            return true;
        }
        return ParseNumber(text, value);
    }

private:
    static bool ParseNumber(const std::string& t, double& value) {
        size_t i = 0;
        const size_t n = t.size();
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        size_t digits = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
        if (i < n && t[i] == '.') {
            ++i;
            while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
        }
        if (digits == 0) return false;
        if (i < n && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
            ++i;
            if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
            size_t exp = 0;
            while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++exp;
            if (exp == 0) return false;
        }
        if (i != n) return false;
        std::string c = t;
        for (char& ch : c)
            if (ch == 'd' || ch == 'D') ch = 'e';
        // from_chars reads the C locale's form whatever locale the program runs in.
        const char* first = c.data();
        if (*first == '+') ++first;
        const auto res = std::from_chars(first, c.data() + c.size(), value);
        return res.ec == std::errc() && std::isfinite(value);
    }

    void ConsumeLineEnd() {
        if (b_[pos_] == '\r' && pos_ + 1 < b_.size() && b_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }
    void ConsumeDelimiter() {
        if (AtEof()) return;
        if (b_[pos_] == ',')
            ++pos_;
        else if (b_[pos_] == '\r' || b_[pos_] == '\n')
            ConsumeLineEnd();
    }

    const std::string& b_;
    size_t& pos_;
    int& line_;
};

void Note(std::vector<DataNote>* notes, const std::string& file, int line, const std::string& text) {
    if (notes) notes->push_back(DataNote{file, line, text});
}

std::string NumberText(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

// The value rounded to 16 bits (saturating) and kept within lo..hi; a clamp is noted.
Integer ClampNoted(double raw, Integer lo, Integer hi, const std::string& what, std::vector<DataNote>* notes,
                   const std::string& file, int line) {
    const Integer v = CInt(raw);
    if (v >= lo && v <= hi) return v;
    const Integer kept = v < lo ? lo : hi;
    Note(notes, file, line, what + " " + NumberText(raw) + " clamped to " + CStr(static_cast<long long>(kept)));
    return kept;
}

// Reads the six values of one planet row into p (when p is given); a bad item leaves its field.
void ReadPlanetRow(SequentialInput& in, PlanetEntry* p, std::vector<DataNote>* notes, const std::string& file,
                   int planet) {
    double v = 0;
    if (in.ReadNumber(v) && p) p->PlanetValue1 = CInt(v);
    if (in.ReadNumber(v) && p) p->PlanetValue2 = CInt(v);
    if (in.ReadNumber(v) && p) p->PlanetValue3 = CInt(v);
    if (in.ReadNumber(v) && p) p->PlanetValue4 = CLng(v);
    const int line = in.Line();
    if (in.ReadNumber(v) && p) {
        const std::string what = "planet " + CStr(static_cast<long long>(planet)) + " class";
        p->PlanetValue5 = ClampNoted(v, 0, kMaxPlanetClass, what, notes, file, line);
    }
    if (in.ReadNumber(v) && p) p->PlanetFlag = CLng(v);
}

std::string DescriptorPath(Game& g, const std::string& descriptorName) {
    if (descriptorName.empty()) return "";
    const std::string file = descriptorName + kDescriptorExtension;
    return NamedFileIn(g.st.SSDescriptorPath, file);
}

// The text of key in section of a profile file, cut at 254 characters and at the first NUL;
// false when the file, the section or the key is missing.
bool ProfileText(const std::string& path, const std::string& section, const std::string& key, std::string& out) {
    if (path.empty()) return false;
    auto file = LoadProfileFile(path);
    if (!file) return false;
    auto text = file->Get(section, key);
    if (!text) return false;
    out = text->substr(0, kProfileTextLimit);
    const size_t nul = out.find('\0');
    if (nul != std::string::npos) out.resize(nul);
    return true;
}

}  // namespace

// ---- StarSystemListReader -------------------------------------------------------------------

bool StarSystemListReader::Open(const std::string& path) {
    path_ = path;
    bytes_.clear();
    pos_ = 0;
    line_ = 1;
    notes_.clear();
    ended_ = false;
    open_ = !path.empty() && ReadFileBytes(path, bytes_);
    if (!open_) bytes_.clear();
    return open_;
}

bool StarSystemListReader::AtEnd() const {
    for (size_t i = pos_; i < bytes_.size(); ++i)
        if (bytes_[i] != ' ' && bytes_[i] != '\t' && bytes_[i] != '\r' && bytes_[i] != '\n') return false;
    return true;
}

bool StarSystemListReader::ReadSystem(SolarSystemRecord& rec) {
    if (!open_ || ended_) return false;
    SequentialInput in(bytes_, pos_, line_);
    std::string name;
    double type = 0, count = 0;
    int line = 0;
    if (!in.ReadText(name) || (line = in.Line(), !in.ReadNumber(type)) || !in.ReadNumber(count)) {
        ended_ = true;
        return false;
    }

    const std::string shown = Trim(Cp1252ToUtf8(name), kBlanksAndTabs);
    std::vector<DataNote>* notes = &notes_;
    StoreName(rec, name);
    rec.SystemValue2 = ClampNoted(type, 0, kMaxStarType, "star type of " + shown, notes, path_, line);
    const Integer declared = CInt(count);
    rec.PlanetCount = ClampNoted(count, 0, kMaxPlanetCount, "planet count of " + shown, notes, path_, line);
    // Rows beyond the tenth are read and dropped so that the next system starts where it should.
    for (int p = 1; p <= declared && !in.AtEof(); ++p)
        ReadPlanetRow(in, p <= kMaxPlanetCount ? &rec.Planets[p - 1] : nullptr, notes, path_, p);
    return true;
}

// ---- SolarSystemFileList --------------------------------------------------------------------

void SolarSystemFileList::List(const std::string& folder) {
    folder_ = folder;
    entries_.assign(1, std::string());
    paths_.assign(1, std::string());
    if (folder.empty()) return;
    for (const std::string& name : ListFiles(folder, "*" + extension_)) {
        if (name.size() <= 4) continue;
        entries_.push_back(name.substr(0, name.size() - 4));
        paths_.push_back(folder + name);  // the name as on disk, whatever the case of its extension
    }
}

int SolarSystemFileList::Find(const std::string& baseName) const {
    for (size_t i = 1; i < entries_.size(); ++i) {
        if (entries_[i].empty()) continue;
        if (baseName.empty() || entries_[i] == baseName) return static_cast<int>(i);
    }
    return 0;
}

bool SolarSystemFileList::Load(SolarSystemRecord& rec, std::vector<DataNote>* notes) {
    const int i = Find(rec.DescriptorName);
    if (i == 0) return false;
    const std::string name = entries_[i];
    ReadDescriptorSystem(paths_[i], rec, notes);
    rec.DescriptorName = name;
    entries_[i].clear();
    return true;
}

std::string SolarSystemFileList::Entry(int i) const {
    return i >= 1 && i < static_cast<int>(entries_.size()) ? entries_[i] : std::string();
}

// ---- FileStarSystemSource ------------------------------------------------------------------

void FileStarSystemSource::ListDescriptors(Game& g) { descriptors_.List(g.st.SSDescriptorPath); }

bool FileStarSystemSource::OpenList(Game& g, std::string& path) {
    path = FindFile(g.st.AppPath, "SOLARSYS.TXT");
    if (path.empty()) {
        path = g.st.AppPath + "SOLARSYS.TXT";
        return false;
    }
    return reader_.Open(path);
}

bool FileStarSystemSource::ReadSystem(SolarSystemRecord& rec) { return reader_.ReadSystem(rec); }

void FileStarSystemSource::LoadDescriptor(Game&, SolarSystemRecord& rec) { descriptors_.Load(rec); }

bool ReadDescriptorSystem(const std::string& path, SolarSystemRecord& rec, std::vector<DataNote>* notes) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) return false;
    // Lines up to and including the first one that contains "SolarSystem".
    size_t pos = 0;
    int line = 1;
    bool found = false;
    while (pos < bytes.size() && !found) {
        size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        found = std::string_view(bytes).substr(pos, end - pos).find("SolarSystem") != std::string_view::npos;
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
        pos = end + 1;
        ++line;
    }
    if (!found) return false;

    SequentialInput in(bytes, pos, line);
    in.SkipChar();
    std::string name;
    double v = 0;
    const int sysLine = in.Line();
    if (in.ReadText(name)) StoreName(rec, name);
    const std::string shown = Trim(rec.Name, kBlanksAndTabs);
    if (in.ReadNumber(v))
        rec.SystemValue2 = ClampNoted(v, 0, kMaxStarType, "star type of " + shown, notes, path, sysLine);
    if (in.ReadNumber(v))
        rec.PlanetCount = ClampNoted(v, 0, kMaxPlanetCount, "planet count of " + shown, notes, path, sysLine);
    const int count = std::clamp<int>(rec.PlanetCount, 0, kMaxPlanetCount);
    for (int p = 1; p <= count && !in.AtEof(); ++p) {
        in.SkipChar();
        ReadPlanetRow(in, &rec.Planets[p - 1], notes, path, p);
    }
    return true;
}

// ---- Descriptor texts and planet flags ------------------------------------------------------

int GetPlanetFlag(Game& g, const std::string& descriptorName, const std::string& key, int planet) {
    const std::string path = DescriptorPath(g, descriptorName);
    if (path.empty()) return -1;
    std::string value;
    if (!ProfileText(path, "General", key, value)) return -2;
    if (planet < 1) return 0;
    if (static_cast<size_t>(planet) > value.size()) return 1;
    const char c = value[planet - 1];
    return (c == '1' || c == 'Y' || c == 'P' || c == 'V') ? 1 : 0;
}

bool HasPlanetPicture(Game& g, const std::string& descriptorName, int planet) {
    return GetPlanetFlag(g, descriptorName, "PlanetPics", planet) != 0;
}

std::string GetSSMessage(Game& g, const std::string& descriptorName, int planet, const std::string& key, bool force) {
    if (!force && GetPlanetFlag(g, descriptorName, "Messages", planet) != 1) return "NO";
    std::string text;
    if (!ProfileText(DescriptorPath(g, descriptorName), CStr(static_cast<long long>(planet)), key, text) ||
        text == kProfileDefault)
        return "ERR";
    return Cp1252ToUtf8(text);
}

std::string PlanetMessageFilePath(Game& g) {
    // File names on disk are UTF-8, like the language text.
    const std::string name = Trim(g.Text("MessageFile"), kBlanksAndTabs);
    if (name.empty() || name.find('/') != std::string::npos) return "";
    // The program folder first; the language folder holds the shipped message files.
    std::string path = NamedFileIn(g.st.AppPath, name);
    if (path.empty()) {
        const std::string languages = !g.st.LanguagePath.empty() ? g.st.LanguagePath
                                      : g.st.AppPath.empty()     ? std::string()
                                                                 : g.st.AppPath + "LANGUAGE/";
        path = NamedFileIn(languages, name);
    }
    return path;
}

std::string GetPlanetMessageFileText(Game& g, const std::string& section, const std::string& key) {
    std::string text;
    if (!ProfileText(PlanetMessageFilePath(g), section, key, text) || text == kProfileDefault) return "ERR";
    return Cp1252ToUtf8(text);
}

bool VerifyMessageFiles(Game& g, const std::string& descriptorName, int planet) {
    if (GetPlanetFlag(g, descriptorName, "Messages", planet) == 1)
        return VerifyDataFile(DescriptorPath(g, descriptorName));
    const std::string list = NamedFileIn(g.st.AppPath, "SOLARSYS.TXT");
    const std::string messages = PlanetMessageFilePath(g);
    if (list.empty() || messages.empty()) return false;
    const bool listGood = VerifyDataFile(list);
    const bool messagesGood = VerifyDataFile(messages);
    return listGood && messagesGood;
}

std::string RomanNumeral(int n) {
    static const char* const kRoman[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    return n >= 1 && n <= 12 ? kRoman[n] : "";
}

std::string GetPlanetName(Game& g, const std::string& descriptorName, int planet, const std::string& systemName) {
    const std::string key = planet == 0 ? "S" : CStr(static_cast<long long>(planet));
    std::string text;
    const bool found = ProfileText(DescriptorPath(g, descriptorName), "Names", key, text);
    if (planet == 0) return found ? Cp1252ToUtf8(text) : std::string(kProfileDefault);
    if (found && !text.empty() && text != kProfileDefault) return Cp1252ToUtf8(text);
    return Trim(systemName, kBlanksAndTabs) + " " + RomanNumeral(planet);
}

Integer CountFlaggedPlanets(const SolarSystemRecord& rec) {
    Integer n = 0;
    const int count = std::clamp<int>(rec.PlanetCount, 0, kMaxPlanetCount);
    for (int p = 0; p < count; ++p)
        if (rec.Planets[p].PlanetValue5 != 0) ++n;
    return n;
}

namespace {
constexpr int64_t kFixedScale = 10000;  // PlanetBits holds the flag word x 10000
}

int TestPlanetBit(const PlanetEntry& p, int n) {
    if (n < 0 || n > 49) return 0;
    const int64_t word = p.PlanetBits / kFixedScale;
    return ((word >> n) & 1) != 0 ? 1 : 0;
}

void SetPlanetBit(PlanetEntry& p, int n, int value) {
    if (n < 0 || n > 49) return;
    const bool set = TestPlanetBit(p, n) == 1;
    const bool want = value != 0;
    if (set == want) return;
    const int64_t step = (int64_t{1} << n) * kFixedScale;
    // Ten thousand times the word must fit in 64 bits (the word stays below about 2^49.7): a bit
    // that would carry it past that is left as it is.
    if (want && p.PlanetBits > std::numeric_limits<int64_t>::max() - step) return;
    if (!want && p.PlanetBits < std::numeric_limits<int64_t>::min() + step) return;
    p.PlanetBits += want ? step : -step;
}

// ---- For the mark tool ----------------------------------------------------------------------

std::vector<DataNote> CheckDataFileValues(const std::string& path) {
    std::vector<DataNote> notes;
    const std::string name = LowerCase(FileNamePart(path));
    if (name == "solarsys.txt") {
        StarSystemListReader reader;
        if (!reader.Open(path)) return notes;
        SolarSystemRecord rec;
        while (reader.ReadSystem(rec)) rec = SolarSystemRecord{};
        notes = reader.Notes();
    } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".ssd") == 0) {
        SolarSystemRecord rec;
        ReadDescriptorSystem(path, rec, &notes);
    }
    return notes;
}

}  // namespace kv

#pragma once
// Solar-system data files: the star-system list SOLARSYS.TXT, the descriptor files (".ssd") of
// the descriptor folder, and the language's planet message file.
//
// Formats
// - SOLARSYS.TXT (program folder) starts with the star-system list, read sequentially: items
//   are separated by commas or line ends; a text item is either in double quotes or runs to
//   the next comma or line end; numbers are decimal text. Each system is a system record of
//   three items (name, star type, planet count) followed by one planet record of six items
//   per planet (PlanetValue1, PlanetValue2, PlanetValue3, PlanetValue4, PlanetValue5 = class,
//   PlanetFlag). Comment lines and the ";Mark=" line come after the list.
// - A descriptor "<base>.ssd" is an INI-style file ([General] "PlanetPics" and "Messages",
//   [Names] "S" and "1".."10", one section [1]..[10] of messages per planet) with a sequential
//   part: after the first line that contains "SolarSystem", the system record and the planet
//   records follow in the same layout as above, except that each line starts with one
//   character that is skipped.
//
// Values out of range are clamped when read (planet count 0..10, star type 0..8, planet class
// 0..14); every clamp is described by a DataNote, so the mark tool can report it.
//
// All texts handed out are UTF-8; the files are Windows-1252 on disk.
#include <string>
#include <vector>

#include "state/GameState.h"
#include "state/StarSystemSource.h"

namespace kv {

struct Game;

// The extension of descriptor files.
inline constexpr const char* kDescriptorExtension = ".ssd";

inline constexpr Integer kMaxPlanetCount = 10;
inline constexpr Integer kMaxStarType = 8;
inline constexpr Integer kMaxPlanetClass = 14;

// A value of a data file that was out of range and was clamped when read.
struct DataNote {
    std::string file;  // path of the file
    int line = 0;      // line number (from 1) of the item
    std::string text;  // what was found and what was kept, e.g. "planet count 12 clamped to 10"
};

// ---- The star-system list (SOLARSYS.TXT) ----------------------------------------------------

// Reads the star-system list one system at a time, in file order. The galaxy set-up opens it
// once per new game and takes one system for each star system it fills.
class StarSystemListReader {
public:
    StarSystemListReader() = default;
    // Opens the file at path (false when it cannot be read; every ReadSystem then fails).
    bool Open(const std::string& path);
    bool IsOpen() const { return open_; }
    const std::string& Path() const { return path_; }

    // Reads the next system into rec: the system record sets Name (through SetName: cut or
    // padded to 20 characters), SystemValue2 and PlanetCount; then the planet records fill
    // Planets[0..PlanetCount-1] with the six values of each row (the sixth into PlanetFlag;
    // PlanetBits is not touched, and planet entries above the count are not touched either).
    // Returns false, leaving rec wholly unchanged, when the system record cannot be read (end
    // of the list, end of file, or an item that is not a number where one belongs): the caller
    // stops reading there, and every later call fails too. A bad item inside a planet row is skipped (the field keeps
    // its value) and reading goes on. A planet count above 10 is clamped to 10; the extra planet rows are still read
    // and dropped, so the following systems stay in step.
    bool ReadSystem(SolarSystemRecord& rec);

    // Clamps made so far.
    const std::vector<DataNote>& Notes() const { return notes_; }
    // True when nothing but blanks and line ends is left (the list is used up).
    bool AtEnd() const;

private:
    std::string path_, bytes_;
    size_t pos_ = 0;
    int line_ = 1;
    bool open_ = false;
    bool ended_ = false;  // the list ended at a system record that could not be read
    std::vector<DataNote> notes_;
};

// ---- The descriptor list ------------------------------------------------------------------------

// The descriptor files of a folder, each of which serves at most one star system per galaxy.
// Entry 0 is never used; entries 1..Count() hold base names (file name without its last four
// characters); an entry becomes "" when a system takes it.
class SolarSystemFileList {
public:
    // ListSolarSystemFiles: lists every file of folder (ends in "/") matching "*" + extension
    // (without regard to case; sorted by name). A missing folder gives an empty list.
    void List(const std::string& folder);
    // FindSolarSystemFile: index 1..Count() of the first entry still free that equals baseName
    // exactly (the first free entry at all when baseName is ""), 0 when there is none.
    int Find(const std::string& baseName) const;
    // LoadSolarSystem: takes the free entry Find(rec.DescriptorName); when there is none, rec
    // stays unchanged and the result is false. Otherwise reads the descriptor's system and
    // planet records into rec (as ReadDescriptorSystem), sets rec.DescriptorName to the entry's
    // base name and empties the entry - also when the file holds no readable system.
    bool Load(SolarSystemRecord& rec, std::vector<DataNote>* notes = nullptr);

    int Count() const { return static_cast<int>(entries_.size()) - 1; }
    // Entry i (1..Count()), "" when taken or out of range.
    std::string Entry(int i) const;
    const std::string& Folder() const { return folder_; }
    const std::string& Extension() const { return extension_; }
    void SetExtension(const std::string& ext) { extension_ = ext.empty() ? kDescriptorExtension : ext; }

private:
    std::string folder_;
    std::string extension_ = kDescriptorExtension;
    std::vector<std::string> entries_{std::string()};
    std::vector<std::string> paths_{std::string()};  // the file of each entry
};

// The game's own source of star systems: the star-system list SOLARSYS.TXT of the program
// folder and the descriptors of the descriptor folder (listed afresh for each new galaxy).
class FileStarSystemSource : public StarSystemSource {
public:
    // ListSolarSystemFiles: the descriptor list of SSDescriptorPath, every entry unused.
    void ListDescriptors(Game& g) override;
    bool OpenList(Game& g, std::string& path) override;
    bool ReadSystem(SolarSystemRecord& rec) override;
    // LoadSolarSystem on the descriptor list (see SolarSystemFileList::Load).
    void LoadDescriptor(Game& g, SolarSystemRecord& rec) override;

    const SolarSystemFileList& Descriptors() const { return descriptors_; }

private:
    SolarSystemFileList descriptors_;
    StarSystemListReader reader_;
};

// Reads the sequential part of the descriptor at path into rec: lines are skipped up to one
// that contains "SolarSystem" (exact case); then one character is skipped, the system record
// read (Name, SystemValue2, PlanetCount) and, per planet (at most ten), one character skipped
// and the six values read. Bad items are skipped. Returns false when the file cannot be read
// or has no "SolarSystem" line (rec unchanged then). Clamps go to notes when given.
bool ReadDescriptorSystem(const std::string& path, SolarSystemRecord& rec, std::vector<DataNote>* notes = nullptr);

// ---- Descriptor texts and planet flags ----------------------------------------------------------

// GetPlanetFlag: -1 when the descriptor <SSDescriptorPath><name>.ssd does not exist; -2 when
// its [General] has no such key; else 1 when the n-th character of the value is one of "1",
// "Y", "P", "V" or the value is shorter than n, 0 otherwise.
int GetPlanetFlag(Game& g, const std::string& descriptorName, const std::string& key, int planet);
// HasPlanetPicture: false only when GetPlanetFlag(.., "PlanetPics", n) gives 0.
bool HasPlanetPicture(Game& g, const std::string& descriptorName, int planet);
// GetSSMessage: when the descriptor's "Messages" flag of the planet is set (or force), the text
// of key in section [planet] of the descriptor, "ERR" when the key is missing; otherwise "NO".
std::string GetSSMessage(Game& g, const std::string& descriptorName, int planet, const std::string& key,
                         bool force = false);
// The planet message file of the language: the file named by the language text of
// "MessageFile", found without regard to case in AppPath, else in the language folder
// (LanguagePath, or AppPath + "LANGUAGE/" when that is not set); "" when there is none.
std::string PlanetMessageFilePath(Game& g);
// The text of key in section (a planet state code) of the language's planet message file;
// "ERR" when the file, the section or the key is missing.
std::string GetPlanetMessageFileText(Game& g, const std::string& section, const std::string& key);
// VerifyMessageFiles: whether every file that holds the planet's messages carries a valid mark:
// the descriptor when its "Messages" flag is set for the planet, else both SOLARSYS.TXT and the
// language's planet message file (a missing file fails).
bool VerifyMessageFiles(Game& g, const std::string& descriptorName, int planet);
// GetPlanetName: [Names] key n (1..10), "S" for the star (n = 0). A planet without a name is
// called by the trimmed system name, a blank and the Roman numeral of n; the star without a
// name gives "Not Used".
std::string GetPlanetName(Game& g, const std::string& descriptorName, int planet, const std::string& systemName);
// Roman numerals 1..12 ("I".."XII"); "" outside.
std::string RomanNumeral(int n);
// CountFlaggedPlanets: planets 1..PlanetCount whose class (PlanetValue5) is not 0.
Integer CountFlaggedPlanets(const SolarSystemRecord& rec);
// TestPlanetBit: 1 when bit n (0..49) of the planet's PlanetBits is set, else 0.
int TestPlanetBit(const PlanetEntry& p, int n);
// SetPlanetBit: sets (value != 0) or clears bit n (0..49) of the planet's PlanetBits. A bit that
// would carry the word beyond what the fixed-point number holds is left as it is.
void SetPlanetBit(PlanetEntry& p, int n, int value);

// ---- For the mark tool --------------------------------------------------------------------------

// Reads a data file the way the game does and returns every value that would be clamped:
// SOLARSYS.TXT (by name, without regard to case) through the star-system list reader, a
// descriptor (".ssd") through ReadDescriptorSystem; other files have no such values.
std::vector<DataNote> CheckDataFileValues(const std::string& path);

}  // namespace kv

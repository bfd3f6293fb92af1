#pragma once
// Reader of INI-style profile files ("[Section]" headers and "Key=Text" lines), with the
// desktop profile rules: section and key names match without regard to case, the first
// occurrence of a key counts, a text loses its surrounding blanks and one matching pair of
// quotation marks, and at most 254 characters of a text are returned. Only the first section
// of a name is read; a line without "=" names a key with no text, which reads as missing.
//
// Texts are returned as the bytes stored in the file (the game's files are single-byte
// Windows-1252); callers decode them with Cp1252ToUtf8. The section and key names a caller
// asks for are UTF-8 text, and match the file's names letter for letter without regard to
// case ("[Été]" answers "ÉTÉ").
//
// Parsed files are cached by path and stamp (identity, size and modification time, see
// StampOf), so repeated lookups neither read the file again nor look at the disk at all while
// its stamp is trusted, yet a file changed on disk is read afresh once its stamp is read again.
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace kv {

inline constexpr size_t kProfileTextLimit = 254;

class ProfileFile {
public:
    // Parses profile text. Lines may end in CR LF or LF.
    static ProfileFile Parse(const std::string& bytes);

    // The text of key in section, or nullopt when either is absent.
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    // Section names in file order (first spelling of each).
    std::vector<std::string> Sections() const;
    // Keys of a section in file order with their texts (first occurrence of each key).
    std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
        std::unordered_map<std::string, size_t> index;  // folded key -> entry, or kNoText
    };
    static constexpr size_t kNoText = static_cast<size_t>(-1);  // a key line without "="
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;  // folded name -> section
};

// The parsed form of a file on disk, through the cache; nullptr when it cannot be read.
std::shared_ptr<const ProfileFile> LoadProfileFile(const std::string& path);

// GetPrivateProfileString: the text of key in section of the file at path, or `def` when the
// file, the section or the key is missing. The text is cut to 254 characters.
std::string GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& def,
                                    const std::string& path);

// Empties the cache (tests use it to count real reads).
void ClearProfileCache();
// How many times a file was read and parsed from disk since the start (or the last clear).
size_t ProfileParseCount();

}  // namespace kv

#pragma once
// Per-user settings kept by application, section and key, with text values.
// The game's settings live under the application "KestravaforWindows9x" (and
// "KestravaforWindows9x\Configs\<name>" for a named configuration).
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kv {

// What a store mended in its file when it opened it: a section header that had lost a bracket
// (or gained one) would otherwise hide every setting below it.
struct SettingsMend {
    std::string file;  // the settings file
    int line = 0;      // the first line mended, counted from 1
    std::string text;  // that line as it stood
    std::string copy;  // the file as it was, kept beside it; "" when no copy could be made
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `def` when the key is absent.
    virtual std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& def = "") const = 0;
    virtual void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Deletes one key, or the whole section when `key` is empty.
    virtual void DeleteSetting(const std::string& app, const std::string& section, const std::string& key = "") = 0;
    // Every key of a section with its value, in stored order; empty when the section is absent.
    virtual std::vector<std::pair<std::string, std::string>> GetAllSettings(const std::string& app,
                                                                            const std::string& section) const = 0;
    // Writes pending changes to their lasting place and takes in changes another program made;
    // true when nothing was lost.
    virtual bool Flush() { return true; }
    // What the store mended in its file when it opened it, if anything.
    virtual std::optional<SettingsMend> Mended() const { return std::nullopt; }
};

// Settings held in memory only: tests, and a fallback when no store can be opened.
// Application, section and key names match without regard to case, like the desktop stores.
class MemorySettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& def = "") const override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSetting(const std::string& app, const std::string& section, const std::string& key = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(const std::string& app,
                                                                    const std::string& section) const override;

private:
    struct Section {
        std::vector<std::pair<std::string, std::string>> entries;  // original key spelling, value
    };
    static std::string Fold(const std::string& s);
    const Section* Find(const std::string& app, const std::string& section) const;
    std::map<std::string, Section> sections_;  // key: folded "app\x1fsection"
};

}  // namespace kv

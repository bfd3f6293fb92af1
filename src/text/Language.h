#pragma once
// The language lookup: every text the game shows comes from the current language file through
// GetLanguageText. The language is bound on the first lookup of a run from the settings section
// "Language" (value "Current", then the file name recorded under that language's name); when
// none is recorded the language changer that the program gave is started and waited for. With
// no changer given (anywhere but the program) such a lookup throws std::logic_error.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/SettingsStore.h"

namespace kv {

inline constexpr const char* kAppName = "KestravaforWindows9x";

class ProfileFile;

class Language {
public:
    // `languagePath` is the LANGUAGE folder with a trailing "/".
    Language(SettingsStore& settings, std::string languagePath);

    // The text of key in the current language, or "" when the language has none. A text of
    // "Not Used" reads as ""; a character of code 255 reads as a blank.
    std::string GetLanguageText(const std::string& key);
    // The same, advancing the loading window's progress bar by one step first.
    std::string GetLanguageTextWithProgress(const std::string& key);

    const std::string& LanguageFilePath() const { return filePath_; }
    void SetLanguagePath(std::string path) { languagePath_ = std::move(path); }

    // Starts the language changer and waits for it. Called when no language is recorded.
    void SetChangerLauncher(std::function<void()> f) { launchChanger_ = std::move(f); }
    // Ends the program when after the changer still no language is recorded.
    void SetEndProgram(std::function<void()> f) { endProgram_ = std::move(f); }
    // Called once per progress step.
    void SetProgressStep(std::function<void()> f) { progressStep_ = std::move(f); }
    // Where the one-line notice about a missing language file goes (default: standard error).
    void SetWarningSink(std::function<void(const std::string&)> f) { warn_ = std::move(f); }

    // Uses the given texts in place of a file (tests). Keys match without regard to case.
    void UseTexts(std::map<std::string, std::string> texts);
    // In memory mode, a key with no text reads as "<key>" (tests see which key was used).
    void SetEchoMissing(bool echo) {
        echo_ = echo;
        looked_.clear();
    }

private:
    void Bind();
    std::string Lookup(const std::string& key);
    static std::string Shown(std::string raw);

    SettingsStore& settings_;
    std::string languagePath_;
    std::string filePath_;
    bool warned_ = false;
    bool bindFailed_ = false;
    bool memory_ = false;
    bool echo_ = false;
    std::map<std::string, std::string> texts_;  // folded key -> text (memory mode)
    // The texts already looked up: in the given texts, or in the language file as it was read
    // last (a file changed on the disk is read again, and these are forgotten).
    std::shared_ptr<const ProfileFile> readFile_;
    std::unordered_map<std::string, std::string> looked_;
    std::function<void()> launchChanger_;
    std::function<void()> endProgram_;
    std::function<void()> progressStep_;
    std::function<void(const std::string&)> warn_;
};

}  // namespace kv

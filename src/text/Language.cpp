#include "text/Language.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "platform/Codepage.h"
#include "platform/Profile.h"
#include "platform/Strings.h"

namespace kv {

Language::Language(SettingsStore& settings, std::string languagePath)
    : settings_(settings), languagePath_(std::move(languagePath)) {
    warn_ = [](const std::string& line) { std::cerr << line << std::endl; };
}

void Language::UseTexts(std::map<std::string, std::string> texts) {
    memory_ = true;
    texts_.clear();
    looked_.clear();
    readFile_.reset();
    for (auto& [k, v] : texts) texts_.emplace(LowerCase(k), std::move(v));
    filePath_ = "<memory>";
}

void Language::Bind() {
    auto read = [this](std::string& file) {
        std::string name = settings_.GetSetting(kAppName, "Language", "Current", "");
        file = name.empty() ? std::string() : settings_.GetSetting(kAppName, "Language", name, "");
    };
    std::string file;
    read(file);
    if (file.empty()) {
        // Only the program knows how to ask the player for a language; a lookup anywhere else
        // (a test that forgot its texts) is a fault of the caller.
        if (!launchChanger_ || !endProgram_)
            throw std::logic_error("language lookup with no language recorded and no language changer bound");
        launchChanger_();
        settings_.Flush();  // picks up what the changer wrote to the store
        read(file);
        if (file.empty()) {
            // The program ends here; should the callback return, the changer is not started again.
            bindFailed_ = true;
            endProgram_();
            return;
        }
    }
    filePath_ = languagePath_ + file;
}

std::string Language::Lookup(const std::string& key) {
    if (filePath_.empty() && !bindFailed_) Bind();
    if (filePath_.empty()) return "";
    if (memory_) {
        if (auto seen = looked_.find(key); seen != looked_.end()) return seen->second;
        auto it = texts_.find(LowerCase(key));
        std::string shown = it != texts_.end()  ? Shown(it->second.substr(0, kProfileTextLimit))
                            : echo_ ? "<" + key + ">"
                                    : std::string();
        looked_.emplace(key, shown);
        return shown;
    }
    auto file = LoadProfileFile(filePath_);
    if (!file) {
        if (!warned_) {
            warned_ = true;
            if (warn_) warn_("kestrava: cannot read the language file " + filePath_ + "; texts will be blank");
        }
        return "";
    }
    if (file != readFile_) {
        readFile_ = file;
        looked_.clear();
    }
    if (auto seen = looked_.find(key); seen != looked_.end()) return seen->second;
    std::optional<std::string> text = file->Get("Language", key);
    std::string shown = Cp1252ToUtf8(Shown(text ? text->substr(0, kProfileTextLimit) : std::string("Not Used")));
    looked_.emplace(key, shown);
    return shown;
}

// A text as the game shows it: up to a null character, "Not Used" as nothing, code 255 as a blank.
std::string Language::Shown(std::string raw) {
    raw.resize(std::min(raw.size(), raw.find('\0')));
    if (raw == "Not Used") return "";
    std::replace(raw.begin(), raw.end(), '\xFF', ' ');
    return raw;
}

std::string Language::GetLanguageText(const std::string& key) { return Lookup(key); }

std::string Language::GetLanguageTextWithProgress(const std::string& key) {
    if (filePath_.empty() && !bindFailed_) Bind();
    if (progressStep_) progressStep_();
    return Lookup(key);
}

}  // namespace kv

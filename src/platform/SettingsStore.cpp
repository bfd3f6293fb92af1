#include "platform/SettingsStore.h"
#include "platform/Strings.h"

#include <algorithm>
#include <cctype>

namespace kv {

std::string MemorySettingsStore::Fold(const std::string& s) { return LowerCase(s); }

const MemorySettingsStore::Section* MemorySettingsStore::Find(const std::string& app,
                                                              const std::string& section) const {
    auto it = sections_.find(Fold(app) + '\x1f' + Fold(section));
    return it == sections_.end() ? nullptr : &it->second;
}

std::string MemorySettingsStore::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                            const std::string& def) const {
    const Section* s = Find(app, section);
    if (!s) return def;
    const std::string k = Fold(key);
    for (const auto& [name, value] : s->entries)
        if (Fold(name) == k) return value;
    return def;
}

void MemorySettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                      const std::string& value) {
    Section& s = sections_[Fold(app) + '\x1f' + Fold(section)];
    const std::string k = Fold(key);
    for (auto& [name, v] : s.entries) {
        if (Fold(name) == k) {
            v = value;
            return;
        }
    }
    s.entries.emplace_back(key, value);
}

void MemorySettingsStore::DeleteSetting(const std::string& app, const std::string& section, const std::string& key) {
    auto it = sections_.find(Fold(app) + '\x1f' + Fold(section));
    if (it == sections_.end()) return;
    if (key.empty()) {
        sections_.erase(it);
        return;
    }
    const std::string k = Fold(key);
    auto& e = it->second.entries;
    e.erase(std::remove_if(e.begin(), e.end(), [&](const auto& p) { return Fold(p.first) == k; }), e.end());
    if (e.empty()) sections_.erase(it);
}

std::vector<std::pair<std::string, std::string>> MemorySettingsStore::GetAllSettings(const std::string& app,
                                                                                     const std::string& section) const {
    const Section* s = Find(app, section);
    return s ? s->entries : std::vector<std::pair<std::string, std::string>>{};
}

}  // namespace kv

#pragma once
// The settings store over QSettings: an INI file (the program keeps it in the user's config folder).
#include <QSettings>
#include <memory>

#include "platform/SettingsStore.h"

namespace kv {

class QtSettingsStore : public SettingsStore {
public:
    // Uses the INI file at `path` (the program passes the user's config folder + "settings.ini").
    explicit QtSettingsStore(const QString& path);

    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& def = "") const override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSetting(const std::string& app, const std::string& section, const std::string& key = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(const std::string& app,
                                                                    const std::string& section) const override;
    bool Flush() override;

    QString FileName() const { return settings_->fileName(); }

private:
    QString Group(const std::string& app, const std::string& section) const;
    QString FindKey(const QString& group, const std::string& key) const;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kv

#pragma once
// The settings store over QSettings: an INI file (the program keeps it in the user's config folder).
#include <QSettings>
#include <memory>

#include "platform/SettingsStore.h"

namespace kv {

class QtSettingsStore : public SettingsStore {
public:
    // Uses the INI file at `path` (the program passes the user's config folder + "settings.ini").
    // A section header that is not written as one ("name]", "[name", "[[name]") would leave
    // every setting below it out of its section: such a line is mended to the header it names
    // before the file is read, and the file as it was is kept beside it as path + ".damaged".
    explicit QtSettingsStore(const QString& path);

    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& def = "") const override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSetting(const std::string& app, const std::string& section, const std::string& key = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(const std::string& app,
                                                                    const std::string& section) const override;
    bool Flush() override;
    std::optional<SettingsMend> Mended() const override { return mended_; }

    QString FileName() const { return settings_->fileName(); }

private:
    QString Group(const std::string& app, const std::string& section) const;
    QString FindKey(const QString& group, const std::string& key) const;
    std::unique_ptr<QSettings> settings_;
    std::optional<SettingsMend> mended_;
};

}  // namespace kv

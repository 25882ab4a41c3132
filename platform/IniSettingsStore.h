// The settings store of the application: one INI file per key, kept with
// QSettings. "Software\Tervolk" is <folder>/Tervolk.ini and
// "Software\Tervolk\ZUN" is <folder>/ZUN.ini; sections become INI groups
// and value names are kept exactly (blanks and Polish letters included).
#pragma once

#include <QString>

#include <memory>

#include "core/SettingsStore.h"

class QSettings;

namespace orv {

class IniSettingsStore : public ISettingsStore {
public:
    // The user's configuration folder + "/Tervolk".
    static QString DefaultFolder();

    explicit IniSettingsStore(const QString& folder = DefaultFolder());
    ~IniSettingsStore() override;

    QString fileName(SettingsKey key) const;

    std::optional<int> readInteger(SettingsKey, const std::string&, const std::string&) override;
    std::optional<double> readFloat(SettingsKey, const std::string&, const std::string&) override;
    std::optional<std::string> readString(SettingsKey, const std::string&, const std::string&) override;
    std::optional<bool> readBool(SettingsKey, const std::string&, const std::string&) override;
    void writeInteger(SettingsKey, const std::string&, const std::string&, int) override;
    void writeFloat(SettingsKey, const std::string&, const std::string&, double) override;
    void writeString(SettingsKey, const std::string&, const std::string&, const std::string&) override;
    void writeBool(SettingsKey, const std::string&, const std::string&, bool) override;
    bool valueExists(SettingsKey, const std::string&, const std::string&) override;
    void flush() override;

private:
    QSettings& store(SettingsKey key);

    QString folder_;
    std::unique_ptr<QSettings> maker_;
    std::unique_ptr<QSettings> program_;
};

} // namespace orv

#include "platform/IniSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace orv {

namespace {

// QSettings reads '/' and '\' as group separators; both are kept inside a
// section or value name by escaping them (and the escape character).
QString escapedPart(const std::string& utf8)
{
    QString s = QString::fromStdString(utf8);
    s.replace('%', "%25");
    s.replace('/', "%2F");
    s.replace('\\', "%5C");
    return s;
}

QString keyOf(const std::string& section, const std::string& name)
{
    return escapedPart(section) + '/' + escapedPart(name);
}

} // namespace

QString IniSettingsStore::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tervolk";
}

IniSettingsStore::IniSettingsStore(const QString& folder) : folder_(folder)
{
    QDir().mkpath(folder_);
    maker_ = std::make_unique<QSettings>(fileName(SettingsKey::Maker), QSettings::IniFormat);
    program_ = std::make_unique<QSettings>(fileName(SettingsKey::Program), QSettings::IniFormat);
}

IniSettingsStore::~IniSettingsStore() { flush(); }

QString IniSettingsStore::fileName(SettingsKey key) const
{
    return folder_ + (key == SettingsKey::Maker ? "/Tervolk.ini" : "/ZUN.ini");
}

QSettings& IniSettingsStore::store(SettingsKey key)
{
    return key == SettingsKey::Maker ? *maker_ : *program_;
}

std::optional<int> IniSettingsStore::readInteger(SettingsKey k, const std::string& s, const std::string& n)
{
    const QVariant v = store(k).value(keyOf(s, n));
    if (!v.isValid()) return std::nullopt;
    bool ok = false;
    const int i = v.toInt(&ok);
    return ok ? std::optional<int>(i) : std::nullopt;
}

std::optional<double> IniSettingsStore::readFloat(SettingsKey k, const std::string& s, const std::string& n)
{
    const QVariant v = store(k).value(keyOf(s, n));
    if (!v.isValid()) return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

std::optional<std::string> IniSettingsStore::readString(SettingsKey k, const std::string& s,
                                                        const std::string& n)
{
    const QVariant v = store(k).value(keyOf(s, n));
    if (!v.isValid()) return std::nullopt;
    // A hand-written value with commas comes back from an INI file as a list.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
    return v.toString().toStdString();
}

std::optional<bool> IniSettingsStore::readBool(SettingsKey k, const std::string& s, const std::string& n)
{
    const QVariant v = store(k).value(keyOf(s, n));
    if (!v.isValid()) return std::nullopt;
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    const QString t = v.toString().trimmed().toLower();
    if (t == "true" || t == "1") return true;
    if (t == "false" || t == "0") return false;
    return std::nullopt;
}

void IniSettingsStore::writeInteger(SettingsKey k, const std::string& s, const std::string& n, int value)
{
    store(k).setValue(keyOf(s, n), value);
}

void IniSettingsStore::writeFloat(SettingsKey k, const std::string& s, const std::string& n, double value)
{
    store(k).setValue(keyOf(s, n), value);
}

void IniSettingsStore::writeString(SettingsKey k, const std::string& s, const std::string& n,
                                   const std::string& value)
{
    store(k).setValue(keyOf(s, n), QString::fromStdString(value));
}

void IniSettingsStore::writeBool(SettingsKey k, const std::string& s, const std::string& n, bool value)
{
    store(k).setValue(keyOf(s, n), value);
}

bool IniSettingsStore::valueExists(SettingsKey k, const std::string& s, const std::string& n)
{
    return store(k).contains(keyOf(s, n));
}

void IniSettingsStore::flush()
{
    maker_->sync();
    program_->sync();
}

} // namespace orv

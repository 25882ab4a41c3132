// The settings store as the core sees it: sections of named values under the
// maker's key ("Software\Tervolk") and the program's key
// ("Software\Tervolk\ZUN"). The application binds a persistent store at
// start-up; tests bind a MemorySettingsStore. Unbound, reads find nothing
// and writes are dropped, so every reader falls back to its defaults.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace orv {

enum class SettingsKey { Maker, Program };

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::optional<int> readInteger(SettingsKey key, const std::string& section,
                                           const std::string& name) = 0;
    virtual std::optional<double> readFloat(SettingsKey key, const std::string& section,
                                            const std::string& name) = 0;
    virtual std::optional<std::string> readString(SettingsKey key, const std::string& section,
                                                  const std::string& name) = 0;
    virtual std::optional<bool> readBool(SettingsKey key, const std::string& section,
                                         const std::string& name) = 0;
    virtual void writeInteger(SettingsKey key, const std::string& section, const std::string& name,
                              int value) = 0;
    virtual void writeFloat(SettingsKey key, const std::string& section, const std::string& name,
                            double value) = 0;
    virtual void writeString(SettingsKey key, const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    virtual void writeBool(SettingsKey key, const std::string& section, const std::string& name,
                           bool value) = 0;
    virtual bool valueExists(SettingsKey key, const std::string& section,
                             const std::string& name) = 0;
    // Writes reach their backing storage.
    virtual void flush() {}
};

// Binds the store (nullptr unbinds); returns the previous one.
ISettingsStore* BindSettingsStore(ISettingsStore* store);
// The bound store, or a store that holds nothing.
ISettingsStore& Settings();

// In-memory store with typed values, for tests and as an unbound fallback.
class MemorySettingsStore : public ISettingsStore {
public:
    struct Value {
        enum Type { Integer, Float, String, Bool } type;
        int i = 0;
        double f = 0;
        std::string s;
        bool b = false;
    };
    using Id = std::tuple<SettingsKey, std::string, std::string>;

    std::optional<int> readInteger(SettingsKey, const std::string&, const std::string&) override;
    std::optional<double> readFloat(SettingsKey, const std::string&, const std::string&) override;
    std::optional<std::string> readString(SettingsKey, const std::string&, const std::string&) override;
    std::optional<bool> readBool(SettingsKey, const std::string&, const std::string&) override;
    void writeInteger(SettingsKey, const std::string&, const std::string&, int) override;
    void writeFloat(SettingsKey, const std::string&, const std::string&, double) override;
    void writeString(SettingsKey, const std::string&, const std::string&, const std::string&) override;
    void writeBool(SettingsKey, const std::string&, const std::string&, bool) override;
    bool valueExists(SettingsKey, const std::string&, const std::string&) override;

    std::map<Id, Value> values;
    bool readOnly = false; // a store that drops writes (the unbound fallback)
};

} // namespace orv

#include "core/SettingsStore.h"

namespace orv {
namespace {
ISettingsStore* g_store = nullptr;

MemorySettingsStore& emptyStore()
{
    static MemorySettingsStore store;
    store.readOnly = true;
    return store;
}
} // namespace

ISettingsStore* BindSettingsStore(ISettingsStore* store)
{
    ISettingsStore* old = g_store;
    g_store = store;
    return old;
}

ISettingsStore& Settings() { return g_store ? *g_store : emptyStore(); }

namespace {
template <typename F>
auto find(MemorySettingsStore& m, SettingsKey k, const std::string& s, const std::string& n,
          MemorySettingsStore::Value::Type type, F get)
    -> std::optional<decltype(get(std::declval<const MemorySettingsStore::Value&>()))>
{
    auto it = m.values.find({k, s, n});
    if (it == m.values.end() || it->second.type != type) return std::nullopt;
    return get(it->second);
}
} // namespace

using V = MemorySettingsStore::Value;

std::optional<int> MemorySettingsStore::readInteger(SettingsKey k, const std::string& s, const std::string& n)
{
    return find(*this, k, s, n, V::Integer, [](const V& v) { return v.i; });
}
std::optional<double> MemorySettingsStore::readFloat(SettingsKey k, const std::string& s, const std::string& n)
{
    return find(*this, k, s, n, V::Float, [](const V& v) { return v.f; });
}
std::optional<std::string> MemorySettingsStore::readString(SettingsKey k, const std::string& s,
                                                           const std::string& n)
{
    return find(*this, k, s, n, V::String, [](const V& v) { return v.s; });
}
std::optional<bool> MemorySettingsStore::readBool(SettingsKey k, const std::string& s, const std::string& n)
{
    return find(*this, k, s, n, V::Bool, [](const V& v) { return v.b; });
}
void MemorySettingsStore::writeInteger(SettingsKey k, const std::string& s, const std::string& n, int x)
{
    if (!readOnly) values[{k, s, n}] = V{V::Integer, x, 0, {}, false};
}
void MemorySettingsStore::writeFloat(SettingsKey k, const std::string& s, const std::string& n, double x)
{
    if (!readOnly) values[{k, s, n}] = V{V::Float, 0, x, {}, false};
}
void MemorySettingsStore::writeString(SettingsKey k, const std::string& s, const std::string& n,
                                      const std::string& x)
{
    if (!readOnly) values[{k, s, n}] = V{V::String, 0, 0, x, false};
}
void MemorySettingsStore::writeBool(SettingsKey k, const std::string& s, const std::string& n, bool x)
{
    if (!readOnly) values[{k, s, n}] = V{V::Bool, 0, 0, {}, x};
}
bool MemorySettingsStore::valueExists(SettingsKey k, const std::string& s, const std::string& n)
{
    return values.count({k, s, n}) != 0;
}

} // namespace orv

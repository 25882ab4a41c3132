#include "printing/CommonWordUnit.h"

#include "core/SettingsStore.h"

namespace orv {

const char* const WordSection = "Word";

namespace {

bool UsableFontName(const std::string& name)
{
    if (name.empty()) return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == ';' || c == '{' || c == '}' || c == '\\') return false;
    return true;
}

} // namespace

void ReadWordSettings(TWordSettings& settings)
{
    ISettingsStore& s = Settings();
    const TWordSettings def;
    const auto k = SettingsKey::Maker;
    settings = def;
    const std::string name = s.readString(k, WordSection, "FontName").value_or(def.FontName);
    if (UsableFontName(name)) settings.FontName = name;
    const int size = s.readInteger(k, WordSection, "FontSize").value_or(def.FontSize);
    if (size >= 1 && size <= MaxWordFontSize) settings.FontSize = size;
    settings.ColorPrinting = s.readBool(k, WordSection, "ColorPrinting").value_or(def.ColorPrinting);
    settings.MonochromePicutre =
        s.readBool(k, WordSection, "MonochromePicutre").value_or(def.MonochromePicutre);
    settings.ActionTyp = s.readInteger(k, WordSection, "ActionTyp").value_or(def.ActionTyp);
    settings.WordDDE = s.readBool(k, WordSection, "WordDDE").value_or(def.WordDDE);
}

void WriteWordSettings(const TWordSettings& settings)
{
    ISettingsStore& s = Settings();
    const auto k = SettingsKey::Maker;
    s.writeString(k, WordSection, "FontName", settings.FontName);
    s.writeInteger(k, WordSection, "FontSize", settings.FontSize);
    s.writeBool(k, WordSection, "ColorPrinting", settings.ColorPrinting);
    s.writeBool(k, WordSection, "MonochromePicutre", settings.MonochromePicutre);
    s.writeInteger(k, WordSection, "ActionTyp", settings.ActionTyp);
    s.writeBool(k, WordSection, "WordDDE", settings.WordDDE);
    s.flush();
}

} // namespace orv

#include "drawing/CommonColorUnit.h"

#include "core/MessageService.h"
#include "core/SettingsStore.h"

namespace orv {

namespace {

const char* const kSection = "Colors";

struct Slot {
    const char* name;    // the stored value's name
    const char* caption; // what the user reads
    TColor def;
};

const Slot kSlots[DrawingColorCount] = {
    {"Element", "Element", 0x000000},
    {"Zaznaczony Element", "Zaznaczony element", 0x0000FF},
    {"Schemat Wypelnienie", "Wypełnienie schematu", 0xDFDFDF},
    {"Wymiary", "Wymiary", 0x000000},
    {"Moment", "Moment", 0x000080},
    {"Obciążenie ciągłe", "Obciążenie ciągłe", 0x008000},
    {"Siła", "Siła", 0xA00000},
    {"Temperatura", "Temperatura", 0xFF0000},
    {"Obciążenia kinematyczne", "Obciążenia kinematyczne", 0x00FF00},
    {"Reakcje", "Reakcje", 0xFF0000},
    {"Wykres mometów", "Wykres momentów", 0xFF0000},
    {"Wykres sił tnących", "Wykres sił tnących", 0xFF0000},
    {"Wykres ugięć", "Wykres ugięć", 0xFF0000},
    {"Wykres sił osiowych", "Wykres sił osiowych", 0xFF0000},
    {"Nośność - zginanie", "Nośność – zginanie", 0x0000FF},
    {"Nośność - ścinanie", "Nośność – ścinanie", 0x800000},
    {"Naprężenia - maksymalne", "Naprężenia – maksymalne", 0x008000},
    {"Naprężenia - minimalne", "Naprężenia – minimalne", 0x008000},
    {"Reakcje H", "Reakcje H", 0x000080},
    {"Wykres momentów H", "Wykres momentów H", 0x000080},
    {"Wykres sił tnących H", "Wykres sił tnących H", 0x000080},
    {"Wykres ugięć H", "Wykres ugięć H", 0x000080},
    {"Kontur zelbet", "Kontur żelbetu", 0x000000},
    {"Przekroj", "Przekrój", 0x808080},
    {"Widok", "Widok", 0xFFFFFF},
    {"PretG", "Pręty główne", 0x000000},
    {"PretK", "Pręty konstrukcyjne", 0xFF0000},
    {"Strzemie", "Strzemiona", 0x000080},
    {"Kontur", "Kontur", 0x000000},
    {"Wypelnienie", "Wypełnienie", 0x808080},
    {"Osie", "Osie", 0x800000},
    {"Wymiary", "Wymiary", 0x000000},
    {"", "", clBtnFace},
    {"D_Kontur", "Słup – kontur", 0x000080},
    {"D_Wypelnienie", "Słup – wypełnienie", 0x4EAFDE},
    {"M_Kontur", "Mur – kontur", 0x808080},
    {"M_Wypelnienie", "Mur – wypełnienie", 0x000080},
};

ColorEditorFunction& Editor()
{
    static ColorEditorFunction editor;
    return editor;
}

} // namespace

std::string DrawingColorName(int slot)
{
    if (slot < 0 || slot >= DrawingColorCount) return {};
    return kSlots[slot].name;
}

std::string DrawingColorCaption(int slot)
{
    if (slot < 0 || slot >= DrawingColorCount) return {};
    return kSlots[slot].caption;
}

TColor DrawingColorDefault(int slot)
{
    if (slot < 0 || slot >= DrawingColorCount) return clBlack;
    return kSlots[slot].def;
}

std::vector<int> EditableColorSlots()
{
    std::vector<int> out;
    for (int i = 0; i < DrawingColorCount; ++i)
        if (i != 31 && i != dcButtonFace) out.push_back(i);
    return out;
}

void ReadDrawingColors(TDrawingColors& colors)
{
    ISettingsStore& s = Settings();
    for (int i = 0; i < DrawingColorCount; ++i) {
        if (i == dcButtonFace) {
            colors[i] = clBtnFace;
            continue;
        }
        const std::optional<int> v = s.readInteger(SettingsKey::Maker, kSection, kSlots[i].name);
        colors[i] = v ? static_cast<TColor>(*v) : kSlots[i].def;
    }
}

void WriteDrawingColors(const TDrawingColors& colors)
{
    ISettingsStore& s = Settings();
    for (int i : EditableColorSlots())
        s.writeInteger(SettingsKey::Maker, kSection, kSlots[i].name, static_cast<int>(colors[i]));
    s.flush();
}

void SetMonochromeColors(TDrawingColors& colors)
{
    colors.fill(clBlack);
    for (int i : {2, 23, 24, 29, 34, 36}) colors[i] = clWhite;
}

ColorEditorFunction BindColorEditor(ColorEditorFunction editor)
{
    ColorEditorFunction old = std::move(Editor());
    Editor() = std::move(editor);
    return old;
}

bool EditDrawingColors(QObject* owner, int mode, const std::string& dir, TDrawingColors& colors,
                       TPoint& place)
{
    const int passed = mode < 6 ? mode + 1 : 0;
    ColorEditorFunction& editor = Editor();
    if (!editor) {
        ShowMessageDialog("Nie można uruchomić tej funkcji!",
                          "Nie znaleziono biblioteki " + dir + "Jollib.dll. " +
                              "\rProszę skontaktować się z dystrybutorem programu!",
                          mdWarning, mbOK, 0);
        return false;
    }
    if (!editor(owner, passed, place)) return false;
    TDrawingColors fresh;
    ReadDrawingColors(fresh);
    colors = fresh;
    return true;
}

} // namespace orv

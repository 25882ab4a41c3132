#include "printing/PrintSettings.h"

#include <cstring>

#include "core/SettingsStore.h"

namespace orv {

namespace {

constexpr const char* kMakerLine = "Tervolk - programy dla konstruktorów";

u8 boolByte(ISettingsStore& s, const char* name, bool def)
{
    return s.readBool(SettingsKey::Maker, PrintingSection, name).value_or(def) ? 1 : 0;
}

double margin(ISettingsStore& s, const char* name, int defTenths)
{
    return s.readInteger(SettingsKey::Maker, PrintingSection, name).value_or(defTenths) * 0.1;
}

} // namespace

void ReadPrintingSettings(TPrintingSettings& settings)
{
    ISettingsStore& s = Settings();
    std::memset(&settings, 0, sizeof settings);
    settings.HeaderType = s.readInteger(SettingsKey::Maker, PrintingSection, "HeaderType").value_or(0);
    settings.LogoPath.set(s.readString(SettingsKey::Maker, PrintingSection, "LogoPath").value_or(NoLogo));
    settings.DrawLogo = boolByte(s, "DrawLogo", true);
    settings.DrawFrame = boolByte(s, "DrawFrame", false);
    settings.ShowTotalPageNumber = boolByte(s, "ShowTotalPageNumber", true);
    settings.ShowObjectInfo = boolByte(s, "ShowObjectInfo", false);
    settings.ShowNumberInfo = boolByte(s, "ShowNumberInfo", false);
    settings.MarginLeft = margin(s, "MarginLeft", 250);
    settings.MarginRight = margin(s, "MarginRight", 200);
    settings.MarginTop = margin(s, "MarginTop", 100);
    settings.MarginBottom = margin(s, "MarginBottom", 250);
    // the report font is stored under a name with a leading blank
    settings.FontName.set(
        s.readString(SettingsKey::Maker, PrintingSection, " FontName").value_or("Times New Roman"));
    // a size no page could hold a line of is taken as the default
    const int size = s.readInteger(SettingsKey::Maker, PrintingSection, "FontSize").value_or(12);
    settings.FontSize = size >= MinReportFontSize && size <= MaxReportFontSize ? size : 12;
    settings.ColorPrinting = boolByte(s, "ColorPrinting", true);
}

TPageMargins MarginsOf(const TPrintingSettings& settings)
{
    return {settings.MarginLeft, settings.MarginRight, settings.MarginTop, settings.MarginBottom};
}

THeaderSettings HeaderSettingsOf(const TPrintingSettings& settings)
{
    THeaderSettings h;
    std::memcpy(&h, &settings, sizeof h);
    return h;
}

std::string ProductLine() { return "Orvandel " + GetVersionText(false); }

THeaderInfo MakeHeaderInfo(const TProjectHeader& header, const std::string& documentName)
{
    THeaderInfo info;
    std::memset(&info, 0, sizeof info);
    info.PageNumber = header.FirstPage;
    info.PageCount = header.PageCount;
    info.Texts[htPageLabel].set("Str.");
    info.Texts[htPageCountLabel].set("Ilość str.");
    info.Texts[htProduct].set(ProductLine());
    info.Texts[htCalculationTitle].set("OBLICZENIA WYTRZYMAŁOŚCIOWE ELEMENTÓW MUROWYCH");
    info.Texts[htMakerLine].set(kMakerLine);
    info.Texts[htObject].setRaw(header.Object.raw());
    info.Texts[htObjectLabel].set("Obiekt");
    info.Texts[htTitle].setRaw(header.Title.raw());
    info.Texts[htTitleLabel].set("Tytuł");
    info.Texts[htAuthor].setRaw(header.Author.raw());
    info.Texts[htAuthorLabel].set("Autor");
    info.Texts[htDocumentName].set(documentName);
    info.Texts[htProjectNumber].setRaw(header.ProjectNumber.raw());
    info.Texts[htProjectNumberLabel].set("Nr projektu");
    return info;
}

} // namespace orv

#include <gtest/gtest.h>

#include <cstring>

#include "core/SettingsStore.h"
#include "printing/PrintSettings.h"

using namespace orv;

namespace {

class PrintSettings : public ::testing::Test {
protected:
    void SetUp() override { previous_ = BindSettingsStore(&store); }
    void TearDown() override { BindSettingsStore(previous_); }
    void set(const char* name, int v) { store.writeInteger(SettingsKey::Maker, PrintingSection, name, v); }
    void set(const char* name, const std::string& v) { store.writeString(SettingsKey::Maker, PrintingSection, name, v); }
    TPrintingSettings read()
    {
        TPrintingSettings s;
        std::memset(&s, 0xAB, sizeof s);  // every byte is written by the read
        ReadPrintingSettings(s);
        return s;
    }

    MemorySettingsStore store;
    ISettingsStore* previous_ = nullptr;
};

} // namespace

TEST_F(PrintSettings, AnEmptySectionGivesTheDefaults)
{
    const TPrintingSettings s = read();
    EXPECT_EQ(s.HeaderType, 0);
    EXPECT_EQ(s.LogoPath.str(), "(brak)");
    EXPECT_EQ((std::vector<int>{s.DrawLogo, s.DrawFrame, s.ShowTotalPageNumber, s.ShowObjectInfo, s.ShowNumberInfo,
                                s.Reserved[0], s.Reserved[1], s.Reserved[2], s.ColorPrinting}),
              (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ((std::vector<double>{s.MarginLeft, s.MarginRight, s.MarginTop, s.MarginBottom}),
              (std::vector<double>{25.0, 20.0, 10.0, 25.0}));
    EXPECT_EQ(s.FontName.str(), "Times New Roman");
    EXPECT_EQ(s.FontSize, 12);
}

TEST_F(PrintSettings, StoredValuesAndTheirLimits)
{
    set("HeaderType", 7);  // passed on to the header library unchanged
    set("LogoPath", "/home/jan/logo żółw.png");
    store.writeBool(SettingsKey::Maker, PrintingSection, "DrawFrame", true);
    store.writeBool(SettingsKey::Maker, PrintingSection, "ColorPrinting", false);
    set("MarginTop", 137);  // tenths of a millimetre
    set("FontName", "Courier New");  // the name the other sections use: not the report font
    set("FontSize", 10);
    TPrintingSettings s = read();
    EXPECT_EQ(s.HeaderType, 7);
    EXPECT_EQ(s.LogoPath.str(), "/home/jan/logo żółw.png");
    EXPECT_EQ(s.DrawFrame, 1);
    EXPECT_EQ(s.ColorPrinting, 0);
    EXPECT_DOUBLE_EQ(s.MarginTop, 13.7);
    EXPECT_EQ(s.FontName.str(), "Times New Roman");
    EXPECT_EQ(s.FontSize, 10);
    set(" FontName", "Liberation Sans");
    EXPECT_EQ(read().FontName.str(), "Liberation Sans");

    set("LogoPath", std::string(300, 'x'));
    EXPECT_EQ(read().LogoPath.length(), 255u);
    for (int size : {0, -3, 3, 73, 100000}) {
        set("FontSize", size);
        EXPECT_EQ(read().FontSize, 12) << size;
    }
}

TEST_F(PrintSettings, WhatThePageHeaderLibraryGets)
{
    set("HeaderType", 2);
    set("LogoPath", "logo.png");
    const TPrintingSettings s = read();
    const THeaderSettings h = HeaderSettingsOf(s);
    EXPECT_EQ(std::memcmp(&h, &s, 268), 0);
    EXPECT_EQ(h.LogoPath.str(), "logo.png");

    TProjectHeader header{};
    InitProjectHeader("mgr inż. Anna Nowak", header);
    header.FirstPage = 7;
    header.PageCount = 12;
    header.Title.set("Hala magazynowa");
    header.Object.set("Budynek B");
    header.ProjectNumber.set("PB-17/2024");
    const THeaderInfo info = MakeHeaderInfo(header, "Ściany parteru");
    EXPECT_EQ(info.PageNumber, 7);
    EXPECT_EQ(info.PageCount, 12);
    const char* expected[HeaderTextCount] = {
        "Str.", "Ilość str.", nullptr, "OBLICZENIA WYTRZYMAŁOŚCIOWE ELEMENTÓW MUROWYCH", nullptr,
        "Budynek B", "Obiekt", "Hala magazynowa", "Tytuł", "mgr inż. Anna Nowak", "Autor",
        "Ściany parteru", "PB-17/2024", "Nr projektu"};
    for (int k = 0; k < HeaderTextCount; ++k) {
        if (expected[k]) {
            EXPECT_EQ(info.Texts[k].str(), expected[k]) << k;
        }
    }
    EXPECT_EQ(info.Texts[htProduct].str(), "Orvandel " + GetVersionText(false));
    EXPECT_EQ(MakeHeaderInfo(header, std::string(400, 'd')).Texts[htDocumentName].length(), 255u);
}

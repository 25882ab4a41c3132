#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QGuiApplication>
#include <QPalette>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/CommonParamsUnit.h"
#include "platform/IniSettingsStore.h"

using namespace orv;

namespace {


class IniSettings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }
    QString folder() const { return tmp.path() + "/Tervolk"; }
    QTemporaryDir tmp;
};

} // namespace

TEST_F(IniSettings, ValuesSurviveAReopenUnderTheirExactNames)
{
    const std::string names[] = {"FontName PW", "MasonryElementsListDlg Left", " Top", "Rys2 Y",
                                 "Łódź żółć", "a/b", "a\\b", "a", "100%", "[sekcja]", "x=y;z"};
    {
        IniSettingsStore s(folder());
        int i = 0;
        for (const std::string& n : names) s.writeInteger(SettingsKey::Maker, "Parametrs", n, i++);
        s.writeString(SettingsKey::Maker, "Parametrs", "DefaultName", "inż. Zażółć, \"Gęślą\" jaźń");
        s.writeString(SettingsKey::Maker, "Parametrs", "Directory", "@C:\\Projekty\\2024");
        s.writeString(SettingsKey::Program, "Zaawansowane", "Rys1 X", "12,5");
        s.writeFloat(SettingsKey::Program, "Zaawansowane", "liczba", 1.0 / 3.0);
        s.writeBool(SettingsKey::Maker, "Parametrs", "UserBackgroundCellColor", false);
        s.writeString(SettingsKey::Maker, "Sekcja/ukośna", "v", "w");
        // read back before the files are written
        EXPECT_EQ(s.readInteger(SettingsKey::Maker, "Parametrs", "a/b"), 5);
    }
    EXPECT_TRUE(QFile::exists(folder() + "/Tervolk.ini"));
    EXPECT_TRUE(QFile::exists(folder() + "/ZUN.ini"));

    IniSettingsStore s(folder());
    int i = 0;
    for (const std::string& n : names) EXPECT_EQ(s.readInteger(SettingsKey::Maker, "Parametrs", n), i++) << n;
    EXPECT_EQ(s.readString(SettingsKey::Maker, "Parametrs", "DefaultName"), "inż. Zażółć, \"Gęślą\" jaźń");
    EXPECT_EQ(s.readString(SettingsKey::Maker, "Parametrs", "Directory"), "@C:\\Projekty\\2024");
    EXPECT_EQ(s.readString(SettingsKey::Program, "Zaawansowane", "Rys1 X"), "12,5");
    EXPECT_EQ(s.readFloat(SettingsKey::Program, "Zaawansowane", "liczba"), 1.0 / 3.0);
    EXPECT_EQ(s.readBool(SettingsKey::Maker, "Parametrs", "UserBackgroundCellColor"), false);
    EXPECT_EQ(s.readString(SettingsKey::Maker, "Sekcja/ukośna", "v"), "w");
    // Keys and sections are separate spaces.
    EXPECT_FALSE(s.valueExists(SettingsKey::Program, "Parametrs", "DefaultName"));
    EXPECT_FALSE(s.valueExists(SettingsKey::Maker, "Sekcja", "ukośna/v"));
    EXPECT_FALSE(s.valueExists(SettingsKey::Maker, "Parametrs", "FontName"));
    EXPECT_EQ(s.readString(SettingsKey::Maker, "Parametrs", "FontName"), std::nullopt);
    // A value of another kind reads as absent rather than as garbage.
    EXPECT_EQ(s.readInteger(SettingsKey::Maker, "Parametrs", "DefaultName"), std::nullopt);
    EXPECT_EQ(s.readBool(SettingsKey::Maker, "Parametrs", "DefaultName"), std::nullopt);
}

TEST_F(IniSettings, HandWrittenFileIsRead)
{
    QDir().mkpath(folder());
    QFile f(folder() + "/Tervolk.ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Parametrs]\nFontSize=24\nFontName=Times New Roman\nUserBackgroundCellColor=1\n"
            "DefaultName=Kowalski, Nowak\n");
    f.close();
    IniSettingsStore s(folder());
    EXPECT_EQ(s.readInteger(SettingsKey::Maker, "Parametrs", "FontSize"), 24);
    EXPECT_EQ(s.readString(SettingsKey::Maker, "Parametrs", "FontName"), "Times New Roman");
    EXPECT_EQ(s.readBool(SettingsKey::Maker, "Parametrs", "UserBackgroundCellColor"), true);
    EXPECT_EQ(s.readString(SettingsKey::Maker, "Parametrs", "DefaultName"), "Kowalski, Nowak");
}

TEST_F(IniSettings, CommonParametersThroughTheStore)
{
    {
        IniSettingsStore s(folder());
        ISettingsStore* old = BindSettingsStore(&s);
        SaveWindowPlacement("Steel03264", {100, 50, 400, 300});
        WriteAdvancedSettings(SettingsKey::Program, {10, 7.5, 10, 8, 10, 8, 10, 8, 10, 8});
        WriteLastUsedDirectory("/home/użytkownik/projekty");
        BindSettingsStore(old);
    }
    IniSettingsStore s(folder());
    EXPECT_EQ(s.readInteger(SettingsKey::Maker, "Parametrs", "Steel03264 Width"), 400);
    EXPECT_EQ(s.readInteger(SettingsKey::Maker, "Parametrs", "Steel03264 Height"), 300);
    ISettingsStore* old = BindSettingsStore(&s);
    TWindowPlace p;
    LoadWindowPlacement("Steel03264", p);
    TFigureSizes sizes;
    ReadAdvancedSettings(SettingsKey::Program, sizes);
    std::string dir;
    ReadLastUsedDirectory("", dir);
    BindSettingsStore(old);
    EXPECT_EQ(p.Left, 100);
    EXPECT_EQ(p.Top, 50);
    EXPECT_EQ(p.Width, 400);
    EXPECT_EQ(p.Height, 300);
    EXPECT_EQ(sizes[1], 7.5);
    EXPECT_EQ(dir, "/home/użytkownik/projekty");
}

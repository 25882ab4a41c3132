// The steel and masonry-unit catalogues as a user works them: adding,
// editing and removing rows through their editors, OK writing the user's
// file, Cancel and a failed write leaving everything as it was, and the
// folders the files are read from and written to.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

#include "components/Realedit.h"
#include "core/Cp1250.h"
#include "core/MasonryCatalogue.h"
#include "core/MyUtils.h"
#include "core/ZELBET_PN99.h"
#include "dialogs/CatalogueFiles.h"
#include "dialogs/StaleDlg.h"
#include "dialogs/StellEditor.h"
#include "dialogs/ZunElementsList.h"
#include "dialogs/ZunNewElement.h"
#include "drawing/MasonryUnitPictures.h"
#include "drawing/PlateSchemePictures.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

template <typename T = QWidget>
T* Child(const QObject& parent, const char* name)
{
    T* w = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Click(const QObject& parent, const char* name) { Child<QPushButton>(parent, name)->click(); }

void Focus(const QDialog& dlg, int row)
{
    auto* list = Child<QTreeWidget>(dlg, "VirtualStringTree1");
    list->setCurrentItem(list->topLevelItem(row));
}

QString Cell(const QDialog& dlg, int row, int column)
{
    return Child<QTreeWidget>(dlg, "VirtualStringTree1")->topLevelItem(row)->text(column);
}

class CatalogueDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
    }
    void TearDown() override
    {
        SetCatalogueFolders({}, {});
        SetDecimalSeparator(oldSep_);
    }

    QString file(const char* name) const { return QString::fromStdString(dir.file(name)); }

    // The steel catalogue with two user grades, the file it writes in the scratch folder.
    void prepareSteel(TSteelDlg& dlg)
    {
        std::vector<TSteelRow> rows(std::begin(BuiltInSteelRows), std::end(BuiltInSteelRows));
        InsertSteelRow(rows, {"A-II", "BSt500S", "500", "420", "550"});
        InsertSteelRow(rows, {"A-IIIN", "B500SP", "500", "435", "575"});
        dlg.setRows(rows);
        dlg.setFileName(file("stal_zbrojeniowa.def"));
    }

    // A grade editor run that types the texts given and presses OK.
    static TSteelDlg::EditorRunner steelTyping(const char* klasa, const char* mark, const char* ftk,
                                               TSteelEditorDlg** seen = nullptr)
    {
        return [=](TSteelEditorDlg& e) {
            if (seen) *seen = &e;
            auto* classes = Child<QComboBox>(e, "KlasaBox1");
            if (klasa) classes->setCurrentIndex(classes->findText(QString::fromUtf8(klasa)));
            if (mark) Child<QLineEdit>(e, "Znak1")->setText(QString::fromUtf8(mark));
            if (ftk) Child<TRealEdit>(e, "ftk1")->setText(QString::fromUtf8(ftk));
            Click(e, "OKBtn");
            return e.result() == QDialog::Accepted;
        };
    }

    orvtest::MessageRecorder messages;
    orvtest::ScratchDir dir;

private:
    char oldSep_ = '.';
};

} // namespace

// --- reinforcing steel ------------------------------------------------------------------

TEST_F(CatalogueDialogs, NewGradeStandsWithItsClassAndOkWritesTheFile)
{
    TSteelDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Charakterystyka stali wg PN-B-03264:2002");
    prepareSteel(dlg);
    const std::vector<TSteelRow> before = dlg.rows();

    TSteelEditorDlg* editor = nullptr;
    dlg.setEditorRunner([&](TSteelEditorDlg& e) {
        editor = &e;
        // The editor of a new grade starts from A-0, 220/190/260 MPa.
        EXPECT_EQ(e.windowTitle(), "Nowa charakterystyka stali");
        EXPECT_EQ(Child<QLineEdit>(e, "Znak1")->text(), "");
        EXPECT_EQ(Child<TRealEdit>(e, "ftk1")->text(), "260");
        return steelTyping("A-III", "RB450", "540")(e);
    });
    Click(dlg, "NewBtn1");
    ASSERT_NE(editor, nullptr);
    // Behind the last A-III row (RB400W, row 13 now that BSt500S stands at 8).
    EXPECT_EQ(Cell(dlg, 14, 1), "RB450");
    EXPECT_EQ(Cell(dlg, 14, 4), "540");
    EXPECT_EQ(Cell(dlg, 15, 1), "20G2VY-b");
    EXPECT_EQ(dlg.rows(), before); // nothing handed back before OK

    Click(dlg, "OKBtn");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(dlg.rows().size(), 19u);
    EXPECT_EQ(dlg.rows()[14], (TSteelRow{"A-III", "RB450", "220", "190", "540"}));
    const std::string written = orvtest::ReadFileBytes(dir.file("stal_zbrojeniowa.def"));
    EXPECT_EQ(written, SteelCatalogueText(dlg.rows()));
    TSteelCatalogue read;
    read.Initialize(dir.file("stal_zbrojeniowa.def"));
    EXPECT_EQ(read.Rows(), dlg.rows());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CatalogueDialogs, EditedGradeCannotTakeAnotherRowsMark)
{
    TSteelDlg dlg;
    prepareSteel(dlg);
    Focus(dlg, 17); // B500SP, the last of 18 rows
    ASSERT_EQ(Cell(dlg, 17, 1), "B500SP");

    // Another row's mark: refused, the editor stays open, the row as it was.
    dlg.setEditorRunner(steelTyping(nullptr, "BSt500S", nullptr));
    Click(dlg, "EditBtn1");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Błąd defnicji stali.");
    EXPECT_EQ(messages.messages[0].text, "Znak gatunku stali już istnieje!");
    EXPECT_EQ(Cell(dlg, 17, 1), "B500SP");

    // A tab or a line break in the mark: refused.
    messages.messages.clear();
    for (const char* bad : {"B500\tSP", "B500\nSP", "B500 (SP)"}) {
        dlg.setEditorRunner(steelTyping(nullptr, bad, nullptr));
        Click(dlg, "EditBtn1");
    }
    ASSERT_EQ(messages.messages.size(), 3u);
    for (const auto& m : messages.messages)
        EXPECT_EQ(m.text, "Znak gatunku stali nie może zawierać nawiasów, tabulatorów ani znaków końca wiersza!");

    // Its own mark with another strength: taken.
    messages.messages.clear();
    TSteelEditorDlg* editor = nullptr;
    dlg.setEditorRunner(steelTyping(nullptr, nullptr, "580", &editor));
    Click(dlg, "EditBtn1");
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Cell(dlg, 17, 1), "B500SP");
    EXPECT_EQ(Cell(dlg, 17, 4), "580");

    // A new grade with a mark in the list: refused as well.
    dlg.setEditorRunner(steelTyping("A-I", "RB500W", nullptr));
    Click(dlg, "NewBtn1");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Znak gatunku stali już istnieje!");
    EXPECT_EQ(Child<QTreeWidget>(dlg, "VirtualStringTree1")->topLevelItemCount(), 18);

    // Written and read again, every row is there.
    Click(dlg, "OKBtn");
    TSteelCatalogue read;
    read.Initialize(dir.file("stal_zbrojeniowa.def"));
    EXPECT_EQ(read.Rows().size(), 18u);
    EXPECT_EQ(read.Rows(), dlg.rows());
}

TEST_F(CatalogueDialogs, BuiltInGradesStayAndRemovalIsConfirmed)
{
    TSteelDlg dlg;
    prepareSteel(dlg);
    auto* edit = Child<QPushButton>(dlg, "EditBtn1");
    auto* remove = Child<QPushButton>(dlg, "RemoveBtn1");
    EXPECT_FALSE(edit->isEnabled());
    Focus(dlg, 0);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    Focus(dlg, 8);
    ASSERT_EQ(Cell(dlg, 8, 1), "BSt500S");
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(remove->isEnabled());

    messages.answer = mrNo;
    Click(dlg, "RemoveBtn1");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Czy na pewno chcesz usunąć ten wpis?");
    EXPECT_EQ(Cell(dlg, 8, 1), "BSt500S");
    messages.answer = mrYes;
    Click(dlg, "RemoveBtn1");
    EXPECT_EQ(Cell(dlg, 8, 1), "25G2S");
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
}

TEST_F(CatalogueDialogs, CancelAndAFailedWriteLeaveTheCatalogueAlone)
{
    const std::string fileName = dir.file("stal_zbrojeniowa.def");
    orvtest::WriteFileBytes(fileName, "Klasa\tZnak\tfyk\tfyd\tftk\r\nA-II\tBSt500S\t500\t420\t550\r\n");
    const std::string old = orvtest::ReadFileBytes(fileName);

    TSteelDlg dlg;
    prepareSteel(dlg);
    const std::vector<TSteelRow> before = dlg.rows();
    dlg.setEditorRunner(steelTyping("A-I", "Nowa", nullptr));
    Click(dlg, "NewBtn1");
    Click(dlg, "CancelBtn");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.rows(), before);
    EXPECT_EQ(orvtest::ReadFileBytes(fileName), old);

    // A folder that does not exist: the message, the dialog stays, nothing handed back.
    TSteelDlg failing;
    prepareSteel(failing);
    failing.setFileName(file("brak/stal_zbrojeniowa.def"));
    failing.setEditorRunner(steelTyping("A-I", "Nowa", nullptr));
    Click(failing, "NewBtn1");
    Click(failing, "OKBtn");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Błąd zapisu pliku!");
    EXPECT_NE(failing.result(), QDialog::Accepted);
    EXPECT_EQ(failing.rows(), before);
    EXPECT_EQ(Child<QTreeWidget>(failing, "VirtualStringTree1")->topLevelItemCount(), 19);
}

// --- masonry units ---------------------------------------------------------------------

namespace {

struct UnitTyping {
    const char* name = nullptr;
    int material = -1;
    int group = -1;
    const char* fb = nullptr;
    int category = -1;
    const char* density = nullptr;
};

TElementsListDlg::EditorRunner UnitEditor(UnitTyping t, std::function<void(TNewElementDlg&)> look = {})
{
    return [=](TNewElementDlg& e) {
        if (look) look(e);
        if (t.name) Child<QLineEdit>(e, "Nazwa1")->setText(QString::fromUtf8(t.name));
        if (t.material >= 0) Child<QComboBox>(e, "TypMaterialu1")->setCurrentIndex(t.material);
        if (t.group >= 0) Child<QComboBox>(e, "grupa1")->setCurrentIndex(t.group);
        if (t.fb) Child<QComboBox>(e, "fb1")->setEditText(QString::fromUtf8(t.fb));
        if (t.category >= 0) Child<QComboBox>(e, "KategoriaWykElementu1")->setCurrentIndex(t.category);
        if (t.density) Child<TNumberEdit>(e, "ro1")->setText(QString::fromUtf8(t.density));
        Click(e, "OKBtn");
        return e.result() == QDialog::Accepted;
    };
}

} // namespace

TEST_F(CatalogueDialogs, NewUnitIsCheckedAddedAndWritten)
{
    TElementsListDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Lista elementów murowych");
    dlg.setFileName(file("elementy_mur.def"));
    ASSERT_EQ(Child<QTreeWidget>(dlg, "VirtualStringTree1")->topLevelItemCount(), 27);
    EXPECT_EQ(Cell(dlg, 26, 2), "n/d");

    // A built-in name, an empty one, one with a tab: each refused with its message.
    dlg.setEditorRunner(UnitEditor({"Cegła ceramiczna pełna kl.10"}, [](TNewElementDlg& e) {
        EXPECT_EQ(e.windowTitle(), "Nowy element murowy");
        EXPECT_EQ(Child<QComboBox>(e, "fb1")->currentText(), "10,0");
        EXPECT_EQ(Child<QComboBox>(e, "KategoriaWykElementu1")->currentText(), "I");
    }));
    Click(dlg, "NewBtn1");
    dlg.setEditorRunner(UnitEditor({""}));
    Click(dlg, "NewBtn1");
    dlg.setEditorRunner(UnitEditor({"Pustak\t25"}));
    Click(dlg, "NewBtn1");
    dlg.setEditorRunner(UnitEditor({"Pustak\r\n25"}));
    Click(dlg, "NewBtn1");
    ASSERT_EQ(messages.messages.size(), 4u);
    EXPECT_EQ(messages.messages[0].headline, "Wprowadzona nazwa już istnieje!");
    EXPECT_EQ(messages.messages[0].text, "Proszę wprowadzić inna nazwę.");
    EXPECT_EQ(messages.messages[1].headline, "Nie określono nazwy!");
    EXPECT_EQ(messages.messages[1].text, "Proszę wprowadzić nazwę elementu murowego.");
    EXPECT_EQ(messages.messages[2].text, "Nazwa nie może zawierać znaków tabulacji ani końca wiersza.");
    EXPECT_EQ(messages.messages[3].text, "Nazwa nie może zawierać znaków tabulacji ani końca wiersza.");
    EXPECT_EQ(Child<QTreeWidget>(dlg, "VirtualStringTree1")->topLevelItemCount(), 27);

    // f_b of zero or no number: refused too.
    messages.messages.clear();
    dlg.setEditorRunner(UnitEditor({"Pustak 25", -1, -1, "0"}));
    Click(dlg, "NewBtn1");
    dlg.setEditorRunner(UnitEditor({"Pustak 25", -1, -1, "abc"}));
    Click(dlg, "NewBtn1");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "Wartość musi być większa od 0.");
    EXPECT_EQ(messages.messages[1].text, "Błąd w zapisie! ");

    // Above the largest f_b of the kind's list: 15 MPa for ceramic group 3,
    // 75 MPa for natural stone, which has no list.
    messages.messages.clear();
    dlg.setEditorRunner(UnitEditor({"Pustak 25", 0, 2, "20"}));
    Click(dlg, "NewBtn1");
    dlg.setEditorRunner(UnitEditor({"Granit", 5, -1, "80"}));
    Click(dlg, "NewBtn1");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.");
    EXPECT_EQ(messages.messages[0].text, "Wartość maksymalna: 15,0");
    EXPECT_EQ(messages.messages[1].text, "Wartość maksymalna: 75,0");
    EXPECT_EQ(Child<QTreeWidget>(dlg, "VirtualStringTree1")->topLevelItemCount(), 27);

    // Ceramic group 3, f_b 12.5, category II, 11.5 kN/m3.
    messages.messages.clear();
    dlg.setEditorRunner(UnitEditor({"Pustak 25", 0, 2, "12.5", 1, "11,5"}));
    Click(dlg, "NewBtn1");
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(Child<QTreeWidget>(dlg, "VirtualStringTree1")->topLevelItemCount(), 28);
    const QStringList shown = {"Pustak 25", "ceramika", "3", "12,5", "II", "11,5"};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(Cell(dlg, 27, c), shown[c]);
    EXPECT_TRUE(Child<QPushButton>(dlg, "EditBtn1")->isEnabled());
    EXPECT_EQ(dlg.rows().size(), 27u);

    Click(dlg, "OKBtn");
    ASSERT_EQ(dlg.rows().size(), 28u);
    EXPECT_EQ(dlg.rows()[27], (TMasonryUnitRow{"Pustak 25", 0, 2, 12.5, 1, 11.5}));
    const std::string written = orvtest::ReadFileBytes(dir.file("elementy_mur.def"));
    EXPECT_EQ(written, MasonryCatalogueText(dlg.rows()));
    EXPECT_NE(written.find("Pustak 25\t0\t2\t12,5\t1\t11,5\r\n"), std::string::npos);
    TMasonryCatalogue read;
    read.Initialize(dir.file("elementy_mur.def"));
    EXPECT_EQ(read.Rows(), dlg.rows());

    // The next new unit starts from the unit weight last confirmed.
    bool looked = false;
    dlg.setEditorRunner([&](TNewElementDlg& e) {
        looked = true;
        EXPECT_EQ(Child<TNumberEdit>(e, "ro1")->value(), 11.5);
        return false;
    });
    Click(dlg, "NewBtn1");
    EXPECT_TRUE(looked);
}

TEST_F(CatalogueDialogs, EditedUnitKeepsItsOwnNameButTakesNoOther)
{
    TElementsListDlg dlg;
    std::vector<TMasonryUnitRow> rows = TMasonryCatalogue().Rows();
    rows.push_back({"Blok A", 2, 1, 10, 0, 20});
    rows.push_back({"Blok B", 3, 0, 4, 0, 6});
    dlg.setRows(rows);
    dlg.setFileName(file("elementy_mur.def"));

    Focus(dlg, 3);
    EXPECT_FALSE(Child<QPushButton>(dlg, "EditBtn1")->isEnabled());
    Focus(dlg, 28);
    ASSERT_TRUE(Child<QPushButton>(dlg, "EditBtn1")->isEnabled());

    dlg.setEditorRunner(UnitEditor({"Blok A"}));
    Click(dlg, "EditBtn1");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wprowadzona nazwa już istnieje!");
    EXPECT_EQ(Cell(dlg, 28, 0), "Blok B");

    // Its own name with another f_b: taken; the editor showed the row.
    messages.messages.clear();
    dlg.setEditorRunner(UnitEditor({nullptr, -1, -1, "5"}, [](TNewElementDlg& e) {
        EXPECT_EQ(e.windowTitle(), "Edycja elementu murowego");
        EXPECT_EQ(Child<QLineEdit>(e, "Nazwa1")->text(), "Blok B");
        EXPECT_EQ(Child<QComboBox>(e, "TypMaterialu1")->currentText(), "autoklawizowany beton komórkowy");
        EXPECT_TRUE(Child<QWidget>(e, "grupa1")->parentWidget()->isHidden());
        EXPECT_EQ(Child<QComboBox>(e, "fb1")->currentText(), "4,0");
    }));
    Click(dlg, "EditBtn1");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(Cell(dlg, 28, 0), "Blok B");
    EXPECT_EQ(Cell(dlg, 28, 3), "5,0");

    // Removed after confirmation; Cancel hands nothing back and writes nothing.
    Click(dlg, "RemoveBtn1");
    EXPECT_EQ(Child<QTreeWidget>(dlg, "VirtualStringTree1")->topLevelItemCount(), 28);
    Click(dlg, "CancelBtn");
    EXPECT_EQ(dlg.rows(), rows);
    EXPECT_FALSE(FileExists(dir.file("elementy_mur.def")));
}

// A row read with more digits than the editor shows keeps them when the
// editor is confirmed without touching them; typed values take the text.
TEST_F(CatalogueDialogs, AnEditedRowKeepsTheDigitsItsEditorDidNotShow)
{
    TElementsListDlg dlg;
    std::vector<TMasonryUnitRow> rows = TMasonryCatalogue().Rows();
    rows.push_back({"Blok C", 3, 0, 0.04, 0, 18.125});
    rows.push_back({"Blok D", 0, 0, 12.34, 1, 6.005});
    dlg.setRows(rows);
    dlg.setFileName(file("elementy_mur.def"));

    Focus(dlg, 27);
    dlg.setEditorRunner(UnitEditor({"Blok C2"}, [](TNewElementDlg& e) {
        EXPECT_EQ(Child<QComboBox>(e, "fb1")->currentText(), "0,0");
        EXPECT_EQ(Child<TNumberEdit>(e, "ro1")->text(), "18,13");
    }));
    Click(dlg, "EditBtn1");
    Focus(dlg, 28);
    dlg.setEditorRunner(UnitEditor({nullptr, -1, -1, nullptr, 0}));
    Click(dlg, "EditBtn1");
    EXPECT_TRUE(messages.messages.empty());
    Click(dlg, "OKBtn");
    ASSERT_EQ(dlg.rows().size(), 29u);
    EXPECT_EQ(dlg.rows()[27], (TMasonryUnitRow{"Blok C2", 3, 0, 0.04, 0, 18.125}));
    EXPECT_EQ(dlg.rows()[28], (TMasonryUnitRow{"Blok D", 0, 0, 12.34, 0, 6.005}));
    TMasonryCatalogue read;
    read.Initialize(dir.file("elementy_mur.def"));
    EXPECT_EQ(read.Rows(), dlg.rows());

    // What is typed is taken as typed, the same text typed again too.
    TElementsListDlg again;
    again.setRows(dlg.rows());
    again.setFileName(file("elementy_mur.def"));
    Focus(again, 28);
    again.setEditorRunner(UnitEditor({nullptr, -1, -1, "12,4", -1, "6,02"}));
    Click(again, "EditBtn1");
    Focus(again, 27);
    again.setEditorRunner([](TNewElementDlg& e) {
        auto* fb = Child<QComboBox>(e, "fb1");
        fb->setEditText("0,05");
        fb->setEditText("0,0");
        Click(e, "OKBtn");
        return e.result() == QDialog::Accepted;
    });
    Click(again, "EditBtn1");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Wartość musi być większa od 0.");
    Click(again, "OKBtn");
    EXPECT_EQ(again.rows()[28], (TMasonryUnitRow{"Blok D", 0, 0, 12.4, 0, 6.02}));
    EXPECT_EQ(again.rows()[27].Fb, 0.04);
}

// The share of the picture's pixels in the hole colour (the dark inside of
// a hole), within a part of it.
double HoleShare(const QImage& image, const QRect& part)
{
    int holes = 0, all = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x) {
            ++all;
            if (image.pixel(x, y) == qRgb(0x4A, 0x2A, 0x1E)) ++holes;
        }
    return all ? double(holes) / all : 0;
}

TEST_F(CatalogueDialogs, UnitPicturesShowTheHolesOfTheirUnits)
{
    const QSize size(160, 100);
    QImage pictures[MasonryUnitPictureCount];
    for (int k = 0; k < MasonryUnitPictureCount; ++k) {
        pictures[k] = NamedPicture(QStringLiteral("ELMUR_A%1").arg(k + 1), size);
        ASSERT_FALSE(pictures[k].isNull()) << k;
        EXPECT_EQ(pictures[k].size(), size);
        for (int j = 0; j < k; ++j) EXPECT_NE(pictures[k], pictures[j]) << k << " " << j;
    }
    EXPECT_TRUE(NamedPicture("ELMUR_A5", size).isNull());
    EXPECT_TRUE(NamedPicture("ELMUR_A0", size).isNull());
    // The solid brick has no hole; the brick with holes along its length
    // shows them on its end face (the right part), the perforated brick and
    // the hollow block on their top faces (the upper part).
    const QRect left(0, 0, 100, 100), right(125, 0, 35, 100);
    EXPECT_EQ(HoleShare(pictures[0], QRect(QPoint(0, 0), size)), 0);
    EXPECT_GT(HoleShare(pictures[1], right), 0.02);
    EXPECT_EQ(HoleShare(pictures[1], left), 0);
    EXPECT_GT(HoleShare(pictures[2], QRect(0, 0, 160, 50)), 0.02);
    EXPECT_EQ(HoleShare(pictures[2], QRect(0, 60, 160, 40)), 0);
    EXPECT_GT(HoleShare(pictures[3], QRect(0, 0, 160, 30)), 0.02);
    EXPECT_EQ(HoleShare(pictures[3], QRect(0, 40, 160, 60)), 0);

    // Choosing a row shows its unit's picture; others show none.
    TElementsListDlg dlg;
    std::vector<TMasonryUnitRow> rows = TMasonryCatalogue().Rows();
    rows.push_back({"Cegła własna", 0, 0, 15, 0, 18});
    dlg.setRows(rows);
    auto* image = Child<QLabel>(dlg, "Image1");
    // Silicate and concrete units as the ceramic ones: solid (rows 18, 19,
    // 22..26), hollow silicate bricks perforated (20, 21).
    const std::pair<int, int> shown[] = {{0, 0}, {3, 0}, {4, -1}, {6, 1}, {7, 2}, {9, 2}, {10, -1},
                                         {16, 3}, {17, 3}, {18, 0}, {19, 0}, {20, 2}, {21, 2},
                                         {22, 0}, {24, 0}, {25, 0}, {26, 0}, {27, -1}, {1, 0}};
    for (const auto& [row, picture] : shown) {
        Focus(dlg, row);
        const QImage now = image->pixmap().toImage();
        if (picture < 0) {
            EXPECT_TRUE(now.isNull()) << row;
        } else {
            ASSERT_FALSE(now.isNull()) << row;
            EXPECT_EQ(now.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                      NamedPicture(MasonryUnitPictureName(picture), image->size())) << row;
        }
    }
}

TEST_F(CatalogueDialogs, UnitEditorFollowsMaterialAndGroup)
{
    TNewElementDlg e;
    auto* material = Child<QComboBox>(e, "TypMaterialu1");
    auto* group = Child<QComboBox>(e, "grupa1");
    auto* fb = Child<QComboBox>(e, "fb1");
    EXPECT_EQ(material->count(), 6);
    EXPECT_EQ(material->itemText(5), "kamień naturalny");
    ASSERT_EQ(group->count(), 4);
    EXPECT_EQ(e.requirementTexts(), QStringList({"=<25% objętości brutto", "=<12,5% objętości brutto",
                                                  "nie ma wymagań", "nie ma wymagań"}));

    group->setCurrentIndex(1);
    EXPECT_EQ(e.requirementTexts()[1], "drążenia pionowe, każdy z otworów (bez chwytowych) <= 2% objętości brutto, "
                                       "otwory chwytowe łącznie do 12,5% objętości brutto");
    EXPECT_EQ(e.requirementTexts()[3], ">= 16% szerokości brutto");
    // Group 2 ceramic units: f_b from 5 to 35 MPa.
    EXPECT_EQ(fb->count(), 8);
    EXPECT_EQ(fb->itemText(7), "35");

    // Ceramic group 4 to silicate: two groups, "grupa 1" chosen again.
    group->setCurrentIndex(3);
    EXPECT_EQ(e.requirementTexts()[0], "drążenia poziome >25; <=70 % objętości brutto");
    material->setCurrentIndex(1);
    ASSERT_EQ(group->count(), 2);
    EXPECT_EQ(group->currentText(), "grupa 1");
    // Silicate group 2 keeps its choice when the material comes back to ceramic.
    group->setCurrentIndex(1);
    EXPECT_EQ(e.requirementTexts()[2], "węwnętrzna >= 5 mm, zewnętrzna >= 10 mm");
    material->setCurrentIndex(0);
    EXPECT_EQ(group->currentText(), "grupa 2");

    // Natural stone: no group, every requirement "n/d", no strength list.
    material->setCurrentIndex(5);
    EXPECT_TRUE(group->parentWidget()->isHidden());
    EXPECT_EQ(e.requirementTexts(), QStringList({"n/d", "n/d", "n/d", "n/d"}));
    EXPECT_EQ(fb->count(), 0);
}

// --- folders -------------------------------------------------------------------------------

TEST_F(CatalogueDialogs, ProgramFileServesUntilTheUserHasOne)
{
    const QString user = file("dane/uzytkownik");
    const QString program = file("program");
    QDir().mkpath(program);
    SetCatalogueFolders(user, program);
    const std::string programFile = dir.file("program/elementy_mur.def");
    orvtest::WriteFileBytes(programFile, Utf8ToCp1250("Nazwa\r\nCegła firmowa\t0\t0\t25,0\t0\t18,0\r\n"));
    const std::string programText = orvtest::ReadFileBytes(programFile);

    EXPECT_EQ(CatalogueReadPath(MasonryCatalogueFileName), QDir(program).filePath("elementy_mur.def"));
    TMasonryCatalogue cat = LoadMasonryCatalogue();
    ASSERT_EQ(cat.Rows().size(), 28u);
    EXPECT_EQ(cat.Rows()[27].Name, "Cegła firmowa");

    // Saved, it goes to the user's folder (made on the way) and is read from there.
    TElementsListDlg dlg;
    dlg.setRows(cat.Rows());
    dlg.setFileName(CatalogueWritePath(MasonryCatalogueFileName));
    dlg.setEditorRunner(UnitEditor({"Cegła własna", 0, 0, "15"}));
    Click(dlg, "NewBtn1");
    Click(dlg, "OKBtn");
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(CatalogueReadPath(MasonryCatalogueFileName), QDir(user).filePath("elementy_mur.def"));
    cat = LoadMasonryCatalogue();
    ASSERT_EQ(cat.Rows().size(), 29u);
    EXPECT_EQ(cat.Rows()[27].Name, "Cegła firmowa");
    EXPECT_EQ(cat.Rows()[28].Name, "Cegła własna");
    EXPECT_EQ(orvtest::ReadFileBytes(programFile), programText);

    // The steel catalogue alike.
    orvtest::WriteFileBytes(dir.file("program/stal_zbrojeniowa.def"), "x\r\nA-II\tBSt500S\t500\t420\t550\r\n");
    TSteelCatalogue steel;
    LoadSteelCatalogue(steel);
    EXPECT_TRUE(steel.IsZnakExists("BSt500S"));
}

// A catalogue list given the rows read, OK pressed over the user's file.
template <typename Dialog, typename Rows>
void PressOk(Dialog& dlg, const Rows& rows, const char* fileName)
{
    dlg.setRows(rows);
    dlg.setFileName(CatalogueWritePath(fileName));
    Click(dlg, "OKBtn");
}

// A catalogue file past its limits: told once when read, however often it is
// read; OK in its list asks before the file is written, a No leaves the file
// and the dialog open, a Yes writes it.
TEST_F(CatalogueDialogs, ACutCatalogueIsToldOnceAndWrittenOnlyWithTheUsersWord)
{
    const QString user = file("dane");
    SetCatalogueFolders(user, file("program"));
    QDir().mkpath(user);
    const std::string userFile = dir.file("dane/elementy_mur.def");
    std::string text = "Nazwa\r\n";
    for (int i = 0; i <= MaxUserMasonryUnits; ++i) text += "Cegła " + std::to_string(i) + "\t0\t0\t25,0\t0\t18,0\r\n";
    orvtest::WriteFileBytes(userFile, Utf8ToCp1250(text));
    const std::string whole = orvtest::ReadFileBytes(userFile);

    TMasonryCatalogue cat = LoadMasonryCatalogue();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Katalog wczytany częściowo");
    EXPECT_NE(messages.messages[0].text.find("elementy_mur.def"), std::string::npos);
    EXPECT_NE(messages.messages[0].text.find("pozycji użytkownika: 1000;"), std::string::npos);
    cat = LoadMasonryCatalogue();
    EXPECT_EQ(messages.messages.size(), 1u);
    ASSERT_EQ(cat.Rows().size(), 27u + MaxUserMasonryUnits);

    TElementsListDlg dlg;
    messages.answer = mrNo;
    PressOk(dlg, cat.Rows(), MasonryCatalogueFileName);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].buttons, unsigned(mbYes | mbNo));
    EXPECT_NE(messages.messages[1].text.find("elementy_mur.def"), std::string::npos);
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(orvtest::ReadFileBytes(userFile) == whole);

    messages.answer = mrYes;
    Click(dlg, "OKBtn");
    EXPECT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const std::string written = Cp1250ToUtf8(orvtest::ReadFileBytes(userFile));
    EXPECT_NE(written.find("Cegła 999\t"), std::string::npos);
    EXPECT_EQ(written.find("Cegła 1000\t"), std::string::npos);
    // Read whole now: no notice, and the next write asks nothing.
    cat = LoadMasonryCatalogue();
    EXPECT_EQ(messages.messages.size(), 3u);
    TElementsListDlg again;
    PressOk(again, cat.Rows(), MasonryCatalogueFileName);
    EXPECT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(again.result(), QDialog::Accepted);

    // The steel catalogue alike.
    std::string steel = "Klasa\tZnak\tfyk\tfyd\tftk\r\n";
    for (int k = 0; k <= MaxUserSteelRows; ++k) steel += "A-III\tU" + std::to_string(k) + "\t400\t350\t500\r\n";
    const std::string steelFile = dir.file("dane/stal_zbrojeniowa.def");
    orvtest::WriteFileBytes(steelFile, steel);
    TSteelCatalogue grades;
    LoadSteelCatalogue(grades);
    ASSERT_EQ(messages.messages.size(), 4u);
    EXPECT_NE(messages.messages[3].text.find("stal_zbrojeniowa.def"), std::string::npos);
    TSteelDlg steelDlg;
    messages.answer = mrNo;
    PressOk(steelDlg, grades.Rows(), SteelCatalogueFileName);
    EXPECT_EQ(messages.messages.size(), 5u);
    EXPECT_NE(steelDlg.result(), QDialog::Accepted);
    EXPECT_EQ(orvtest::ReadFileBytes(steelFile), steel);
}

// A catalogue of exactly as many rows as it keeps, then a blank line or a bad
// row, was read whole: nothing is told and OK writes it without asking.
TEST_F(CatalogueDialogs, AFullCatalogueReadWholeIsWrittenWithoutAsking)
{
    const QString user = file("dane");
    SetCatalogueFolders(user, file("program"));
    QDir().mkpath(user);
    std::string masonry = "Nazwa\r\n";
    for (int i = 0; i < MaxUserMasonryUnits; ++i) masonry += "Cegła " + std::to_string(i) + "\t0\t0\t25,0\t0\t18,0\r\n";
    orvtest::WriteFileBytes(dir.file("dane/elementy_mur.def"), Utf8ToCp1250(masonry + "\r\n"));
    std::string steel = "Klasa\tZnak\tfyk\tfyd\tftk\r\n";
    for (int k = 0; k < MaxUserSteelRows; ++k) steel += "A-III\tU" + std::to_string(k) + "\t400\t350\t500\r\n";
    orvtest::WriteFileBytes(dir.file("dane/stal_zbrojeniowa.def"), steel + "A-III\tZly\t0\t0\t0\r\n");

    const TMasonryCatalogue cat = LoadMasonryCatalogue();
    TSteelCatalogue grades;
    LoadSteelCatalogue(grades);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(cat.Rows().size(), 27u + MaxUserMasonryUnits);
    ASSERT_EQ(grades.Rows().size(), 16u + MaxUserSteelRows);

    messages.answer = mrNo;
    TElementsListDlg dlg;
    PressOk(dlg, cat.Rows(), MasonryCatalogueFileName);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    TSteelDlg steelDlg;
    PressOk(steelDlg, grades.Rows(), SteelCatalogueFileName);
    EXPECT_EQ(steelDlg.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(orvtest::ReadFileBytes(dir.file("dane/stal_zbrojeniowa.def")), SteelCatalogueText(grades.Rows()));
}

// Numbers as an engineer types them, under a C and a Polish locale: either
// decimal separator in every field, a minus kept where the range refuses it,
// typing over a selection, and range messages that name the limit.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QTest>

#include <memory>
#include <ostream>

#include "components/DialogKeys.h"
#include "components/MCoolGrid.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "core/ZunEditor.h"
#include "core/ZunLoadCompilation.h"
#include "core/ZunTypes.h"
#include "dialogs/ZunSlabDlg.h"
#include "dialogs/ZunZestObc.h"
#include "dialogs/nomlib/NomDialogs.h"
#include "mainwindow/ElementEditor.h"
#include "printing/jollib/JolDialogs.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

struct LocaleCase {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
};
// The test's name shows the locale's.
void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }

// The load compilation of a new element, in the wall variant.
void OpenLoadCompilation(TZestObcDlg& dlg)
{
    TCalcInput in{};
    InitElementRecord(in);
    auto loads = std::make_unique<TLoadCompilation>();
    InitLoadCompilation(*loads);
    dlg.setData(*loads, in, false);
}

// The locale as the program binds it at start-up: Qt's default and the
// separator numbers are shown with.
class TypedNumbers : public ::testing::TestWithParam<LocaleCase> {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        const LocaleCase& c = GetParam();
        const QLocale locale = c.language == QLocale::C ? QLocale::c() : QLocale(c.language, c.territory);
        QLocale::setDefault(locale);
        SetDecimalSeparator(locale.decimalPoint().at(0).toLatin1());
    }
    void TearDown() override
    {
        editor_.reset();
        QLocale::setDefault(QLocale::system());
        SetDecimalSeparator(oldSep_);
    }

    // "250,50" in a comma locale, "250.50" in a point locale.
    static QString shown(const char* text)
    {
        return QString::fromUtf8(text).replace(QLatin1Char(','), QLatin1Char(DecimalSeparator()));
    }
    static std::string shownStd(const char* text) { return shown(text).toStdString(); }

    TElementEditor& editor()
    {
        if (!editor_) {
            editor_ = std::make_unique<TElementEditor>(session);
            editor_->resize(900, 1400);
            editor_->show();
            editor_->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(editor_.get(), orvtest::kHangMs));
        }
        return *editor_;
    }
    template <typename T = TNumberEdit>
    T* find(const char* name)
    {
        T* w = editor().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Types into a field of the editor, replacing its text.
    void type(QWidget* w, const QString& text)
    {
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->clear();
        if (auto* c = qobject_cast<QComboBox*>(w)) c->lineEdit()->clear();
        QTest::keyClicks(w, text);
    }
    TCalcInput input() const { return session.current().Input; }

    orvtest::MessageRecorder messages;
    ProjectSession session;

private:
    std::unique_ptr<TElementEditor> editor_;
    char oldSep_ = ',';
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Locales, TypedNumbers,
                         ::testing::Values(LocaleCase{"C", QLocale::C, QLocale::AnyTerritory},
                                           LocaleCase{"Polish", QLocale::Polish, QLocale::Poland}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- either separator -----------------------------------------------------------------------

TEST_P(TypedNumbers, EitherSeparatorIsTheDecimalPointOfAnEditorField)
{
    TNumberEdit* n = find("Nod1");
    for (const char* typed : {"250,5", "250.5"}) {
        type(n, QString::fromLatin1(typed));
        EXPECT_EQ(n->text(), shown("250,5")) << typed;
        ASSERT_TRUE(editor().commitFocused()) << typed;
        EXPECT_EQ(input().Nod, 250.5) << typed; // never 2505
        EXPECT_EQ(n->text(), shown("250,50")) << typed;
        type(n, "0");
        ASSERT_TRUE(editor().commitFocused());
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(TypedNumbers, EitherSeparatorInTheNumberCombos)
{
    QComboBox* fb = find<QComboBox>("fb1");
    type(fb, "12,5");
    EXPECT_EQ(fb->currentText(), shown("12,5"));
    ASSERT_TRUE(editor().commitFocused());
    EXPECT_EQ(input().fb, 12.5);

    // A dialog's combo: the second separator is refused, the first kept.
    QComboBox gamma;
    gamma.setEditable(true);
    InstallDecimalKeyFilter(&gamma);
    QTest::keyClicks(&gamma, "1,3.5");
    EXPECT_EQ(gamma.currentText(), shown("1,35"));
    gamma.lineEdit()->setSelection(1, 2); // ",3"
    QTest::keyClicks(&gamma, ".2");
    EXPECT_EQ(gamma.currentText(), shown("1,25"));
}

TEST_P(TypedNumbers, EitherSeparatorInADialogFieldAndAGridCell)
{
    TZestObcDlg dlg;
    OpenLoadCompilation(dlg);
    auto* b = dlg.findChild<TNumberEdit*>(QStringLiteral("b1"));
    ASSERT_NE(b, nullptr);
    b->clear();
    QTest::keyClicks(b, "1,75");
    ASSERT_TRUE(b->commit());
    const double band = dlg.data().b;
    EXPECT_EQ(band, 1.75);
    EXPECT_EQ(b->text(), shown("1,750")); // metres with three decimals

    TMCoolGrid grid(2, 3);
    grid.onGetFormatKind = [](int, int) { return TFormatKind::Real2; };
    grid.show();
    grid.setFocus();
    grid.setCurrentCell(0, 1);
    QApplication::processEvents();
    auto* cell = qobject_cast<QLineEdit*>(grid.cellEditor());
    ASSERT_NE(cell, nullptr);
    cell->clear();
    QTest::keyClicks(cell, "2.5");
    EXPECT_EQ(cell->text(), shown("2,5"));
    cell->setSelection(1, 2); // ",5"
    QTest::keyClicks(cell, ",25");
    EXPECT_EQ(cell->text(), shown("2,25"));
}

TEST_P(TypedNumbers, EitherSeparatorInTheCompanionLibrariesFields)
{
    // The print settings' margins [mm].
    MemorySettingsStore store;
    ISettingsStore* const previous = BindSettingsStore(&store);
    TPrintingSettingsDlg printing;
    printing.show();
    auto* margin = printing.findChild<QDoubleSpinBox*>(QStringLiteral("MarginLeft"));
    ASSERT_NE(margin, nullptr);
    for (const char* typed : {"12,5", "12.5"}) {
        margin->selectAll();
        QTest::keyClicks(margin, typed);
        margin->interpretText();
        EXPECT_EQ(margin->value(), 12.5) << typed; // never 125
    }
    BindSettingsStore(previous);

    // A load table: the band width and the rows' cells.
    nom::TTableSpec spec;
    spec.bandWidth = true;
    nom::TLoadTableDlg table(nullptr, spec, {nom::TLoadRow{"Płyta", 1.0, 2.0, 1.35}});
    table.show();
    auto* width = table.findChild<QDoubleSpinBox*>(QStringLiteral("bandWidth"));
    ASSERT_NE(width, nullptr);
    width->selectAll();
    QTest::keyClicks(width, "2,5");
    width->interpretText();
    EXPECT_EQ(table.width(), 2.5);
    width->selectAll();
    QTest::keyClicks(width, "0.75");
    width->interpretText();
    EXPECT_EQ(table.width(), 0.75);
    auto* cells = table.findChild<QTableWidget*>();
    ASSERT_NE(cells, nullptr);
    ASSERT_EQ(cells->rowCount(), 1);
    // Columns: description, quantity, value, gamma_f. A comma is never a
    // group separator: 1,500 is one and a half.
    cells->item(0, 1)->setText("1,500");
    cells->item(0, 2)->setText("0.25");
    const std::vector<nom::TLoadRow> rows = table.rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].quantity, 1.5);
    EXPECT_EQ(rows[0].value, 0.25);
}

TEST(LoadTableHeader, UnitWeightCaptionsAreWholeAndGammaTakesItsIndex)
{
    orvtest::EnsureApp<QApplication>();
    nom::TTableSpec spec;
    spec.quantityTitle = QStringLiteral("Grubość [m]");
    spec.valueTitle = QStringLiteral("Ciężar obj. [kN/m³]");
    nom::TLoadTableDlg table(nullptr, spec, {nom::TLoadRow{"Mur", 0.25, 18.0, 1.35}});
    table.show();
    auto* cells = table.findChild<QTableWidget*>();
    ASSERT_NE(cells, nullptr);
    QHeaderView* header = cells->horizontalHeader();
    const QFontMetrics fm(header->font());
    // Every caption has its whole width.
    EXPECT_GE(header->sectionSize(1), fm.horizontalAdvance(spec.quantityTitle));
    EXPECT_GE(header->sectionSize(2), fm.horizontalAdvance(spec.valueTitle));
    // γ with a lowered f: drawn otherwise than the plain text "γ_f", and
    // narrower than it.
    ASSERT_EQ(cells->horizontalHeaderItem(3)->text(), "γ_f");
    auto section = [](QHeaderView& h, int c) {
        const QRect r(h.sectionViewportPosition(c), 0, h.sectionSize(c), h.height());
        return h.viewport()->grab(r).toImage();
    };
    QTableWidget plain(1, 4);
    plain.setHorizontalHeaderLabels({"Opis", spec.quantityTitle, spec.valueTitle, "γ_f"});
    plain.resize(cells->size());
    plain.show();
    plain.horizontalHeader()->resizeSection(3, header->sectionSize(3));
    plain.horizontalHeader()->setFixedHeight(header->height());
    EXPECT_NE(section(*header, 3), section(*plain.horizontalHeader(), 3));
    EXPECT_LE(header->sectionSizeHint(3), plain.horizontalHeader()->sectionSizeHint(3));
}

// --- minus and selection ----------------------------------------------------------------------

TEST_P(TypedNumbers, AMinusWhereNoneIsAllowedIsKeptAndRefusedOnLeaving)
{
    TNumberEdit* n = find("Nod1");
    const double before = input().Nod;
    type(n, "-5");
    EXPECT_EQ(n->text(), "-5"); // never +5
    EXPECT_FALSE(editor().commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.");
    EXPECT_EQ(messages.messages[0].text, shownStd("Wartość minimalna: 0,00"));
    EXPECT_EQ(input().Nod, before);
    EXPECT_EQ(n->text(), "-5");

    // An integer field keeps it too: 1..9 storeys.
    TIntegerSpinEdit count;
    count.setRange(1, 9);
    count.clear();
    QTest::keyClicks(&count, "-2");
    EXPECT_EQ(count.text(), "-2");
    EXPECT_FALSE(count.commit());
    EXPECT_EQ(messages.messages.back().headline, "Wartość spoza zakresu 1 - 9. Popraw !");
}

TEST_P(TypedNumbers, TypingOverASelectionReplacesIt)
{
    TNumberEdit* wd = find("wd1");
    type(wd, "-0,45");
    ASSERT_TRUE(editor().commitFocused());
    EXPECT_EQ(wd->text(), shown("-0,450"));
    wd->setFocus();
    wd->selectAll();
    QTest::keyClicks(wd, "-0,6");
    EXPECT_EQ(wd->text(), shown("-0,6"));
    ASSERT_TRUE(editor().commitFocused());
    EXPECT_EQ(input().wd, -0.6);

    // Only part of the text selected: the separator inside the selection
    // goes with it, the one typed takes its place.
    wd->setFocus();
    wd->setText(shown("-1,250"));
    wd->setSelection(2, 2); // ",2"
    QTest::keyClicks(wd, ".7");
    EXPECT_EQ(wd->text(), shown("-1,750"));
    // Outside the selection a second separator or minus is still refused.
    wd->setSelection(5, 1);
    QTest::keyClicks(wd, ",-");
    EXPECT_EQ(wd->text(), shown("-1,750"));
    EXPECT_TRUE(messages.messages.empty());
}

// --- range messages ----------------------------------------------------------------------------

TEST_P(TypedNumbers, EveryEditorFieldNamesItsLimit)
{
    // The classic form: the limit on the line after the carriage return.
    type(find("t1a"), "5");
    EXPECT_FALSE(editor().commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, shownStd("Wartość spoza zakresu.\rWartość minimalna: 10,0"));
    type(find("t1a"), "25");
    ASSERT_TRUE(editor().commitFocused());

    type(find("Nod1"), "200000,01");
    EXPECT_FALSE(editor().commitFocused());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].headline, "Wartość spoza zakresu.");
    EXPECT_EQ(messages.messages[1].text, shownStd("Wartość maksymalna: 200000,00"));
    type(find("Nod1"), "0");
    ASSERT_TRUE(editor().commitFocused());

    // Every field of the table gives its own limits with its own decimals.
    for (const TNumericField& f : NumericFields()) {
        TNumberEdit* e = find(f.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->minMessage().toStdString(), "Wartość minimalna: " + FormatFixed(f.decimals, f.min)) << f.name;
        if (QLatin1String(f.name).startsWith(QLatin1String("hN"))) continue; // follows the height
        EXPECT_EQ(e->maxMessage().toStdString(), "Wartość maksymalna: " + FormatFixed(f.decimals, f.max)) << f.name;
    }
    // The depth of a load: h = 300 cm lowers its limit to 295.
    EXPECT_EQ(find("hN1")->maxMessage(), shown("Wartość maksymalna: 295,0"));
}

TEST_P(TypedNumbers, AValueThatFollowsAStoreNamesTheLimitItPassed)
{
    // G_s = 20 x 1.0 x 2000 x 1000 x 10000 / 10^6 = 400 000 kN, above 200 000.
    session.editCurrent([](TProjectElement& e) {
        e.Input.IdentyczneParametryScian = 0;
        e.Input.wylicz_Gs = 1;
        e.Input.ro_muru = 20;
        e.Input.gf_muru = 1.0;
        e.Input.h = 2000;
        e.Input.t = 1000;
        e.Input.l = 100;
    });
    editor().ShowElementData();
    type(find("l1"), "10000");
    EXPECT_FALSE(editor().commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, shownStd("Wartość spoza zakresu.\rciężar własny ściany G_s = 400000,00 kN\r"
                                                      "Wartość maksymalna: 200000,00 kN"));
    EXPECT_EQ(input().l, 100.0);
}

TEST_P(TypedNumbers, DialogFieldsNameTheirLimits)
{
    TSlabDlg slab;
    auto* d = slab.findChild<TNumberEdit*>(QStringLiteral("d"));
    ASSERT_NE(d, nullptr);
    d->setText(shown("0,5"));
    EXPECT_FALSE(d->commit());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, shownStd("Wartość spoza zakresu.\rWartość minimalna: 1,0"));

    TZestObcDlg dlg;
    OpenLoadCompilation(dlg);
    auto* b = dlg.findChild<TNumberEdit*>(QStringLiteral("b1"));
    ASSERT_NE(b, nullptr);
    b->setText("150");
    EXPECT_FALSE(b->commit());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].headline, shownStd("Wartość spoza zakresu.\rWartość maksymalna: 100,000"));
}

// The numeric edits as a user types into them: key filter, fixed format on
// leaving, range and not-a-number refusals, stepping.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QProxyStyle>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

#include "components/FreeTextCombo.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class NumericEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
    }
    void TearDown() override { SetDecimalSeparator(oldSep_); }

    orvtest::MessageRecorder messages;

private:
    char oldSep_ = '.';
};

} // namespace

TEST_F(NumericEdits, TypedPointBecomesTheSeparatorAndLeavingWritesTheFixedFormat)
{
    TSpinRealEdit e;
    e.setRange(0, 1000);
    e.clear();
    QSignalSpy exited(&e, &TNumberEdit::exited);
    QTest::keyClicks(&e, "1.5");
    EXPECT_EQ(e.text(), "1,5");
    EXPECT_TRUE(e.commit());
    EXPECT_EQ(e.text(), "1,50");
    EXPECT_DOUBLE_EQ(e.value(), 1.5);
    EXPECT_EQ(exited.count(), 1);
    EXPECT_TRUE(messages.messages.empty());

    // A second separator and letters are dropped.
    QTest::keyClicks(&e, ".,x7");
    EXPECT_EQ(e.text(), "1,507");
}

TEST_F(NumericEdits, MinusOnlyOnceAndRefusedOnLeavingWhereTheRangeHasNone)
{
    TSpinRealEdit e;
    e.clear();
    e.setRange(0, 10);
    QTest::keyClicks(&e, "-3");
    EXPECT_EQ(e.text(), "-3");
    EXPECT_FALSE(e.commit());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\rWartość minimalna: 0,00");

    e.clear();
    e.setRange(-100, 100);
    QTest::keyClicks(&e, "-3-");
    EXPECT_EQ(e.text(), "-3");
    EXPECT_DOUBLE_EQ(e.value(), -3.0);

    TRealEdit r;
    EXPECT_EQ(r.text(), "5");
    r.setText("-");
    EXPECT_EQ(r.value(), 0.0);
    e.setText("-");
    EXPECT_EQ(e.value(), -100.0); // no number reads as the minimum
}

TEST_F(NumericEdits, ATextThatIsNoNumberIsRefusedAndNothingStored)
{
    TSpinRealEdit e;
    e.setRange(0, 200000);
    QSignalSpy exited(&e, &TNumberEdit::exited);
    e.setText("5-3");
    EXPECT_FALSE(e.commit());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Błąd w zapisie! ");
    EXPECT_EQ(e.text(), "5-3");
    EXPECT_EQ(exited.count(), 0);
}

TEST_F(NumericEdits, OutOfRangeKeepsTheTextWithTheMessageOfEachClass)
{
    TSpinRealEdit spin;
    spin.setRange(0, 200000);
    spin.setMaxMessage("Za duża wartość.");
    QSignalSpy exited(&spin, &TNumberEdit::exited);
    spin.setText("300000");
    EXPECT_FALSE(spin.commit());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\rZa duża wartość.");
    EXPECT_EQ(spin.text(), "300000");
    EXPECT_EQ(exited.count(), 0);

    TSpinSpeedRealEdit speed;
    speed.setRange(1, 10);
    speed.setMinMessage("Minimum 1.");
    speed.setText("0,5");
    EXPECT_FALSE(speed.commit());
    EXPECT_EQ(messages.messages[1].headline, "Wartość spoza zakresu.");
    EXPECT_EQ(messages.messages[1].text, "Minimum 1.");

    TIntegerSpinEdit count;
    count.setRange(1, 9);
    count.setText("12");
    EXPECT_FALSE(count.commit());
    EXPECT_EQ(messages.messages[2].headline, "Wartość spoza zakresu 1 - 9. Popraw !");

    // Writing clamps; the range 0..0 keeps the value and refuses it on leaving.
    spin.setValue(250000);
    EXPECT_EQ(spin.text(), "200000,00");
    TSpinRealEdit none;
    none.setValue(3.14159);
    EXPECT_EQ(none.text(), "3,14");
    EXPECT_FALSE(none.commit());
}

TEST_F(NumericEdits, SteppingByKeysAndSpinPart)
{
    TSpinRealEdit e;
    e.setRange(0, 1);
    e.setValue(0.95);
    QSignalSpy up(&e, &TNumberEdit::upClicked);
    QTest::keyClick(&e, Qt::Key_Up);
    EXPECT_EQ(e.text(), "1,00");
    QTest::keyClick(&e, Qt::Key_Down);
    EXPECT_EQ(e.text(), "0,90");
    EXPECT_EQ(up.count(), 1);

    TIntegerSpinEdit n;
    n.setRange(1, 9);
    n.setValue(9);
    n.UpClick();
    EXPECT_EQ(n.text(), "9");
    TIntegerSpinEdit zero;
    zero.UpClick();
    EXPECT_EQ(zero.text(), "0");

    // Read-only: no change, the notification still comes.
    e.setReadOnly(true);
    e.UpClick();
    EXPECT_EQ(e.text(), "0,90");
    EXPECT_EQ(up.count(), 2);
    // Nor does typing change it.
    QTest::keyClicks(&e, "5-.");
    EXPECT_EQ(e.text(), "0,90");
    TIntegerSpinEdit shown;
    shown.setReadOnly(true);
    QTest::keyClicks(&shown, "-5");
    EXPECT_EQ(shown.text(), "0");

    // Editor disabled: keys refused, the spin part still steps.
    TSpinRealEdit locked;
    locked.setRange(0, 10);
    locked.setEditorEnabled(false);
    QTest::keyClicks(&locked, "7");
    EXPECT_EQ(locked.text(), "0");
    locked.findChild<QToolButton*>("up")->click();
    EXPECT_EQ(locked.text(), "0,10");
}

TEST_F(NumericEdits, LeavingTheFieldChecksAndKeepsTheFocus)
{
    QWidget w;
    auto* layout = new QVBoxLayout(&w);
    auto* first = new TSpinSpeedRealEdit(&w);
    auto* second = new TSpinRealEdit(&w);
    layout->addWidget(first);
    layout->addWidget(second);
    first->setRange(0, 100);
    QSignalSpy table(first, &TNumberEdit::buttonClicked);
    QSignalSpy exited(first, &TNumberEdit::exited);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w, orvtest::kHangMs));
    first->setFocus();
    first->selectAll();
    QTest::keyClicks(first, "150");
    second->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(exited.count(), 0);

    first->selectAll();
    QTest::keyClicks(first, "15");
    second->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(exited.count(), 1);
    EXPECT_EQ(first->text(), "15,00");
    EXPECT_TRUE(second->hasFocus());

    first->findChild<QToolButton*>("speed")->click();
    EXPECT_EQ(table.count(), 1);
}

TEST_F(NumericEdits, ALockedFieldOffersNoMenuCommandThatChangesTheText)
{
    TSpinRealEdit e;
    e.setEditorEnabled(false);
    std::unique_ptr<QMenu> menu(e.createContextMenu());
    QStringList items;
    for (QAction* a : menu->actions()) items << a->text();
    EXPECT_EQ(items, (QStringList{"Kopiuj", "Zaznacz wszystko"}));
    TSpinRealEdit open;
    std::unique_ptr<QMenu> standard(open.createContextMenu());
    EXPECT_GT(standard->actions().size(), 2);
}

TEST_F(NumericEdits, ArrowsRefuseATextLeavingWouldRefuse)
{
    TSpinRealEdit e;
    e.setRange(10, 10000);
    e.setIncrement(5);
    QSignalSpy up(&e, &TNumberEdit::upClicked);
    QSignalSpy down(&e, &TNumberEdit::downClicked);
    // No number, and no text at all: never the minimum plus a step.
    for (const char* text : {"abc", "5-3", ""}) {
        messages.messages.clear();
        e.setText(QString::fromUtf8(text));
        e.UpClick();
        ASSERT_EQ(messages.messages.size(), 1u) << text;
        EXPECT_EQ(messages.messages[0].headline, "Popraw!");
        EXPECT_EQ(messages.messages[0].text, "Błąd w zapisie! ");
        EXPECT_EQ(e.text(), QString::fromUtf8(text));
    }
    EXPECT_EQ(up.count(), 0);
    // Out of range: the range message, as leaving gives it.
    messages.messages.clear();
    e.setText("20000");
    e.DownClick();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\rWartość maksymalna: 10000,00");
    EXPECT_EQ(e.text(), "20000");
    EXPECT_EQ(down.count(), 0);
    // A number in range steps: 25 + 5.
    e.setText("25");
    e.UpClick();
    EXPECT_EQ(e.text(), "30,00");
    EXPECT_EQ(up.count(), 1);

    TIntegerSpinEdit n;
    n.setRange(1, 9);
    n.setText("");
    n.UpClick();
    EXPECT_EQ(n.text(), "");
    EXPECT_EQ(messages.messages.back().text, "Błąd w zapisie! ");
}

TEST_F(NumericEdits, AValueItsHandlerRefusesIsNotLeft)
{
    TSpinRealEdit e;
    e.setRange(0, 100);
    bool refuse = true;
    QObject::connect(&e, &TNumberEdit::exited, [&] {
        if (refuse) e.refuseValue();
    });
    e.setText("42");
    EXPECT_FALSE(e.commit());
    EXPECT_EQ(e.text(), "42"); // not rewritten as if taken
    refuse = false;
    EXPECT_TRUE(e.commit());
    EXPECT_EQ(e.text(), "42,00");
}

// A field squeezed by its layout beside a long caption still shows its
// value whole: the unit weight "18,00" beside its spin and table button,
// and the widest value of its range.
TEST_F(NumericEdits, ASqueezedFieldShowsItsValueWhole)
{
    QWidget form;
    auto* layout = new QHBoxLayout(&form);
    auto* caption = new QLabel(QStringLiteral("Ciężar objętościowy muru wykonanego z tych elementów ρo [kN/m3] ="));
    layout->addWidget(caption, 1);
    auto* ro = new TSpinSpeedRealEdit;
    ro->setRange(0, 30);
    ro->setPrecision(2);
    ro->setValue(18);
    layout->addWidget(ro);
    form.resize(caption->sizeHint().width() + 40, 40);
    form.show();
    QApplication::processEvents();
    const QFontMetrics fm(ro->font());
    const int room = ro->width() - ro->textMargins().left() - ro->textMargins().right();
    EXPECT_GE(room, fm.horizontalAdvance(QStringLiteral("18,00")) + 4) << room;
    EXPECT_GE(room, fm.horizontalAdvance(ro->FormatValue(30)) + 4) << room;
}

// A box for a typed number or class is made without the setEditable()
// round trip, yet is the same box to its user: shown, typed into and
// dropped down, it looks and behaves as an editable box made the usual
// way, under the styles a desktop gives it.
TEST_F(NumericEdits, AFreeTextBoxIsTheUsualEditableBoxToItsUser)
{
    {
        // Made on its own, before any layout sizes it: the size it is made
        // editable with.
        QComboBox alone;
        alone.setEditable(true);
        TFreeTextCombo freeAlone;
        EXPECT_EQ(freeAlone.size(), alone.size());
    }
    // A style that drops down every list, editable or not, as a pop-up menu.
    class PopUpLists : public QProxyStyle {
    public:
        PopUpLists() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
        int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                      QStyleHintReturn* returned) const override
        {
            if (hint == SH_ComboBox_Popup) return 1;
            return QProxyStyle::styleHint(hint, option, widget, returned);
        }
    };
    for (const char* styleName : {"Fusion", "Windows", "pop-up lists"}) {
        std::unique_ptr<QStyle> style(qstrcmp(styleName, "pop-up lists") == 0
                                          ? new PopUpLists
                                          : QStyleFactory::create(QString::fromLatin1(styleName)));
        ASSERT_NE(style, nullptr) << styleName;
        QWidget window;
        window.setStyle(style.get());
        auto* layout = new QHBoxLayout(&window);
        auto* usual = new QComboBox;
        usual->setStyle(style.get());
        usual->setEditable(true);
        usual->setInsertPolicy(QComboBox::NoInsert);
        usual->setCompleter(nullptr);
        auto* free = new TFreeTextCombo;
        free->setStyle(style.get());
        QComboBox* const boxes[] = {usual, free};
        // More items than the list shows at once: it has to scroll.
        QStringList items;
        for (int i = 0; i < 15; ++i) items << QStringLiteral("C%1/%2").arg(12 + 4 * i).arg(15 + 5 * i);
        for (QComboBox* box : boxes) {
            box->addItems(items);
            box->setCurrentIndex(2);
            box->setFixedWidth(120);
            layout->addWidget(box);
        }
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, orvtest::kHangMs));

        EXPECT_TRUE(free->isEditable());
        EXPECT_EQ(free->completer(), nullptr);
        EXPECT_EQ(free->insertPolicy(), QComboBox::NoInsert);
        // Compared with the focus in neither.
        for (QComboBox* box : boxes) box->clearFocus();
        EXPECT_EQ(free->grab().toImage(), usual->grab().toImage()) << styleName;

        // Typed text stays as typed, with no item completed into it, and
        // Enter adds no item.
        for (QComboBox* box : boxes) {
            box->lineEdit()->clear();
            QTest::keyClicks(box->lineEdit(), QStringLiteral("C2"));
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        }
        EXPECT_EQ(free->currentText(), QStringLiteral("C2"));
        EXPECT_EQ(free->currentText(), usual->currentText());
        EXPECT_EQ(free->count(), usual->count());

        // The lists dropped down one at a time, each at its tenth item.
        QImage lists[2];
        QSize listSizes[2];
        for (int k = 0; k < 2; ++k) {
            QComboBox* box = boxes[k];
            box->setCurrentIndex(9);
            box->showPopup();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(box->view()->window(), orvtest::kHangMs));
            lists[k] = box->view()->window()->grab().toImage();
            listSizes[k] = box->view()->window()->size();
            box->hidePopup();
        }
        EXPECT_EQ(free->view()->verticalScrollBarPolicy(), usual->view()->verticalScrollBarPolicy()) << styleName;
        EXPECT_EQ(QByteArray(free->view()->itemDelegate()->metaObject()->className()),
                  QByteArray(usual->view()->itemDelegate()->metaObject()->className()));
        EXPECT_EQ(listSizes[1], listSizes[0]) << styleName;
        EXPECT_EQ(lists[1], lists[0]) << styleName;
    }
}

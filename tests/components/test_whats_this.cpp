// Context help as a user calls it: F1 on a field, Shift+F1 and the menu item
// for the mode, the right mouse button's "Co to jest?".
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <memory>

#include "components/Realedit.h"
#include "components/WhatsThisUnit.h"

using namespace orv;

namespace {

class WhatsThis : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        help = std::make_unique<TWhatsThis>();
        form = std::make_unique<QWidget>();
        auto* v = new QVBoxLayout(form.get());
        thickness = new TSpinRealEdit(form.get());
        thickness->setObjectName("t1a");
        thickness->setWhatsThis("Grubość ściany t [cm].");
        v->addWidget(thickness);
        panel = new QGroupBox("Wieńce", form.get());
        panel->setWhatsThis("Wieńce żelbetowe ściany.");
        auto* pv = new QVBoxLayout(panel);
        narrow = new QCheckBox("węższe", panel);
        pv->addWidget(narrow);
        v->addWidget(panel);
        plain = new QLineEdit(form.get());
        v->addWidget(plain);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get(), orvtest::kHangMs));
    }
    void TearDown() override
    {
        QWhatsThis::leaveWhatsThisMode();
        QWhatsThis::hideText();
        form.reset();
        help.reset();
    }

    std::unique_ptr<TWhatsThis> help;
    std::unique_ptr<QWidget> form;
    TNumberEdit* thickness = nullptr;
    QGroupBox* panel = nullptr;
    QCheckBox* narrow = nullptr;
    QLineEdit* plain = nullptr;
};

// The text shown now, as the toolkit puts it on the screen.
QWidget* ShownText()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QWhatsThat")) return w;
    return nullptr;
}

QRect GlobalRect(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

} // namespace

TEST_F(WhatsThis, TextsStandBesideTheFieldTheyDescribe)
{
    // F1, a click in the mode and the right button's item alike.
    thickness->setFocus();
    QTest::keyClick(thickness, Qt::Key_F1);
    QWidget* shown = ShownText();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->geometry().intersects(GlobalRect(thickness)));
    EXPECT_GE(shown->y(), GlobalRect(thickness).bottom());
    QWhatsThis::hideText();
    QCoreApplication::processEvents();

    help->enterWhatsThisMode();
    QHelpEvent query(QEvent::WhatsThis, QPoint(2, 2), narrow->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(narrow, &query);
    shown = ShownText();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->geometry().intersects(GlobalRect(narrow)));
    QWhatsThis::hideText();
    QCoreApplication::processEvents();

    std::unique_ptr<QMenu> menu(help->contextMenuFor(thickness, thickness->mapToGlobal(QPoint(5, 5))));
    ASSERT_NE(menu, nullptr);
    menu->actions().last()->trigger();
    shown = ShownText();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->geometry().intersects(GlobalRect(thickness)));

    // Under the field while the screen leaves room, else at the point given.
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(TWhatsThis::popupPoint({100, 100, 80, 20}, {105, 105}, screen), QPoint(139, 123));
    EXPECT_EQ(TWhatsThis::popupPoint({100, 700, 80, 20}, {105, 705}, screen), QPoint(105, 705));
}

TEST_F(WhatsThis, F1ShowsTheTextOfTheFocusedFieldAtItsCorner)
{
    QSignalSpy shown(help.get(), &TWhatsThis::helpShown);
    thickness->setFocus();
    const QString typed = thickness->text();
    QTest::keyClick(thickness, Qt::Key_F1);
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].value<QWidget*>(), thickness);
    EXPECT_EQ(shown[0][1].toString(), "Grubość ściany t [cm].");
    // F1 typed nothing into the field.
    EXPECT_EQ(thickness->text(), typed);

    // A control without a text of its own shows its panel's.
    narrow->setFocus();
    QTest::keyClick(narrow, Qt::Key_F1);
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown[1][1].toString(), "Wieńce żelbetowe ściany.");

    // Nothing anywhere up to the window: nothing is shown.
    plain->setFocus();
    QTest::keyClick(plain, Qt::Key_F1);
    EXPECT_EQ(shown.count(), 2);
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
}

TEST_F(WhatsThis, ShiftF1AndTheMenuItemEnterAndLeaveTheMode)
{
    QAction* item = help->menuAction();
    EXPECT_EQ(item->text(), "Co to jest?");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));

    thickness->setFocus();
    QTest::keyClick(thickness, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    EXPECT_TRUE(item->isChecked());
    // In the mode a click on a control shows its text (the panel's for the
    // box) and ends the mode.
    QHelpEvent query(QEvent::WhatsThis, QPoint(2, 2), narrow->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(narrow, &query);
    EXPECT_TRUE(query.isAccepted());
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_FALSE(item->isChecked());
    // The item enters the mode and leaves it again.
    item->trigger();
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_FALSE(item->isChecked());
    // F1 in the mode leaves it first, then shows the field's text.
    QSignalSpy shown(help.get(), &TWhatsThis::helpShown);
    item->trigger();
    thickness->setFocus();
    QTest::keyClick(thickness, Qt::Key_F1);
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_FALSE(item->isChecked());
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][1].toString(), "Grubość ściany t [cm].");
}

TEST_F(WhatsThis, RightClickOffersCoToJestAndShowsTheTextAtThePoint)
{
    QSignalSpy shown(help.get(), &TWhatsThis::helpShown);
    const QPoint at = narrow->mapToGlobal(QPoint(5, 5));
    std::unique_ptr<QMenu> menu(help->contextMenuFor(narrow, at));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Co to jest?");
    menu->actions()[0]->trigger();
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][1].toString(), "Wieńce żelbetowe ściany.");

    // A field keeps its own editing items; "Co to jest?" comes last, apart.
    std::unique_ptr<QMenu> edit(help->contextMenuFor(thickness, at));
    ASSERT_NE(edit, nullptr);
    const QList<QAction*> items = edit->actions();
    ASSERT_GT(items.size(), 3);
    EXPECT_EQ(items.last()->text(), "Co to jest?");
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    EXPECT_FALSE(items.first()->isSeparator());

    // A control without a text anywhere keeps its own menu only.
    EXPECT_EQ(help->contextMenuFor(plain, at), nullptr);
}

// A control with a menu of its own (the scheme, the results text) keeps it:
// the right button opens that menu, which offers "Co to jest?" itself.
TEST_F(WhatsThis, AControlsOwnMenuIsKeptAndOffersTheItem)
{
    auto* scheme = new QWidget(panel);
    scheme->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* results = new QTextBrowser(form.get());
    results->setWhatsThis("Wyniki obliczeń.");
    results->setContextMenuPolicy(Qt::CustomContextMenu);
    form->layout()->addWidget(results);
    QSignalSpy own(scheme, &QWidget::customContextMenuRequested);
    QSignalSpy ownResults(results, &QWidget::customContextMenuRequested);
    QSignalSpy shown(help.get(), &TWhatsThis::helpShown);
    // Whatever menu might open is closed again, so the test never waits.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    closer.start(20);

    QContextMenuEvent onScheme(QContextMenuEvent::Mouse, QPoint(2, 2), scheme->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(scheme, &onScheme);
    EXPECT_EQ(own.count(), 1);
    QContextMenuEvent onText(QContextMenuEvent::Mouse, QPoint(3, 3), results->viewport()->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(results->viewport(), &onText);
    EXPECT_EQ(ownResults.count(), 1);

    // The item in the control's menu shows the text it inherits.
    QMenu menu;
    help->addItemTo(&menu, scheme, QPoint(5, 5));
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(menu.actions()[0]->text(), "Co to jest?");
    menu.actions()[0]->trigger();
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][1].toString(), "Wieńce żelbetowe ściany.");
    // Nothing for a control without a text.
    help->addItemTo(&menu, plain, QPoint());
    EXPECT_EQ(menu.actions().size(), 1);
}

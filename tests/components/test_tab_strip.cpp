// The element tab bar filled in one step against a tab bar filled tab by
// tab: the same pixels, tab places and arrows for a few tabs and for many,
// scrolled by arrow, wheel and choice; what a user and assistive tools do
// with it; and how often its tabs are measured when it is filled.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "components/ElementTabBar.h"

using namespace orv;

namespace {

QStringList Names(int count, const QString& stem = QStringLiteral("Ściana %1"))
{
    QStringList list;
    for (int i = 0; i < count; ++i) list << stem.arg(i + 1);
    return list;
}

// Both bars in one window, each in a holder of its own, the plain tab bar
// made up as the element bar is: tabs not stretched, taking no focus.
struct SideBySide {
    QWidget window;
    QTabBar* bar;
    TElementTabBar* strip;

    explicit SideBySide(int width)
    {
        auto* row = new QHBoxLayout(&window);
        for (int i = 0; i < 2; ++i) {
            auto* holder = new QWidget(&window);
            holder->setFixedSize(width, 40);
            row->addWidget(holder);
        }
        auto holders = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        bar = new QTabBar(holders[0]);
        bar->setExpanding(false);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setElideMode(bar->elideMode());
        strip = new TElementTabBar(holders[1]);
        window.show();
        resize(width);
    }
    void resize(int width)
    {
        bar->setGeometry(0, 0, width, bar->sizeHint().height());
        strip->setGeometry(0, 0, width, strip->sizeHint().height());
    }
    void fill(const QStringList& names, int current)
    {
        while (bar->count() > 0) bar->removeTab(bar->count() - 1);
        for (const QString& n : names) bar->addTab(n);
        bar->setCurrentIndex(current);
        strip->setTabs(names, current);
        resize(bar->width());
    }
    QToolButton* arrow(QWidget* w, const char* name) { return w->findChild<QToolButton*>(QString::fromLatin1(name)); }

    void expectAlike(const char* when)
    {
        SCOPED_TRACE(when);
        QApplication::processEvents();
        ASSERT_EQ(strip->count(), bar->count());
        EXPECT_EQ(strip->currentIndex(), bar->currentIndex());
        EXPECT_EQ(strip->sizeHint(), bar->sizeHint());
        EXPECT_EQ(strip->minimumSizeHint(), bar->minimumSizeHint());
        for (int i = 0; i < bar->count(); ++i) {
            if (strip->tabRect(i) != bar->tabRect(i)) {
                ADD_FAILURE() << "tab " << i << " at " << strip->tabRect(i).x() << "," << strip->tabRect(i).width()
                              << " not " << bar->tabRect(i).x() << "," << bar->tabRect(i).width();
                break;
            }
        }
        for (const char* name : {"ScrollLeftButton", "ScrollRightButton"}) {
            QToolButton* mine = arrow(strip, name);
            QToolButton* theirs = arrow(bar, name);
            ASSERT_TRUE(mine && theirs) << name;
            EXPECT_EQ(mine->isVisible(), theirs->isVisible()) << name;
            if (!theirs->isVisible()) continue;
            EXPECT_EQ(mine->geometry(), theirs->geometry()) << name;
            EXPECT_EQ(mine->isEnabled(), theirs->isEnabled()) << name;
            EXPECT_EQ(mine->arrowType(), theirs->arrowType()) << name;
        }
        const QImage a = bar->grab().toImage(), b = strip->grab().toImage();
        EXPECT_EQ(a.size(), b.size());
        if (a != b) {
            a.save(QStringLiteral(ORV_SHOT_DIR "/tabs-bar.png"));
            b.save(QStringLiteral(ORV_SHOT_DIR "/tabs-strip.png"));
            ADD_FAILURE() << "the strip is drawn otherwise than the tab bar";
        }
    }
};

// A strip alone in a shown window of the given width.
struct ShownStrip {
    QWidget window;
    TElementTabBar* strip;
    explicit ShownStrip(int width) : strip(new TElementTabBar(&window))
    {
        window.resize(width, 60);
        window.show();
    }
};

void Wheel(QWidget* w, int angle)
{
    QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, angle), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(TabStrip, FewTabsLookAsOnATabBar)
{
    orvtest::EnsureApp<QApplication>();
    SideBySide both(600);
    both.fill({"Element 1", "Ściana zewnętrzna osi A", "Filar &B"}, 1);
    both.expectAlike("three tabs, the middle one current");
    both.fill({"Element 1"}, 0);
    both.expectAlike("one tab");
    both.fill({}, -1);
    both.expectAlike("no tab");
}

TEST(TabStrip, ManyTabsScrollAsOnATabBar)
{
    orvtest::EnsureApp<QApplication>();
    SideBySide both(420);
    both.fill(Names(60), 37);
    both.expectAlike("a far tab current");
    for (int i = 0; i < 3; ++i) {
        both.arrow(both.bar, "ScrollLeftButton")->click();
        both.arrow(both.strip, "ScrollLeftButton")->click();
    }
    both.expectAlike("three steps left");
    both.arrow(both.bar, "ScrollRightButton")->click();
    both.arrow(both.strip, "ScrollRightButton")->click();
    both.expectAlike("a step right");
    Wheel(both.bar, -120);
    Wheel(both.strip, -120);
    both.expectAlike("a wheel notch down");
    Wheel(both.bar, 60);
    Wheel(both.strip, 60);
    both.expectAlike("half a notch up");
    both.bar->setCurrentIndex(59);
    both.strip->setCurrentIndex(59);
    both.expectAlike("the last tab");
    both.bar->setCurrentIndex(0);
    both.strip->setCurrentIndex(0);
    both.expectAlike("back to the first");
    both.resize(300);
    both.expectAlike("narrower");
    both.fill(Names(5), 4);
    both.resize(800);
    both.expectAlike("few again, wider");
    both.bar->setCurrentIndex(2);
    both.strip->setCurrentIndex(2);
    both.resize(40);
    both.expectAlike("very narrow");
    both.resize(800);
    both.expectAlike("wide again");
}

TEST(TabStrip, EveryTabIsFoundWhereItIs)
{
    orvtest::EnsureApp<QApplication>();
    ShownStrip shown(500);
    TElementTabBar* strip = shown.strip;
    strip->setTabs(Names(300), 150);
    strip->resize(500, strip->sizeHint().height());
    QApplication::processEvents();
    int right = strip->tabRect(0).left();
    for (int i = 0; i < strip->count(); ++i) {
        const QRect r = strip->tabRect(i);
        if (r.left() != right || strip->tabAt(r.topLeft()) != i || strip->tabAt(r.bottomRight()) != i ||
            strip->tabAt(r.center()) != i) {
            ADD_FAILURE() << "tab " << i << " at " << r.left() << " found as " << strip->tabAt(r.center());
            break;
        }
        right = r.right() + 1;
    }
    EXPECT_EQ(strip->tabAt(QPoint(right, 2)), -1);
    EXPECT_EQ(strip->tabAt(QPoint(strip->tabRect(0).left() - 1, 2)), -1);
    EXPECT_EQ(strip->tabAt(QPoint(strip->tabRect(5).center().x(), strip->height())), -1);
    EXPECT_EQ(strip->tabRect(300), QRect());
    EXPECT_EQ(strip->tabRect(-1), QRect());
}

TEST(TabStrip, AClickSelectsTheTabUnderItOnce)
{
    orvtest::EnsureApp<QApplication>();
    ShownStrip shown(900);
    TElementTabBar* strip = shown.strip;
    strip->setTabs(Names(4), 0);
    QSignalSpy changed(strip, &TElementTabBar::currentChanged);
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(2).center());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toInt(), 2);
    EXPECT_EQ(strip->currentIndex(), 2);
    // the current tab clicked again, a right click and a click past the tabs change nothing
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(2).center());
    QTest::mouseClick(strip, Qt::RightButton, {}, strip->tabRect(0).center());
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(strip->tabRect(3).right() + 20, 3));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(strip->currentIndex(), 2);
    // the arrow keys step through the tabs
    QTest::keyClick(strip, Qt::Key_Left);
    EXPECT_EQ(strip->currentIndex(), 1);
    QTest::keyClick(strip, Qt::Key_Right);
    QTest::keyClick(strip, Qt::Key_Right);
    QTest::keyClick(strip, Qt::Key_Right);
    EXPECT_EQ(strip->currentIndex(), 3);
    EXPECT_EQ(changed.count(), 4);
}

TEST(TabStrip, ArrowsShowOnlyWhenTheTabsDoNotFitAndTheCurrentTabIsInView)
{
    orvtest::EnsureApp<QApplication>();
    ShownStrip shown(400);
    TElementTabBar* strip = shown.strip;
    const auto arrowsShown = [&] {
        QApplication::processEvents();
        return strip->findChild<QToolButton*>("ScrollLeftButton")->isVisible() &&
               strip->findChild<QToolButton*>("ScrollRightButton")->isVisible();
    };
    const auto currentInView = [&] {
        const QRect r = strip->tabRect(strip->currentIndex());
        return r.left() >= 0 && r.right() < strip->findChild<QToolButton*>("ScrollLeftButton")->x();
    };
    strip->setTabs(Names(3), 2);
    strip->resize(400, strip->sizeHint().height());
    EXPECT_FALSE(arrowsShown());
    EXPECT_EQ(strip->tabRect(0).left(), 0);

    strip->setTabs(Names(40), 33);
    EXPECT_TRUE(arrowsShown());
    EXPECT_TRUE(currentInView());
    strip->setCurrentIndex(2);
    EXPECT_TRUE(currentInView());
    // the right arrow brings the next tab cut by the arrows into view
    const int cut = strip->tabAt(QPoint(strip->findChild<QToolButton*>("ScrollLeftButton")->x() - 1, 3));
    strip->findChild<QToolButton*>("ScrollRightButton")->click();
    EXPECT_LT(strip->tabRect(cut).right(), strip->findChild<QToolButton*>("ScrollLeftButton")->x());

    // fewer tabs on a shown strip: no arrows, nothing scrolled
    strip->setTabs(Names(2, QStringLiteral("Filar %1")), 1);
    EXPECT_FALSE(arrowsShown());
    EXPECT_EQ(strip->count(), 2);
    EXPECT_EQ(strip->tabText(1), "Filar 2");
    EXPECT_EQ(strip->tabRect(0).left(), 0);
    // more again: the last one current and whole in view
    strip->setTabs(Names(500), 499);
    EXPECT_TRUE(arrowsShown());
    EXPECT_TRUE(currentInView());
    EXPECT_EQ(strip->tabText(499), "Ściana 500");
}

TEST(TabStrip, ALongerNameWidensItsTabAndMovesTheRest)
{
    orvtest::EnsureApp<QApplication>();
    ShownStrip shown(900);
    TElementTabBar* strip = shown.strip;
    strip->setTabs(Names(4), 0);
    const QRect before1 = strip->tabRect(1), before2 = strip->tabRect(2);
    strip->setTabText(1, "Ściana 2 osi A-A");
    EXPECT_EQ(strip->tabText(1), "Ściana 2 osi A-A");
    const int grown = strip->tabRect(1).width() - before1.width();
    EXPECT_EQ(grown, strip->fontMetrics().horizontalAdvance(" osi A-A"));
    EXPECT_EQ(strip->tabRect(2).left(), before2.left() + grown);
    EXPECT_EQ(strip->tabAt(strip->tabRect(2).center()), 2);
}

// Tabs added one by one to a hidden strip, then fewer set: laid out when shown.
TEST(TabStrip, AHiddenStripFilledTabByTabTakesFewerTabs)
{
    orvtest::EnsureApp<QApplication>();
    QWidget window;
    auto* strip = new TElementTabBar(&window);
    strip->hide();
    for (const char* name : {"A", "B", "C", "D"}) strip->addTab(name);
    EXPECT_EQ(strip->currentIndex(), 0);
    QSignalSpy changed(strip, &TElementTabBar::currentChanged);
    strip->setTabs({"Ściana zewnętrzna", "B"}, 1);
    ASSERT_EQ(strip->count(), 2);
    EXPECT_EQ(changed.count(), 1);
    window.resize(600, 60);
    window.show();
    strip->show();
    strip->resize(600, strip->sizeHint().height());
    EXPECT_EQ(strip->currentIndex(), 1);
    EXPECT_EQ(strip->tabText(0), "Ściana zewnętrzna");
    EXPECT_GT(strip->tabRect(0).width(), strip->tabRect(1).width());
    EXPECT_EQ(strip->tabRect(1).left(), strip->tabRect(0).right() + 1);
    EXPECT_EQ(strip->tabAt(strip->tabRect(1).center()), 1);
}

// An ampersand in a name underlines its letter, and Alt with it chooses the tab.
TEST(TabStrip, AltWithAnUnderlinedLetterChoosesItsTab)
{
    orvtest::EnsureApp<QApplication>();
    ShownStrip shown(600);
    TElementTabBar* strip = shown.strip;
    strip->setTabs({"Ściana &A", "Filar &B", "Nadproże"}, 0);
    QApplication::setActiveWindow(&shown.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.window, orvtest::kHangMs));
    QTest::keyClick(&shown.window, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(strip->currentIndex(), 1);
    // renamed, the tab answers to its new letter only
    strip->setTabText(1, "Filar &C");
    QTest::keyClick(&shown.window, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(strip->currentIndex(), 0);
    QTest::keyClick(&shown.window, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(strip->currentIndex(), 0);
    QTest::keyClick(&shown.window, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(strip->currentIndex(), 1);
}

// Assistive tools see the element tabs as a tab list with a tab for each
// element, by its name, the current one focused.
TEST(TabStrip, AssistiveToolsSeeEveryTabByName)
{
    orvtest::EnsureApp<QApplication>();
    ShownStrip shown(600);
    TElementTabBar* strip = shown.strip;
    strip->setTabs({"Ściana A", "Filar B", "Nadproże"}, 1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    QStringList tabs;
    int current = -1;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* tab = list->child(i);
        if (!tab || tab->role() != QAccessible::PageTab) continue;
        if (tab->state().focused) current = int(tabs.size());
        tabs << tab->text(QAccessible::Name);
    }
    EXPECT_EQ(tabs, QStringList({"Ściana A", "Filar B", "Nadproże"}));
    EXPECT_EQ(current, 1);
}

// Tabs that elide their names in a narrow bar without arrows: filled at once
// they are named, elided and drawn as tab by tab, and whoever hears of the
// new current tab while the bar is filled finds it at its full size.
TEST(TabStrip, NamesElidedInANarrowBarAsOnATabBar)
{
    orvtest::EnsureApp<QApplication>();
    SideBySide both(330);
    for (QTabBar* b : {both.bar, static_cast<QTabBar*>(both.strip)}) {
        b->setElideMode(Qt::ElideRight);
        b->setUsesScrollButtons(false);
    }
    QList<QSize> heard;
    QObject::connect(both.strip, &TElementTabBar::currentChanged, both.strip,
                     [&](int index) { heard << both.strip->tabRect(index).size(); });
    const QStringList names = Names(5, QStringLiteral("Ściana zewnętrzna osi %1"));
    both.fill(names, 3);
    both.expectAlike("five long names in 330 pixels");
    ASSERT_EQ(both.strip->count(), 5);
    EXPECT_EQ(both.strip->tabText(3), names[3]);
    EXPECT_EQ(both.strip->currentIndex(), 3);
    EXPECT_LT(both.strip->tabRect(4).right(), 330);
    const int full = both.strip->fontMetrics().horizontalAdvance(names[3]);
    EXPECT_LT(both.strip->tabRect(3).width(), full) << "the names are not elided";
    ASSERT_FALSE(heard.isEmpty());
    EXPECT_EQ(heard.last(), both.strip->tabRect(3).size());

    // fewer, shorter names: whole again
    heard.clear();
    both.fill(Names(2, QStringLiteral("Filar %1")), 0);
    both.expectAlike("two short names");
    EXPECT_EQ(heard, QList<QSize>{both.strip->tabRect(0).size()});
    EXPECT_GE(both.strip->tabRect(0).width(), both.strip->fontMetrics().horizontalAdvance("Filar 1"));
}

namespace {

// Counts what the toolkit asks of the strip: a tab's size (its size and its
// least size are each one tabSizeHint) and a layout of all the tabs.
class CountingStrip : public TElementTabBar {
public:
    using TElementTabBar::TElementTabBar;
    mutable int measured = 0;
    int layouts = 0;

protected:
    QSize tabSizeHint(int index) const override
    {
        ++measured;
        return TElementTabBar::tabSizeHint(index);
    }
    void tabLayoutChange() override
    {
        ++layouts;
        TElementTabBar::tabLayoutChange();
    }
};

} // namespace

// A project of n elements opened in a window of one element, and one of a
// single element after it: the strip, shown in a column as in the main
// window, measures each tab a few times whatever n, and never again for the
// tabs added after it, which would grow with n squared. The toolkit lays the
// tabs out once for each tab it adds; a hidden tab is not measured there.
TEST(TabStrip, FillingMeasuresEachTabAFewTimes)
{
    orvtest::EnsureApp<QApplication>();
    for (const int n : {100, 400}) {
        SCOPED_TRACE(n);
        QWidget window;
        auto* column = new QVBoxLayout(&window);
        auto* strip = new CountingStrip;
        column->addWidget(strip);
        column->addStretch();
        strip->setTabs({"Element 1"}, 0);
        window.resize(600, 300);
        window.show();
        QApplication::processEvents();

        strip->measured = strip->layouts = 0;
        strip->setTabs(Names(n), n - 1);
        QApplication::processEvents();
        EXPECT_EQ(strip->count(), n);
        EXPECT_LE(strip->measured, 6 * n);
        EXPECT_LE(strip->layouts, n + 2);

        strip->measured = strip->layouts = 0;
        strip->setTabs({"Element 1"}, 0);
        QApplication::processEvents();
        EXPECT_EQ(strip->count(), 1);
        EXPECT_LE(strip->measured, 6);
        EXPECT_LE(strip->layouts, 2);
    }
}

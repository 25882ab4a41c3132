// The slab library through its loader: the start values of a slab block,
// the solid slab's J for a hand-worked case, Cancel, and a folder without
// the library.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "platform/MakerLibrary.h"
#include "platform/SlabLibrary.h"

using namespace orv;

namespace {

// Acts on the next modal dialog once it is shown.
void OnNextModal(const std::function<void(QWidget*)>& act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        timer->stop();
        timer->deleteLater();
        act(w);
    });
    timer->start();
}

class SlabLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        SetMakerLibraryFolder(QStringLiteral(ORV_WUB_DIR));
    }
    void TearDown() override { SetMakerLibraryFolder({}); }
};

} // namespace

TEST_F(SlabLibrary, StartValuesAreASolidSlab15cmThick)
{
    std::array<double, 20> block;
    block.fill(-1);
    ASSERT_TRUE(SlabLibraryStartValues(block));
    EXPECT_EQ(block[1], 15.0);
    EXPECT_EQ(block[3], 100.0);
    EXPECT_EQ(block[5], 15.0);
    EXPECT_EQ(block[19], 0.0);
    // The session's hook gives the same.
    std::array<double, 20> hooked{};
    ASSERT_TRUE(SlabStartValuesHook()(hooked));
    EXPECT_EQ(hooked, block);
}

TEST_F(SlabLibrary, SolidSlabJOverTheGivenWidth)
{
    TSlabLibraryCall call;
    call.b = 100;
    call.block[5] = 15;
    call.block[7] = 3.5; // kept as it is
    OnNextModal([](QWidget* dlg) {
        dlg->findChild<QDoubleSpinBox*>("d")->setValue(20);
        dlg->findChild<QPushButton*>("OK")->click();
    });
    ASSERT_EQ(ShowSlabLibraryDialog(nullptr, call), TSlabLibraryResult::Confirmed);
    // J = b d^3 / 12 = 100 x 20^3 / 12 = 66 666,67 cm4; A = 100 x 20 = 2000 cm2.
    EXPECT_NEAR(call.J, 66666.6667, 1e-3);
    EXPECT_DOUBLE_EQ(call.A, 2000.0);
    EXPECT_EQ(call.block[5], 20.0);
    EXPECT_EQ(call.block[1], 20.0);
    EXPECT_EQ(call.block[7], 3.5);
}

// The thickness takes either separator whatever the locale: 17,5 and 17.5
// are both 17.5 cm, J = 100 x 17.5^3 / 12 = 100 x 5359.375 / 12 = 44 661.46 cm4.
TEST_F(SlabLibrary, TypedThicknessTakesEitherSeparator)
{
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Polish, QLocale::Poland)}) {
        QLocale::setDefault(locale);
        for (const char* typed : {"17,5", "17.5"}) {
            TSlabLibraryCall call;
            call.b = 100;
            call.block[5] = 15;
            OnNextModal([typed](QWidget* dlg) {
                auto* d = dlg->findChild<QDoubleSpinBox*>("d");
                d->selectAll();
                QTest::keyClicks(d, typed);
                dlg->findChild<QPushButton*>("OK")->click();
            });
            ASSERT_EQ(ShowSlabLibraryDialog(nullptr, call), TSlabLibraryResult::Confirmed);
            EXPECT_EQ(call.block[5], 17.5) << locale.name().toStdString() << " " << typed;
            EXPECT_NEAR(call.J, 44661.4583, 1e-3) << locale.name().toStdString() << " " << typed;
        }
    }
    QLocale::setDefault(QLocale::system());
}

TEST_F(SlabLibrary, CancelChangesNothing)
{
    TSlabLibraryCall call;
    call.b = 130;
    call.J = 12.5;
    call.block[5] = 18;
    const TSlabLibraryCall before = call;
    OnNextModal([](QWidget* dlg) {
        dlg->findChild<QDoubleSpinBox*>("d")->setValue(30);
        dlg->findChild<QPushButton*>("Cancel")->click();
    });
    ASSERT_EQ(ShowSlabLibraryDialog(nullptr, call), TSlabLibraryResult::Cancelled);
    EXPECT_EQ(call.J, before.J);
    EXPECT_EQ(call.block, before.block);
}

TEST_F(SlabLibrary, AFolderWithoutTheLibrary)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    SetMakerLibraryFolder(empty.path());
    const QString looked = QDir(empty.path()).filePath(SlabLibraryFileName());
    EXPECT_EQ(SlabLibraryPath(), looked);
    EXPECT_EQ(SlabLibraryMissingDetails(), "Nie znaleziono biblioteki " + QDir::toNativeSeparators(looked).toStdString() +
                                               ". \rProszę skontaktować się z dystrybutorem programu!");
    TSlabLibraryCall call;
    call.b = 100;
    call.J = 7;
    EXPECT_EQ(ShowSlabLibraryDialog(nullptr, call), TSlabLibraryResult::Missing);
    EXPECT_EQ(call.J, 7.0);
    std::array<double, 20> block;
    block.fill(2);
    EXPECT_FALSE(SlabLibraryStartValues(block));
    EXPECT_EQ(block[5], 2.0);

    // A file of that name that is no library is missing too.
    QFile junk(looked);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    EXPECT_EQ(ShowSlabLibraryDialog(nullptr, call), TSlabLibraryResult::Missing);
}

// The load compilation dialog as a user works it: F of the worked example
// and after edits, the basement variant, length units switched without
// changing F, the storey file written and read back, damaged files refused
// with the dialog unchanged, OK / Cancel of the modal run, and damaged
// compilations from a project or typed in giving no F and no OK.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QCheckBox>
#include <QImage>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "components/DialogRunner.h"
#include "components/MathLabel.h"
#include "components/MOpenDialog.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "core/ZunFiles.h"
#include "core/ZunProject.h"
#include "dialogs/UnitsFullDlg.h"
#include "dialogs/ZunZestObc.h"
#include "drawing/Canvas.h"
#include "drawing/CommonColorUnit.h"
#include "drawing/LoadDimensionPicture.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLoadSymbols.h"
#include "platform/MakerLibrary.h"
#include "tests/core/support/TestSupport.h"
#include "tests/drawing/support/LabelChecks.h"

using namespace orv;

namespace {

// The worked example: one storey, b = 1.5 m, roof 10 kN/m, wall 3 x 0.25 m
// of 18 kN/m3 (gf 1.2), ring beam 0.25 x 0.25 m, left floor 6 m with g = 5,
// p = 2, no right floor; F = 1.5 x (10 + 1.8 + 16.2 + 21) = 73.5 kN.
std::unique_ptr<TLoadCompilation> Example()
{
    auto l = std::make_unique<TLoadCompilation>();
    std::memset(l.get(), 0, sizeof *l);
    InitLoadCompilation(*l);
    l->TakeFromElement = 0;
    l->F_dach = 10;
    for (int e = 0; e < MaxStoreys; ++e) {
        l->ro[e] = 18;
        l->gL[e] = 5;
        l->pL[e] = 2;
        l->strop_P[e] = 0;
    }
    return l;
}

// A drawing made straight on a surface of a box's size and resolution,
// filled with the background first, as the box draws it.
QImage DrawnAsTheBoxDraws(const QWidget& box, TColor background, const std::function<void(Canvas&, TPoint)>& draw)
{
    QImage image(box.size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(box.logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(box.logicalDpiY() / 0.0254));
    QPainter p(&image);
    PainterCanvas canvas(p);
    canvas.brush.color = background;
    canvas.fillRect({0, 0, box.width(), box.height()});
    draw(canvas, {box.width(), box.height()});
    p.end();
    return image;
}

std::string Bytes(const TLoadCompilation& l) { return std::string(reinterpret_cast<const char*>(&l), sizeof l); }

class LoadCompilationDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldStore_ = BindSettingsStore(&store);
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        std::memset(&input, 0, sizeof input);
        InitElementRecord(input);
        dlg = std::make_unique<TZestObcDlg>();
        dlg->resize(900, 640);
    }
    void TearDown() override
    {
        dlg.reset();
        TMOpenDialog::bindResponder(oldFiles_);
        BindDialogResponder(oldModal_);
        SetDecimalSeparator(oldSep_);
        BindSettingsStore(oldStore_);
    }

    TNumberEdit* field(const char* name) { return dlg->findChild<TNumberEdit*>(QString::fromLatin1(name)); }
    // Types a value and leaves the field.
    void type(const char* name, const char* text)
    {
        TNumberEdit* e = field(name);
        ASSERT_NE(e, nullptr) << name;
        e->setText(QString::fromUtf8(text));
        e->commit();
    }
    void press(const char* name) { dlg->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); }
    // The file dialogs answer with `file` (empty: cancelled).
    void answerFiles(const std::string& file)
    {
        TMOpenDialog::Responder r = [file](TMOpenDialog& d) {
            d.fileName = QString::fromStdString(file);
            return !file.empty();
        };
        const TMOpenDialog::Responder old = TMOpenDialog::bindResponder(r);
        if (!filesBound_) oldFiles_ = old, filesBound_ = true;
    }
    void answerModal(TDialogResponder r)
    {
        const TDialogResponder old = BindDialogResponder(std::move(r));
        if (!modalBound_) oldModal_ = old, modalBound_ = true;
    }
    // No field or result shows a number that is not one.
    void expectNoNaNShown()
    {
        EXPECT_EQ(QString::fromStdString(dlg->resultLine()).indexOf("NAN"), -1);
        for (TNumberEdit* e : dlg->findChildren<TNumberEdit*>()) {
            EXPECT_FALSE(e->text().contains("NAN", Qt::CaseInsensitive)) << e->objectName().toStdString();
            EXPECT_FALSE(e->text().contains("INF", Qt::CaseInsensitive)) << e->objectName().toStdString();
        }
    }

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    orvtest::ScratchDir dir;
    TCalcInput input{};
    std::unique_ptr<TZestObcDlg> dlg;

private:
    ISettingsStore* oldStore_ = nullptr;
    char oldSep_ = '.';
    TMOpenDialog::Responder oldFiles_;
    TDialogResponder oldModal_;
    bool filesBound_ = false;
    bool modalBound_ = false;
};

} // namespace

TEST_F(LoadCompilationDialog, WorkedExampleAndLiveEdits)
{
    dlg->setData(*Example(), input, false);
    EXPECT_NEAR(dlg->upperLoad().value(), 73.5, 1e-9);
    EXPECT_EQ(dlg->resultLine(), "Obciążenie z wyższych kondygnacji %BF = 73,50%N kN");
    EXPECT_EQ(field("Gs1")->text(), "16,20");
    EXPECT_EQ(field("Fl1")->text(), "21,00");
    // The scheme is drawn: a good share of its pixels is not the background.
    const QImage scheme = dlg->findChild<QWidget*>("PB2")->grab().toImage();
    int drawn = 0;
    for (int y = 0; y < scheme.height(); ++y)
        for (int x = 0; x < scheme.width(); ++x) drawn += scheme.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(drawn, 500);

    // h = 4 m: Gs = 0.25 x 4 x 18 x 1.2 = 21.6; F = 1.5 x (10 + 1.8 + 21.6 + 21) = 81.6
    type("h1", "4");
    EXPECT_NEAR(dlg->upperLoad().value(), 81.6, 1e-9);
    EXPECT_EQ(field("Gs1")->text(), "21,60");
    // The right floor on: 0.5 x 6 x (0 + 0) adds nothing until its loads are typed;
    // gP = 4: 0.5 x 6 x 4 = 12, F = 81.6 + 1.5 x 12 = 99.6
    dlg->findChild<QCheckBox*>("strop_P1")->click();
    type("gP1", "4");
    EXPECT_NEAR(dlg->upperLoad().value(), 99.6, 1e-9);
    // Three repeated storeys: 1.5 x (10 + 3 x (1.8 + 21.6 + 21 + 12)) = 268.8
    type("n1", "3");
    EXPECT_NEAR(dlg->upperLoad().value(), 268.8, 1e-9);
    EXPECT_EQ(dlg->data().StoreyCount, 3);
    // A given wall load: 20 kN/m per storey instead of 21.6,
    // 268.8 - 1.5 x 3 x 1.6 = 261.6
    dlg->findChild<QRadioButton*>("GsTyp1")->click();
    type("Gs1", "20");
    EXPECT_NEAR(dlg->upperLoad().value(), 261.6, 1e-9);
}

// The scheme shown is the drawing of the data as they are, drawn straight on
// a surface of the box's size and resolution: after the data are set, after
// an edit, after a change of the variant, and when shown again unchanged.
TEST_F(LoadCompilationDialog, SchemeShownIsTheDrawingOfTheCurrentData)
{
    QWidget* box = dlg->findChild<QWidget*>("PB2");
    auto drawn = [&](bool basement) {
        return DrawnAsTheBoxDraws(*box, clWhite, [&](Canvas& canvas, TPoint size) {
            TDrawingColors colors{};
            ReadDrawingColors(colors);
            DrawLoadCollectionScheme(canvas, size, basement, LoadCompilationInMetres(dlg->data()), input, colors, 0);
        });
    };
    auto shown = [&] { return box->grab().toImage().convertToFormat(QImage::Format_RGB32); };

    dlg->setData(*Example(), input, false);
    const QImage first = shown();
    EXPECT_EQ(first, drawn(false));
    type("h1", "4");
    const QImage edited = shown();
    EXPECT_NE(edited, first);
    EXPECT_EQ(edited, drawn(false));
    EXPECT_EQ(shown(), edited);
    box->resize(box->width() + 40, box->height() - 30);
    EXPECT_EQ(shown(), drawn(false));
    dlg->setData(*Example(), input, true);
    EXPECT_EQ(shown(), drawn(true));
}

// The picture of a storey's lengths is drawn in both variants beside the
// fields, covering none; its symbols are those the fields' captions name.
TEST_F(LoadCompilationDialog, PictureOfTheLengthsStandsBesideTheFields)
{
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get(), orvtest::kHangMs));
    QWidget* image = dlg->findChild<QWidget*>("Image1");
    ASSERT_NE(image, nullptr);
    QImage shown[2];
    for (const bool basement : {false, true}) {
        SCOPED_TRACE(basement ? "basement" : "wall");
        dlg->setData(*Example(), input, basement);
        QApplication::processEvents();
        ASSERT_TRUE(image->isVisible());
        shown[basement] = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown[basement], DrawnAsTheBoxDraws(*image, clBtnFace, [&](Canvas& c, TPoint size) {
                      DrawLoadDimensionPicture(c, size, basement);
                  }));
        const QRect at(image->mapTo(dlg.get(), QPoint(0, 0)), image->size());
        EXPECT_TRUE(dlg->rect().contains(at));
        for (QWidget* w : dlg->findChildren<QWidget*>()) {
            if (w == image || !w->isVisible()) continue;
            EXPECT_FALSE(QRect(w->mapTo(dlg.get(), QPoint(0, 0)), w->size()).intersects(at))
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    }
    // the band: b, or 1 m in the basement variant
    EXPECT_NE(shown[0], shown[1]);
    // the symbols are the fields' own: each ends one caption
    QStringList captions;
    for (TMathLabel* l : dlg->findChildren<TMathLabel*>()) captions << " " + l->caption();
    for (QLabel* l : dlg->findChildren<QLabel*>()) captions << " " + l->text();
    for (const QString symbol : {" h =", " t =", " b =", " b_s_ =", " h_w_ =", " t_w_ ="})
        EXPECT_EQ(std::count_if(captions.begin(), captions.end(), [&](const QString& c) { return c.endsWith(symbol); }),
                  1)
            << symbol.toStdString();
}

TEST_F(LoadCompilationDialog, BasementVariant)
{
    auto l = Example();
    l->kond_powtrz = 0;
    const int s = BasementSlabEntry - 1;
    l->wieniec[s] = 0;
    l->lo_L[s] = 4, l->gL[s] = 6;
    l->lo_P[s] = 5, l->gP[s] = 4, l->pP[s] = 3, l->strop_P[s] = 1;
    dlg->setData(*l, input, true);
    dlg->show();
    // 10 + 1.8 + 16.2 + 0.5 x 6 x 5 + slab 0.5 x 4 x 6 + 0.5 x 5 x 4 = 65 kN/m
    EXPECT_NEAR(dlg->upperLoad().value(), 65.0, 1e-9);
    EXPECT_EQ(dlg->resultLine(), "Obciążenie z wyższych kondygnacji %BF = 65,00%N kN/m");
    EXPECT_FALSE(field("b1")->isVisible());
    EXPECT_FALSE(field("pL1")->isEnabled());
    // The slab entry has no wall of its own.
    auto* list = dlg->findChild<QComboBox*>("ActivePiwnicaKond1");
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->itemText(list->count() - 1), "Strop na piwnicą");
    press("LowerStoreyBtn");
    EXPECT_EQ(dlg->data().CurrentStorey, BasementSlabEntry);
    EXPECT_FALSE(dlg->findChild<QWidget*>("WallGroup")->isVisible());
    EXPECT_EQ(field("lo_L1")->text(), "4,000");
    type("gL1", "8"); // slab left floor 0.5 x 4 x 8 = 16: F = 69
    EXPECT_NEAR(dlg->upperLoad().value(), 69.0, 1e-9);
}

TEST_F(LoadCompilationDialog, UnitsChangeTheFiguresNotTheLoad)
{
    auto l = Example();
    l->kond_powtrz = 0;
    dlg->setData(*l, input, false);
    // h in cm only: the unit dialog played with "centymetry", not for all.
    answerModal([](QDialog& d) {
        d.findChild<QRadioButton*>("RadioButton2")->setChecked(true);
        d.findChild<QCheckBox*>("ChangeAllDims")->setChecked(false);
        d.findChild<QPushButton*>("OKBtn")->click();
        return d.result();
    });
    press("Label12");
    EXPECT_EQ(field("h1")->text(), "300,0");
    EXPECT_EQ(field("h1")->maxValue(), 1000.0);
    EXPECT_EQ(field("h1")->increment(), 5.0);
    EXPECT_EQ(dlg->findChild<QToolButton*>("Label12")->text(), "cm");
    EXPECT_EQ(field("t1")->text(), "0,250");
    EXPECT_NEAR(dlg->upperLoad().value(), 73.5, 1e-9);
    EXPECT_EQ(dlg->data().Unit_h[1], 0); // other storeys keep their unit

    // Everything in mm: the band 1500 mm, the same F.
    dlg->ApplyUnitToAllFields(2);
    EXPECT_EQ(field("b1")->text(), "1500");
    EXPECT_EQ(field("lo_L1")->text(), "6000");
    EXPECT_NEAR(dlg->upperLoad().value(), 73.5, 1e-9);
    dlg->ApplyUnitToAllFields(0);
    EXPECT_NEAR(dlg->upperLoad().value(), 73.5, 1e-9);

    // Cancel in the unit dialog leaves everything.
    answerModal([](QDialog& d) {
        d.findChild<QRadioButton*>("RadioButton3")->setChecked(true);
        d.findChild<QPushButton*>("CancelBtn")->click();
        return d.result();
    });
    const std::string before = Bytes(dlg->data());
    press("Label28");
    EXPECT_EQ(Bytes(dlg->data()), before);
}

TEST_F(LoadCompilationDialog, StoreyFileWrittenAndReadBack)
{
    auto l = Example();
    l->StoreyCount = 4;
    l->kond_powtrz = 0;
    l->h[2] = 285, l->Unit_h[2] = 1;
    StrToFixedText("strop gęstożebrowy", l->gLText[1]);
    dlg->setData(*l, input, false);
    const std::string first = dir.file("zestaw.kond");
    answerFiles(first);
    press("SaveBtn");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(orvtest::ReadFileBytes(first), "01.0" + Bytes(dlg->data()));

    // Read into a fresh dialog and written again: the same bytes.
    TZestObcDlg other;
    other.setData(*Example(), input, false);
    other.findChild<QPushButton*>("OpenBtn")->click();
    EXPECT_EQ(Bytes(other.data()), Bytes(dlg->data()));
    EXPECT_NEAR(other.upperLoad().value(), dlg->upperLoad().value(), 1e-12);
    const std::string second = dir.file("again.kond");
    answerFiles(second);
    other.findChild<QPushButton*>("SaveBtn")->click();
    EXPECT_EQ(orvtest::ReadFileBytes(second), orvtest::ReadFileBytes(first));
}

TEST_F(LoadCompilationDialog, DamagedFilesAreRefusedAndTheDialogKept)
{
    dlg->setData(*Example(), input, false);
    type("h1", "3,2");
    const std::string before = Bytes(dlg->data());
    const QString shown = field("h1")->text();

    auto refused = [&](const std::string& name, const std::string& content, const std::string& text) {
        const std::string file = dir.file(name);
        orvtest::WriteFileBytes(file, content);
        messages.messages.clear();
        answerFiles(file);
        press("OpenBtn");
        ASSERT_EQ(messages.messages.size(), 1u) << name;
        EXPECT_EQ(messages.messages[0].text, text);
        EXPECT_EQ(Bytes(dlg->data()), before) << name;
        EXPECT_EQ(field("h1")->text(), shown);
        expectNoNaNShown();
    };
    auto bad = Example();
    bad->h[0] = std::numeric_limits<double>::quiet_NaN();
    refused("nan.kond", "01.0" + Bytes(*bad),
            "Plik zawiera niepoprawne dane. Kondygnacja powtarzalna, wysokość ściany: wartość nie jest liczbą.");
    bad = Example();
    bad->lo_L[0] = -6;
    refused("negative.kond", "01.0" + Bytes(*bad),
            "Plik zawiera niepoprawne dane. Kondygnacja powtarzalna, rozpiętość lewego stropu: wartość ujemna.");
    bad = Example();
    bad->b = std::numeric_limits<double>::infinity();
    refused("inf.kond", "01.0" + Bytes(*bad),
            "Plik zawiera niepoprawne dane. Szerokość pasma obciążenia: wartość nie jest liczbą.");
    // A finite load whose term overflows: 0.5 x 6 x (1e308 + 2) x 1.5
    bad = Example();
    bad->gL[0] = 1e308;
    refused("huge.kond", "01.0" + Bytes(*bad),
            "Plik zawiera niepoprawne dane. Kondygnacja powtarzalna, obciążenie stałe lewego stropu: wartość zbyt "
            "duża.");
    refused("short.kond", "01.0" + Bytes(*bad).substr(0, 100), "short.kond");
}

TEST_F(LoadCompilationDialog, ZeroBandWidthShowsNoNaN)
{
    auto l = Example();
    l->bs_ind[0] = 1;
    l->bs[0] = 0.9;
    dlg->setData(*l, input, false);
    // own width 0.9 m: 0.25 x 3 x 0.9 x 18 x 1.2 = 14.58 kN, F = 1.5 x 32.8 + 14.58 = 63.78
    EXPECT_NEAR(dlg->upperLoad().value(), 63.78, 1e-9);
    // A band of width 0: the line loads count over 0 m, the wall with its
    // own width still brings 14.58 kN.
    type("b1", "0");
    EXPECT_NEAR(dlg->upperLoad().value(), 14.58, 1e-9);
    EXPECT_EQ(dlg->resultLine(), "Obciążenie z wyższych kondygnacji %BF = 14,58%N kN");
    EXPECT_EQ(field("Gs1")->text(), "0,00");
    expectNoNaNShown();

    // The basement variant would spread the own width over that band of 0:
    // no F, and OK is refused until the own width is off.
    TLoadCompilation zeroBand = dlg->data();
    dlg->setData(zeroBand, input, true);
    EXPECT_FALSE(dlg->upperLoad());
    EXPECT_EQ(dlg->resultLine(), "Obciążenie z wyższych kondygnacji: błędne dane");
    press("OKBtn");
    EXPECT_EQ(dlg->result(), int(QDialog::Rejected));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text,
              "Kondygnacja powtarzalna, szerokość ściany: wymaga szerokości pasma obciążenia większej od 0.");
    expectNoNaNShown();
    // Own width off: 10 + 1.8 + 16.2 + 0.5 x 6 x 5, the slab 1.8 + 15, = 59.8 kN/m
    dlg->findChild<QCheckBox*>("bs_ind1")->click();
    EXPECT_NEAR(dlg->upperLoad().value(), 59.8, 1e-9);
    press("OKBtn");
    EXPECT_EQ(dlg->result(), int(QDialog::Accepted));
}

TEST_F(LoadCompilationDialog, GeometryTakenOnceAndOkCancel)
{
    input.l = 120, input.t = 38, input.h = 280;
    input.ro_muru = 16, input.gf_muru = 1.1;
    input.ScianaZewnetrzna = 1;
    auto l = Example();
    l->TakeFromElement = 1;
    const std::string original = Bytes(*l);

    double F = -1;
    answerModal([](QDialog& d) { d.findChild<QPushButton*>("CancelBtn")->click(); return d.result(); });
    EXPECT_FALSE(ShowZestObcDlg(nullptr, *l, input, false, F));
    EXPECT_EQ(Bytes(*l), original);
    EXPECT_EQ(F, -1.0);

    answerModal([](QDialog& d) {
        auto* roof = d.findChild<TNumberEdit*>("F_dach1");
        roof->setText("12");
        roof->commit();
        d.findChild<QPushButton*>("OKBtn")->click();
        return d.result();
    });
    ASSERT_TRUE(ShowZestObcDlg(nullptr, *l, input, false, F));
    EXPECT_EQ(l->TakeFromElement, 0);
    EXPECT_DOUBLE_EQ(l->b, 1.2);
    EXPECT_DOUBLE_EQ(l->t[9], 0.38);
    EXPECT_EQ(l->strop_L[0], 0); // an external wall has no floor on the left
    EXPECT_EQ(l->F_dach, 12.0);
    // 1.2 x (12 + 0.38 x 0.25 x 24 x 1.2 + 0.38 x 2.8 x 16 x 1.1) = 1.2 x (12 + 2.736 + 18.7264)
    EXPECT_NEAR(F, 1.2 * (12 + 2.736 + 18.7264), 1e-9);
}

TEST_F(LoadCompilationDialog, StoreyListFollowsTheCountAndGammaIsChecked)
{
    auto l = Example();
    l->StoreyCount = 3;
    l->kond_powtrz = 0;
    l->h[0] = 3.1, l->h[1] = 3.2, l->h[2] = 3.3;
    dlg->setData(*l, input, false);
    dlg->show();
    auto* list = dlg->findChild<QComboBox*>("ActiveKond1");
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->itemText(0), "Kondygnacja n+3");
    press("LowerStoreyBtn");
    press("LowerStoreyBtn");
    EXPECT_EQ(dlg->data().CurrentStorey, 3);
    EXPECT_EQ(field("h1")->text(), "3,300");
    // Two storeys: the selection moves to the last one left.
    type("n1", "2");
    EXPECT_EQ(dlg->data().CurrentStorey, 2);
    EXPECT_EQ(field("h1")->text(), "3,200");
    EXPECT_EQ(list->count(), 2);

    // gf of the wall: a text that is no number is refused and nothing stored.
    auto* gf = dlg->findChild<QComboBox*>("gf_muru1");
    const double F = dlg->upperLoad().value();
    gf->setEditText("1,2x");
    emit gf->lineEdit()->editingFinished();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Błąd w zapisie! ");
    EXPECT_EQ(dlg->data().gf_muru[1], 1.2);
    EXPECT_EQ(dlg->upperLoad().value(), F);
    // 1.35 instead of 1.2 on storey 2: its wall 0.25 x 3.2 x 18 x 0.15 = 2.16 kN/m more, x 1.5
    gf->setEditText("1.35");
    emit gf->lineEdit()->editingFinished();
    EXPECT_EQ(gf->currentText(), "1,35");
    EXPECT_NEAR(dlg->upperLoad().value(), F + 1.5 * 2.16, 1e-9);
}

TEST_F(LoadCompilationDialog, LoadTableButtonsWithoutTheLibraryChangeNothing)
{
    SetMakerLibraryFolder(QString::fromStdString(dir.path().string()));
    const TLoadCompilation before = dlg->data();
    for (const char* name : {"gL1", "gP1", "pL1", "pP1", "ro1", "ro_w1"}) {
        auto* e = dlg->findChild<TNumberEdit*>(name);
        ASSERT_NE(e, nullptr) << name;
        QToolButton* speed = e->findChild<QToolButton*>("speed");
        ASSERT_NE(speed, nullptr) << name;
        EXPECT_TRUE(speed->isEnabled()) << name;
        if (e->isEnabled()) speed->click();
    }
    SetMakerLibraryFolder({});
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages[0].headline, "Nie można uruchomić tej funkcji!");
    const TLoadCompilation after = dlg->data();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

namespace {

// The compilation as a project file gives it back: one element holding
// `loads`, written and read by the project-file routines.
std::unique_ptr<TLoadCompilation> ThroughProjectFile(const TLoadCompilation& loads, const std::string& file)
{
    TElementList elements(1);
    std::memset(elements.data(), 0, sizeof(TProjectElement));
    InitElementRecord(elements[0].Input);
    InitProjectHeader("Jan Kowalski", elements[0].Header);
    elements[0].Loads = loads;
    EXPECT_TRUE(SaveProjectFile(file, elements, 1, 0, {}).ok());
    TElementList back;
    std::vector<std::string> comments;
    EXPECT_TRUE(LoadProjectFile(file, back, comments).ok());
    EXPECT_EQ(back.size(), 1u);
    return std::make_unique<TLoadCompilation>(back.empty() ? loads : back[0].Loads);
}

} // namespace

TEST_F(LoadCompilationDialog, DamagedProjectCompilationGivesNoLoadUntilCorrected)
{
    struct Case {
        const char* what;
        void (*damage)(TLoadCompilation&);
        const char* fault;
        const char* field; // corrected with the worked example's value
        const char* value;
    };
    const Case cases[] = {
        {"floor load no number", [](TLoadCompilation& l) { l.gL[0] = std::numeric_limits<double>::quiet_NaN(); },
         "Kondygnacja n+1, obciążenie stałe lewego stropu: wartość nie jest liczbą.", "gL1", "5"},
        {"roof infinite", [](TLoadCompilation& l) { l.F_dach = std::numeric_limits<double>::infinity(); },
         "Obciążenie z dachu: wartość nie jest liczbą.", "F_dach1", "10"},
        // finite, but 0.5 x 6 x (1e308 + 2) overflows
        {"floor load overflows", [](TLoadCompilation& l) { l.gL[0] = 1e308; },
         "Kondygnacja n+1, obciążenie stałe lewego stropu: wartość zbyt duża.", "gL1", "5"},
    };
    for (const Case& c : cases) {
        auto damaged = Example();
        damaged->kond_powtrz = 0;
        c.damage(*damaged);
        auto loads = ThroughProjectFile(*damaged, dir.file("projekt.clcm"));
        messages.messages.clear();
        double F = -1;
        answerModal([&](QDialog& d) {
            auto& z = static_cast<TZestObcDlg&>(d);
            EXPECT_FALSE(z.upperLoad()) << c.what;
            EXPECT_EQ(z.resultLine(), "Obciążenie z wyższych kondygnacji: błędne dane") << c.what;
            // OK is refused and says where.
            d.findChild<QPushButton*>("OKBtn")->click();
            EXPECT_NE(d.result(), int(QDialog::Accepted)) << c.what;
            EXPECT_EQ(messages.messages.size(), 1u) << c.what;
            if (!messages.messages.empty()) {
                EXPECT_EQ(messages.messages[0].headline, "Popraw!");
                EXPECT_EQ(messages.messages[0].text, c.fault) << c.what;
            }
            // Corrected, the worked example's 73.5 kN is handed back.
            auto* e = d.findChild<TNumberEdit*>(QString::fromLatin1(c.field));
            e->setText(QString::fromLatin1(c.value));
            e->commit();
            EXPECT_EQ(z.fault(), "") << c.what;
            d.findChild<QPushButton*>("OKBtn")->click();
            return d.result();
        });
        ASSERT_TRUE(ShowZestObcDlg(nullptr, *loads, input, false, F)) << c.what;
        EXPECT_NEAR(F, 73.5, 1e-9) << c.what;
    }
}

TEST_F(LoadCompilationDialog, GammaTypedTooLargeGivesNoLoad)
{
    auto l = Example();
    l->kond_powtrz = 0;
    dlg->setData(*l, input, false);
    // gf = 1e308: the wall 0.25 x 3 x 18 x 1e308 x 1.5 m overflows
    auto* gf = dlg->findChild<QComboBox*>("gf_muru1");
    gf->setEditText("1" + QString(308, '0'));
    emit gf->lineEdit()->editingFinished();
    EXPECT_FALSE(dlg->upperLoad());
    EXPECT_EQ(dlg->fault(), "Kondygnacja n+1, współczynnik obciążenia ściany: wartość zbyt duża.");
    press("OKBtn");
    EXPECT_NE(dlg->result(), int(QDialog::Accepted));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Kondygnacja n+1, współczynnik obciążenia ściany: wartość zbyt duża.");
    gf->setEditText("1,2");
    emit gf->lineEdit()->editingFinished();
    EXPECT_NEAR(dlg->upperLoad().value(), 73.5, 1e-9);
    press("OKBtn");
    EXPECT_EQ(dlg->result(), int(QDialog::Accepted));
}

TEST_F(LoadCompilationDialog, UnitsAndCountFromAProjectReadAsTheDialogShowsThem)
{
    // Every length unit index 7: read as metres, the worked example's 73.5 kN.
    auto l = Example();
    l->bUnit = 7;
    for (int e = 0; e < MaxStoreys; ++e)
        for (i32* units : {l->Unit_lo_L, l->Unit_lo_P, l->Unit_hw, l->Unit_tw, l->Unit_h, l->Unit_bs, l->Unit_t})
            StorePacked(units + e, i32(7));
    dlg->setData(*ThroughProjectFile(*l, dir.file("jednostki.clcm")), input, false);
    EXPECT_NEAR(dlg->upperLoad().value(), 73.5, 1e-9);
    EXPECT_EQ(field("h1")->text(), "3,000");
    EXPECT_EQ(dlg->findChild<QToolButton*>("Label12")->text(), "m");
    EXPECT_EQ(field("b1")->text(), "1,500");

    // A count of 10 is nine storeys for the record, the count, the list and
    // the sum: 1.5 x (10 + 9 x (1.8 + 16.2 + 21)) = 541.5 kN
    l = Example();
    l->kond_powtrz = 0;
    l->StoreyCount = 10;
    dlg->setData(*ThroughProjectFile(*l, dir.file("dziesiec.clcm")), input, false);
    EXPECT_EQ(dlg->data().StoreyCount, 9);
    EXPECT_EQ(field("n1")->text(), "9");
    auto* list = dlg->findChild<QComboBox*>("ActiveKond1");
    ASSERT_EQ(list->count(), 9);
    EXPECT_EQ(list->itemText(0), "Kondygnacja n+9");
    EXPECT_NEAR(dlg->upperLoad().value(), 541.5, 1e-9);
}

TEST_F(LoadCompilationDialog, SwitchesEnableExactlyTheirOwnControls)
{
    auto l = Example();
    l->StoreyCount = 2;
    l->kond_powtrz = 0;
    l->strop_L[1] = 1, l->strop_P[1] = 0, l->wieniec[1] = 0, l->bs_ind[1] = 1;
    dlg->setData(*l, input, false);
    dlg->show();
    auto enabled = [&](const char* name) {
        QWidget* w = dlg->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w && w->isEnabled();
    };
    auto check = [&](bool left, bool right, bool ring, bool ownWidth) {
        for (const char* n : {"lo_L1", "Label29", "gL1", "Fl1", "pL1"}) EXPECT_EQ(enabled(n), left) << n;
        for (const char* n : {"lo_P1", "Label24", "gP1", "Fp1", "pP1"}) EXPECT_EQ(enabled(n), right) << n;
        for (const char* n : {"hw1", "Label31", "ro_w1", "Gw1"}) EXPECT_EQ(enabled(n), ring) << n;
        for (const char* n : {"bs1", "Label27"}) EXPECT_EQ(enabled(n), ownWidth) << n;
    };
    // Storey 1 of the example: left floor and ring beam as thick as the wall
    // (its thickness follows the wall, so it is not typed).
    check(true, false, true, false);
    EXPECT_FALSE(enabled("tw1"));
    auto* twTyp = dlg->findChild<QCheckBox*>("twTyp1");
    twTyp->click();
    EXPECT_TRUE(enabled("tw1"));
    EXPECT_TRUE(enabled("Label16"));
    // Each switch drives its own controls only.
    dlg->findChild<QCheckBox*>("wieniec1")->click();
    check(true, false, false, false);
    EXPECT_FALSE(enabled("tw1"));
    EXPECT_FALSE(enabled("Label16"));
    dlg->findChild<QCheckBox*>("strop_P1")->click();
    check(true, true, false, false);
    dlg->findChild<QCheckBox*>("strop_L1")->click();
    check(false, true, false, false);
    dlg->findChild<QCheckBox*>("bs_ind1")->click();
    check(false, true, false, true);
    // Another storey shows its own switches.
    auto* storeys = dlg->findChild<QComboBox*>("ActiveKond1");
    ASSERT_NE(storeys, nullptr);
    storeys->setCurrentIndex(1);
    emit storeys->activated(1);
    check(true, false, false, true);
}

// Every storey count in the scheme at the dialog's first size, both
// variants: the storey names and the walls' heights and thicknesses stand
// apart, each whole, clear of every other label and of every line.
TEST(LoadCompilationScheme, EveryStoreyCountReadsAtTheFirstSize)
{
    orvtest::EnsureApp<QApplication>();
    const char oldSep = DecimalSeparator();
    SetDecimalSeparator(',');
    TCalcInput input{};
    InitElementRecord(input);
    TDrawingColors colors{};
    ReadDrawingColors(colors);
    auto joined = [](const test::Findings& f) {
        std::string out;
        for (const std::string& s : f) out += "\n  " + s;
        return out;
    };
    for (bool basement : {false, true})
        for (int n = 1; n <= 9; ++n) {
            SCOPED_TRACE((basement ? "basement, " : "wall, ") + std::to_string(n) + " storeys");
            auto loads = std::make_unique<TLoadCompilation>();
            std::memset(loads.get(), 0, sizeof *loads);
            InitLoadCompilation(*loads);
            loads->StoreyCount = n;  // the storeys' walls 0,25 m thick, as the element's
            TZestObcDlg dlg;
            dlg.setData(*loads, input, basement);
            dlg.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg, orvtest::kHangMs));
            QWidget* box = dlg.findChild<QWidget*>("PB2");
            test::TracingCanvas c({box->width(), box->height()}, false, clWhite);
            DrawLoadCollectionScheme(c, c.size(), basement, LoadCompilationInMetres(dlg.data()), input, colors, 0);
            if (n == 9 && !basement) c.image().save(QDir::current().absoluteFilePath("nine_storeys.png"));
            int names = 0, heights = 0, thicknesses = 0;
            for (const test::TracedText& t : c.texts) {
                names += t.text.rfind("kond. n+", 0) == 0;
                heights += t.text == "h=3,00";
                thicknesses += t.text == "t=0,25";
            }
            EXPECT_EQ(names, n);
            EXPECT_EQ(heights, n);
            EXPECT_EQ(thicknesses, n);
            const test::LabelFindings f = test::CheckLabels(c, true, false);
            EXPECT_TRUE(f.overlaps.empty()) << joined(f.overlaps);
            EXPECT_TRUE(f.crossings.empty()) << joined(f.crossings);
            EXPECT_TRUE(f.cut.empty()) << joined(f.cut);
            EXPECT_TRUE(f.unhaloed.empty()) << joined(f.unhaloed);
        }
    SetDecimalSeparator(oldSep);
}

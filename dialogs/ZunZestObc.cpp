#include "dialogs/ZunZestObc.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

#include <cmath>
#include <cstring>
#include <string>

#include "components/DialogKeys.h"
#include "components/DialogRunner.h"
#include "components/MOpenDialog.h"
#include "components/Realedit.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "core/ZunFiles.h"
#include "core/ZunLoadCompilation.h"
#include "dialogs/UnitsFullDlg.h"
#include "drawing/SchemePicture.h"
#include "drawing/ZunPaint.h"
#include "platform/NomLib.h"
#include "drawing/ZunPaintLoadSymbols.h"

namespace orv {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string ProgramDir() { return QCoreApplication::applicationDirPath().toStdString(); }
std::string FolderOf(const std::string& fileName)
{
    return QFileInfo(QString::fromStdString(fileName)).absolutePath().toStdString();
}

// A length and its unit index, expressed in another unit.
void ConvertLength(f64* value, i32* unitOf, int unit)
{
    StorePacked(value, LoadPacked(value) * LengthUnitFactor(LoadPacked(unitOf), unit));
    StorePacked(unitOf, i32(unit));
}

} // namespace

TZestObcDlg::TZestObcDlg(QWidget* parent)
    : QDialog(parent), comp_(std::make_unique<TLoadCompilation>()), input_(std::make_unique<TCalcInput>())
{
    std::memset(comp_.get(), 0, sizeof *comp_);
    InitLoadCompilation(*comp_);
    std::memset(input_.get(), 0, sizeof *input_);
    InitElementRecord(*input_);
    setObjectName(QStringLiteral("ZestObcDlg"));
    setWindowTitle(QStringLiteral("Obciążenie obliczeniowe z wyższych kondygnacji"));
    buildForm();
    InstallEnterMovesFocus(this);
}

TZestObcDlg::~TZestObcDlg() = default;

// --- data in and out ---------------------------------------------------------------------

void TZestObcDlg::setData(const TLoadCompilation& loads, const TCalcInput& input, bool basement)
{
    *comp_ = loads;
    *input_ = input;
    basement_ = basement;
    image_->update();
    updating_ = false;
    ReadDrawingColors(colors_);
    if (comp_->TakeFromElement == 1) takeElementGeometry();
    CompilationToControls();
    UpdateControls();
    recalc();
}

void TZestObcDlg::takeElementGeometry()
{
    TLoadCompilation& l = *comp_;
    l.b = input_->l / 100;
    for (int e = 0; e < MaxStoreys; ++e) {
        l.bs[e] = input_->l / 100;
        l.t[e] = input_->t / 100;
        l.tw[e] = input_->t / 100;
        l.h[e] = input_->h / 100;
        l.ro[e] = input_->ro_muru;
        l.gf_muru[e] = input_->gf_muru;
        l.strop_L[e] = input_->ScianaZewnetrzna ? 0 : 1;
    }
    l.TakeFromElement = 0;
}

std::string TZestObcDlg::resultLine() const
{
    return upperLoad_ ? UpperLoadLine(*upperLoad_, basement_) : "Obciążenie z wyższych kondygnacji: błędne dane";
}

void TZestObcDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        if (auto* e = qobject_cast<TNumberEdit*>(focusWidget()); e && !e->commit()) return;
        if (!upperLoad_) {
            ShowMessageDialog("Popraw!", fault_, mdError, mbOK, 0);
            return;
        }
    }
    QDialog::done(result);
}

// --- showing ------------------------------------------------------------------------------

bool TZestObcDlg::slabShown() const
{
    return basement_ && !comp_->kond_powtrz && comp_->CurrentStorey == BasementSlabEntry;
}

bool TZestObcDlg::selectorVisible() const
{
    if (basement_) return !comp_->kond_powtrz;
    return comp_->StoreyCount > 1 && !comp_->kond_powtrz;
}

void TZestObcDlg::showUnit(TNumberEdit* e, QToolButton* label, int unit, double baseMax, double baseStep)
{
    label->setText(QString::fromLatin1(LengthUnitText(unit)));
    const double f = LengthUnitFactor(0, unit);
    e->setRange(0, baseMax * f);
    e->setIncrement(baseStep * f);
    e->setPrecision(LengthUnitDecimals(unit));
}

void TZestObcDlg::CompilationToControls()
{
    updating_ = true;
    const TLoadCompilation& l = *comp_;
    n1_->setValue(l.StoreyCount);
    repeated_->setChecked(l.kond_powtrz != 0);
    showUnit(b1_, bUnit_, l.bUnit, kBandMax, kLengthStep);
    b1_->setValue(l.b);
    fDach_->setValue(l.F_dach);
    FillStoreyCombo();
    updating_ = false;
    StoreyToControls();
}

void TZestObcDlg::FillStoreyCombo()
{
    const int n = comp_->StoreyCount;
    QStringList items;
    for (int k = n; k >= 1; --k) items << QStringLiteral("Kondygnacja n+%1").arg(k);
    storeys_->clear();
    storeys_->addItems(items);
    basementStoreys_->clear();
    basementStoreys_->addItems(items);
    basementStoreys_->addItem(QStringLiteral("Strop na piwnicą"));
    const int cur = comp_->CurrentStorey;
    storeys_->setCurrentIndex(std::min(cur, n) - 1);
    basementStoreys_->setCurrentIndex(cur == BasementSlabEntry ? n : std::min(cur, n) - 1);
}

void TZestObcDlg::StoreyToControls()
{
    updating_ = true;
    const TLoadCompilation& l = *comp_;
    const int e = entry();
    for (const ValueField& f : fields_) {
        if (f.units) showUnit(f.edit, f.unitLabel, (l.*f.units)[e], f.baseMax, f.baseStep);
        f.edit->setValue((l.*f.values)[e]);
    }
    gfWall_->setEditText(Q(FormatFixed(2, l.gf_muru[e])));
    gfRing_->setEditText(Q(FormatFixed(2, l.gf_w[e])));
    bsInd_->setChecked(l.bs_ind[e] != 0);
    stropL_->setChecked(l.strop_L[e] != 0);
    stropP_->setChecked(l.strop_P[e] != 0);
    wieniec_->setChecked(l.wieniec[e] != 0);
    twTyp_->setChecked(l.twTyp[e] == 1);
    (l.GsTyp[e] == 0 ? gs0_ : gs1_)->setChecked(true);
    (l.GwTyp[e] == 0 ? gw0_ : gw1_)->setChecked(true);
    (l.SlTyp[e] == 0 ? sl0_ : sl1_)->setChecked(true);
    (l.SpTyp[e] == 0 ? sp0_ : sp1_)->setChecked(true);
    gsPages_->setCurrentIndex(l.GsTyp[e] == 0 ? 0 : 1);
    gwPages_->setCurrentIndex(l.GwTyp[e] == 0 ? 0 : 1);
    slPages_->setCurrentIndex(l.SlTyp[e] == 0 ? 0 : 1);
    spPages_->setCurrentIndex(l.SpTyp[e] == 0 ? 0 : 1);
    updating_ = false;
}

void TZestObcDlg::UpdateControls()
{
    const TLoadCompilation& l = *comp_;
    const int e = entry();
    bLabel_->setVisible(!basement_);
    b1_->setVisible(!basement_);
    bUnit_->setVisible(!basement_);
    repeated_->setEnabled(l.StoreyCount > 1 || basement_);
    const bool selector = selectorVisible();
    selector_->setVisible(selector);
    storeys_->setVisible(!basement_);
    basementStoreys_->setVisible(basement_);
    repeatedCaption_->setVisible(!selector);

    auto enable = [](std::initializer_list<QWidget*> ws, bool on) {
        for (QWidget* w : ws) w->setEnabled(on);
    };
    const Dependents& d = dependents_;
    const bool left = l.strop_L[e] != 0, right = l.strop_P[e] != 0, ring = l.wieniec[e] != 0;
    enable({sl0_, sl1_, d.loL, d.loLLabel, d.gL, d.Fl}, left);
    d.pL->setEnabled(left && !basement_);
    enable({sp0_, sp1_, d.loP, d.loPLabel, d.gP, d.Fp}, right);
    d.pP->setEnabled(right && !basement_);
    enable({gw0_, gw1_, d.hw, d.hwLabel, d.roW, gfRing_, twTyp_, d.Gw}, ring);
    enable({d.bs, d.bsLabel}, l.bs_ind[e] != 0);
    leftValueLabel_->setText(basement_ ? QStringLiteral("Obliczeniowe obciążenie liniowe od obciążeń stałych na stropie lewym")
                                       : QStringLiteral("Obliczeniowe obciążenie liniowe od obciążeń stałych i zmiennych na stropie lewym"));
    rightValueLabel_->setText(basement_ ? QStringLiteral("Obliczeniowe obciążenie liniowe od obciążeń stałych na stropie prawym")
                                        : QStringLiteral("Obliczeniowe obciążenie liniowe od obciążeń stałych i zmiennych na stropie prawym"));
    const bool slab = slabShown();
    wallGroup_->setVisible(!slab);
    twTyp_->setVisible(!slab);
    twLabel_->setVisible(slab);
    twLabel_->setEnabled(ring);
    const bool twOn = slab ? ring : (ring && twTyp_->isChecked());
    d.tw->setEnabled(twOn);
    d.twCaption->setEnabled(twOn);
}

void TZestObcDlg::recalc()
{
    upperLoad_ = RecalcUpperLoad(*comp_, basement_);
    fault_ = upperLoad_ ? std::string() : UpperLoadFault(*comp_, basement_);
    result_->setToolTip(Q(fault_));
    showDerived();
    result_->update();
    scheme_->update();
}

void TZestObcDlg::showDerived()
{
    const bool was = updating_;
    updating_ = true;
    const int e = entry();
    for (const ValueField& f : fields_) {
        if (f.values == &TLoadCompilation::Gs || f.values == &TLoadCompilation::Gw || f.values == &TLoadCompilation::Fl ||
            f.values == &TLoadCompilation::Fp)
            f.edit->setValue(((*comp_).*f.values)[e]);
    }
    updating_ = was;
}

// --- storing ------------------------------------------------------------------------------

void TZestObcDlg::valueLeft(const ValueField& f)
{
    if (updating_ || !f.edit->textIsNumber()) return;
    TLoadCompilation& l = *comp_;
    const int e = entry();
    const double v = f.edit->value();
    if ((l.*f.values)[e] == v) return;
    (l.*f.values)[e] = v;
    // A ring beam as thick as the wall follows it.
    if (f.values == &TLoadCompilation::t && l.twTyp[e] == 0) {
        l.tw[e] = v * LengthUnitFactor(l.Unit_t[e], l.Unit_tw[e]);
        for (const ValueField& g : fields_)
            if (g.values == &TLoadCompilation::tw) g.edit->setValue(l.tw[e]);
    }
    if (f.units) UpdateControls();
    recalc();
}

void TZestObcDlg::bandWidthLeft()
{
    if (updating_ || !b1_->textIsNumber()) return;
    TLoadCompilation& l = *comp_;
    const double v = b1_->value();
    if (l.b == v) return;
    l.b = v;
    const int e = entry();
    if (!l.bs_ind[e]) {
        // Without an own width the wall is as wide as the band.
        l.bs[e] = l.b;
        l.Unit_bs[e] = l.bUnit;
        StoreyToControls();
    }
    recalc();
}

void TZestObcDlg::roofLeft()
{
    if (updating_ || !fDach_->textIsNumber()) return;
    const double v = fDach_->value();
    if (comp_->F_dach == v) return;
    comp_->F_dach = v;
    recalc();
}

void TZestObcDlg::countLeft()
{
    if (updating_ || !n1_->textIsNumber()) return;
    TLoadCompilation& l = *comp_;
    const int n = static_cast<int>(n1_->value());
    if (n == l.StoreyCount || n < 1 || n > MaxStoreys - 1) return;
    const bool grew = n > l.StoreyCount;
    l.StoreyCount = n;
    if (grew && !l.kond_powtrz) CopyStorey(l, n, n - 1);
    if (l.CurrentStorey != BasementSlabEntry && l.CurrentStorey > n) l.CurrentStorey = n;
    if (!selectorVisible() && l.CurrentStorey != BasementSlabEntry) l.CurrentStorey = std::min(l.CurrentStorey, n);
    FillStoreyCombo();
    StoreyToControls();
    UpdateControls();
    recalc();
}

void TZestObcDlg::gammaLeft(QComboBox* combo, bool ring)
{
    if (updating_) return;
    const std::string text = combo->currentText().trimmed().toStdString();
    double v = 0;
    if (!text.empty() && !TryTextToFloat(text, v)) {
        ShowMessageDialog("Popraw!", "Błąd w zapisie! ", mdError, mbOK, 0);
        combo->setFocus();
        return;
    }
    const int e = entry();
    f64* stored = ring ? &comp_->gf_w[e] : &comp_->gf_muru[e];
    {
        const bool was = updating_;
        updating_ = true;
        combo->setEditText(Q(FormatFixed(2, v)));
        updating_ = was;
    }
    if (LoadPacked(stored) == v) return;
    StorePacked(stored, v);
    recalc();
}

void TZestObcDlg::switchChanged()
{
    if (updating_) return;
    TLoadCompilation& l = *comp_;
    const int e = entry();
    l.strop_L[e] = stropL_->isChecked();
    l.strop_P[e] = stropP_->isChecked();
    l.wieniec[e] = wieniec_->isChecked();
    const bool ownWidth = bsInd_->isChecked();
    if (l.bs_ind[e] && !ownWidth) {
        l.bs[e] = l.b;
        l.Unit_bs[e] = l.bUnit;
    }
    l.bs_ind[e] = ownWidth;
    const int twMode = twTyp_->isChecked() ? 1 : 0;
    if (twMode != l.twTyp[e]) {
        l.twTyp[e] = twMode;
        if (twMode == 0) l.tw[e] = l.t[e] * LengthUnitFactor(l.Unit_t[e], l.Unit_tw[e]);
    }
    StoreyToControls();
    UpdateControls();
    recalc();
}

void TZestObcDlg::modeChanged()
{
    if (updating_) return;
    TLoadCompilation& l = *comp_;
    const int e = entry();
    l.GsTyp[e] = gs0_->isChecked() ? 0 : 1;
    l.GwTyp[e] = gw0_->isChecked() ? 0 : 1;
    l.SlTyp[e] = sl0_->isChecked() ? 0 : 1;
    l.SpTyp[e] = sp0_->isChecked() ? 0 : 1;
    gsPages_->setCurrentIndex(l.GsTyp[e]);
    gwPages_->setCurrentIndex(l.GwTyp[e]);
    slPages_->setCurrentIndex(l.SlTyp[e]);
    spPages_->setCurrentIndex(l.SpTyp[e]);
    recalc();
}

void TZestObcDlg::repeatedChanged()
{
    if (updating_) return;
    const u8 on = repeated_->isChecked() ? 1 : 0;
    if (on == comp_->kond_powtrz) return;
    comp_->kond_powtrz = on;
    comp_->CurrentStorey = 1;
    UpdateControls();
    StoreyToControls();
    storeys_->setCurrentIndex(0);
    basementStoreys_->setCurrentIndex(0);
    recalc();
}

void TZestObcDlg::storeyChosen(int item)
{
    if (updating_ || !selectorVisible() || item < 0) return;
    const int n = comp_->StoreyCount;
    comp_->CurrentStorey = (basement_ && item == n) ? BasementSlabEntry : std::min(item, n - 1) + 1;
    StoreyToControls();
    UpdateControls();
    scheme_->update();
}

void TZestObcDlg::stepStorey(int delta)
{
    QComboBox* list = basement_ ? basementStoreys_ : storeys_;
    const int item = std::clamp(list->currentIndex() + delta, 0, list->count() - 1);
    list->setCurrentIndex(item);
    storeyChosen(item);
}

// --- units --------------------------------------------------------------------------------

void TZestObcDlg::ChooseFieldUnit(int tag)
{
    int unit = comp_->bUnit;
    for (const ValueField& f : fields_)
        if (f.tag == tag) unit = ((*comp_).*f.units)[entry()];
    bool all = applyUnitToAll_;
    if (!ChooseLengthUnit(this, unit, all)) return;
    applyUnitToAll_ = all;
    if (all) ApplyUnitToAllFields(unit);
    else ChangeFieldUnit(tag, unit);
}

void TZestObcDlg::ChangeFieldUnit(int tag, int unit)
{
    if (unit < 0 || unit > 2) return;
    TLoadCompilation& l = *comp_;
    if (tag == 101) {
        ConvertLength(&l.b, &l.bUnit, unit);
    } else {
        for (const ValueField& f : fields_)
            if (f.tag == tag) ConvertLength(&(l.*f.values)[entry()], &(l.*f.units)[entry()], unit);
    }
    CompilationToControls();
    UpdateControls();
    recalc();
}

void TZestObcDlg::ApplyUnitToAllFields(int unit)
{
    if (unit < 0 || unit > 2) return;
    TLoadCompilation& l = *comp_;
    ConvertLength(&l.b, &l.bUnit, unit);
    for (int e = 0; e < MaxStoreys; ++e)
        for (const ValueField& f : fields_)
            if (f.units) ConvertLength(&(l.*f.values)[e], &(l.*f.units)[e], unit);
    CompilationToControls();
    UpdateControls();
    recalc();
}

// --- files, clipboard, colours --------------------------------------------------------------

void TZestObcDlg::loadTableButton(TNumberEdit* edit, int kind)
{
    if (!edit->isEnabled()) return;
    const int e = entry();
    TLoadCompilation& l = *comp_;
    TFixedText* const texts[] = {&l.gLText[e], &l.gPText[e], &l.pLText[e], &l.pPText[e], &l.roText[e], &l.ro_wText[e]};
    TFixedText* text = texts[kind];
    std::string rows = FixedTextToStr(*text);
    double v = 0;
    bool ok = false;
    if (kind <= 3) {
        // Loads per square metre: a band of 1 m, so the design sum is the value.
        TLoadTableSettings settings;
        std::string band;
        double a1 = 0, a2 = 0, a3 = 0;
        ok = kind <= 1 ? CallShowObcStaleDlg(this, 1, settings, band, rows, a1, a2)
                       : CallShowObcZmienneDlg(this, 1, settings, band, rows, a1, a2, a3);
        v = a1 * a2;
    } else if (kind == 4) {
        ok = CallShowWallsObcDlg(this, tablePlaces_[0], tablePlaces_[1], rows, v);
    } else {
        ok = CallShowConcreteObcDlg(this, tablePlaces_[0], tablePlaces_[1], rows, v);
    }
    if (!ok || !std::isfinite(v)) return;
    StrToFixedText(rows, *text);
    edit->setValue(v);
    // The field's own change handling stores it and recalculates.
    emit edit->exited();
}

void TZestObcDlg::openFile()
{
    TMOpenDialog dlg(TMOpenDialog::Mode::Open);
    dlg.title = QStringLiteral("Otwórz");
    dlg.filter = QStringLiteral("Pliki *.kond (*.kond)");
    dlg.defaultExt = QStringLiteral("kond");
    std::string dir;
    PrepareOpenDialogDir(ProgramDir(), dir);
    dlg.initialDir = Q(dir);
    if (!dlg.Execute(this)) return;
    const std::string name = dlg.fileName.toStdString();
    auto read = std::make_unique<TLoadCompilation>(*comp_);
    const TFileResult r = LoadStoreyFile(name, *read);
    if (!r.ok()) {
        ShowMessageDialog(r.headline, r.message, mdError, mbOK, 0);
        return;
    }
    const std::string fault = UpperLoadFault(*read, basement_);
    if (!fault.empty()) {
        ShowMessageDialog("Błąd odczytu pliku!", "Plik zawiera niepoprawne dane. " + fault, mdError, mbOK, 0);
        return;
    }
    RememberDirectory(FolderOf(name));
    *comp_ = *read;
    CompilationToControls();
    UpdateControls();
    recalc();
}

void TZestObcDlg::saveFile()
{
    TMSaveDialog dlg;
    dlg.title = QStringLiteral("Zapisz");
    dlg.filter = QStringLiteral("Pliki *.kond (*.kond)");
    dlg.defaultExt = QStringLiteral("kond");
    std::string dir;
    PrepareOpenDialogDir(ProgramDir(), dir);
    dlg.initialDir = Q(dir);
    if (!dlg.Execute(this)) return;
    const std::string name = dlg.fileName.toStdString();
    if (WriteStoreyFile(name, *comp_)) RememberDirectory(FolderOf(name));
}

void TZestObcDlg::copyScheme()
{
    TSchemePicture pic;
    DrawLoadCollectionSchemeMetafile(pic, basement_, LoadCompilationInMetres(*comp_), 10.0, 10.0, *input_, colors_);
    if (pic.isEmpty()) return;
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), SchemePictureToSvg(pic));
    mime->setImageData(SchemePictureToImage(pic));
    QApplication::clipboard()->setMimeData(mime);
}

void TZestObcDlg::editColors()
{
    if (EditDrawingColors(this, 5, ProgramDir(), colors_, colorPlace_)) scheme_->update();
}

bool ShowZestObcDlg(QWidget* parent, TLoadCompilation& loads, const TCalcInput& input, bool basement,
                    double& upperLoad)
{
    TZestObcDlg dlg(parent);
    dlg.setData(loads, input, basement);
    if (RunModal(dlg) != QDialog::Accepted || !dlg.upperLoad()) return false;
    loads = dlg.data();
    upperLoad = *dlg.upperLoad();
    return true;
}

} // namespace orv

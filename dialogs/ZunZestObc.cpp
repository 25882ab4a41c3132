#include "dialogs/ZunZestObc.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>

#include "components/DialogButtons.h"
#include "components/DialogKeys.h"
#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "components/MOpenDialog.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "core/ZunFiles.h"
#include "core/ZunLoadCompilation.h"
#include "dialogs/UnitsFullDlg.h"
#include "drawing/Canvas.h"
#include "drawing/MarkupText.h"
#include "drawing/SchemePicture.h"
#include "drawing/ZunPaint.h"
#include "platform/NomLib.h"
#include "drawing/ZunPaintLoadSymbols.h"

namespace orv {

using ValueArray = f64 (TLoadCompilation::*)[10];
using UnitArray = i32 (TLoadCompilation::*)[10];

// One value field of the current entry: its edit, its array, and for a
// length its unit array, label and limits in metres.
struct TZestObcDlg::ValueField {
    TNumberEdit* edit = nullptr;
    ValueArray values = nullptr;
    UnitArray units = nullptr;
    QToolButton* unitLabel = nullptr;
    int tag = 0;
    double baseMax = 0;
    double baseStep = 0;
};

namespace {

constexpr double kLengthMax = 10.0;  // [m]
constexpr double kLengthStep = 0.05; // [m]
constexpr double kBandMax = 100.0;   // [m]

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

// A box that paints through a function.
class PaintBox : public QWidget {
public:
    explicit PaintBox(std::function<void(QPainter&, QWidget&)> paint) : paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paint_(p, *this);
    }

private:
    std::function<void(QPainter&, QWidget&)> paint_;
};

// A box that draws through a function into a picture it keeps with the
// bytes the drawing was made from: a repaint with neither those nor the
// box's size and resolution changed copies the picture instead of laying
// the drawing out and drawing it again. The text measures are kept from one
// drawing to the next while the resolution stays.
class PictureBox : public QWidget {
public:
    PictureBox(std::function<void(PainterCanvas&, QWidget&)> draw, std::function<std::string()> source)
        : draw_(std::move(draw)), source_(std::move(source))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = (QSizeF(size()) * ratio).toSize();
        std::string source = source_();
        const bool sameResolution = picture_.devicePixelRatio() == ratio && picture_.logicalDpiX() == logicalDpiX() &&
                                    picture_.logicalDpiY() == logicalDpiY();
        if (!sameResolution || picture_.size() != pixels || source != pictureSource_) {
            // the resolution of the box, so that the fonts come out alike
            QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
            picture.setDevicePixelRatio(ratio);
            picture.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
            picture.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
            // a new resolution measures anew; new numbers keep adding texts
            if (!sameResolution || measures_.size() > kMeasuresKept) measures_.clear();
            if (!picture.isNull()) {
                QPainter p(&picture);
                PainterCanvas canvas(p);
                canvas.swapMeasures(measures_);
                draw_(canvas, *this);
                canvas.swapMeasures(measures_);
            }
            picture_ = std::move(picture);
            pictureSource_ = std::move(source);
        }
        if (picture_.isNull()) return;
        QPainter p(this);
        p.drawImage(QPoint(0, 0), picture_);
    }

private:
    static constexpr std::size_t kMeasuresKept = 4096;
    std::function<void(PainterCanvas&, QWidget&)> draw_;
    std::function<std::string()> source_;
    QImage picture_;
    std::string pictureSource_;
    TTextMeasures measures_;
};

template <typename T>
void AppendBytes(std::string& to, const T& value)
{
    static_assert(std::is_trivially_copyable_v<T>);
    to.append(reinterpret_cast<const char*>(&value), sizeof value);
}

QWidget* Row(QWidget* label, QWidget* field, QWidget* unit = nullptr)
{
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(label, 1);
    h->addWidget(field);
    if (unit) h->addWidget(unit);
    return w;
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

// --- construction ----------------------------------------------------------------------

TNumberEdit* TZestObcDlg::addEdit(const char* name, double max, double step, int decimals, bool button)
{
    TNumberEdit* e = button ? static_cast<TNumberEdit*>(new TSpinSpeedRealEdit) : new TSpinRealEdit;
    e->setObjectName(QString::fromLatin1(name));
    e->setRange(0, max);
    e->setIncrement(step);
    e->setPrecision(decimals);
    // A "..." part is off unless its field opens a load table (buildForm).
    if (auto* speed = e->findChild<QToolButton*>(QStringLiteral("speed"))) speed->setEnabled(false);
    e->setMinimumWidth(110);
    return e;
}

QToolButton* TZestObcDlg::unitLabel(const char* name, int tag)
{
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setText(QStringLiteral("m"));
    b->setProperty("tag", tag);
    b->setToolTip(QStringLiteral("Jednostka"));
    connect(b, &QToolButton::clicked, this, [this, tag] { ChooseFieldUnit(tag); });
    return b;
}

QComboBox* TZestObcDlg::gammaCombo(const char* name)
{
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    for (double g : {1.0, 1.1, 1.2, 1.3, 1.35}) c->addItem(Q(FormatFixed(2, g)));
    InstallDecimalKeyFilter(c);
    const bool ring = qstrcmp(name, "gf_w1") == 0;
    connect(c->lineEdit(), &QLineEdit::editingFinished, this, [this, c, ring] { gammaLeft(c, ring); });
    connect(c, &QComboBox::activated, this, [this, c, ring] { gammaLeft(c, ring); });
    c->setFixedWidth(110);
    return c;
}

QRadioButton* TZestObcDlg::radio(const char* name, const char* text)
{
    auto* r = new QRadioButton(QString::fromUtf8(text));
    r->setObjectName(QString::fromLatin1(name));
    connect(r, &QRadioButton::toggled, this, [this](bool on) {
        if (on) modeChanged();
    });
    return r;
}

void TZestObcDlg::buildForm()
{
    auto field = [this](const char* name, ValueArray values, double max, double step, int decimals,
                        bool button = false) {
        ValueField f;
        f.edit = addEdit(name, max, step, decimals, button);
        f.values = values;
        fields_.push_back(f);
        return f.edit;
    };
    auto length = [this](const char* name, ValueArray values, UnitArray units, const char* label, int tag) {
        ValueField f;
        f.edit = addEdit(name, kLengthMax, kLengthStep, 3, false);
        f.values = values;
        f.units = units;
        f.unitLabel = unitLabel(label, tag);
        f.tag = tag;
        f.baseMax = kLengthMax;
        f.baseStep = kLengthStep;
        fields_.push_back(f);
        return f;
    };
    auto lbl = [](const char* text) { return new TMathLabel(QString::fromUtf8(text)); };
    auto modePair = [](QRadioButton* a, QRadioButton* b) {
        auto* w = new QWidget;
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(a);
        h->addWidget(b);
        h->addStretch(1);
        return w;
    };
    auto page = [](std::initializer_list<QWidget*> rows) {
        auto* w = new QWidget;
        auto* v = new QVBoxLayout(w);
        v->setContentsMargins(0, 0, 0, 0);
        for (QWidget* r : rows) v->addWidget(r);
        v->addStretch(1);
        return w;
    };

    auto* root = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    auto* left = new QVBoxLayout;
    body->addLayout(left, 1);

    // General data and the roof.
    auto* general = new QGroupBox(QStringLiteral(" Ogólne "));
    auto* gv = new QVBoxLayout(general);
    n1_ = new TIntegerSpinEdit;
    n1_->setObjectName(QStringLiteral("n1"));
    n1_->setRange(1, MaxStoreys - 1);
    n1_->setIncrement(1);
    n1_->setPrecision(0);
    n1_->setFixedWidth(110);
    gv->addWidget(Row(lbl("Ilość kondynacji nad rozpatrywaną ścianą"), n1_));
    b1_ = addEdit("b1", kBandMax, kLengthStep, 2, false);
    bUnit_ = unitLabel("Label26", 101);
    bLabel_ = new QLabel(QStringLiteral("Szerokość pasma obciążenia"));
    bLabel_->setObjectName(QStringLiteral("Label1"));
    gv->addWidget(Row(bLabel_, b1_, bUnit_));
    fDach_ = addEdit("F_dach1", 100000, 0.05, 2, false);
    auto* roof = new QGroupBox(QStringLiteral(" Dach "));
    auto* rv = new QVBoxLayout(roof);
    rv->addWidget(Row(lbl("Obciążenie obliczeniowe z dachu"), fDach_, lbl("kN/m")));
    left->addWidget(general);
    left->addWidget(roof);

    // Storey selector.
    auto* storeyBox = new QHBoxLayout;
    repeated_ = new QCheckBox(QStringLiteral("Kondygnacje powtarzalne"));
    repeated_->setObjectName(QStringLiteral("kond_powtrz1"));
    storeyBox->addWidget(repeated_);
    selector_ = new QWidget;
    auto* sh = new QHBoxLayout(selector_);
    sh->setContentsMargins(0, 0, 0, 0);
    storeys_ = new QComboBox;
    storeys_->setObjectName(QStringLiteral("ActiveKond1"));
    basementStoreys_ = new QComboBox;
    basementStoreys_->setObjectName(QStringLiteral("ActivePiwnicaKond1"));
    auto* up = new QPushButton(QStringLiteral("▲"));
    up->setObjectName(QStringLiteral("UpperStoreyBtn"));
    up->setToolTip(QStringLiteral("Wyższa kondygnacja"));
    auto* down = new QPushButton(QStringLiteral("▼"));
    down->setObjectName(QStringLiteral("LowerStoreyBtn"));
    down->setToolTip(QStringLiteral("Niższa kondygnacja"));
    sh->addWidget(storeys_);
    sh->addWidget(basementStoreys_);
    sh->addWidget(up);
    sh->addWidget(down);
    storeyBox->addWidget(selector_);
    repeatedCaption_ = new QLabel(QStringLiteral(" Kondygnacja powtarzalna "));
    repeatedCaption_->setObjectName(QStringLiteral("RepeatedCaption"));
    storeyBox->addWidget(repeatedCaption_);
    storeyBox->addStretch(1);
    left->addLayout(storeyBox);
    connect(repeated_, &QCheckBox::toggled, this, [this] { repeatedChanged(); });
    connect(storeys_, &QComboBox::activated, this, &TZestObcDlg::storeyChosen);
    connect(basementStoreys_, &QComboBox::activated, this, &TZestObcDlg::storeyChosen);
    connect(up, &QPushButton::clicked, this, [this] { stepStorey(-1); });
    connect(down, &QPushButton::clicked, this, [this] { stepStorey(1); });

    auto* grid = new QGridLayout;
    left->addLayout(grid);

    // Wall.
    wallGroup_ = new QGroupBox(QStringLiteral(" Ciężar ściany "));
    wallGroup_->setObjectName(QStringLiteral("WallGroup"));
    auto* wv = new QVBoxLayout(wallGroup_);
    gs0_ = radio("GsTyp0", "wg wymiarów");
    gs1_ = radio("GsTyp1", "wartość");
    wv->addWidget(modePair(gs0_, gs1_));
    const ValueField h = length("h1", &TLoadCompilation::h, &TLoadCompilation::Unit_h, "Label12", 106);
    const ValueField t = length("t1", &TLoadCompilation::t, &TLoadCompilation::Unit_t, "Label28", 108);
    TNumberEdit* ro = field("ro1", &TLoadCompilation::ro, 50, 0.1, 2, true);
    gfWall_ = gammaCombo("gf_muru1");
    bsInd_ = new QCheckBox(QStringLiteral("Szerokość"));
    bsInd_->setObjectName(QStringLiteral("bs_ind1"));
    const ValueField bs = length("bs1", &TLoadCompilation::bs, &TLoadCompilation::Unit_bs, "Label27", 107);
    gsPages_ = new QStackedWidget;
    gsPages_->addWidget(page({Row(lbl("Wysokość h ="), h.edit, h.unitLabel), Row(lbl("Grubość t ="), t.edit, t.unitLabel),
                              Row(lbl("Ciężar własny"), ro, lbl("kN/m!3!")), Row(lbl("@g@_f_="), gfWall_),
                              Row(bsInd_, bs.edit, bs.unitLabel)}));
    TNumberEdit* gs = field("Gs1", &TLoadCompilation::Gs, 100000, 0.1, 2, true);
    gsPages_->addWidget(page({lbl("Obliczeniowe obciążenie liniowe od ciężaru własnego ściany"), Row(new QWidget, gs, lbl("kN/m"))}));
    wv->addWidget(gsPages_);
    grid->addWidget(wallGroup_, 0, 0);

    // Ring beam.
    auto* ring = new QGroupBox;
    auto* ringV = new QVBoxLayout(ring);
    wieniec_ = new QCheckBox(QStringLiteral("Ciężar wieńca"));
    wieniec_->setObjectName(QStringLiteral("wieniec1"));
    ringV->addWidget(wieniec_);
    gw0_ = radio("GwTyp0", "wg wymiarów");
    gw1_ = radio("GwTyp1", "wartość");
    ringV->addWidget(modePair(gw0_, gw1_));
    const ValueField hw = length("hw1", &TLoadCompilation::hw, &TLoadCompilation::Unit_hw, "Label31", 104);
    const ValueField tw = length("tw1", &TLoadCompilation::tw, &TLoadCompilation::Unit_tw, "Label16", 105);
    twTyp_ = new QCheckBox(QStringLiteral("Grubość"));
    twTyp_->setObjectName(QStringLiteral("twTyp1"));
    twLabel_ = new QLabel(QStringLiteral("Grubość"));
    twLabel_->setObjectName(QStringLiteral("Label35"));
    auto* twCaption = new QWidget;
    auto* twh = new QHBoxLayout(twCaption);
    twh->setContentsMargins(0, 0, 0, 0);
    twh->addWidget(twTyp_);
    twh->addWidget(twLabel_);
    TNumberEdit* row = field("ro_w1", &TLoadCompilation::ro_w, 50, 0.1, 2, true);
    gfRing_ = gammaCombo("gf_w1");
    gwPages_ = new QStackedWidget;
    gwPages_->addWidget(page({Row(lbl("Wysokość"), hw.edit, hw.unitLabel), Row(twCaption, tw.edit, tw.unitLabel),
                              Row(lbl("Ciężar własny"), row, lbl("kN/m!3!")), Row(lbl("@g@_f_="), gfRing_)}));
    TNumberEdit* gw = field("Gw1", &TLoadCompilation::Gw, 100000, 0.1, 2);
    gwPages_->addWidget(page({lbl("Obliczeniowe obciążenie liniowe od ciężaru własnego wieńca"), Row(new QWidget, gw, lbl("kN/m"))}));
    ringV->addWidget(gwPages_);
    grid->addWidget(ring, 0, 1);

    // Floors.
    auto floor = [&](bool leftSide) {
        auto* g = new QGroupBox;
        auto* v = new QVBoxLayout(g);
        QCheckBox*& present = leftSide ? stropL_ : stropP_;
        present = new QCheckBox(leftSide ? QStringLiteral("Obciążenie obl. z lewego stropu")
                                         : QStringLiteral("Obciążenie obl. z prawego stropu"));
        present->setObjectName(leftSide ? QStringLiteral("strop_L1") : QStringLiteral("strop_P1"));
        v->addWidget(present);
        QRadioButton*& r0 = leftSide ? sl0_ : sp0_;
        QRadioButton*& r1 = leftSide ? sl1_ : sp1_;
        r0 = radio(leftSide ? "SlTyp0" : "SpTyp0", "wg wymiarów");
        r1 = radio(leftSide ? "SlTyp1" : "SpTyp1", "wartość");
        v->addWidget(modePair(r0, r1));
        const ValueField lo = leftSide
            ? length("lo_L1", &TLoadCompilation::lo_L, &TLoadCompilation::Unit_lo_L, "Label29", 102)
            : length("lo_P1", &TLoadCompilation::lo_P, &TLoadCompilation::Unit_lo_P, "Label24", 103);
        TNumberEdit* g0 = field(leftSide ? "gL1" : "gP1", leftSide ? &TLoadCompilation::gL : &TLoadCompilation::gP, 50,
                                0.1, 2, true);
        TNumberEdit* p0 = field(leftSide ? "pL1" : "pP1", leftSide ? &TLoadCompilation::pL : &TLoadCompilation::pP, 50,
                                0.1, 2, true);
        QStackedWidget*& pages = leftSide ? slPages_ : spPages_;
        pages = new QStackedWidget;
        pages->addWidget(page({Row(lbl("Rozpiętość stropu"), lo.edit, lo.unitLabel),
                               Row(lbl("Obc.stałe"), g0, lbl("kN/m!2!")), Row(lbl("Obc.zmienne"), p0, lbl("kN/m!2!"))}));
        TNumberEdit* value = field(leftSide ? "Fl1" : "Fp1", leftSide ? &TLoadCompilation::Fl : &TLoadCompilation::Fp,
                                   100000, 0.1, 2);
        QLabel*& caption = leftSide ? leftValueLabel_ : rightValueLabel_;
        caption = new QLabel;
        caption->setObjectName(leftSide ? QStringLiteral("Label33") : QStringLiteral("Label32"));
        caption->setWordWrap(true);
        pages->addWidget(page({caption, Row(new QWidget, value, lbl("kN/m"))}));
        v->addWidget(pages);
        return g;
    };
    grid->addWidget(floor(true), 1, 0);
    grid->addWidget(floor(false), 1, 1);

    // Result line and scheme.
    auto* right = new QVBoxLayout;
    body->addLayout(right, 1);
    result_ = new PaintBox([this](QPainter& p, QWidget& w) {
        PainterCanvas canvas(p);
        canvas.brush.color = clBtnFace;
        canvas.fillRect({0, 0, w.width(), w.height()});
        canvas.font.color = clNavy;
        const std::string text = resultLine();
        TRect bounds;
        MarkupTextOut(canvas, (w.width() - MarkupTextWidth(canvas, text)) / 2,
                      (w.height() - canvas.textHeight("@")) / 2, text, bounds);
    });
    result_->setObjectName(QStringLiteral("PB1"));
    result_->setFixedHeight(28);
    right->addWidget(result_);
    scheme_ = new PictureBox(
        [this](PainterCanvas& canvas, QWidget& w) {
            canvas.brush.color = clWhite;
            canvas.fillRect({0, 0, w.width(), w.height()});
            DrawLoadCollectionScheme(canvas, {w.width(), w.height()}, basement_, LoadCompilationInMetres(*comp_),
                                     *input_, colors_, 0);
        },
        [this] {
            // everything the drawing reads, system colours included
            std::string source;
            source.reserve(sizeof *comp_ + sizeof *input_ + sizeof colors_ + 16);
            AppendBytes(source, *comp_);
            AppendBytes(source, *input_);
            AppendBytes(source, colors_);
            AppendBytes(source, basement_);
            AppendBytes(source, QGuiApplication::palette().cacheKey());
            return source;
        });
    scheme_->setObjectName(QStringLiteral("PB2"));
    scheme_->setMinimumSize(360, 420);
    scheme_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(scheme_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        menu.addAction(QStringLiteral("Kopiuj"), this, &TZestObcDlg::copyScheme);
        menu.addAction(QStringLiteral("Kolorystyka"), this, &TZestObcDlg::editColors);
        menu.exec(scheme_->mapToGlobal(at));
    });
    right->addWidget(scheme_, 1);

    // Buttons.
    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(QStringLiteral("Otwórz"));
    open->setObjectName(QStringLiteral("OpenBtn"));
    auto* save = new QPushButton(QStringLiteral("Zapisz"));
    save->setObjectName(QStringLiteral("SaveBtn"));
    buttons->addWidget(open);
    buttons->addWidget(save);
    buttons->addWidget(CreateDialogButtons(*this, {"OKBtn", "CancelBtn", "HelpBtn"}, {}, [this] {
                           ShowHelpTopic(basement_ ? QStringLiteral("obc_pionowe_zestawienie_2")
                                                   : QStringLiteral("obc_pionowe_zestawienie"));
                       }).box, 1);
    root->addLayout(buttons);
    connect(open, &QPushButton::clicked, this, &TZestObcDlg::openFile);
    connect(save, &QPushButton::clicked, this, &TZestObcDlg::saveFile);

    // Storing.
    for (const ValueField& f : fields_) {
        const ValueField* fp = &f;
        const std::size_t i = fp - fields_.data();
        auto left = [this, i] { valueLeft(fields_[i]); };
        connect(f.edit, &TNumberEdit::exited, this, left);
        connect(f.edit, &TNumberEdit::upClicked, this, left);
        connect(f.edit, &TNumberEdit::downClicked, this, left);
    }
    // The load tables behind the "..." parts of the unit weights and floor loads.
    const char* const tableFields[] = {"gL1", "gP1", "pL1", "pP1", "ro1", "ro_w1"};
    for (int kind = 0; kind < 6; ++kind) {
        TNumberEdit* e = findChild<TNumberEdit*>(QString::fromLatin1(tableFields[kind]));
        if (!e) continue;
        if (auto* speed = e->findChild<QToolButton*>(QStringLiteral("speed"))) speed->setEnabled(true);
        connect(e, &TNumberEdit::buttonClicked, this, [this, e, kind] { loadTableButton(e, kind); });
    }
    for (TNumberEdit* e : {b1_, fDach_, n1_}) {
        auto left = [this, e] {
            if (e == b1_) bandWidthLeft();
            else if (e == fDach_) roofLeft();
            else countLeft();
        };
        connect(e, &TNumberEdit::exited, this, left);
        connect(e, &TNumberEdit::upClicked, this, left);
        connect(e, &TNumberEdit::downClicked, this, left);
    }
    for (QCheckBox* c : {bsInd_, stropL_, stropP_, wieniec_, twTyp_})
        connect(c, &QCheckBox::toggled, this, [this] { switchChanged(); });

    auto named = [this](const char* name) { return findChild<QWidget*>(QString::fromLatin1(name)); };
    dependents_ = {named("lo_L1"), named("Label29"), named("gL1"), named("Fl1"), named("pL1"),
                   named("lo_P1"), named("Label24"), named("gP1"), named("Fp1"), named("pP1"),
                   named("hw1"),   named("Label31"), named("ro_w1"), named("Gw1"), named("tw1"), named("Label16"),
                   named("bs1"),   named("Label27")};
}

// --- data in and out ---------------------------------------------------------------------

void TZestObcDlg::setData(const TLoadCompilation& loads, const TCalcInput& input, bool basement)
{
    *comp_ = loads;
    *input_ = input;
    basement_ = basement;
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

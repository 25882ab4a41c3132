// The form of the load-compilation dialog: its widgets in the order they
// stand, the picture of a storey's lengths, the two paint boxes of the
// result line and the scheme, and the connections from every field to its
// store routine.
#include "dialogs/ZunZestObc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>

#include "components/DialogButtons.h"
#include "components/DialogKeys.h"
#include "components/HelpRouterUnit.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/ZunLoadCompilation.h"
#include "drawing/Canvas.h"
#include "drawing/LoadDimensionPicture.h"
#include "drawing/MarkupText.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLoadSymbols.h"

namespace orv {

namespace {

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

QWidget* Lbl(const char* text) { return new TMathLabel(QString::fromUtf8(text)); }

// Widgets side by side from the left: the two radio buttons of a value's
// mode, or a switch and the symbol of its field.
QWidget* SideBySide(std::initializer_list<QWidget*> parts)
{
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    for (QWidget* p : parts) h->addWidget(p);
    h->addStretch(1);
    return w;
}

// One page of a mode's stack: its rows from the top.
QWidget* Page(std::initializer_list<QWidget*> rows)
{
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    for (QWidget* r : rows) v->addWidget(r);
    v->addStretch(1);
    return w;
}

} // namespace

TNumberEdit* TZestObcDlg::addEdit(const char* name, double max, double step, int decimals, bool button)
{
    TNumberEdit* e = button ? static_cast<TNumberEdit*>(new TSpinSpeedRealEdit) : new TSpinRealEdit;
    e->setObjectName(QString::fromLatin1(name));
    e->setRange(0, max);
    e->setIncrement(step);
    e->setPrecision(decimals);
    // A "..." part is off unless its field opens a load table (connectFields).
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
    for (double g : {1.0, 1.1, 1.2, 1.3, 1.35}) c->addItem(QString::fromStdString(FormatFixed(2, g)));
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

TNumberEdit* TZestObcDlg::addValueField(const char* name, ValueArray values, double max, double step, int decimals,
                                        bool button)
{
    ValueField f;
    f.edit = addEdit(name, max, step, decimals, button);
    f.values = values;
    fields_.push_back(f);
    return f.edit;
}

TZestObcDlg::ValueField TZestObcDlg::addLengthField(const char* name, ValueArray values, UnitArray units,
                                                    const char* label, int tag)
{
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
}

void TZestObcDlg::buildForm()
{
    auto* root = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    auto* left = new QVBoxLayout;
    body->addLayout(left, 1);
    // the general data and the storeys' selector beside the picture of the lengths
    auto* head = new QHBoxLayout;
    left->addLayout(head);
    auto* headFields = new QVBoxLayout;
    head->addLayout(headFields, 1);
    buildGeneral(headFields);
    buildStoreySelector(headFields);
    head->addWidget(LoadDimensionPicture(), 0, Qt::AlignCenter);
    auto* grid = new QGridLayout;
    left->addLayout(grid);
    buildWall(grid);
    buildRingBeam(grid);
    grid->addWidget(buildFloor(true), 1, 0);
    grid->addWidget(buildFloor(false), 1, 1);
    buildResultAndScheme(body);
    buildButtonRow(root);
    connectFields();
}

// General data and the roof.
void TZestObcDlg::buildGeneral(QVBoxLayout* left)
{
    auto* general = new QGroupBox(QStringLiteral(" Ogólne "));
    auto* gv = new QVBoxLayout(general);
    n1_ = new TIntegerSpinEdit;
    n1_->setObjectName(QStringLiteral("n1"));
    n1_->setRange(1, MaxStoreys - 1);
    n1_->setIncrement(1);
    n1_->setPrecision(0);
    n1_->setFixedWidth(110);
    gv->addWidget(Row(Lbl("Ilość kondynacji nad rozpatrywaną ścianą"), n1_));
    b1_ = addEdit("b1", kBandMax, kLengthStep, 2, false);
    bUnit_ = unitLabel("Label26", 101);
    bLabel_ = new QLabel(QStringLiteral("Szerokość pasma obciążenia b ="));
    bLabel_->setObjectName(QStringLiteral("Label1"));
    gv->addWidget(Row(bLabel_, b1_, bUnit_));
    fDach_ = addEdit("F_dach1", 100000, 0.05, 2, false);
    auto* roof = new QGroupBox(QStringLiteral(" Dach "));
    auto* rv = new QVBoxLayout(roof);
    rv->addWidget(Row(Lbl("Obciążenie obliczeniowe z dachu"), fDach_, Lbl("kN/m")));
    left->addWidget(general);
    left->addWidget(roof);
}

// The repeated-storeys switch, the storey lists and their step buttons.
void TZestObcDlg::buildStoreySelector(QVBoxLayout* left)
{
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
}

void TZestObcDlg::buildWall(QGridLayout* grid)
{
    wallGroup_ = new QGroupBox(QStringLiteral(" Ciężar ściany "));
    wallGroup_->setObjectName(QStringLiteral("WallGroup"));
    auto* wv = new QVBoxLayout(wallGroup_);
    gs0_ = radio("GsTyp0", "wg wymiarów");
    gs1_ = radio("GsTyp1", "wartość");
    wv->addWidget(SideBySide({gs0_, gs1_}));
    const ValueField h = addLengthField("h1", &TLoadCompilation::h, &TLoadCompilation::Unit_h, "Label12", 106);
    const ValueField t = addLengthField("t1", &TLoadCompilation::t, &TLoadCompilation::Unit_t, "Label28", 108);
    TNumberEdit* ro = addValueField("ro1", &TLoadCompilation::ro, 50, 0.1, 2, true);
    gfWall_ = gammaCombo("gf_muru1");
    bsInd_ = new QCheckBox(QStringLiteral("Szerokość"));
    bsInd_->setObjectName(QStringLiteral("bs_ind1"));
    const ValueField bs = addLengthField("bs1", &TLoadCompilation::bs, &TLoadCompilation::Unit_bs, "Label27", 107);
    gsPages_ = new QStackedWidget;
    gsPages_->addWidget(Page({Row(Lbl("Wysokość h ="), h.edit, h.unitLabel), Row(Lbl("Grubość t ="), t.edit, t.unitLabel),
                              Row(Lbl("Ciężar własny"), ro, Lbl("kN/m!3!")), Row(Lbl("@g@_f_="), gfWall_),
                              Row(SideBySide({bsInd_, Lbl("b_s_ =")}), bs.edit, bs.unitLabel)}));
    TNumberEdit* gs = addValueField("Gs1", &TLoadCompilation::Gs, 100000, 0.1, 2, true);
    gsPages_->addWidget(Page({Lbl("Obliczeniowe obciążenie liniowe od ciężaru własnego ściany"), Row(new QWidget, gs, Lbl("kN/m"))}));
    wv->addWidget(gsPages_);
    grid->addWidget(wallGroup_, 0, 0);
}

void TZestObcDlg::buildRingBeam(QGridLayout* grid)
{
    auto* ring = new QGroupBox;
    auto* ringV = new QVBoxLayout(ring);
    wieniec_ = new QCheckBox(QStringLiteral("Ciężar wieńca"));
    wieniec_->setObjectName(QStringLiteral("wieniec1"));
    ringV->addWidget(wieniec_);
    gw0_ = radio("GwTyp0", "wg wymiarów");
    gw1_ = radio("GwTyp1", "wartość");
    ringV->addWidget(SideBySide({gw0_, gw1_}));
    const ValueField hw = addLengthField("hw1", &TLoadCompilation::hw, &TLoadCompilation::Unit_hw, "Label31", 104);
    const ValueField tw = addLengthField("tw1", &TLoadCompilation::tw, &TLoadCompilation::Unit_tw, "Label16", 105);
    twTyp_ = new QCheckBox(QStringLiteral("Grubość"));
    twTyp_->setObjectName(QStringLiteral("twTyp1"));
    twLabel_ = new QLabel(QStringLiteral("Grubość"));
    twLabel_->setObjectName(QStringLiteral("Label35"));
    QWidget* twCaption = SideBySide({twTyp_, twLabel_, Lbl("t_w_ =")});
    TNumberEdit* row = addValueField("ro_w1", &TLoadCompilation::ro_w, 50, 0.1, 2, true);
    gfRing_ = gammaCombo("gf_w1");
    gwPages_ = new QStackedWidget;
    gwPages_->addWidget(Page({Row(Lbl("Wysokość h_w_ ="), hw.edit, hw.unitLabel),
                              Row(twCaption, tw.edit, tw.unitLabel),
                              Row(Lbl("Ciężar własny"), row, Lbl("kN/m!3!")), Row(Lbl("@g@_f_="), gfRing_)}));
    TNumberEdit* gw = addValueField("Gw1", &TLoadCompilation::Gw, 100000, 0.1, 2);
    gwPages_->addWidget(Page({Lbl("Obliczeniowe obciążenie liniowe od ciężaru własnego wieńca"), Row(new QWidget, gw, Lbl("kN/m"))}));
    ringV->addWidget(gwPages_);
    grid->addWidget(ring, 0, 1);
}

// The floor on one side of the wall.
QGroupBox* TZestObcDlg::buildFloor(bool leftSide)
{
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
    v->addWidget(SideBySide({r0, r1}));
    const ValueField lo = leftSide
        ? addLengthField("lo_L1", &TLoadCompilation::lo_L, &TLoadCompilation::Unit_lo_L, "Label29", 102)
        : addLengthField("lo_P1", &TLoadCompilation::lo_P, &TLoadCompilation::Unit_lo_P, "Label24", 103);
    TNumberEdit* g0 = addValueField(leftSide ? "gL1" : "gP1", leftSide ? &TLoadCompilation::gL : &TLoadCompilation::gP,
                                    50, 0.1, 2, true);
    TNumberEdit* p0 = addValueField(leftSide ? "pL1" : "pP1", leftSide ? &TLoadCompilation::pL : &TLoadCompilation::pP,
                                    50, 0.1, 2, true);
    QStackedWidget*& pages = leftSide ? slPages_ : spPages_;
    pages = new QStackedWidget;
    pages->addWidget(Page({Row(Lbl("Rozpiętość stropu"), lo.edit, lo.unitLabel),
                           Row(Lbl("Obc.stałe"), g0, Lbl("kN/m!2!")), Row(Lbl("Obc.zmienne"), p0, Lbl("kN/m!2!"))}));
    TNumberEdit* value = addValueField(leftSide ? "Fl1" : "Fp1", leftSide ? &TLoadCompilation::Fl : &TLoadCompilation::Fp,
                                       100000, 0.1, 2);
    QLabel*& caption = leftSide ? leftValueLabel_ : rightValueLabel_;
    caption = new QLabel;
    caption->setObjectName(leftSide ? QStringLiteral("Label33") : QStringLiteral("Label32"));
    caption->setWordWrap(true);
    pages->addWidget(Page({caption, Row(new QWidget, value, Lbl("kN/m"))}));
    v->addWidget(pages);
    return g;
}

// The picture of the lengths a storey is described by, labelled with the
// fields' symbols.
QWidget* TZestObcDlg::LoadDimensionPicture()
{
    auto* picture = new PictureBox(
        [this](PainterCanvas& canvas, QWidget& w) {
            canvas.brush.color = clBtnFace;
            canvas.fillRect({0, 0, w.width(), w.height()});
            DrawLoadDimensionPicture(canvas, {w.width(), w.height()}, basement_);
        },
        [this] {
            std::string source;
            AppendBytes(source, basement_);
            AppendBytes(source, QGuiApplication::palette().cacheKey());
            return source;
        });
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFixedSize(260, 180);
    image_ = picture;
    return picture;
}

void TZestObcDlg::buildResultAndScheme(QHBoxLayout* body)
{
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
}

void TZestObcDlg::buildButtonRow(QVBoxLayout* root)
{
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
}

// Every field to its store routine, the "..." parts to their load tables.
void TZestObcDlg::connectFields()
{
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

} // namespace orv

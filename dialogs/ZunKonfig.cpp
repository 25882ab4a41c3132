#include "dialogs/ZunKonfig.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/DialogButtons.h"
#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "components/MLCheckBox.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "drawing/Canvas.h"
#include "drawing/MarkupText.h"

namespace orv {
namespace {

// The result line: the moment centred in navy on the face colour.
class TResultBox : public QWidget {
public:
    explicit TResultBox(const TMomentDlg& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog)
    {
        setObjectName(QStringLiteral("PB1"));
        setMinimumHeight(32);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Button));
        PainterCanvas canvas(p);
        canvas.font.name = font().family().toStdString();
        canvas.font.size = font().pointSizeF() > 0 ? font().pointSizeF() : 9;
        canvas.font.color = clNavy;
        const std::string text = dialog_.resultText().toStdString();
        const int x = (width() - MarkupTextWidth(canvas, text)) / 2;
        const int y = (height() - canvas.textHeight("@")) / 2;
        TRect bounds{};
        MarkupTextOut(canvas, x, y, text, bounds);
    }

private:
    const TMomentDlg& dialog_;
};

TNumberEdit* NumberField(TNumberEdit* e, const char* name, int decimals, double step)
{
    e->setObjectName(QString::fromLatin1(name));
    e->setRange(0, 200000);
    e->setPrecision(decimals);
    if (step > 0) e->setIncrement(step);
    e->setFixedWidth(100);
    return e;
}

// "e = 0.4·t" (x) or "e = 0.4·b" (y), the number as every number is shown.
QString Eccentricity04Caption(bool x)
{
    return QStringLiteral("e = ") + QString::fromStdString(FormatFixed(1, 0.4)) +
           (x ? QStringLiteral("·t") : QStringLiteral("·b"));
}

void SetChecked(QAbstractButton* b, bool on)
{
    const QSignalBlocker block(b);
    b->setChecked(on);
}

} // namespace

TMomentDlg::TMomentDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MomentDlg"));
    setWindowTitle(QStringLiteral("Moment zginający"));

    e04t_ = new TMLRadioButton(Eccentricity04Caption(true));
    e04t_->setObjectName(QStringLiteral("e04t"));
    e2_ = new TMLRadioButton(QStringLiteral("e [cm] ="));
    e2_->setObjectName(QStringLiteral("e2"));
    ex1_ = NumberField(new TSpinRealEdit, "ex1", 1, 1.0);
    auto* eccentricity = new QButtonGroup(this);
    eccentricity->addButton(e04t_);
    eccentricity->addButton(e2_);

    obc0_ = new TMLRadioButton(QStringLiteral("obciążenie pionowe"));
    obc0_->setObjectName(QStringLiteral("Obc0"));
    obc1_ = new TMLRadioButton(QStringLiteral("określona wartość"));
    obc1_->setObjectName(QStringLiteral("Obc1"));
    N1_ = NumberField(new TRealEdit, "N1", 2, 0);
    NSd1_ = NumberField(new TSpinRealEdit, "NSd1", 2, 1.0);
    auto* force = new QButtonGroup(this);
    force->addButton(obc0_);
    force->addButton(obc1_);
    label2_ = new TMathLabel(QStringLiteral("N_Sd_ [kN] ="));
    label2_->setObjectName(QStringLiteral("MathLabel2"));
    label63_ = new TMathLabel(QStringLiteral("N_Sd,x_ [kN] ="));
    label63_->setObjectName(QStringLiteral("MathLabel63"));

    aut1_ = new TMLCheckBox(QStringLiteral("przyjmij automatycznie wartość momentu w tym kierunku"));
    aut1_->setObjectName(QStringLiteral("aut1"));
    PB1_ = new TResultBox(*this, this);

    const TDialogButtons buttons = CreateDialogButtons(
        *this, {"BitBtn1", "BitBtn2", "BitBtn3"}, [this] { BitBtn1Click(); }, [] { ShowHelpTopic("Momenty_zginajace"); });

    auto* eGroup = new QGroupBox(QStringLiteral(" Mimośród "));
    auto* eg = new QGridLayout(eGroup);
    eg->addWidget(e04t_, 0, 0, 1, 2);
    eg->addWidget(e2_, 1, 0);
    eg->addWidget(ex1_, 1, 1);
    eg->setColumnStretch(2, 1);

    auto* nGroup = new QGroupBox(QStringLiteral(" Siła pionowa "));
    auto* ng = new QGridLayout(nGroup);
    ng->addWidget(obc0_, 0, 0);
    ng->addWidget(label2_, 0, 1);
    ng->addWidget(N1_, 0, 2);
    ng->addWidget(obc1_, 1, 0);
    ng->addWidget(label63_, 1, 1);
    ng->addWidget(NSd1_, 1, 2);
    ng->setColumnStretch(3, 1);

    auto* v = new QVBoxLayout(this);
    v->addWidget(eGroup);
    v->addWidget(nGroup);
    v->addWidget(aut1_);
    v->addWidget(PB1_);
    v->addWidget(buttons.box);

    // Any choice recomputes; leaving or stepping a number recomputes.
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(e04t_), static_cast<QAbstractButton*>(e2_),
                               static_cast<QAbstractButton*>(obc0_), static_cast<QAbstractButton*>(obc1_)}) {
        connect(b, &QAbstractButton::clicked, this, [this] {
            ComputeMoment();
            UpdateMomentControls();
        });
    }
    for (TNumberEdit* e : {ex1_, N1_, NSd1_}) {
        connect(e, &TNumberEdit::exited, this, &TMomentDlg::ComputeMoment);
        connect(e, &TNumberEdit::upClicked, this, &TMomentDlg::ComputeMoment);
        connect(e, &TNumberEdit::downClicked, this, &TMomentDlg::ComputeMoment);
    }
}

void TMomentDlg::setData(const TMomentData& data)
{
    data_ = data;
    const bool x = data.direction == 1;
    e04t_->setText(Eccentricity04Caption(x));
    label63_->setCaption(x ? QStringLiteral("N_Sd,x_ [kN] =") : QStringLiteral("N_Sd,y_ [kN] ="));
    SetChecked(e04t_, (data.mode & mmEccentricity04) != 0);
    SetChecked(e2_, (data.mode & mmEccentricity04) == 0);
    SetChecked(obc1_, (data.mode & mmOwnForce) != 0);
    SetChecked(obc0_, (data.mode & mmOwnForce) == 0);
    aut1_->setChecked((data.mode & mmAutomatic) != 0);
    ex1_->setValue(data.e);
    N1_->setValue(data.N);
    NSd1_->setValue(data.ownN);
    e_ = data.e;
    start_ = shownNow();

    // The field's moment stands; choices that give another one (a moment
    // typed into the field) become the eccentricity that gives it.
    const double N = (data.mode & mmOwnForce) ? data.ownN : data.N;
    if (FormatFixed(2, choicesMoment()) != FormatFixed(2, data.M) && N > 0) {
        const double e = 100 * data.M / N;
        if (e >= ex1_->minValue() && e <= ex1_->maxValue()) {
            SetChecked(e04t_, false);
            SetChecked(e2_, true);
            ex1_->setValue(e);
            e_ = e;
        }
    }
    start_ = shownNow();
    UpdateMomentControls();
    ComputeMoment();
}

TMomentDlg::TShown TMomentDlg::shownNow() const
{
    return {e04t_->isChecked(), obc1_->isChecked(), ex1_->text(), N1_->text(), NSd1_->text()};
}

double TMomentDlg::eccentricity() const
{
    return ex1_->text() == start_.e ? e_ : ex1_->value();
}

double TMomentDlg::choicesMoment() const
{
    const double N = obc0_->isChecked() ? N1_->value() : NSd1_->value();
    // Centimetres to metres.
    return e04t_->isChecked() ? N * 0.4 * data_.dimension / 100 : N * eccentricity() / 100;
}

void TMomentDlg::ComputeMoment()
{
    // Nothing changed: the moment the dialog started from.
    M_ = shownNow() == start_ ? data_.M : choicesMoment();
    PB1_->update();
}

void TMomentDlg::UpdateMomentControls()
{
    ex1_->setEnabled(e2_->isChecked());
    N1_->setEnabled(obc0_->isChecked());
    label2_->setEnabled(obc0_->isChecked());
    NSd1_->setEnabled(obc1_->isChecked());
    label63_->setEnabled(obc1_->isChecked());
}

QString TMomentDlg::resultText() const
{
    const QString axis = data_.direction == 1 ? QStringLiteral("x") : QStringLiteral("y");
    return QStringLiteral("Moment zginający %BM%DSd,") + axis + QStringLiteral("%N%B = ") +
           QString::fromStdString(FormatFixed(2, M_)) + QStringLiteral("%N kNm");
}

void TMomentDlg::BitBtn1Click()
{
    // A number still being typed is taken (or refused) first.
    if (auto* e = qobject_cast<TNumberEdit*>(focusWidget()); e && !e->commit()) return;
    ComputeMoment();
    data_.mode = (e04t_->isChecked() ? mmEccentricity04 : 0) + (obc1_->isChecked() ? mmOwnForce : 0) +
                 (aut1_->isChecked() ? mmAutomatic : 0);
    data_.e = eccentricity();
    if (NSd1_->text() != start_.ownN) data_.ownN = NSd1_->value();
    data_.M = M_;
    accept();
}

void TMomentDlg::keyPressEvent(QKeyEvent* e)
{
    // Enter moves to the next control; on a button it presses the button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QPushButton*>(focusWidget())) b->click();
        else focusNextChild();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool ShowMomentDlg(TMomentData& data, QWidget* parent)
{
    TMomentDlg dialog(parent);
    dialog.setData(data);
    if (RunModal(dialog) != QDialog::Accepted) return false;
    data = dialog.data();
    return true;
}

} // namespace orv

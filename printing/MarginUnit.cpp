#include "printing/MarginUnit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

#include "components/DialogButtons.h"
#include "components/Realedit.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "printing/CurrentPrinter.h"
#include "printing/PaperPicture.h"

namespace orv {
namespace {

constexpr double kMinMarginMm = 5.0;

// A bare widget that leaves its painting to its owner.
class TPaintBox : public QWidget {
public:
    TPaintBox(QWidget* parent, std::function<void(QPainter&)> paint) : QWidget(parent), paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paint_(painter);
    }

private:
    std::function<void(QPainter&)> paint_;
};

double Mm(int pixels, int dpi) { return dpi > 0 ? pixels * 25.4 / dpi : 0.0; }

QString Px(int v) { return QString::number(v); }
QString MmText(double v) { return QString::fromStdString(FormatFixed(2, v)); }

QString Line(const char* head, const QString& x, const QString& y, const char* unit)
{
    return QString::fromLatin1(head) + x + QStringLiteral("  y =") + y + QLatin1Char(' ') + QString::fromLatin1(unit);
}

} // namespace

TMarginDlg::TMarginDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MarginDlg"));
    setWindowTitle(QStringLiteral("Ustaw marginesy strony"));

    auto* frame = new QGroupBox(QStringLiteral("Marginesy (milimetry)"), this);
    auto* grid = new QGridLayout(frame);
    struct Side {
        TSpinRealEdit** edit;
        const char* name;
        const char* label;
        const char* hint;
    };
    const Side sides[4] = {
        {&left_, "Left1", "Lewy", "Odległość lewego marginesu od lewego brzegu strony"},
        {&right_, "Right1", "Prawy", "Odległość prawego marginesu od prawego brzegu strony"},
        {&top_, "Top1", "Górny", "Odległość górnego marginesu od góry strony"},
        {&bottom_, "Bottom1", "Dolny", "Odległość dolnego marginesu od dołu strony"},
    };
    for (int i = 0; i < 4; ++i) {
        auto* e = new TSpinRealEdit(frame);
        e->setObjectName(QString::fromLatin1(sides[i].name));
        e->setToolTip(QString::fromUtf8(sides[i].hint));
        e->setRange(kMinMarginMm, 100.0);
        e->setIncrement(1.0);
        e->setPrecision(1);
        e->setValue(kMinMarginMm);
        e->setFixedWidth(80);
        connect(e, &TNumberEdit::exited, this, &TMarginDlg::Left1Exit);
        connect(e, &TNumberEdit::upClicked, this, &TMarginDlg::Left1Exit);
        connect(e, &TNumberEdit::downClicked, this, &TMarginDlg::Left1Exit);
        *sides[i].edit = e;
        grid->addWidget(new QLabel(QString::fromUtf8(sides[i].label), frame), i, 0);
        grid->addWidget(e, i, 1);
    }

    // The picture is the page shown; the geometry page is kept beside it.
    auto* notebook = new QStackedWidget(this);
    notebook->setObjectName(QStringLiteral("Notebook1"));
    paintBox_ = new TPaintBox(notebook, [this](QPainter& p) { PB1Paint(p); });
    paintBox_->setObjectName(QStringLiteral("PB1"));
    paintBox_->setMinimumSize(200, 240);
    notebook->addWidget(paintBox_);
    auto* params = new QWidget(notebook);
    params->setObjectName(QStringLiteral("Parametry"));
    auto* paramsLayout = new QVBoxLayout(params);
    for (QLabel*& l : lines_) {
        l = new QLabel(params);
        paramsLayout->addWidget(l);
    }
    paramsLayout->addStretch(1);
    notebook->addWidget(params);
    notebook->setCurrentWidget(paintBox_);

    auto makeButton = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    const TDialogButtons row = CreateDialogButtons(*this, {}, [this] { OKBtnClick(); }, {}, Qt::Vertical);
    row.cancel->setToolTip(QStringLiteral("Zrezygunj z wprowadzonych zmian"));
    QPushButton* print = makeButton("Button1", QStringLiteral("Drukuj"));
    print->setVisible(false);
    connect(print, &QPushButton::clicked, this, [this] { Button1Click(); });

    auto* left = new QVBoxLayout;
    left->addWidget(frame);
    left->addStretch(1);
    left->addWidget(print);
    left->addWidget(row.box);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(notebook, 1);
}

TPageGeometry TMarginDlg::currentGeometry() const
{
    return geometry_ ? *geometry_ : PageGeometryOf(CurrentPrinter());
}

void TMarginDlg::FormShow()
{
    left_->setValue(margins_.left);
    right_->setValue(margins_.right);
    top_->setValue(margins_.top);
    bottom_->setValue(margins_.bottom);

    const TPageGeometry g = currentGeometry();
    const TPageMargins strip = NonPrintableStrips(g);
    const TPoint end{g.physicalSize.X - g.pageSize.X - g.offset.X, g.physicalSize.Y - g.pageSize.Y - g.offset.Y};
    paperWidthMm_ = Mm(g.physicalSize.X, g.dpiX);
    paperHeightMm_ = Mm(g.physicalSize.Y, g.dpiY);

    lines_[0]->setText(Line("PhysPage x = ", Px(g.physicalSize.X), Px(g.physicalSize.Y), "pixels"));
    lines_[1]->setText(Line("PhysPage x = ", MmText(paperWidthMm_), MmText(paperHeightMm_), "mm"));
    lines_[2]->setText(Line("Printer.Page x = ", Px(g.pageSize.X), Px(g.pageSize.Y), "pixels"));
    lines_[3]->setText(
        Line("Page x = ", MmText(Mm(g.pageSize.X, g.dpiX)), MmText(Mm(g.pageSize.Y, g.dpiY)), "mm"));
    lines_[4]->setText(Line("PrOrigin x = ", Px(g.offset.X), Px(g.offset.Y), "pixels"));
    lines_[5]->setText(Line("PrOrigin x = ", MmText(strip.left), MmText(strip.top), "mm"));
    lines_[6]->setText(Line("PrEnd x = ", Px(end.X), Px(end.Y), "pixels"));
    lines_[7]->setText(Line("PrEnd x = ", MmText(strip.right), MmText(strip.bottom), "mm"));

    left_->setMinValue(std::max(kMinMarginMm, strip.left));
    right_->setMinValue(std::max(kMinMarginMm, strip.right));
    top_->setMinValue(std::max(kMinMarginMm, strip.top));
    bottom_->setMinValue(std::max(kMinMarginMm, strip.bottom));
    paintBox_->update();
}

QStringList TMarginDlg::parameterLines() const
{
    QStringList lines;
    for (const QLabel* l : lines_) lines << l->text();
    return lines;
}

void TMarginDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TMarginDlg::Left1Exit()
{
    margins_ = {left_->value(), right_->value(), top_->value(), bottom_->value()};
    paintBox_->update();
}

void TMarginDlg::OKBtnClick()
{
    // A field still being typed in is checked as if it were left.
    for (TSpinRealEdit* e : {left_, right_, top_, bottom_})
        if (!e->commit()) return;
    Left1Exit();
    if (margins_.top + margins_.bottom > paperHeightMm_ || margins_.left + margins_.right > paperWidthMm_) {
        ShowMessageDialog("Popraw!", "Błąd w definicji marginesów.", mdError, mbOK);
        return;
    }
    accept();
}

bool TMarginDlg::Button1Click()
{
    QPrinter& printer = CurrentPrinter();
    // The rectangle is laid out for the printer it goes to.
    const TRect r = SetMargin(margins_, PageGeometryOf(printer));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setPen(QPen(Qt::black, 0, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    // outlines over [left, right) x [top, bottom), as the rectangle is given
    painter.drawRect(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1));
    painter.drawRect(QRect(0, 0, 99, 99));
    return painter.end();
}

void TMarginDlg::PB1Paint(QPainter& painter)
{
    painter.fillRect(QRect(QPoint(0, 0), paintBox_->size()), palette().color(QPalette::Button));
    DrawPaperPicture(painter, paintBox_->size(), paperWidthMm_, paperHeightMm_, margins_, QColor(0x80, 0x80, 0x80));
}

void TMarginDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace orv

#include "dialogs/nomlib/NomDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

#include "components/DecimalSpinBox.h"
#include "components/DialogButtons.h"
#include "components/PaintedHeader.h"

namespace orv::nom {
namespace {

enum Column { cDescription, cQuantity, cValue, cGammaF, cColumns };

QString Num(double v, int decimals) { return QLocale().toString(v, 'f', decimals); }

// A cell's number: "." and "," alike are the decimal separator, never a
// group separator (1,500 is one and a half); the locale's own group
// separator, where it is another character, is dropped; 0 when unreadable.
double CellNumber(const QTableWidgetItem* item)
{
    if (!item) return 0;
    QString s = item->text().trimmed();
    const QString group = QLocale().groupSeparator();
    if (group != QLatin1String(",") && group != QLatin1String(".")) s.remove(group);
    bool ok = false;
    const double v = s.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

// Head cells whose "_" starts an index: "γ_f" is γ with a lowered, smaller f.
class TIndexedHeader : public TPaintedHeader {
public:
    using TPaintedHeader::TPaintedHeader;

protected:
    bool paintsCaption(const QString& text) const override { return text.contains(QLatin1Char('_')); }
    void paintCaption(QPainter& painter, const QRect& rect, const QString& text) const override
    {
        const qsizetype mark = text.indexOf(QLatin1Char('_'));
        const QString base = text.left(mark);
        const QString index = text.mid(mark + 1);
        const QFontMetrics fm(font());
        const QFont small = indexFont();
        const QFontMetrics sm(small);
        const int width = fm.horizontalAdvance(base) + sm.horizontalAdvance(index);
        const int x = rect.left() + (rect.width() - width) / 2;
        const int baseline = rect.top() + (rect.height() - fm.height()) / 2 + fm.ascent();
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(x, baseline, base);
        painter.setFont(small);
        painter.drawText(x + fm.horizontalAdvance(base), baseline + fm.descent(), index);
    }

    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QSize s = QHeaderView::sectionSizeFromContents(logicalIndex);
        const QString text = caption(logicalIndex);
        const qsizetype mark = text.indexOf(QLatin1Char('_'));
        if (mark >= 0) {
            // Less the mark, the index in its smaller font.
            const QFontMetrics fm(font());
            s.setWidth(s.width() - fm.horizontalAdvance(text) + fm.horizontalAdvance(text.left(mark)) +
                       QFontMetrics(indexFont()).horizontalAdvance(text.mid(mark + 1)));
        }
        return s;
    }

private:
    QFont indexFont() const
    {
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() > 0 ? f.pointSizeF() * 0.75 : 7);
        return f;
    }
};

} // namespace

TLoadTableDlg::TLoadTableDlg(QWidget* parent, const TTableSpec& spec, const std::vector<TLoadRow>& rows)
    : QDialog(parent), spec_(spec)
{
    setObjectName(QStringLiteral("TLoadTableDlg"));
    setWindowTitle(spec.title);
    auto* v = new QVBoxLayout(this);

    auto* pick = new QHBoxLayout;
    presets_ = new QComboBox;
    presets_->setObjectName(QStringLiteral("presets"));
    for (const TPresetRow& p : spec.presets)
        presets_->addItem(QString::fromUtf8(p.name) + QStringLiteral(" (") + Num(p.value, 2) +
                          QLatin1Char(')'));
    if (spec.presetIndex >= 0 && spec.presetIndex < presets_->count())
        presets_->setCurrentIndex(spec.presetIndex);
    auto* add = new QPushButton(QStringLiteral("Dodaj"));
    add->setObjectName(QStringLiteral("addRow"));
    auto* remove = new QPushButton(QStringLiteral("Usuń"));
    remove->setObjectName(QStringLiteral("removeRow"));
    auto* blank = new QPushButton(QStringLiteral("Nowy wiersz"));
    blank->setObjectName(QStringLiteral("blankRow"));
    pick->addWidget(presets_, 1);
    pick->addWidget(add);
    pick->addWidget(blank);
    pick->addWidget(remove);
    v->addLayout(pick);

    table_ = new QTableWidget(0, cColumns);
    table_->setObjectName(QStringLiteral("rows"));
    table_->setHorizontalHeader(new TIndexedHeader(table_));
    table_->setHorizontalHeaderLabels({QStringLiteral("Opis"), spec.quantityTitle, spec.valueTitle,
                                       QStringLiteral("γ_f")});
    table_->horizontalHeader()->setSectionResizeMode(cDescription, QHeaderView::Stretch);
    // The number columns are as wide as their whole captions and numbers.
    for (int c : {cQuantity, cValue, cGammaF})
        table_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    table_->setMinimumSize(520, 220);
    v->addWidget(table_, 1);

    if (spec.bandWidth) {
        auto* h = new QHBoxLayout;
        h->addWidget(new QLabel(QStringLiteral("Szerokość pasma [m]:")));
        width_ = new TDecimalSpinBox;
        width_->setObjectName(QStringLiteral("bandWidth"));
        width_->setRange(0, 100);
        width_->setDecimals(3);
        width_->setValue(std::isfinite(spec.width) ? spec.width : 1.0);
        h->addWidget(width_);
        h->addStretch(1);
        v->addLayout(h);
    }
    if (spec.bothSides) {
        both_ = new QCheckBox(QStringLiteral("Parcie i ssanie razem"));
        both_->setObjectName(QStringLiteral("bothSides"));
        both_->setChecked(spec.both);
        v->addWidget(both_);
    }
    sums_ = new QLabel;
    sums_->setObjectName(QStringLiteral("sums"));
    v->addWidget(sums_);

    v->addWidget(CreateDialogButtons(*this).box);

    for (const TLoadRow& r : rows) addRow(r);
    connect(add, &QPushButton::clicked, this, [this] { addPreset(); });
    connect(blank, &QPushButton::clicked, this, [this] { addRow(TLoadRow{}); });
    connect(remove, &QPushButton::clicked, this, [this] { removeRow(); });
    connect(table_, &QTableWidget::itemChanged, this, [this] { updateSums(); });
    updateSums();
}

void TLoadTableDlg::addRow(const TLoadRow& r)
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, cDescription, new QTableWidgetItem(QString::fromStdString(r.description)));
    table_->setItem(row, cQuantity, new QTableWidgetItem(Num(r.quantity, 3)));
    table_->setItem(row, cValue, new QTableWidgetItem(Num(r.value, 3)));
    table_->setItem(row, cGammaF, new QTableWidgetItem(Num(r.gammaF, 2)));
    updateSums();
}

void TLoadTableDlg::addPreset()
{
    const int i = presets_->currentIndex();
    if (i < 0 || i >= static_cast<int>(spec_.presets.size())) return;
    addRow(PresetToRow(spec_.presets[static_cast<std::size_t>(i)], spec_.presetQuantity));
}

void TLoadTableDlg::removeRow()
{
    const int row = table_->currentRow();
    if (row >= 0) table_->removeRow(row);
    updateSums();
}

std::vector<TLoadRow> TLoadTableDlg::rows() const
{
    std::vector<TLoadRow> out;
    for (int row = 0; row < table_->rowCount(); ++row) {
        TLoadRow r;
        if (const QTableWidgetItem* d = table_->item(row, cDescription))
            r.description = d->text().toStdString();
        r.quantity = CellNumber(table_->item(row, cQuantity));
        r.value = CellNumber(table_->item(row, cValue));
        r.gammaF = std::fabs(CellNumber(table_->item(row, cGammaF)));
        out.push_back(r);
    }
    return out;
}

double TLoadTableDlg::width() const { return width_ ? width_->value() : spec_.width; }
bool TLoadTableDlg::both() const { return both_ ? both_->isChecked() : spec_.both; }
int TLoadTableDlg::presetIndex() const { return presets_->currentIndex(); }

QString TLoadTableDlg::sumsText() const
{
    const std::vector<TLoadRow> r = rows();
    QString text = QStringLiteral("Suma charakterystyczna: ") + Num(CharacteristicSum(r), 3) +
                   QLatin1Char(' ') + spec_.sumUnit + QStringLiteral(",  obliczeniowa: ") +
                   Num(DesignSum(r), 3) + QLatin1Char(' ') + spec_.sumUnit;
    if (spec_.meanValue)
        text += QStringLiteral(";  ciężar objętościowy: ") + Num(MeanValue(r), 2) +
                QStringLiteral(" kN/m³");
    return text;
}

void TLoadTableDlg::updateSums()
{
    if (sums_) sums_->setText(sumsText());
}

void PlaceAt(QDialog& dlg, int x, int y)
{
    if (x == -1 && y == -1) return;
    for (const QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().contains(x, y)) {
            dlg.move(x, y);
            return;
        }
}

} // namespace orv::nom

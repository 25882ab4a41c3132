#include "mainwindow/OpeningsPanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "components/MCoolGrid.h"
#include "components/PaintedHeader.h"
#include "components/StoredAppearance.h"
#include "core/MessageService.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/ZunOpenings.h"
#include "dialogs/ZunWindowDefin.h"
#include "drawing/Canvas.h"
#include "drawing/MarkupText.h"

namespace orv {
namespace {

constexpr double kMaxValue = OpeningValueMax;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Head cells of two lines split at "@@", the first in the report mark-up,
// each centred.
class TMarkupHeader : public TPaintedHeader {
public:
    using TPaintedHeader::TPaintedHeader;

protected:
    void paintCaption(QPainter& painter, const QRect& rect, const QString& text) const override
    {
        const qsizetype at = text.indexOf(QLatin1String("@@"));
        const std::string first = (at < 0 ? text : text.left(at)).toStdString();
        PainterCanvas canvas(painter);
        setFont(canvas);
        canvas.brush.style = TBrushStyle::Clear;
        TRect bounds;
        MarkupTextOut(canvas, rect.left() + (rect.width() - MarkupTextWidth(canvas, first)) / 2, rect.top() + 2, first,
                      bounds);
        if (at >= 0) {
            const std::string second = text.mid(at + 2).toStdString();
            MarkupTextOut(canvas, rect.left() + (rect.width() - MarkupTextWidth(canvas, second)) / 2,
                          rect.top() + 2 + canvas.textHeight(first), second, bounds);
        }
    }

    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QSize s = QHeaderView::sectionSizeFromContents(logicalIndex);
        s.setHeight(2 * fontMetrics().height() + 6);
        return s;
    }

private:
    void setFont(Canvas& canvas) const
    {
        canvas.font.name = font().family().toStdString();
        canvas.font.size = font().pointSizeF() > 0 ? font().pointSizeF() : 8;
        canvas.font.color = clBtnText;
    }
};

} // namespace

TOpeningsPanel::TOpeningsPanel(ProjectSession& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("OpeningsPanel"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);

    grid_ = new TMCoolGrid(1, 5);
    grid_->setObjectName(QStringLiteral("OknaGrid1"));
    grid_->setToolTip(QStringLiteral("Tabela otworów ściennych"));
    grid_->setHorizontalHeader(new TMarkupHeader(grid_));
    grid_->setHorizontalHeaderLabels({QString(), QStringLiteral("x%Dotw%N@@[cm]"), QStringLiteral("y%Dotw%N@@[cm]"),
                                      QStringLiteral("l%Dotw%N@@[cm]"), QStringLiteral("h%Dotw%N@@[cm]")});
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    grid_->setColumnWidth(0, 30);
    grid_->setMaximumHeight(170);
    // The selected cell is not highlighted; the current row has the cell colour.
    QPalette pal = grid_->palette();
    pal.setColor(QPalette::Highlight, pal.color(QPalette::Base));
    pal.setColor(QPalette::HighlightedText, pal.color(QPalette::Text));
    grid_->setPalette(pal);
    grid_->onSelectCell = [this](int, int row) {
        if (filling_) return true;
        if (!cellLeft()) return false;
        return row == grid_->currentRow() || rowLeft();
    };
    grid_->onKeyPress = [this](QKeyEvent* e) { return OknaGrid1KeyPress(e); };
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { markCurrentRow(); });
    connect(grid_, &TMFormatedStringGrid::exited, this, [this] {
        if (!filling_ && isEnabled()) commit();
    });
    v->addWidget(grid_);

    auto* buttons = new QWidget;
    auto* h = new QHBoxLayout(buttons);
    h->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        const char* text;
        void (TOpeningsPanel::*run)();
    } kButtons[3] = {{"DodajBtn1", "Dodaj", &TOpeningsPanel::DodajBtn1Click},
                     {"EdytujBtn1", "Edytuj", &TOpeningsPanel::EdytujBtn1Click},
                     {"UsunBtn1", "Usuń", &TOpeningsPanel::UsunBtn1Click}};
    for (const auto& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text));
        button->setObjectName(QString::fromLatin1(b.name));
        // A click leaves the focus in the grid: the button checks the row itself.
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, b.run);
        h->addWidget(button);
    }
    h->addStretch(1);
    v->addWidget(buttons);

    dialog_ = [this](const TCalcInput& wall, bool newOpening, TOpening& opening) {
        return ShowWindowDlg(window(), wall, newOpening, opening);
    };
    FillOpeningsGrid(true);
}

bool TOpeningsPanel::owns(const QWidget* w) const
{
    for (; w; w = w->parentWidget())
        if (w == grid_) return true;
    return false;
}

void TOpeningsPanel::FillOpeningsGrid(bool all)
{
    if (!all && typed_) return;
    const bool wasFilling = filling_;
    filling_ = true;
    grid_->discardEditor();
    const TCalcInput& in = session_.current().Input;
    const int n = OpeningCount(in);
    const int rows = std::max(n, 1);
    const int currentRow = grid_->currentRow();
    grid_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const TOpening& o = in.Okna[r];
        const double values[4] = {o.x, o.y, o.l, o.h};
        for (int c = 0; c < 5; ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (c == 0) item->setFlags(Qt::ItemIsEnabled);
                grid_->setItem(r, c, item);
            }
            item->setText(c == 0 ? QStringLiteral("%1.").arg(r + 1)
                                 : Q(n > 0 ? FormatFixed(1, values[c - 1]) : FormatFixed(2, 0)));
        }
    }
    if (currentRow < 0 || currentRow >= rows || grid_->currentColumn() < 1)
        grid_->setCurrentCell(std::clamp(currentRow, 0, rows - 1), std::max(grid_->currentColumn(), 1));
    typed_ = false;
    markCurrentRow();
    filling_ = wasFilling;
}

void TOpeningsPanel::markCurrentRow()
{
    const int current = grid_->currentRow();
    const QBrush cell(CellBackgroundColor());
    for (int r = 0; r < grid_->rowCount(); ++r)
        for (int c = 1; c < grid_->columnCount(); ++c)
            if (QTableWidgetItem* item = grid_->item(r, c)) item->setBackground(r == current ? cell : QBrush());
}

void TOpeningsPanel::refocus()
{
    QTimer::singleShot(0, grid_, [this] {
        if (!grid_->isVisible() || !grid_->isEnabled()) return;
        grid_->setFocus(Qt::OtherFocusReason);
        if (!grid_->isEditing()) grid_->edit(grid_->currentIndex());
    });
}

bool TOpeningsPanel::cellLeft()
{
    const int row = grid_->currentRow();
    const int col = grid_->currentColumn();
    if (row < 0 || col < 1 || col > 4) return true;
    grid_->commitEditor();
    QTableWidgetItem* item = grid_->item(row, col);
    if (!item) return true;
    QString text = item->text().trimmed();
    if (text.isEmpty()) text = QStringLiteral("0");
    double v = 0;
    if (!TryTextToFloat(text.toStdString(), v)) {
        ShowMessageDialog("Popraw!", "Błąd w zapisie liczby.", mdWarning, mbOK);
        return false;
    }
    if (v > kMaxValue) {
        ShowMessageDialog("Wartość za duża!", "Dopuszczalna wartość " + FormatFixed(1, kMaxValue), mdWarning, mbOK);
        return false;
    }
    if (v < 0) {
        ShowMessageDialog("Wartość za mała!", "Dopuszczalna wartość " + FormatFixed(1, 0), mdWarning, mbOK);
        return false;
    }
    const QString shown = Q(FormatFixed(1, v));
    item->setText(shown);
    // The open editor hands its text to the cell once more when it closes.
    if (auto* le = qobject_cast<QLineEdit*>(grid_->cellEditor()); le)
        le->setText(shown);
    return true;
}

bool TOpeningsPanel::rowLeft()
{
    const int row = grid_->currentRow();
    if (row < 0 || row >= MaxOpenings) return true;
    TOpening typed{};
    double* fields[4] = {&typed.x, &typed.y, &typed.l, &typed.h};
    for (int c = 1; c <= 4; ++c) {
        const QTableWidgetItem* item = grid_->item(row, c);
        *fields[c - 1] = item ? TextToFloat(item->text().toStdString()) : 0.0;
    }
    const TCalcInput& in = session_.current().Input;
    const int n = OpeningCount(in);
    // An element without openings starts its first from zeros.
    const TOpening old = row < n ? in.Okna[row] : TOpening{};
    if (typed.x == old.x && typed.y == old.y && typed.l == old.l && typed.h == old.h) {
        typed_ = false;
        return true;
    }
    if (!CheckOpening(in, row + 1, typed.x, typed.y, typed.l, typed.h)) return false;
    session_.editCurrent([&](TProjectElement& e) {
        if (OpeningCount(e.Input) == 0) e.Input.LiczbaOkien = 1;
        e.Input.Okna[row] = typed;
    });
    typed_ = false;
    emit stored();
    return true;
}

bool TOpeningsPanel::commit()
{
    if (checking_) return false;
    checking_ = true;
    const bool ok = cellLeft() && rowLeft();
    checking_ = false;
    if (!ok) {
        refocus();
        return false;
    }
    return true;
}

bool TOpeningsPanel::mayAct()
{
    return commit() && (!guard_ || guard_());
}

bool TOpeningsPanel::OknaGrid1KeyPress(QKeyEvent* e)
{
    const int col = grid_->currentColumn();
    const bool editing = grid_->isEditing();
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Enter goes along the row, from the last column back to the first.
        grid_->selectCell(grid_->currentRow(), col >= 4 ? 1 : col + 1);
        return true;
    }
    if (!editing || col < 1) return false;
    auto* le = qobject_cast<QLineEdit*>(grid_->cellEditor());
    if (e->key() == Qt::Key_Backspace) {
        session_.setModified(true);
        typed_ = true;
        return false;
    }
    const QString t = e->text();
    if (t.size() != 1 || !t.at(0).isPrint() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    const QChar c = t.at(0);
    const QChar sep = QLatin1Char(DecimalSeparator());
    if (c.isDigit() && c.unicode() < 128) {
        session_.setModified(true);
        typed_ = true;
        return false;
    }
    if ((c == QLatin1Char('.') || c == QLatin1Char(',') || c == sep || c == QLatin1Char('-')) && le) {
        // One separator, always the locale's; a minus stays for leaving the
        // cell to refuse.
        if (TypeNumberKey(le, c, true) == TNumberKey::Typed) {
            session_.setModified(true);
            typed_ = true;
        }
        return true;
    }
    QApplication::beep();
    return true;
}

void TOpeningsPanel::DodajBtn1Click()
{
    if (!mayAct()) return;
    const TCalcInput& in = session_.current().Input;
    const int n = OpeningCount(in);
    if (n >= MaxOpenings) {
        ShowMessageDialog("Nie można dodać więcej otworów.",
                          "Maksymalna dopuszczalna liczba otworów wynosi " + std::to_string(MaxOpenings) + ".", mdWarning,
                          mbOK);
        return;
    }
    TOpening opening{};
    if (!dialog_(in, true, opening)) return;
    session_.editCurrent([&](TProjectElement& e) {
        const int k = OpeningCount(e.Input);
        e.Input.Okna[k] = opening;
        e.Input.LiczbaOkien = k + 1;
    });
    FillOpeningsGrid(true);
    grid_->setCurrentCell(n, std::max(grid_->currentColumn(), 1));
    emit stored();
}

void TOpeningsPanel::EdytujBtn1Click()
{
    if (!mayAct()) return;
    const TCalcInput& in = session_.current().Input;
    const int n = OpeningCount(in);
    if (n == 0) {
        DodajBtn1Click();
        return;
    }
    const int i = std::clamp(grid_->currentRow() + 1, 1, n);
    // The wall without the opening, so that it does not collide with itself.
    TCalcInput wall;
    DeleteOpening(in, i, wall);
    TOpening opening = in.Okna[i - 1];
    if (!dialog_(wall, false, opening)) return;
    session_.editCurrent([&](TProjectElement& e) { e.Input.Okna[i - 1] = opening; });
    FillOpeningsGrid(true);
    emit stored();
}

void TOpeningsPanel::UsunBtn1Click()
{
    if (!mayAct()) return;
    const TCalcInput& in = session_.current().Input;
    const int n = OpeningCount(in);
    if (n == 0) return;
    const int i = std::clamp(grid_->currentRow() + 1, 1, n);
    const TOpening o = in.Okna[i - 1];
    const int answer = ShowMessageDialog("Usunać otwór nr " + std::to_string(i) + "?",
                                         "Czy na pewno usunąć otwór o wymiarach " + FormatFixed(1, o.l) + "x" +
                                             FormatFixed(1, o.h) + "cm ?",
                                         mdConfirmation, mbYes | mbNo);
    if (answer != mrYes) return;
    session_.editCurrent([&](TProjectElement& e) { DeleteOpening(e.Input, i, e.Input); });
    FillOpeningsGrid(true);
    emit stored();
}

} // namespace orv

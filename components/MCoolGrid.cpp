#include "components/MCoolGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <functional>

#include "components/Realedit.h"
#include "core/MyUtils.h"

namespace orv {
namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

QChar Separator() { return QLatin1Char(DecimalSeparator()); }

QLineEdit* LineEditOf(QObject* editor)
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(editor);
}

constexpr int kEllipsisWidth = 16;

// The pick list of a cell: opens only with lines to show.
class TPickList : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> opening;
    void showPopup() override
    {
        if (count() == 0) return;
        if (opening) opening();
        QComboBox::showPopup();
    }
};

} // namespace

QString FormatCellText(TFormatKind kind, const QString& text)
{
    double v = 0;
    switch (kind) {
    case TFormatKind::Integer: {
        bool ok = false;
        text.trimmed().toInt(&ok);
        return ok ? text : QStringLiteral("0");
    }
    case TFormatKind::Real:
        return TryTextToFloat(text.toStdString(), v) ? text : QStringLiteral("0") + Separator() + QStringLiteral("00");
    case TFormatKind::Real2:
        if (!TryTextToFloat(text.toStdString(), v)) return QStringLiteral("0") + Separator() + QStringLiteral("00");
        return QString::fromStdString(FormatFixed(2, v));
    case TFormatKind::Date:
        return QDate::fromString(text, kDateFormat).isValid() ? text : QDate::currentDate().toString(kDateFormat);
    case TFormatKind::Text:
        break;
    }
    return text;
}

bool FormatKeyAccepted(TFormatKind kind, const QString& text, int caret, QChar c)
{
    if (c.unicode() < 32) return true;
    const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    switch (kind) {
    case TFormatKind::Integer: return digit;
    case TFormatKind::Real:
    case TFormatKind::Real2: {
        const int sep = text.indexOf(Separator());
        if (c == Separator() || c == QLatin1Char('.') || c == QLatin1Char(',')) return sep < 0;
        if (!digit) return false;
        // Two decimals at most after the separator.
        if (kind == TFormatKind::Real2 && sep >= 0 && caret > sep && text.size() - (sep + 1) >= 2) return false;
        return true;
    }
    case TFormatKind::Text:
    case TFormatKind::Date: return true;
    }
    return true;
}

// The cell editors of the grids: made by the grid, the text converted by the
// cell's kind when it is taken.
class TGridDelegate : public QStyledItemDelegate {
public:
    explicit TGridDelegate(TMFormatedStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        QWidget* editor = grid_->createCellEditor(parent, index);
        grid_->editor_ = editor;
        // A combo passes its keys to its line edit directly: watch the combo.
        editor->installEventFilter(grid_);
        grid_->editorCreated(editor);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* combo = qobject_cast<QComboBox*>(editor)) combo->setEditText(text);
        else if (QLineEdit* le = LineEditOf(editor)) le->setText(text);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        QLineEdit* le = LineEditOf(editor);
        if (!le) return;
        model->setData(index, FormatCellText(grid_->formatKind(index.column(), index.row()), le->text()), Qt::EditRole);
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        editor->setGeometry(option.rect);
    }

private:
    TMFormatedStringGrid* grid_;
};

// --- the formatted grid ----------------------------------------------------------------

TMFormatedStringGrid::TMFormatedStringGrid(QWidget* parent) : TMFormatedStringGrid(0, 0, parent) {}

TMFormatedStringGrid::TMFormatedStringGrid(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent)
{
    setItemDelegate(new TGridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    watchFocus();
}

void TMFormatedStringGrid::watchFocus()
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        auto inside = [this](QWidget* w) {
            for (; w; w = w->parentWidget())
                if (w == this) return true;
            return false;
        };
        // Another control of the same window: a message box or another
        // window taking the focus is no leaving.
        if (old && now && inside(old) && !inside(now) && now->window() == window()) emit exited();
    });
}

TFormatKind TMFormatedStringGrid::formatKind(int column, int row) const
{
    return onGetFormatKind ? onGetFormatKind(column, row) : TFormatKind::Text;
}

QWidget* TMFormatedStringGrid::createCellEditor(QWidget* parent, const QModelIndex& index)
{
    auto* le = new QLineEdit(parent);
    le->setFrame(false);
    if (formatKind(index.column(), index.row()) == TFormatKind::Date) le->setInputMask(QStringLiteral("99/99/9999;_"));
    return le;
}

void TMFormatedStringGrid::commitEditor()
{
    if (editor_ && state() == QAbstractItemView::EditingState) commitData(editor_);
}

void TMFormatedStringGrid::discardEditor()
{
    if (editor_ && state() == QAbstractItemView::EditingState) closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
}

bool TMFormatedStringGrid::askSelect(const QModelIndex& target)
{
    if (!onSelectCell || asking_) return true;
    asking_ = true;
    commitEditor();
    const bool ok = onSelectCell(target.column(), target.row());
    asking_ = false;
    if (!ok) {
        refused_ = true;
        // The user stays in the cell, its editor open.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && currentIndex().isValid() && state() != QAbstractItemView::EditingState)
                edit(currentIndex());
        });
    }
    return ok;
}

bool TMFormatedStringGrid::selectCell(int row, int column)
{
    const QModelIndex target = model()->index(row, column);
    if (!target.isValid() || column < fixedColumns_) return false;
    if (target == currentIndex()) return true;
    if (!askSelect(target)) return false;
    setCurrentCell(row, column);
    return true;
}

QModelIndex TMFormatedStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (next.isValid() && next.column() < fixedColumns_ && fixedColumns_ < columnCount()) {
        // Caption columns: Shift+Tab goes to the end of the row above.
        if (action == MovePrevious && current.isValid() && current.row() > 0 && next.row() == current.row())
            next = model()->index(current.row() - 1, columnCount() - 1);
        else
            next = model()->index(next.row(), fixedColumns_);
    }
    if (!next.isValid() || next == current) return next;
    return askSelect(next) ? next : current;
}

void TMFormatedStringGrid::mousePressEvent(QMouseEvent* e)
{
    const QModelIndex target = indexAt(e->position().toPoint());
    if (target.isValid() && target != currentIndex()) {
        if (target.column() < fixedColumns_ || !askSelect(target)) {
            e->accept();
            return;
        }
    }
    QTableWidget::mousePressEvent(e);
}

void TMFormatedStringGrid::keyPressEvent(QKeyEvent* e)
{
    if (onKeyPress && onKeyPress(e)) return;
    QTableWidget::keyPressEvent(e);
}

void TMFormatedStringGrid::focusInEvent(QFocusEvent* e)
{
    QTableWidget::focusInEvent(e);
    // The cell editor is always shown while the grid has the focus.
    const QModelIndex cell = currentIndex();
    if (!isEditing() && cell.isValid() && cell.column() >= fixedColumns_) edit(cell);
}

bool TMFormatedStringGrid::focusNextPrevChild(bool next)
{
    // Tab moves between the cells; a refused move keeps the focus here.
    if (tabKeyNavigation() && isEnabled() && viewport()->isEnabled()) {
        QKeyEvent event(QEvent::KeyPress, next ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
        refused_ = false;
        keyPressEvent(&event);
        if (event.isAccepted() || refused_) return true;
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

bool TMFormatedStringGrid::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* le = LineEditOf(watched);
    if (le && event->type() == QEvent::Resize) {
        if (auto* button = le->findChild<QToolButton*>(QStringLiteral("ellipsis")))
            button->setGeometry(le->width() - kEllipsisWidth, 0, kEllipsisWidth, le->height());
    }
    if (le && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (onKeyPress && onKeyPress(k)) return true;
        const QString t = k->text();
        const QModelIndex cell = currentIndex();
        if (t.size() == 1 && cell.isValid() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const TFormatKind kind = formatKind(cell.column(), cell.row());
            // Either separator goes in as the locale's.
            if ((kind == TFormatKind::Real || kind == TFormatKind::Real2) &&
                TypeNumberKey(le, t.at(0), false) != TNumberKey::Other)
                return true;
            if (!FormatKeyAccepted(kind, le->text(), le->cursorPosition(), t.at(0))) return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

// --- the grid with cell editors of three styles ------------------------------------------

TMCoolGrid::TMCoolGrid(QWidget* parent) : TMCoolGrid(0, 0, parent) {}

TMCoolGrid::TMCoolGrid(int rows, int columns, QWidget* parent) : TMFormatedStringGrid(rows, columns, parent) {}

TEditStyle TMCoolGrid::GetEditStyle(int column, int row, bool& readOnly) const
{
    TEditStyle style = TEditStyle::Simple;
    readOnly = false;
    if (onGetEditStyle) onGetEditStyle(column, row, style, readOnly);
    return style;
}

QWidget* TMCoolGrid::createCellEditor(QWidget* parent, const QModelIndex& index)
{
    bool readOnly = false;
    const TEditStyle style = GetEditStyle(index.column(), index.row(), readOnly);
    if (style == TEditStyle::PickList) {
        auto* combo = new TPickList(parent);
        combo->opening = [this] { emit dropDown(); };
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setMaxVisibleItems(dropDownCount_);
        QStringList items;
        if (onGetDropDownList) onGetDropDownList(index.column(), index.row(), items);
        combo->addItems(items);
        combo->lineEdit()->setReadOnly(readOnly);
        connect(combo, &QComboBox::activated, this, &TMCoolGrid::closeUp);
        connect(combo->lineEdit(), &QLineEdit::textChanged, this, &TMCoolGrid::changeInplaceEditor);
        return combo;
    }
    QWidget* editor = TMFormatedStringGrid::createCellEditor(parent, index);
    auto* le = qobject_cast<QLineEdit*>(editor);
    le->setReadOnly(readOnly);
    connect(le, &QLineEdit::textChanged, this, &TMCoolGrid::changeInplaceEditor);
    if (style == TEditStyle::Ellipsis) {
        auto* button = new QToolButton(le);
        button->setObjectName(QStringLiteral("ellipsis"));
        button->setText(QStringLiteral("..."));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::ArrowCursor);
        le->setTextMargins(0, 0, kEllipsisWidth, 0);
        button->setGeometry(le->width() - kEllipsisWidth, 0, kEllipsisWidth, le->height());
        connect(button, &QToolButton::clicked, this, &TMCoolGrid::editButtonClicked);
    }
    return editor;
}

void TMCoolGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QModelIndex cell = indexAt(e->position().toPoint());
    bool readOnly = false;
    if (cell.isValid() && GetEditStyle(cell.column(), cell.row(), readOnly) == TEditStyle::Ellipsis) emit editButtonClicked();
    TMFormatedStringGrid::mouseDoubleClickEvent(e);
}

} // namespace orv

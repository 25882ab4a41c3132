// The string grids of the input forms.
//   TMFormatedStringGrid  cells restricted per cell to a kind of value
//                         (free text, integer, real, real with two
//                         decimals, date): keys are filtered while typing
//                         and the text is converted when it is taken;
//   TMCoolGrid            adds per-cell editors with a pick list or an
//                         ellipsis button.
// Both ask the form before the user moves to another cell (keys, Tab, mouse),
// so that a form can check the cell being left and keep the user there; the
// columns before `fixedColumns()` hold captions and are never entered.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QTableWidget>

#include <functional>

class QKeyEvent;

namespace orv {

enum class TFormatKind : unsigned char { Text = 0, Integer = 1, Real = 2, Real2 = 3, Date = 4 };
enum class TEditStyle : unsigned char { Simple = 0, Ellipsis = 1, PickList = 2 };

// The text a cell of the kind keeps for a typed text: integers and reals
// as typed when they convert, reals with two decimals rounded and written
// with two decimals; a text that does not convert becomes "0", "0,00"
// (the locale's separator) or today's date.
QString FormatCellText(TFormatKind kind, const QString& text);
// Whether a typed character may enter a cell of the kind whose text is
// `text` with the caret at `caret` (control characters always may).
bool FormatKeyAccepted(TFormatKind kind, const QString& text, int caret, QChar c);

class TMFormatedStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TMFormatedStringGrid(QWidget* parent = nullptr);
    TMFormatedStringGrid(int rows, int columns, QWidget* parent = nullptr);

    // Kind of the cell (column, row); free text when unset.
    std::function<TFormatKind(int column, int row)> onGetFormatKind;
    // Asked before the user makes (column, row) the current cell; false
    // keeps the current one. The editor's text is already in its cell.
    std::function<bool(int column, int row)> onSelectCell;
    // Keys typed in a cell's editor, before the kind's filter; true when
    // the form has handled the key (it then goes no further).
    std::function<bool(QKeyEvent* event)> onKeyPress;

    int fixedColumns() const { return fixedColumns_; }
    void setFixedColumns(int n) { fixedColumns_ = n; }
    TFormatKind formatKind(int column, int row) const;

    // A move made for the user: the editor's text is taken, the form asked,
    // then the cell becomes current. False when the form refused it.
    bool selectCell(int row, int column);
    // The open editor's text into its cell.
    void commitEditor();
    // Closes the open editor without taking its text.
    void discardEditor();
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The open cell editor; nullptr while no cell is edited.
    QWidget* cellEditor() const { return isEditing() ? editor_.data() : nullptr; }

signals:
    // The focus went from the grid (or its editor) to another control of its window.
    void exited();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The editor made for a cell; the grid filters its keys.
    virtual QWidget* createCellEditor(QWidget* parent, const QModelIndex& index);
    virtual void editorCreated(QWidget* editor) {}

private:
    friend class TGridDelegate;
    bool askSelect(const QModelIndex& target);
    void watchFocus();

    int fixedColumns_ = 1;
    QPointer<QWidget> editor_;
    bool asking_ = false;
    bool refused_ = false;
};

class TMCoolGrid : public TMFormatedStringGrid {
    Q_OBJECT
public:
    explicit TMCoolGrid(QWidget* parent = nullptr);
    TMCoolGrid(int rows, int columns, QWidget* parent = nullptr);

    int dropDownCount() const { return dropDownCount_; }
    void setDropDownCount(int n) { dropDownCount_ = n; }
    // Style and read-only state of a cell's editor (simple, writable when unset).
    std::function<void(int column, int row, TEditStyle& style, bool& readOnly)> onGetEditStyle;
    // The lines of a pick-list cell.
    std::function<void(int column, int row, QStringList& items)> onGetDropDownList;

signals:
    void editButtonClicked();
    void dropDown();
    void closeUp();
    void changeInplaceEditor();

protected:
    QWidget* createCellEditor(QWidget* parent, const QModelIndex& index) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    TEditStyle GetEditStyle(int column, int row, bool& readOnly) const;
    int dropDownCount_ = 10;
};

} // namespace orv

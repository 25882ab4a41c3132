// The picture picker: a read-only box that shows one of a few named
// pictures (on the main window the support scheme of a wall plate) and,
// when clicked, through its "..." part or Alt+Down, drops a panel with one
// flat button per picture, arranged in rows. Clicking a picture chooses it
// and closes the panel; the arrow keys step through the pictures.
#pragma once

#include <QColor>
#include <QFrame>
#include <QStringList>
#include <QWidget>

#include <vector>

class QToolButton;

namespace orv {

// The drop-down panel: up to 15 item buttons in rows of `colCount`.
class TXPDropPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int MaxItems = 15;

    explicit TXPDropPanel(QWidget* parent = nullptr);

    int selectedItem() const { return selected_; }
    void setSelectedItem(int index) { selected_ = index; }
    // Lays out one button per item (at most 15): W = item width + 10,
    // H = item height + 2, rows of colCount from (4, 4); panel
    // min(colCount, n) W + 8 by rows H + 8, plus its frame.
    void BuildItems(const QStringList& items, int colCount, int itemWidth, int itemHeight,
                    const QStringList& toolTips);
    QToolButton* itemButton(int index) const { return buttons_[index]; }

signals:
    // A picture was clicked (selectedItem() holds it).
    void itemSelected();
    // Escape, Enter or Alt+Up/Down while the panel is open; accept for Enter.
    void closeRequested(bool accept);
    // The panel went away (also when a click outside closed it).
    void hidden();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    std::vector<QToolButton*> buttons_;
    int selected_ = 0;
};

class TCrossSectionBox : public QWidget {
    Q_OBJECT
public:
    explicit TCrossSectionBox(QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    void setItems(const QStringList& names);
    // Tool tips of the items' buttons in the panel, by item.
    void setItemToolTips(const QStringList& tips) { toolTips_ = tips; }
    int itemIndex() const { return index_; }
    // Brought into the items (0 with none); repaints, raises nothing.
    void setItemIndex(int index);
    int itemColCount() const { return colCount_; }
    void setItemColCount(int n) { colCount_ = n > 0 ? n : 1; }
    int itemWidth() const { return itemWidth_; }
    void setItemWidth(int w);
    int itemHeight() const { return itemHeight_; }
    // Also makes the box itemHeight + 8 high.
    void setItemHeight(int h);
    bool useUserHighlightColor() const { return useUserHighlight_; }
    void setUseUserHighlightColor(bool on) { useUserHighlight_ = on; update(); }
    QColor userHighlightColor() const { return userHighlight_; }
    void setUserHighlightColor(const QColor& c) { userHighlight_ = c; update(); }
    bool speedButtonVisible() const { return speedVisible_; }
    void setSpeedButtonVisible(bool on);

    bool isDropped() const { return dropped_; }
    TXPDropPanel* panel() const { return panel_; }
    void DropDown();
    // Closes the panel; the panel's selection is taken either way.
    void CloseUp(bool accept);

    QSize sizeHint() const override;

signals:
    // The shown picture changed through the panel or the arrow keys.
    void changed();
    void droppedDown();
    void closedUp();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void stepIndex(int delta);
    QRect pictureRect() const;

    QStringList items_;
    QStringList toolTips_;
    int index_ = 0;
    int colCount_ = 4;
    int itemWidth_ = 30;
    int itemHeight_ = 30;
    bool useUserHighlight_ = false;
    QColor userHighlight_ = QColor(0xFF, 0x80, 0x00);
    bool speedVisible_ = true;
    bool dropped_ = false;
    QToolButton* speed_ = nullptr;
    TXPDropPanel* panel_ = nullptr;
};

} // namespace orv

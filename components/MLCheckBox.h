// Check box and radio button whose long caption wraps onto several lines
// inside the control, with the box at the top, middle or bottom of the text.
#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace orv {

enum class TButtonLayout { Top, Center, Bottom };

class TMLCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TMLCheckBox(const QString& text = {}, QWidget* parent = nullptr);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool on);
    TButtonLayout buttonLayout() const { return layout_; }
    void setButtonLayout(TButtonLayout layout);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return multiLine_; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    bool multiLine_ = true;
    TButtonLayout layout_ = TButtonLayout::Top;
};

class TMLRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit TMLRadioButton(const QString& text = {}, QWidget* parent = nullptr);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool on);
    TButtonLayout buttonLayout() const { return layout_; }
    void setButtonLayout(TButtonLayout layout);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return multiLine_; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    bool multiLine_ = true;
    TButtonLayout layout_ = TButtonLayout::Center;
};

// Where the box of a button of the given height stands (its top), for a
// text block of textHeight laid out from the top.
int ButtonIndicatorTop(TButtonLayout layout, bool multiLine, int height, int textHeight, int indicatorHeight);

} // namespace orv

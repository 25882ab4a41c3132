// Check box and radio button whose long caption wraps onto several lines
// inside the control, with the box at the top, middle or bottom of the text.
#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace orv {

enum class TButtonLayout { Top, Center, Bottom };

// Where the box of a button of the given height stands (its top), for a
// text block of textHeight laid out from the top.
int ButtonIndicatorTop(TButtonLayout layout, bool multiLine, int height, int textHeight, int indicatorHeight);

// The size, hit area and painting shared by the two buttons.
namespace mlbutton {
// The heights of the last few widths asked for; a layout asks for the same
// widths again and again, and each answer wraps the caption anew. They hold
// while the caption, font, resolution, style and wrapping stay as they were.
struct HeightCache {
    static constexpr int kSize = 4;
    QString text;
    QFont font;
    int dpi = 0;
    const QStyle* style = nullptr;
    bool multiLine = false;
    int widths[kSize] = {-1, -1, -1, -1};
    int heights[kSize] = {};
    int next = 0;
};
QSize SizeHint(const QAbstractButton* b, bool radio);
int HeightForWidth(const QAbstractButton* b, bool radio, bool multiLine, int width);
int HeightForWidth(const QAbstractButton* b, bool radio, bool multiLine, int width, HeightCache& cache);
void Paint(QAbstractButton* b, bool radio, bool multiLine, TButtonLayout layout);
} // namespace mlbutton

template <typename Base, bool Radio>
class TMultiLineButton : public Base {
public:
    TMultiLineButton(const QString& text, QWidget* parent, TButtonLayout layout)
        : Base(text, parent), layout_(layout)
    {
        QSizePolicy sp = this->sizePolicy();
        sp.setHeightForWidth(true);
        this->setSizePolicy(sp);
    }

    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool on)
    {
        if (on == multiLine_) return;
        multiLine_ = on;
        this->updateGeometry();
        this->update();
    }
    TButtonLayout buttonLayout() const { return layout_; }
    void setButtonLayout(TButtonLayout layout)
    {
        if (layout == layout_) return;
        layout_ = layout;
        this->update();
    }
    QSize sizeHint() const override { return mlbutton::SizeHint(this, Radio); }
    bool hasHeightForWidth() const override { return multiLine_; }
    int heightForWidth(int width) const override
    {
        return mlbutton::HeightForWidth(this, Radio, multiLine_, width, heights_);
    }

protected:
    void paintEvent(QPaintEvent*) override { mlbutton::Paint(this, Radio, multiLine_, layout_); }
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

private:
    bool multiLine_ = true;
    TButtonLayout layout_;
    mutable mlbutton::HeightCache heights_;
};

// A check box made in code has its box at the top of the text.
class TMLCheckBox : public TMultiLineButton<QCheckBox, false> {
    Q_OBJECT
public:
    explicit TMLCheckBox(const QString& text = {}, QWidget* parent = nullptr)
        : TMultiLineButton(text, parent, TButtonLayout::Top)
    {
    }
};

// A radio button made in code has its box centred on the text.
class TMLRadioButton : public TMultiLineButton<QRadioButton, true> {
    Q_OBJECT
public:
    explicit TMLRadioButton(const QString& text = {}, QWidget* parent = nullptr)
        : TMultiLineButton(text, parent, TButtonLayout::Center)
    {
    }
};

} // namespace orv

#include "components/CrossSectionBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <algorithm>

#include "drawing/PlateSchemePictures.h"

namespace orv {
namespace {

constexpr int kSpeedWidth = 16;

// The colour c brought towards white by percent.
QColor Lighten(const QColor& c, int percent)
{
    auto up = [&](int v) { return v + (255 - v) * percent / 100; };
    return QColor(up(c.red()), up(c.green()), up(c.blue()));
}

} // namespace

// --- the panel ----------------------------------------------------------------------

TXPDropPanel::TXPDropPanel(QWidget* parent) : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("DropPanel"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    // A click outside closes the panel and is not passed on to the box.
    setAttribute(Qt::WA_NoMouseReplay);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    setPalette(pal);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int k = 0; k < MaxItems; ++k) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("item%1").arg(k));
        b->setAutoRaise(true);
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
        group->addButton(b, k);
        connect(b, &QToolButton::clicked, this, [this, k] {
            if (!isVisible()) return;
            selected_ = k;
            emit itemSelected();
        });
        buttons_.push_back(b);
    }
    resize(262, 101);
}

void TXPDropPanel::BuildItems(const QStringList& items, int colCount, int itemWidth, int itemHeight,
                              const QStringList& toolTips)
{
    const int n = std::min<int>(items.size(), MaxItems);
    const int W = itemWidth + 10;
    const int H = itemHeight + 2;
    const int rows = (n + colCount - 1) / colCount;
    const int frame = frameWidth();
    resize(std::min(colCount, n) * W + 8 + 2 * frame, rows * H + 8 + 2 * frame);
    for (int k = 0; k < MaxItems; ++k) {
        QToolButton* b = buttons_[k];
        if (k >= n) {
            b->hide();
            b->setChecked(false);
            continue;
        }
        b->setGeometry(frame + 4 + (k % colCount) * W, frame + 4 + (k / colCount) * H, W, H);
        b->setIconSize(QSize(itemWidth, itemHeight));
        b->setIcon(QIcon(QPixmap::fromImage(NamedPicture(items[k], QSize(itemWidth, itemHeight)))));
        b->setToolTip(k < toolTips.size() ? toolTips[k] : QString());
        b->setChecked(k == selected_);
        b->show();
    }
}

void TXPDropPanel::keyPressEvent(QKeyEvent* e)
{
    const bool alt = e->modifiers() & Qt::AltModifier;
    if (alt && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
        emit closeRequested(true);
        return;
    }
    if (!alt && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape)) {
        emit closeRequested(e->key() != Qt::Key_Escape);
        return;
    }
    QFrame::keyPressEvent(e);
}

void TXPDropPanel::hideEvent(QHideEvent* e)
{
    QFrame::hideEvent(e);
    emit hidden();
}

// --- the box --------------------------------------------------------------------------

TCrossSectionBox::TCrossSectionBox(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    speed_ = new QToolButton(this);
    speed_->setObjectName(QStringLiteral("speed"));
    speed_->setText(QStringLiteral("..."));
    speed_->setFocusPolicy(Qt::NoFocus);
    speed_->setCursor(Qt::ArrowCursor);
    connect(speed_, &QToolButton::clicked, this, [this] {
        setFocus(Qt::MouseFocusReason);
        DropDown();
    });
    panel_ = new TXPDropPanel(this);
    connect(panel_, &TXPDropPanel::itemSelected, this, [this] {
        update();
        CloseUp(true);
    });
    connect(panel_, &TXPDropPanel::closeRequested, this, &TCrossSectionBox::CloseUp);
    connect(panel_, &TXPDropPanel::hidden, this, [this] {
        if (dropped_) CloseUp(false);
    });
    setItemHeight(itemHeight_);
}

void TCrossSectionBox::setItems(const QStringList& names)
{
    items_ = names;
    setItemIndex(index_);
}

void TCrossSectionBox::setItemIndex(int index)
{
    index_ = items_.isEmpty() ? 0 : std::clamp(index, 0, int(items_.size()) - 1);
    update();
}

void TCrossSectionBox::setItemWidth(int w)
{
    itemWidth_ = std::max(1, w);
    updateGeometry();
    update();
}

void TCrossSectionBox::setItemHeight(int h)
{
    itemHeight_ = std::max(1, h);
    setFixedHeight(itemHeight_ + 8);
    update();
}

void TCrossSectionBox::setSpeedButtonVisible(bool on)
{
    speedVisible_ = on;
    speed_->setVisible(on);
    update();
}

QSize TCrossSectionBox::sizeHint() const
{
    return QSize(itemWidth_ + 20 + (speedVisible_ ? kSpeedWidth : 0), itemHeight_ + 8);
}

void TCrossSectionBox::resizeEvent(QResizeEvent*)
{
    speed_->setGeometry(width() - kSpeedWidth - 2, 2, kSpeedWidth, height() - 4);
}

QRect TCrossSectionBox::pictureRect() const
{
    const int button = speedVisible_ ? kSpeedWidth + 2 : 0;
    return QRect(3, 3, width() - button - 6, height() - 6);
}

void TCrossSectionBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &p, this);

    const bool enabled = isEnabled();
    const QRect r = pictureRect();
    QColor fill = palette().color(enabled ? QPalette::Base : QPalette::Button);
    if (hasFocus() && enabled && !dropped_)
        fill = useUserHighlight_ ? Lighten(userHighlight_, 72) : palette().color(QPalette::Highlight);
    p.fillRect(r, fill);
    if (hasFocus() && enabled) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r;
        focus.backgroundColor = fill;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
    if (items_.isEmpty()) return;
    const QColor ink = enabled ? palette().color(QPalette::Text) : palette().color(QPalette::Dark);
    const QImage picture = NamedPicture(items_[index_], QSize(itemWidth_, itemHeight_), ink);
    if (picture.isNull()) return;
    p.drawImage(r.left() + (r.width() - picture.width()) / 2, r.top() + (r.height() - picture.height()) / 2, picture);
}

void TCrossSectionBox::DropDown()
{
    if (dropped_ || !isEnabled()) return;
    emit droppedDown();
    panel_->setSelectedItem(index_);
    panel_->BuildItems(items_, colCount_, itemWidth_, itemHeight_, toolTips_);
    // Under the box; above it near the bottom of the screen, aligned to its
    // right edge near the right of the screen.
    const QPoint p = mapToGlobal(QPoint(0, 0));
    const QScreen* sc = screen();
    const QRect area = sc ? sc->availableGeometry() : QRect(0, 0, 1024, 768);
    int y = p.y() + height();
    if (area.bottom() + 1 < y + panel_->height()) y = p.y() - panel_->height();
    int x = p.x();
    if (area.right() + 1 < x + panel_->width()) x = p.x() + width() - panel_->width();
    panel_->move(x, y);
    dropped_ = true;
    panel_->show();
    update();
}

void TCrossSectionBox::CloseUp(bool)
{
    if (!dropped_) return;
    dropped_ = false;
    panel_->hide();
    const int chosen = panel_->selectedItem();
    if (chosen != index_ && chosen >= 0 && chosen < items_.size()) {
        index_ = chosen;
        emit changed();
    }
    update();
    emit closedUp();
    setFocus(Qt::PopupFocusReason);
}

void TCrossSectionBox::stepIndex(int delta)
{
    if (items_.isEmpty()) return;
    const int next = std::clamp(index_ + delta, 0, int(items_.size()) - 1);
    if (next == index_) return;
    index_ = next;
    update();
    emit changed();
}

void TCrossSectionBox::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        if (dropped_) CloseUp(false);
        else DropDown();
    }
    QWidget::mousePressEvent(e);
}

void TCrossSectionBox::keyPressEvent(QKeyEvent* e)
{
    const bool alt = e->modifiers() & Qt::AltModifier;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (alt) {
            if (dropped_) CloseUp(true);
            else DropDown();
            return;
        }
        stepIndex(e->key() == Qt::Key_Up ? -1 : 1);
        return;
    case Qt::Key_Left: stepIndex(-1); return;
    case Qt::Key_Right: stepIndex(1); return;
    default: QWidget::keyPressEvent(e);
    }
}

void TCrossSectionBox::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
}

void TCrossSectionBox::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

} // namespace orv

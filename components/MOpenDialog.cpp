#include "components/MOpenDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDevice>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QRegion>
#include <QShortcutEvent>
#include <QStyleOptionTab>
#include <QStyleOptionTabBarBase>
#include <QStylePainter>
#include <QTabBar>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace orv {
namespace {

TMOpenDialog::Responder& BoundResponder()
{
    static TMOpenDialog::Responder responder;
    return responder;
}

} // namespace

TMOpenDialog::Responder TMOpenDialog::bindResponder(Responder r)
{
    Responder old = std::move(BoundResponder());
    BoundResponder() = std::move(r);
    return old;
}

bool TMOpenDialog::Execute(QWidget* parent)
{
    if (BoundResponder()) return BoundResponder()(*this);

    QFileDialog dialog(parent, title, initialDir, filter);
    dialog.setAcceptMode(mode_ == Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode_ == Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The dialog adds the extension before its overwrite question, so a
    // name typed without one never replaces another file unasked.
    if (!defaultExt.isEmpty()) dialog.setDefaultSuffix(defaultExt);
    dialog.setViewMode(defaultView == TMOpenDialogView::Report ? QFileDialog::Detail : QFileDialog::List);
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return false;
    fileName = files.first();
    return true;
}

TMTabControl::TMTabControl(QWidget* parent) : QWidget(parent)
{
    // The arrows first among the children, as on a tab bar.
    leftButton_ = new QToolButton(this);
    leftButton_->setObjectName(QStringLiteral("ScrollLeftButton"));
    rightButton_ = new QToolButton(this);
    rightButton_->setObjectName(QStringLiteral("ScrollRightButton"));
    for (QToolButton* b : {leftButton_, rightButton_}) {
        b->setAutoRepeat(true);
        b->hide();
        connect(b, &QToolButton::clicked, this, [this, b] { scrollButtonClicked(b == leftButton_); });
    }
    leftButton_->setAccessibleName(QCoreApplication::translate("QTabBar", "Scroll Left"));
    rightButton_->setAccessibleName(QCoreApplication::translate("QTabBar", "Scroll Right"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // The font and colours the platform gives tab bars.
    if (QApplication::font("QTabBar") != QApplication::font()) setFont(QApplication::font("QTabBar"));
    if (QApplication::palette("QTabBar") != QApplication::palette()) setPalette(QApplication::palette("QTabBar"));
    setFocusPolicy(Qt::NoFocus);
    elideMode_ = Qt::TextElideMode(style()->styleHint(QStyle::SH_TabBar_ElideMode, nullptr, this));
    useScrollButtons_ = !style()->styleHint(QStyle::SH_TabBar_PreferNoArrows, nullptr, this);
    left_.assign(1, 0);
}

QString TMTabControl::tabText(int index) const
{
    return isTabVisible(index) ? texts_[index] : QString();
}

void TMTabControl::initTabBase(QStyleOptionTab& opt) const
{
    opt.initFrom(this);
    opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    opt.shape = QTabBar::RoundedNorth;
    const int icon = style()->pixelMetric(QStyle::PM_TabBarIconSize, nullptr, this);
    opt.iconSize = QSize(icon, icon);
}

void TMTabControl::initTabOption(QStyleOptionTab& opt, int index) const
{
    const int n = count();
    initTabBase(opt);
    opt.rect = tabRect(index);
    opt.row = 0;
    if (index == pressed_) opt.state |= QStyle::State_Sunken;
    if (index == current_) {
        opt.state |= QStyle::State_Selected;
        if (hasFocus()) opt.state |= QStyle::State_HasFocus;
    }
    if (isActiveWindow()) opt.state |= QStyle::State_Active;
    opt.text = texts_[index];
    opt.documentMode = false;
    if (index > 0 && index - 1 == current_)
        opt.selectedPosition = QStyleOptionTab::PreviousIsSelected;
    else if (index + 1 < n && index + 1 == current_)
        opt.selectedPosition = QStyleOptionTab::NextIsSelected;
    else
        opt.selectedPosition = QStyleOptionTab::NotAdjacent;
    if (n == 1)
        opt.position = QStyleOptionTab::OnlyOneTab;
    else if (index == 0)
        opt.position = QStyleOptionTab::Beginning;
    else if (index == n - 1)
        opt.position = QStyleOptionTab::End;
    else
        opt.position = QStyleOptionTab::Middle;
    opt.tabIndex = index;
}

void TMTabControl::measureTabs(int from, int to)
{
    // A tab is its text, the style's spaces around it, and what the style
    // adds to a tab; the option is filled once and only its text changes.
    sizes_.resize(texts_.size());
    if (from >= to) return;
    ensurePolished();
    QStyleOptionTab opt;
    initTabBase(opt);
    const QFontMetrics fm = fontMetrics();
    const int hframe = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
    const int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
    for (int i = from; i < to; ++i) {
        opt.text = texts_[i];
        opt.tabIndex = i;
        const QSize contents(fm.size(Qt::TextShowMnemonic, opt.text).width() + hframe, fm.height() + vframe);
        sizes_[i] = style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, contents, this);
    }
}

void TMTabControl::grabMnemonic(int index)
{
    // An ampersand in a name makes Alt and its letter choose the tab.
    if (shortcuts_[index]) releaseShortcut(shortcuts_[index]);
    shortcuts_[index] = grabShortcut(QKeySequence::mnemonic(texts_[index]));
}

void TMTabControl::ensureLaidOut() const
{
    if (layoutDirty_) const_cast<TMTabControl*>(this)->layoutTabs();
}

void TMTabControl::layoutTabs()
{
    layoutDirty_ = false;
    const int n = count();
    left_.resize(n + 1);
    left_[0] = 0;
    height_ = 0;
    for (int i = 0; i < n; ++i) {
        left_[i + 1] = left_[i] + sizes_[i].width();
        height_ = std::max(height_, sizes_[i].height());
    }
    const int last = left_[n], available = width();
    // Whole tabs, side by side: spare room goes where the style aligns them.
    if (last < available) {
        const auto align = Qt::Alignment(style()->styleHint(QStyle::SH_TabBar_Alignment, nullptr, this));
        const int shift = align & Qt::AlignRight ? available - last : align & Qt::AlignHCenter ? (available - last) / 2 : 0;
        if (shift)
            for (int& x : left_) x += shift;
    }

    if (useScrollButtons_ && n > 0 && last > available) {
        const QRect scroll = scrollRect(0);
        QStyleOption opt;
        opt.initFrom(this);
        QRect leftRect = style()->subElementRect(QStyle::SE_TabBarScrollLeftButton, &opt, this);
        QRect rightRect = style()->subElementRect(QStyle::SE_TabBarScrollRightButton, &opt, this);
        const int buttonWidth = style()->pixelMetric(QStyle::PM_TabBarScrollButtonWidth, &opt, this);
        // The buttons are as wide as the style says; the rest of their
        // rectangles is a margin toward the tabs.
        if (layoutDirection() == Qt::RightToLeft) {
            rightRect.setWidth(buttonWidth);
            leftRect.setX(leftRect.right() + 1 - buttonWidth);
            leftRect.setWidth(buttonWidth);
            leftButton_->setArrowType(Qt::RightArrow);
            rightButton_->setArrowType(Qt::LeftArrow);
        } else {
            leftRect.setWidth(buttonWidth);
            rightRect.setX(rightRect.right() + 1 - buttonWidth);
            rightRect.setWidth(buttonWidth);
            leftButton_->setArrowType(Qt::LeftArrow);
            rightButton_->setArrowType(Qt::RightArrow);
        }
        leftButton_->setGeometry(leftRect);
        leftButton_->setEnabled(false);
        leftButton_->show();
        rightButton_->setGeometry(rightRect);
        rightButton_->setEnabled(last + scroll.left() > scroll.x() + scroll.width());
        rightButton_->show();
    } else {
        rightButton_->hide();
        leftButton_->hide();
    }
}

QRect TMTabControl::scrollRect(int index) const
{
    // The free part of the strip, clear of the arrows and of the tear marks
    // of tabs cut at its edges; the whole widget without arrows.
    if (leftButton_->isHidden()) return rect();
    QStyleOptionTab opt;
    if (isTabVisible(current_))
        initTabOption(opt, current_);
    else
        opt.initFrom(this);
    opt.shape = QTabBar::RoundedNorth;
    opt.rect = rect();
    QRect leftButton = style()->subElementRect(QStyle::SE_TabBarScrollLeftButton, &opt, this);
    QRect rightButton = style()->subElementRect(QStyle::SE_TabBarScrollRightButton, &opt, this);
    QRect tearLeft = style()->subElementRect(QStyle::SE_TabBarTearIndicatorLeft, &opt, this);
    QRect tearRight = style()->subElementRect(QStyle::SE_TabBarTearIndicatorRight, &opt, this);
    if (layoutDirection() == Qt::RightToLeft) {
        leftButton = QStyle::visualRect(Qt::RightToLeft, rect(), leftButton);
        rightButton = QStyle::visualRect(Qt::RightToLeft, rect(), rightButton);
        tearLeft = QStyle::visualRect(Qt::RightToLeft, rect(), tearLeft);
        tearRight = QStyle::visualRect(Qt::RightToLeft, rect(), tearRight);
    }
    const bool leftOnLeft = leftButton.x() < width() / 2;
    const bool rightOnLeft = rightButton.x() < width() / 2;
    int leftEdge = 0, rightEdge = width();
    if (leftOnLeft && rightOnLeft) {
        leftEdge = rightButton.right() + 1;
    } else if (!leftOnLeft && !rightOnLeft) {
        rightEdge = leftButton.left();
    } else {
        leftEdge = leftButton.right() + 1;
        rightEdge = rightButton.left();
    }
    const int n = count();
    const bool tearLeftShown = index != 0 && leftEdge != -scrollOffset_;
    const bool tearRightShown = index != n - 1 && rightEdge != left_[n] - scrollOffset_;
    if (tearLeftShown && !tearLeft.isNull()) leftEdge = tearLeft.right() + 1;
    if (tearRightShown && !tearRight.isNull()) rightEdge = tearRight.left();
    return QRect(leftEdge, 0, rightEdge - leftEdge, height());
}

void TMTabControl::makeVisible(int index)
{
    if (!isTabVisible(index)) return;
    ensureLaidOut();
    const int oldOffset = scrollOffset_;
    const int tabStart = left_[index], tabEnd = left_[index + 1] - 1;
    const int lastTabEnd = left_[count()] - 1;
    const QRect scroll = scrollRect(index);
    const QRect entire = scrollRect(0); // without tear marks
    const int shownStart = std::max(1, scroll.left() + scrollOffset_);
    const int shownEnd = std::min(lastTabEnd - 1, scroll.right() + scrollOffset_);
    if (width() >= lastTabEnd)
        scrollOffset_ = 0; // all of them fit
    else if (tabStart < shownStart)
        scrollOffset_ = tabStart - scroll.left();
    else if (tabEnd > shownEnd)
        scrollOffset_ = std::max(0, tabEnd - scroll.right());
    else if (scrollOffset_ + entire.width() > lastTabEnd + 1)
        scrollOffset_ = std::max(0, lastTabEnd - entire.width() + 1); // no room left empty on the right
    leftButton_->setEnabled(scrollOffset_ > -scroll.left());
    rightButton_->setEnabled(scrollOffset_ < lastTabEnd - scroll.right());
    if (oldOffset != scrollOffset_) update();
}

void TMTabControl::refresh()
{
    if (!isVisible()) {
        layoutDirty_ = true;
        return;
    }
    layoutTabs();
    makeVisible(current_);
    update();
    updateGeometry();
}

QRect TMTabControl::tabRect(int index) const
{
    if (!isTabVisible(index)) return QRect();
    ensureLaidOut();
    const QRect r(left_[index] - scrollOffset_, 0, left_[index + 1] - left_[index], height_);
    return QStyle::visualRect(layoutDirection(), rect(), r);
}

int TMTabControl::firstEndingAfter(int x) const
{
    // The first tab whose right edge in the unscrolled strip is at or past x.
    return int(std::upper_bound(left_.begin() + 1, left_.end(), x) - (left_.begin() + 1));
}

int TMTabControl::tabAt(const QPoint& pos) const
{
    if (count() == 0) return -1;
    ensureLaidOut();
    if (pos.y() < 0 || pos.y() >= height_) return -1;
    const int x = (layoutDirection() == Qt::RightToLeft ? width() - 1 - pos.x() : pos.x()) + scrollOffset_;
    if (x < left_.front() || x >= left_.back()) return -1;
    return firstEndingAfter(x);
}

void TMTabControl::setCurrentIndex(int index)
{
    if (index == current_ || !isTabVisible(index)) return;
    current_ = index;
    update();
    if (!isVisible())
        layoutDirty_ = true;
    else
        makeVisible(index);
    emit currentChanged(index);
}

int TMTabControl::addTab(const QString& text)
{
    texts_.append(text);
    shortcuts_.push_back(0);
    grabMnemonic(count() - 1);
    measureTabs(count() - 1, count());
    refresh();
    if (count() == 1) setCurrentIndex(0);
    return count() - 1;
}

void TMTabControl::setTabText(int index, const QString& text)
{
    if (!isTabVisible(index)) return;
    texts_[index] = text;
    grabMnemonic(index);
    measureTabs(index, index + 1);
    refresh();
}

void TMTabControl::setTabs(const QStringList& texts, int current)
{
    const int n = int(texts.size());
    // Tabs beyond the new ones go from the last; the current among them
    // hands its place to the one before, as a removed tab does.
    while (count() > n) {
        const int k = count() - 1;
        if (shortcuts_[k]) releaseShortcut(shortcuts_[k]);
        texts_.removeLast();
        sizes_.pop_back();
        shortcuts_.pop_back();
        if (!layoutDirty_) left_.resize(std::size_t(k) + 1); // the edges before stay right
        if (k == current_) {
            current_ = -1;
            if (k > 0) setCurrentIndex(k - 1);
            else emit currentChanged(-1);
        }
    }
    const int kept = count();
    for (int i = 0; i < kept; ++i) {
        if (texts_[i] == texts[i]) continue;
        texts_[i] = texts[i];
        grabMnemonic(i);
        measureTabs(i, i + 1);
    }
    texts_.reserve(n);
    shortcuts_.reserve(std::size_t(n));
    for (int i = kept; i < n; ++i) {
        texts_.append(texts[i]);
        shortcuts_.push_back(0);
        grabMnemonic(i);
    }
    measureTabs(kept, n);
    layoutDirty_ = true;
    // The first tab of an empty strip becomes current as it comes.
    if (kept == 0 && n > 0) {
        current_ = 0;
        emit currentChanged(0);
    }
    setCurrentIndex(current);
    // The strip shows the current tab scrolled in from its start.
    scrollOffset_ = 0;
    refresh();
}

QSize TMTabControl::sizeHint() const
{
    ensureLaidOut();
    return count() ? QSize(left_.back() - left_.front(), height_) : QSize(0, 0);
}

QSize TMTabControl::minimumSizeHint() const
{
    if (!useScrollButtons_) return sizeHint();
    return QSize(rightButton_->sizeHint().width() * 2 + 75, sizeHint().height());
}

void TMTabControl::showEvent(QShowEvent*)
{
    if (layoutDirty_) refresh();
    if (!isTabVisible(current_))
        setCurrentIndex(0);
    else
        makeVisible(current_);
}

void TMTabControl::resizeEvent(QResizeEvent*)
{
    if (layoutDirty_) updateGeometry();
    layoutTabs(); // keeps the scroll offset
    makeVisible(current_);
}

void TMTabControl::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::StyleChange || e->type() == QEvent::FontChange) {
        if (e->type() == QEvent::StyleChange)
            useScrollButtons_ = !style()->styleHint(QStyle::SH_TabBar_PreferNoArrows, nullptr, this);
        measureTabs(0, count());
        refresh();
    }
    QWidget::changeEvent(e);
}

bool TMTabControl::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::Shortcut: {
        const int id = static_cast<QShortcutEvent*>(e)->shortcutId();
        const auto it = std::find(shortcuts_.begin(), shortcuts_.end(), id);
        if (it != shortcuts_.end()) {
            setCurrentIndex(int(it - shortcuts_.begin()));
            return true;
        }
        break;
    }
    case QEvent::QueryWhatsThis:
        // The tabs have no text of their own: the strip's is shown on a
        // click, as a tab bar does, but the pointer does not offer it.
        e->ignore();
        return true;
    default: break;
    }
    return QWidget::event(e);
}

void TMTabControl::paintEvent(QPaintEvent*)
{
    ensureLaidOut();
    const int n = count();
    QStylePainter p(this);
    QStyleOptionTabBarBase base;
    {
        QStyleOptionTab shape;
        shape.shape = QTabBar::RoundedNorth;
        const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, &shape, this);
        base.initFrom(this);
        base.shape = QTabBar::RoundedNorth;
        base.documentMode = false;
        if (parentWidget() && overlap > 0) base.rect = QRect(0, height() - overlap, width(), overlap);
    }
    if (n > 0)
        base.tabBarRect = QStyle::visualRect(layoutDirection(), rect(),
                                             QRect(left_.front() - scrollOffset_, 0, left_.back() - left_.front(), height_));
    base.selectedTabRect = tabRect(current_);
    p.drawPrimitive(QStyle::PE_FrameTabBarBase, base);

    // Tabs under the arrows are not to shine through them.
    const bool arrows = leftButton_->isVisible() || rightButton_->isVisible();
    if (arrows) {
        QStyleOption opt;
        opt.initFrom(this);
        QRegion buttons;
        if (leftButton_->isVisible()) buttons |= style()->subElementRect(QStyle::SE_TabBarScrollLeftButton, &opt, this);
        if (rightButton_->isVisible()) buttons |= style()->subElementRect(QStyle::SE_TabBarScrollRightButton, &opt, this);
        if (!buttons.isEmpty()) p.setClipRegion(QRegion(rect()) - buttons);
    }

    // Only the tabs in view, the current one last, on top.
    const auto option = [&](int i) {
        QStyleOptionTab opt;
        initTabOption(opt, i);
        const QRect text = style()->subElementRect(QStyle::SE_TabBarTabText, &opt, this);
        opt.text = fontMetrics().elidedText(opt.text, elideMode_, text.width(), Qt::TextShowMnemonic);
        return opt;
    };
    if (n > 0) {
        const int first = std::max(0, firstEndingAfter(scrollOffset_ - 1) - 1);
        const int last = std::min(n - 1, firstEndingAfter(scrollOffset_ + width() + 1) + 1);
        for (int i = first; i <= last; ++i) {
            if (i == current_) continue;
            const QRect r = tabRect(i);
            if (r.right() < 0 || r.left() > width()) continue;
            p.drawControl(QStyle::CE_TabBarTab, option(i));
        }
    }
    if (isTabVisible(current_)) p.drawControl(QStyle::CE_TabBarTab, option(current_));

    // Tear marks where the arrows cut a tab: the last tab starting left of
    // the free part, and the last tab when it runs past it.
    if (!arrows || n == 0) return;
    const QRect scroll = scrollRect(-1);
    const int cutLeft = int(std::lower_bound(left_.begin(), left_.end() - 1, scroll.left() + scrollOffset_) - left_.begin()) - 1;
    const bool cutLast = left_[n - 1] >= scroll.left() + scrollOffset_ && left_[n] - 1 > scroll.right() + scrollOffset_;
    if (leftButton_->isVisible() && cutLeft >= 0) {
        QStyleOptionTab tear = option(cutLeft);
        tear.rect = rect();
        tear.rect = style()->subElementRect(QStyle::SE_TabBarTearIndicatorLeft, &tear, this);
        p.drawPrimitive(QStyle::PE_IndicatorTabTearLeft, tear);
    }
    if (rightButton_->isVisible() && cutLast) {
        QStyleOptionTab tear = option(n - 1);
        tear.rect = rect();
        tear.rect = style()->subElementRect(QStyle::SE_TabBarTearIndicatorRight, &tear, this);
        p.drawPrimitive(QStyle::PE_IndicatorTabTearRight, tear);
    }
}

void TMTabControl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    pressed_ = tabAt(e->position().toPoint());
    if (!isTabVisible(pressed_)) return;
    QStyleOptionTabBarBase opt;
    opt.initFrom(this);
    if (e->type() == style()->styleHint(QStyle::SH_TabBar_SelectMouseType, &opt, this))
        setCurrentIndex(pressed_);
    else
        repaint(tabRect(pressed_));
}

void TMTabControl::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    const int pressed = pressed_;
    const int index = tabAt(e->position().toPoint()) == pressed ? pressed : -1;
    pressed_ = -1;
    QStyleOptionTabBarBase opt;
    opt.initFrom(this);
    if (style()->styleHint(QStyle::SH_TabBar_SelectMouseType, &opt, this) == QEvent::MouseButtonRelease)
        setCurrentIndex(index);
    if (isTabVisible(pressed)) update(tabRect(pressed));
}

void TMTabControl::mouseDoubleClickEvent(QMouseEvent* e)
{
    mousePressEvent(e);
    emit doubleClicked();
}

void TMTabControl::selectNextTab(int step)
{
    const int index = current_ + step;
    if (isTabVisible(index)) setCurrentIndex(index);
}

void TMTabControl::keyPressEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Left && e->key() != Qt::Key_Right) {
        e->ignore();
        return;
    }
    selectNextTab(e->key() == (isRightToLeft() ? Qt::Key_Right : Qt::Key_Left) ? -1 : 1);
}

void TMTabControl::wheelEvent(QWheelEvent* e)
{
    if (!style()->styleHint(QStyle::SH_TabBar_AllowWheelScrolling)) return;
    if (e->device()->capabilities().testFlag(QInputDevice::Capability::PixelScroll)) {
        // A wheel or pad of pixel precision scrolls the strip.
        const bool wheelVertical = std::abs(e->angleDelta().y()) > std::abs(e->angleDelta().x());
        int delta = wheelVertical ? 0 : e->pixelDelta().x();
        if (layoutDirection() == Qt::RightToLeft) delta = -delta;
        if (delta && count() > 0) {
            ensureLaidOut();
            const int oldOffset = scrollOffset_;
            const QRect scroll = scrollRect(count() - 1);
            int extent = scroll.right();
            if (!leftButton_->isVisible()) extent += leftButton_->width();
            if (!rightButton_->isVisible()) extent += rightButton_->width();
            const int maxOffset = std::max(left_.back() - 1 - extent, 0);
            scrollOffset_ = std::clamp(scrollOffset_ - delta, 0, maxOffset);
            leftButton_->setEnabled(scrollOffset_ > -scroll.left());
            rightButton_->setEnabled(maxOffset > scrollOffset_);
            if (oldOffset != scrollOffset_) {
                e->accept();
                update();
                return;
            }
        }
    } else {
        // Whole steps of a notched wheel choose the next or previous tab.
        wheelDelta_ += e->angleDelta();
        const int xSteps = wheelDelta_.x() / QWheelEvent::DefaultDeltasPerStep;
        const int ySteps = wheelDelta_.y() / QWheelEvent::DefaultDeltasPerStep;
        int step = 0;
        if (xSteps > 0 || ySteps > 0) {
            step = -1;
            wheelDelta_ = QPoint();
        } else if (xSteps < 0 || ySteps < 0) {
            step = 1;
            wheelDelta_ = QPoint();
        }
        const int old = current_;
        selectNextTab(step);
        if (old != current_) {
            e->accept();
            return;
        }
    }
    QWidget::wheelEvent(e);
}

void TMTabControl::scrollButtonClicked(bool left)
{
    // One tab further: the last tab starting left of the free part, or the
    // first ending right of it.
    ensureLaidOut();
    const QRect scroll = scrollRect(-1).translated(scrollOffset_, 0);
    const int n = count();
    if (left) {
        const int i = int(std::lower_bound(left_.begin(), left_.end() - 1, scroll.left()) - left_.begin()) - 1;
        if (i >= 0) makeVisible(i);
    } else {
        for (int i = firstEndingAfter(scroll.right() + 1); i < n; ++i) {
            if (left_[i] > scrollOffset_) {
                makeVisible(i);
                return;
            }
        }
    }
}

} // namespace orv

#include "dialogs/CalcSts.h"

#include <QAction>
#include <QEvent>
#include <QTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "components/StoredAppearance.h"
#include "core/CommonParamsUnit.h"
#include "platform/JolLib.h"

namespace orv {

namespace {

const char* const InitialText = "Podgląd toku obliczeń....";
constexpr int DefaultPointSize = 8;
constexpr int MaxPointSize = 72;

} // namespace

TCalculateSts::TCalculateSts(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("CalculateSts");
    setWindowTitle("Podgląd toku obliczeń");

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    Memo1->setPalette(pal);
    Memo1->setPlainText(InitialText);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Kopiuj1 = PopupMenu1->addAction("Kopiuj");
    Kopiuj1->setObjectName("Kopiuj1");
    Zaznaczwszystko1 = PopupMenu1->addAction("Zaznacz wszystko");
    Zaznaczwszystko1->setObjectName("Zaznaczwszystko1");
    PopupMenu1->addSeparator();
    Czcionka1 = PopupMenu1->addAction("Czcionka");
    Czcionka1->setObjectName("Czcionka1");
    connect(Czcionka1, &QAction::triggered, this, &TCalculateSts::Czcionka1Click);
    connect(Kopiuj1, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
    connect(Zaznaczwszystko1, &QAction::triggered, Memo1, &QPlainTextEdit::selectAll);

    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenu1Popup();
        PopupMenu1->popup(Memo1->viewport()->mapToGlobal(pos));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    resize(520, 420);
    fullHeight_ = height();
    applyStoredFont();
}

void TCalculateSts::rollUp()
{
    if (rolled_) return;
    fullHeight_ = height();
    rolled_ = true;
    Memo1->hide();
    layout()->activate();
    setMinimumHeight(0);
    swapTitleButtons(true);
    resize(width(), 1);
}

void TCalculateSts::swapTitleButtons(bool rolled)
{
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowMinimizeButtonHint, !rolled);
    setWindowFlag(Qt::WindowMaximizeButtonHint, rolled);
    if (shown) show();
}

void TCalculateSts::rollDown()
{
    if (!rolled_) return;
    // Showing the text again lets the layout grow the window to its minimum
    // first, which must not count as the height to go back to.
    const int height = fullHeight_;
    rolled_ = false;
    Memo1->show();
    layout()->activate();
    swapTitleButtons(false);
    resize(width(), height);
}

void TCalculateSts::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    // The window system settles the state change first; the roll follows.
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized) {
        setWindowState(state & ~Qt::WindowMinimized);
        QTimer::singleShot(0, this, &TCalculateSts::rollUp);
    } else if (state & Qt::WindowMaximized) {
        setWindowState(state & ~Qt::WindowMaximized);
        QTimer::singleShot(0, this, &TCalculateSts::rollDown);
    }
}

void TCalculateSts::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!rolled_) fullHeight_ = height();
}

void TCalculateSts::setTraceLines(const TTraceLines* lines)
{
    lines_ = lines;
    refresh();
}

void TCalculateSts::refresh()
{
    if (isVisible()) showLines();
    else stale_ = true;
}

void TCalculateSts::showLines()
{
    stale_ = false;
    if (!lines_) {
        Memo1->setPlainText(InitialText);
        return;
    }
    QString text;
    for (std::size_t i = 0; i < lines_->size(); ++i) {
        if (i > 0) text += '\n';
        const std::string_view line = (*lines_)[i];
        text += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    Memo1->setPlainText(text);
}

void TCalculateSts::applyStoredFont()
{
    std::string name;
    int size = 0;
    ReadPwFont(name, size);
    int points = size / 2;
    if (points < 1 || points > MaxPointSize) points = DefaultPointSize;
    Memo1->setFont(StoredFont(name, points));
}

void TCalculateSts::Czcionka1Click()
{
    if (ShowFontDialogJol(this, fontPlace_)) applyStoredFont();
}

void TCalculateSts::PopupMenu1Popup()
{
    Kopiuj1->setEnabled(Memo1->textCursor().hasSelection());
}

void TCalculateSts::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    if (readerHook_) readerHook_(true);
    if (stale_) showLines();
}

void TCalculateSts::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (readerHook_) readerHook_(false);
}

} // namespace orv

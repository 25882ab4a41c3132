#include "components/Dialogs3.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace orv {
namespace {

struct ButtonInfo {
    unsigned flag;
    const char* caption;
    const char* name;
    int result;
};

// The fixed order of the buttons on the form.
constexpr ButtonInfo kButtons[] = {
    {mbYes, "&Tak", "YES", mrYes},
    {mbNo, "&Nie", "NIE", mrNo},
    {mbOK, "&OK", "OK", mrOk},
    {mbCancel, "&Anuluj", "CANCEL", mrCancel},
    {mbAbort, "&Przerwij", "ABORT", mrAbort},
    {mbRetry, "Powt&órz", "RETRY", mrRetry},
    {mbIgnore, "&Ignoruj", "IGNORE", mrIgnore},
    {mbAll, "&Wszytko", "ALL", mrAll},
    {mbHelp, "P&omoc", "HELP", mrNone},
};

constexpr int kButtonWidth = 77;
constexpr int kButtonHeight = 24;

QString FormCaption(unsigned char dlgType)
{
    const QString caption = QString::fromUtf8(MessageDialogTitle(dlgType));
    if (!caption.isEmpty()) return caption;
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QIcon TypeIcon(unsigned char dlgType, const QStyle* style)
{
    switch (dlgType) {
    case mdWarning: return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case mdError: return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case mdInformation: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case mdConfirmation: return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    default: return {};
    }
}

QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

int RunForm(TMessageForm& form, int x, int y)
{
    form.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        form.move(area.center() - QPoint(form.width() / 2, form.height() / 2));
    }
    if (x > -1) form.move(x, form.y());
    if (y > -1) form.move(form.x(), y);
    return form.exec();
}

} // namespace

QString MessageButtonCaption(unsigned button)
{
    for (const ButtonInfo& b : kButtons)
        if (b.flag == button) return QString::fromUtf8(b.caption);
    return {};
}

QString JoinedDetails(const QString& details)
{
    QString s;
    s.reserve(details.size());
    bool lineBreak = false;
    for (const QChar c : details) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lineBreak = true;
            continue;
        }
        // the lines' sentences stay apart, by one blank
        if (lineBreak && !s.isEmpty() && !s.back().isSpace() && !c.isSpace()) s += QLatin1Char(' ');
        lineBreak = false;
        s += c;
    }
    return s;
}

namespace {

constexpr char16_t kJoiner = 0x2060, kBreak = 0x200B;  // word joiner, zero-width space
constexpr char16_t kNoBreakSpace = 0x00A0;

// The message's selection copied as the user reads it, without the marks
// that steer its line breaking: by the copy keys and by the label's menu.
class TPlainCopy : public QObject {
public:
    explicit TPlainCopy(QLabel* label) : QObject(label), label_(label) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            copy();
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            QMenu menu(label_);
            QAction* copyAction = menu.addAction(QStringLiteral("Kopiuj"), [this] { copy(); });
            copyAction->setEnabled(label_->hasSelectedText());
            menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }

private:
    void copy()
    {
        if (!label_->hasSelectedText()) return;
        QString text = label_->selectedText();
        text.remove(QChar(kJoiner)).remove(QChar(kBreak)).replace(QChar(kNoBreakSpace), QLatin1Char(' '));
        QGuiApplication::clipboard()->setText(text);
    }
    QLabel* label_;
};

} // namespace

QString PathsBreakAtSeparators(const QString& text)
{
    const QChar joiner(kJoiner), space(kBreak);
    auto separator = [](QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('\\'); };
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        QStringList words = line.split(QLatin1Char(' '));
        for (QString& word : words) {
            if (!std::any_of(word.begin(), word.end(), separator)) continue;
            // the places the toolkit's line breaking would break the word at
            std::vector<bool> breakable(std::size_t(word.size()) + 1, false);
            QTextBoundaryFinder finder(QTextBoundaryFinder::Line, word);
            for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
                breakable[std::size_t(at)] = true;
            QString out;
            for (qsizetype i = 0; i < word.size(); ++i) {
                out += word[i];
                if (i + 1 == word.size()) break;
                // after a separator, but for a leading one; nowhere else
                const bool wanted = i > 0 && separator(word[i]);
                if (wanted && !breakable[std::size_t(i + 1)]) out += space;
                if (!wanted && breakable[std::size_t(i + 1)]) out += joiner;
            }
            word = out;
        }
        line = words.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

QString ClosingMarksKeepTheirWord(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype e = i + 1;
        while (e < text.size() && (text[e] == QLatin1Char('?') || text[e] == QLatin1Char('!'))) ++e;
        // a word of marks alone ends the sentence of the word before it (a
        // word joiner does not hold a line together at a blank: the blank
        // becomes a no-break space)
        const bool alone = text[i] == QLatin1Char(' ') && e > i + 1 &&
                           (e == text.size() || text[e] == QLatin1Char(' ') || text[e] == QLatin1Char('\n'));
        out += alone ? QChar(kNoBreakSpace) : text[i];
    }
    return out;
}

TMessageForm::TMessageForm(const QString& instruction, const QString& message, unsigned char dlgType,
                           unsigned buttons, QWidget* parent)
    : QDialog(parent), buttons_(buttons)
{
    setWindowTitle(FormCaption(dlgType));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const int textWidth = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().width() / 2 : 640;
    }();

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    const QIcon icon = TypeIcon(dlgType, style());
    if (!icon.isNull()) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image"));
        const int extent = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        image->setPixmap(icon.pixmap(extent, extent));
        image->setAlignment(Qt::AlignTop);
        top->addWidget(image, 0, Qt::AlignTop);
    }
    auto* texts = new QVBoxLayout;
    if (!instruction.isEmpty()) {
        auto* main = new QLabel(instruction, this);
        main->setObjectName(QStringLiteral("Instruction"));
        main->setTextFormat(Qt::PlainText);
        main->setWordWrap(true);
        QFont bold = main->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.2);
        main->setFont(bold);
        main->setMaximumWidth(textWidth);
        texts->addWidget(main);
    }
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Message"));
    label->setText(PathsBreakAtSeparators(ClosingMarksKeepTheirWord(message)));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMaximumWidth(textWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    new TPlainCopy(label);
    if (message.isEmpty()) label->hide();
    texts->addWidget(label);
    top->addLayout(texts, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    for (const ButtonInfo& b : kButtons) {
        if (!(buttons & b.flag)) continue;
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setMinimumSize(kButtonWidth, kButtonHeight);
        // Return presses the focused button; none is the default.
        button->setAutoDefault(true);
        const int result = b.result;
        if (result != mrNone) connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        row->addWidget(button);
    }
    row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addLayout(row);
    setMinimumSize(150, 55);
}

void TMessageForm::reject()
{
    done(CloseModalResult(buttons_));
}

TMessageForm* CreateMessageDialog3(const QString& msg, unsigned char dlgType, unsigned buttons,
                                   QWidget* parent)
{
    return new TMessageForm(QString(), msg, dlgType, buttons, parent);
}

int MessageDlgPos3(const QString& msg, unsigned char dlgType, unsigned buttons, int helpContext,
                   int x, int y)
{
    (void)helpContext;
    // A lone CR (the forms' line break) shows as a line break.
    QString text = msg;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    TMessageForm form(QString(), text, dlgType, buttons, QApplication::activeWindow());
    return RunForm(form, x, y);
}

int QtMessageService::showMessageDialog(const std::string& headline, const std::string& text,
                                        unsigned char dlgType, unsigned buttons, int helpContext)
{
    (void)helpContext;
    const unsigned offered = TaskDialogButtons(buttons);
    TMessageForm form(Utf8(headline), JoinedDetails(Utf8(text)), dlgType, offered ? offered : mbOK,
                      QApplication::activeWindow());
    return RunForm(form, -1, -1);
}

int QtMessageService::messageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons,
                                  int helpContext)
{
    return MessageDlgPos3(Utf8(msg), dlgType, buttons, helpContext, -1, -1);
}

} // namespace orv

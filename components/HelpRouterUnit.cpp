#include "components/HelpRouterUnit.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "resources/HelpPages.h"

namespace orv {

const char* const HelpContentsTopic = "spis_tresci";

namespace {

QPointer<THelpWindow>& OpenWindow()
{
    static QPointer<THelpWindow> window;
    return window;
}

QString TopicFile(const QString& topic)
{
    const QString suffix = QFileInfo(topic).suffix().toLower();
    if (suffix.startsWith(QLatin1String("htm"))) return topic;
    return topic + QStringLiteral(".htm");
}

} // namespace

QString HelpTopicPath(const QString& topic)
{
    return QStringLiteral(":/help/") + TopicFile(topic);
}

bool HelpTopicExists(const QString& topic)
{
    InitHelpPages();
    return !topic.isEmpty() && QFileInfo::exists(HelpTopicPath(topic));
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pomoc"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Help left open never keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(640, 560);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);

    back_ = new QPushButton(QStringLiteral("Wstecz"), this);
    back_->setObjectName(QStringLiteral("BackBtn"));
    back_->setEnabled(false);
    auto* contents = new QPushButton(QStringLiteral("Spis treści"), this);
    contents->setObjectName(QStringLiteral("ContentsBtn"));
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(QString::fromLatin1(HelpContentsTopic)); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Pomoc") : QStringLiteral("Pomoc - ") + title);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* v = new QVBoxLayout(this);
    v->addLayout(buttons);
    v->addWidget(browser_, 1);
}

QString THelpWindow::currentTopic() const
{
    const QString file = browser_->source().fileName();
    return file.endsWith(QLatin1String(".htm")) ? file.chopped(4) : file;
}

bool THelpWindow::showTopic(const QString& topic)
{
    if (!HelpTopicExists(topic)) return false;
    browser_->setSource(QUrl(QStringLiteral("qrc") + HelpTopicPath(topic)));
    return true;
}

THelpWindow* HelpWindow()
{
    return OpenWindow().data();
}

bool ShowHelpTopic(const QString& topic)
{
    QPointer<THelpWindow>& window = OpenWindow();
    // A modal dialog blocks every window but its own: the help window
    // belongs to the dialog that asks for it, so that it can be read there.
    QWidget* owner = QApplication::activeModalWidget();
    if (window && window->parentWidget() != owner) {
        window->setParent(owner, Qt::Window);
    } else if (!window) {
        window = new THelpWindow(owner);
    }
    const bool found = window->showTopic(topic);
    if (!found) window->showTopic(QString::fromLatin1(HelpContentsTopic));
    window->show();
    window->raise();
    window->activateWindow();
    return found;
}

bool ShowHelpContents()
{
    return ShowHelpTopic(QString::fromLatin1(HelpContentsTopic));
}

} // namespace orv

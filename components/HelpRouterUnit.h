// The program's help: topic pages shipped inside the program (":/help/"),
// shown in one help window of its own. Every "Pomoc" button opens its topic
// through ShowHelpTopic.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace orv {

// The topic of the contents page.
extern const char* const HelpContentsTopic;

// The page of a topic: ".htm" is appended unless the topic's extension
// already begins with ".htm"; "wydruk" gives ":/help/wydruk.htm".
QString HelpTopicPath(const QString& topic);
bool HelpTopicExists(const QString& topic);

// Opens the help window at the topic and brings it up. A topic without a
// page opens the contents instead and returns false.
bool ShowHelpTopic(const QString& topic);
inline bool ShowHelpTopic(const char* topic) { return ShowHelpTopic(QString::fromUtf8(topic)); }
bool ShowHelpContents();

// The help window: the page, "Wstecz", "Spis treści" and "Zamknij".
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    // The topic shown ("wydruk" for ":/help/wydruk.htm"); empty before the first.
    QString currentTopic() const;
    // Shows the topic's page; false (nothing changed) when it has none.
    bool showTopic(const QString& topic);

private:
    QTextBrowser* browser_;
    QPushButton* back_;
};

// The help window once it has been opened and until it is closed, else null.
THelpWindow* HelpWindow();

} // namespace orv

// The help: every topic the program names has its page, the pages link to
// each other, and the help window opens the page asked for.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextStream>

#include <set>

#include "components/HelpRouterUnit.h"

using namespace orv;

namespace {

// The topics the dialogs and the editor open.
const char* const kNamedTopics[] = {
    "wydruk", "wstawianie", "wydruk_zaawansowane", "Momenty_zginajace", "opis_projektu",
    "elementy", "Nowy_el_mur", "Lista_el_mur", "Modul_sprez_muru", "sciana_otwory",
    "obc_pionowe_zestawienie", "obc_pionowe_zestawienie_2", "zalacznik_A", "Charakterystyka_stali_zbr",
};

QString PageText(const QString& topic)
{
    QFile f(HelpTopicPath(topic));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

class Help : public ::testing::Test {
protected:
    void SetUp() override { orvtest::EnsureApp<QApplication>(); }
    void TearDown() override
    {
        if (THelpWindow* w = HelpWindow()) delete w;
    }
};

} // namespace

TEST_F(Help, TopicNamesBecomePagePaths)
{
    EXPECT_EQ(HelpTopicPath("wydruk"), ":/help/wydruk.htm");
    // A topic that already names its page is used as it is.
    EXPECT_EQ(HelpTopicPath("wydruk.htm"), ":/help/wydruk.htm");
    EXPECT_EQ(HelpTopicPath("strona.HTML"), ":/help/strona.HTML");
    EXPECT_TRUE(HelpTopicExists("wydruk.htm"));
    EXPECT_FALSE(HelpTopicExists(""));
    EXPECT_FALSE(HelpTopicExists("brak_takiego_tematu"));
    // Resource names are exact.
    EXPECT_FALSE(HelpTopicExists("Wydruk"));
}

TEST_F(Help, EveryNamedTopicHasAPolishPageWithItsTitle)
{
    for (const char* topic : kNamedTopics) {
        ASSERT_TRUE(HelpTopicExists(topic)) << topic;
        const QString html = PageText(topic);
        EXPECT_TRUE(html.contains("charset=\"utf-8\"")) << topic;
        QTextDocument doc;
        doc.setHtml(html);
        EXPECT_FALSE(doc.metaInformation(QTextDocument::DocumentTitle).isEmpty()) << topic;
        // A page says something and leads back to the contents.
        EXPECT_GT(doc.toPlainText().size(), 200) << topic;
        EXPECT_TRUE(html.contains("href=\"spis_tresci.htm\"")) << topic;
    }
    EXPECT_TRUE(HelpTopicExists(HelpContentsTopic));
}

TEST_F(Help, EveryLinkOfEveryPageLeadsToAPage)
{
    const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    std::set<QString> linkedFromContents;
    QDirIterator it(QStringLiteral(":/help"));
    int pages = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        ++pages;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString html = QString::fromUtf8(f.readAll());
        for (auto m = href.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(HelpTopicExists(target)) << path.toStdString() << " -> " << target.toStdString();
            if (path.endsWith(QStringLiteral("spis_tresci.htm"))) linkedFromContents.insert(target);
        }
    }
    // The fourteen topics and the contents, nothing else.
    EXPECT_EQ(pages, 15);
    for (const char* topic : kNamedTopics)
        EXPECT_EQ(linkedFromContents.count(QString::fromLatin1(topic) + ".htm"), 1u) << topic;
}

TEST_F(Help, EveryTopicTheSourcesOpenHasAPage)
{
    // Every literal topic handed to ShowHelpTopic or a dialog's help button
    // (alone or in its button row) anywhere in the program.
    const QRegularExpression call(QStringLiteral(
        "(?:ShowHelpTopic\\(|CreateOkCancelRow\\(\\s*\\w+\\s*,)\\s*"
        "(?:QStringLiteral\\(|QLatin1String\\()?\"([^\"]*)\""));
    const QString root = QStringLiteral(ORV_SOURCE_DIR);
    int found = 0;
    for (const char* dir : {"components", "dialogs", "mainwindow", "printing"}) {
        QDirIterator it(root + "/" + dir, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            for (auto m = call.globalMatch(text); m.hasNext();) {
                const QString topic = m.next().captured(1);
                ++found;
                EXPECT_TRUE(HelpTopicExists(topic)) << path.toStdString() << ": " << topic.toStdString();
            }
        }
    }
    // At least the moment dialog, the element manager, the catalogues, the
    // modulus and the opening dialogs.
    EXPECT_GE(found, 7);
}

TEST_F(Help, TheWindowOpensAtTheTopicAndGoesBack)
{
    ASSERT_EQ(HelpWindow(), nullptr);
    EXPECT_TRUE(ShowHelpTopic("elementy"));
    THelpWindow* w = HelpWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->currentTopic(), "elementy");
    EXPECT_EQ(w->windowTitle(), "Pomoc - Elementy projektu");
    EXPECT_TRUE(w->browser()->toPlainText().contains("Menadżer elementów"));

    // The same window serves the next topic; "Wstecz" returns to the first.
    EXPECT_TRUE(ShowHelpTopic("Momenty_zginajace"));
    EXPECT_EQ(HelpWindow(), w);
    EXPECT_EQ(w->currentTopic(), "Momenty_zginajace");
    EXPECT_TRUE(w->browser()->toPlainText().contains("10,00 kNm"));
    auto* back = w->findChild<QPushButton*>("BackBtn");
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(w->currentTopic(), "elementy");

    // A link followed inside the window.
    w->browser()->setSource(QUrl(QStringLiteral("qrc:/help/zalacznik_A.htm")));
    EXPECT_EQ(w->currentTopic(), "zalacznik_A");
    w->findChild<QPushButton*>("ContentsBtn")->click();
    EXPECT_EQ(w->currentTopic(), "spis_tresci");

    // A topic without a page shows the contents and says so.
    EXPECT_TRUE(ShowHelpTopic("elementy"));
    EXPECT_FALSE(ShowHelpTopic("brak_takiego_tematu"));
    EXPECT_EQ(w->currentTopic(), "spis_tresci");

    // Closing the window ends it; the next request opens a new one.
    w->findChild<QPushButton*>("CloseBtn")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(HelpWindow(), nullptr);
    EXPECT_TRUE(ShowHelpContents());
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->currentTopic(), "spis_tresci");
    // Help left open never keeps the program running.
    EXPECT_FALSE(HelpWindow()->testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(Help, AModalDialogAskingForHelpCanReadIt)
{
    // A modal dialog blocks the other windows: the help window becomes its own.
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_TRUE(ShowHelpTopic("wydruk"));
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->parentWidget(), &dialog);
    EXPECT_TRUE(HelpWindow()->isWindow());
    EXPECT_TRUE(HelpWindow()->isVisible());
    dialog.hide();
    // Without a modal dialog it stands on its own again.
    EXPECT_TRUE(ShowHelpTopic("wstawianie"));
    EXPECT_EQ(HelpWindow()->parentWidget(), nullptr);
    EXPECT_EQ(HelpWindow()->currentTopic(), "wstawianie");
}

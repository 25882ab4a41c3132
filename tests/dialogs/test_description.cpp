// "Opis projektu": the header's texts and the comment in and out, the cut to
// the header's field width, and the keys of its fields.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstring>

#include "dialogs/opis.h"

using namespace orv;

namespace {

TDescriptionData Sample()
{
    TDescriptionData d;
    d.Author = "inż. Zażółć Gęślą";
    d.Title = "Budynek mieszkalny – ściany parteru";
    d.Object = "Łódź, ul. Źródlana 5";
    d.ProjectNumber = "P/12/2024";
    d.Comments = {"Pierwsza linia komentarza.", "", "Trzecia: ąćęłńóśźż"};
    return d;
}

bool Same(const TDescriptionData& a, const TDescriptionData& b)
{
    return a.Author == b.Author && a.Title == b.Title && a.Object == b.Object &&
           a.ProjectNumber == b.ProjectNumber && a.Comments == b.Comments;
}

void PressLater(const char* button)
{
    QTimer::singleShot(0, [button] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        w->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    });
}

} // namespace

TEST(Description, TextsGoInAndComeBackAsTheyWere)
{
    orvtest::EnsureApp<QApplication>();
    TDescription dlg;
    EXPECT_EQ(dlg.windowTitle(), "Opis projektu");
    dlg.setData(Sample());
    EXPECT_EQ(dlg.findChild<QLineEdit*>("Author1")->text(), "inż. Zażółć Gęślą");
    EXPECT_EQ(dlg.findChild<QLineEdit*>("Design_No1")->text(), "P/12/2024");
    EXPECT_EQ(dlg.findChild<QPlainTextEdit*>("Memo1")->blockCount(), 3);
    EXPECT_TRUE(Same(dlg.data(), Sample()));

    dlg.setData(TDescriptionData{});
    EXPECT_TRUE(dlg.data().Comments.empty());
    EXPECT_EQ(dlg.findChild<QLineEdit*>("Object1")->text(), "");
}

TEST(Description, OkTakesTheEditsCancelLeavesEverything)
{
    orvtest::EnsureApp<QApplication>();
    TDescriptionData data = Sample();
    QTimer::singleShot(0, [] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        w->findChild<QLineEdit*>("Title1")->setText("Nowy tytuł");
        w->findChild<QPlainTextEdit*>("Memo1")->setPlainText("jedna\ndwie");
        w->findChild<QPushButton*>("BitBtn2")->click(); // "Anuluj"
    });
    EXPECT_FALSE(ShowDescription(nullptr, data));
    EXPECT_TRUE(Same(data, Sample()));

    QTimer::singleShot(0, [] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        w->findChild<QLineEdit*>("Title1")->setText("Nowy tytuł");
        w->findChild<QPlainTextEdit*>("Memo1")->setPlainText("jedna\ndwie");
    });
    PressLater("BitBtn1");
    EXPECT_TRUE(ShowDescription(nullptr, data));
    EXPECT_EQ(data.Title, "Nowy tytuł");
    EXPECT_EQ(data.Author, Sample().Author);
    EXPECT_EQ(data.Comments, (std::vector<std::string>{"jedna", "dwie"}));
}

TEST(Description, TheHeaderKeepsAtMost255Characters)
{
    auto header = std::make_unique<TProjectHeader>();
    std::memset(header.get(), 0, sizeof *header);
    TDescriptionData d = Sample();
    d.Author = std::string(250, 'a') + "ąęśćżźółń"; // 259 characters, 268 bytes of UTF-8
    SetDescription(*header, d);
    EXPECT_EQ(header->Author.length(), 255u);
    EXPECT_EQ(header->Author.str(), std::string(250, 'a') + "ąęśćż");
    EXPECT_EQ(header->Object.str(), "Łódź, ul. Źródlana 5");

    const TDescriptionData back = DescriptionOf(*header, {"komentarz"});
    EXPECT_EQ(back.Title, d.Title);
    EXPECT_EQ(back.ProjectNumber, d.ProjectNumber);
    EXPECT_EQ(back.Comments, std::vector<std::string>{"komentarz"});
}

TEST(Description, EnterMovesOnInTheEditsAndStartsALineInTheComment)
{
    orvtest::EnsureApp<QApplication>();
    TDescription dlg;
    std::string topic;
    dlg.onHelp = [&](const std::string& t) { topic = t; };
    dlg.setData(Sample());
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    auto* author = dlg.findChild<QLineEdit*>("Author1");
    auto* title = dlg.findChild<QLineEdit*>("Title1");
    author->setFocus();
    QTest::keyClick(author, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), title);
    EXPECT_TRUE(dlg.isVisible());

    auto* memo = dlg.findChild<QPlainTextEdit*>("Memo1");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "nowa");
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_EQ(dlg.data().Comments.back(), "nowa");
    EXPECT_EQ(dlg.data().Comments.size(), 4u);
    EXPECT_TRUE(dlg.isVisible());

    dlg.findChild<QPushButton*>("BitBtn3")->click();
    EXPECT_EQ(topic, "opis_projektu");
}

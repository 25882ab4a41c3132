// The message box as a user meets it: captions, the order of the buttons,
// the answers of each button, of Escape and of the close button.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"
#include "tests/common/WrappedLines.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "components/Dialogs3.h"
#include "core/MyUtils.h"
#include "core/ZunEditor.h"
#include "tests/common/WhenOpen.h"
#include "tests/core/support/CalcSupport.h"

using namespace orv;

namespace {

QStringList ButtonNames(const QWidget& form)
{
    QStringList names;
    QList<QPushButton*> buttons = form.findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](const QPushButton* a, const QPushButton* b) { return a->x() < b->x(); });
    for (const QPushButton* b : buttons) names << b->objectName();
    return names;
}

int EscapeAnswer(unsigned buttons)
{
    TMessageForm form(QString(), QStringLiteral("?"), mdConfirmation, buttons);
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    return form.result();
}

} // namespace

TEST(MessageBox, ButtonsInFixedOrderWithPolishCaptions)
{
    orvtest::EnsureApp<QApplication>();
    TMessageForm form(QString(), QStringLiteral("Zapisać zmiany w projekcie?"), mdConfirmation,
                      mbHelp | mbCancel | mbNo | mbYes);
    form.show();
    EXPECT_EQ(ButtonNames(form), (QStringList{"YES", "NIE", "CANCEL", "HELP"}));
    EXPECT_EQ(form.findChild<QPushButton*>("YES")->text(), "&Tak");
    EXPECT_EQ(form.findChild<QPushButton*>("NIE")->text(), "&Nie");
    EXPECT_EQ(form.findChild<QPushButton*>("CANCEL")->text(), "&Anuluj");
    EXPECT_EQ(form.findChild<QPushButton*>("HELP")->text(), "P&omoc");
    EXPECT_EQ(MessageButtonCaption(mbRetry), "Powt&órz");
    EXPECT_EQ(MessageButtonCaption(mbAll), "&Wszytko");
    EXPECT_EQ(form.windowTitle(), "Zatwierdzenie");
    EXPECT_EQ(form.findChild<QLabel*>("Message")->text(), "Zapisać zmiany w projekcie?");
    EXPECT_NE(form.findChild<QLabel*>("Image"), nullptr);
    EXPECT_GE(form.width(), 150);
    EXPECT_GE(form.height(), 55);
}

TEST(MessageBox, EachButtonAnswersItsResultAndHelpClosesNothing)
{
    orvtest::EnsureApp<QApplication>();
    const struct { const char* name; int result; } cases[] = {
        {"YES", mrYes}, {"NIE", mrNo}, {"OK", mrOk}, {"CANCEL", mrCancel}, {"ABORT", mrAbort},
        {"RETRY", mrRetry}, {"IGNORE", mrIgnore}, {"ALL", mrAll}};
    for (const auto& c : cases) {
        TMessageForm form(QString(), QStringLiteral("x"), mdWarning, 0x1FF);
        form.show();
        form.setResult(-1);
        QTest::mouseClick(form.findChild<QPushButton*>(c.name), Qt::LeftButton);
        EXPECT_EQ(form.result(), c.result) << c.name;
        EXPECT_FALSE(form.isVisible());
    }
    TMessageForm form(QString(), QStringLiteral("x"), mdWarning, mbOK | mbHelp);
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("HELP"), Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
}

TEST(MessageBox, EscapeAndCloseNeverAnswerNothingOrAnAbsentButton)
{
    orvtest::EnsureApp<QApplication>();
    EXPECT_EQ(EscapeAnswer(mbCancel), mrCancel);
    EXPECT_EQ(EscapeAnswer(mbOK), mrOk);
    EXPECT_EQ(EscapeAnswer(mbYes | mbNo), mrNo);
    EXPECT_EQ(EscapeAnswer(mbYes | mbNo | mbCancel), mrCancel);
    EXPECT_EQ(EscapeAnswer(mbYes), mrYes);
    EXPECT_EQ(EscapeAnswer(mbAbort | mbRetry | mbIgnore), mrAbort);
    EXPECT_EQ(EscapeAnswer(0), mrOk);

    TMessageForm form(QString(), QStringLiteral("x"), mdWarning, mbYes | mbNo);
    form.show();
    form.close();
    EXPECT_EQ(form.result(), mrNo);
}

// Return and Enter press the button that has the focus, as Space does, and
// never the first button when another one has the focus.
TEST(MessageBox, ReturnPressesTheFocusedButton)
{
    orvtest::EnsureApp<QApplication>();
    const struct { const char* focused; Qt::Key key; int result; } cases[] = {
        {"YES", Qt::Key_Return, mrYes}, {"NIE", Qt::Key_Return, mrNo}, {"CANCEL", Qt::Key_Enter, mrCancel},
        {"NIE", Qt::Key_Space, mrNo}};
    for (const auto& c : cases) {
        TMessageForm form(QString(), QStringLiteral("Zapisać zmiany w projekcie?"), mdConfirmation,
                          mbYes | mbNo | mbCancel);
        form.show();
        form.setResult(-1);
        auto* button = form.findChild<QPushButton*>(c.focused);
        ASSERT_NE(button, nullptr);
        button->setFocus();
        QTest::keyClick(button, c.key);
        EXPECT_EQ(form.result(), c.result) << c.focused;
        EXPECT_FALSE(form.isVisible()) << c.focused;
    }
}

TEST(MessageBox, DetailsOnOneLineKeepTheirSentencesApart)
{
    orvtest::EnsureApp<QApplication>();
    SetDecimalSeparator(',');
    // an autoclaved aerated concrete unit chosen under f_b = 10 MPa: its limit is 7 MPa
    auto before = orvtest::DefaultInput(), after = orvtest::DefaultInput();
    after->RodzajElementuM = mkAAC;
    TRangeFault fault;
    ASSERT_TRUE(LimitMovedPastValue(*before, *after, fault));
    QtMessageService service;
    IMessageService* previous = BindMessageService(&service);
    QString shown;
    orvtest::WhenOpen<TMessageForm>([&shown](TMessageForm& form) {
        shown = orvtest::VisibleText(form.findChild<QLabel*>("Message")->text());
        form.findChild<QPushButton*>("OK")->click();
    });
    ShowLimitMovedMessage(fault);
    BindMessageService(previous);
    EXPECT_EQ(shown.toStdString(), "znormalizowana wytrzymałość elementu f_b = 10,0 MPa Wartość maksymalna: 7,0 MPa");
    // a blank already at a line's end or start is not doubled
    EXPECT_EQ(JoinedDetails("a\r\nb \rc\n d\r"), "a b c d");
}

TEST(MessageBox, AClosingQuestionMarkNeverStandsAloneOnTheLastLine)
{
    orvtest::EnsureApp<QApplication>();
    const QString message = QStringLiteral("Czy na pewno usunąć element \"Ściana zewnętrzna nośna osi A\" ?");
    TMessageForm form(QStringLiteral("Usunąć?"), message, mdConfirmation, mbYes | mbNo);
    QLabel* label = form.findChild<QLabel*>("Message");
    EXPECT_EQ(label->text(), QString(message).replace(QStringLiteral(" ?"), QStringLiteral("\u00a0?")));
    int wrapped = 0;
    for (int width = 40; width <= 400; ++width) {
        const QStringList lines = orvtest::WrappedLines(label->text(), label->font(), width);
        if (lines.size() < 2) continue;
        ++wrapped;
        EXPECT_NE(orvtest::VisibleText(lines.back()).trimmed(), "?") << width;
    }
    EXPECT_GT(wrapped, 100);
    // a blank before other text stays a place to break
    EXPECT_EQ(ClosingMarksKeepTheirWord(QStringLiteral("a ?b ?! c ?")), QStringLiteral("a ?b\u00a0?! c\u00a0?"));
    // the message copied out of the box is the message
    label->setSelection(0, int(label->text().size()));
    QApplication::clipboard()->clear();
    QTest::keySequence(label, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), message);
}

TEST(MessageBox, TaskDialogFormShowsTheMainLineApartAndDetailsOnOneLine)
{
    orvtest::EnsureApp<QApplication>();
    EXPECT_EQ(JoinedDetails("Nie znaleziono biblioteki Jollib.dll. \rProszę skontaktować się z dystrybutorem programu!"),
              "Nie znaleziono biblioteki Jollib.dll. Proszę skontaktować się z dystrybutorem programu!");
    EXPECT_EQ(TaskDialogButtons(mbOK | mbIgnore | mbAll | mbHelp), unsigned(mbOK));

    TMessageForm form(QStringLiteral("Brak pliku!"), QStringLiteral("/tmp/a.clcm"), mdError, mbOK);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Uwaga błąd!");
    EXPECT_EQ(form.findChild<QLabel*>("Instruction")->text(), "Brak pliku!");
    EXPECT_EQ(orvtest::VisibleText(form.findChild<QLabel*>("Message")->text()), "/tmp/a.clcm");
    EXPECT_TRUE(form.findChild<QLabel*>("Instruction")->font().bold());

    // A path's message as shown: the path wraps after its "/" only.
    const QString path = QStringLiteral("/home/inżynier/Dokumenty/Projekty/Budynek mieszkalny przy ulicy Długiej/"
                                        "obliczenia_murów-konstrukcyjnych/raport_elementu-ściana_A.rtf");
    const QString message = QStringLiteral("Raport zapisano w pliku: ") + path;
    TMessageForm saved(QStringLiteral("Nie znaleziono edytora plików RTF!"), message, mdInformation, mbOK);
    QLabel* shown = saved.findChild<QLabel*>("Message");
    EXPECT_EQ(orvtest::VisibleText(shown->text()), message);
    for (const int width : {160, 220, 400}) {
        SCOPED_TRACE(width);
        const QStringList lines = orvtest::WrappedLines(shown->text(), shown->font(), width);
        ASSERT_GT(lines.size(), 1);
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QString line = orvtest::VisibleText(lines[i]);
            // a line ends at a blank or after a separator of the path, never
            // after the "/" it starts with
            EXPECT_TRUE(line.endsWith(QLatin1Char(' ')) || (line.endsWith(QLatin1Char('/')) && line != "/"))
                << line.toStdString();
        }
    }
    EXPECT_EQ(PathsBreakAtSeparators(QStringLiteral("krótki-tekst bez ścieżki")), "krótki-tekst bez ścieżki");
    // the path copied out of the box is the path, without the marks that steer its breaking
    shown->setSelection(0, int(shown->text().size()));
    ASSERT_TRUE(shown->hasSelectedText());
    QApplication::clipboard()->clear();
    QTest::keySequence(shown, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), message);

    TMessageForm custom(QString(), QStringLiteral("x"), mdCustom, mbOK);
    EXPECT_EQ(custom.findChild<QLabel*>("Image"), nullptr);
    EXPECT_FALSE(custom.windowTitle().isEmpty());
}


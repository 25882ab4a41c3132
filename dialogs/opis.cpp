#include "dialogs/opis.h"

#include "components/DialogButtons.h"
#include "components/DialogRunner.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orv {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

TDescriptionData DescriptionOf(const TProjectHeader& header, const std::vector<std::string>& comments)
{
    TDescriptionData d;
    d.Author = header.Author.str();
    d.Title = header.Title.str();
    d.Object = header.Object.str();
    d.ProjectNumber = header.ProjectNumber.str();
    d.Comments = comments;
    return d;
}

void SetDescription(TProjectHeader& header, const TDescriptionData& data)
{
    header.Author.set(data.Author);
    header.Title.set(data.Title);
    header.Object.set(data.Object);
    header.ProjectNumber.set(data.ProjectNumber);
}

TDescription::TDescription(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Description"));
    setWindowTitle(QStringLiteral("Opis projektu"));

    auto makeEdit = [this](const char* name, const QString& hint) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setToolTip(hint);
        return e;
    };
    Author1 = makeEdit("Author1", QStringLiteral("Autor projektu"));
    Title1 = makeEdit("Title1", QStringLiteral("Opis projektu"));
    Object1 = makeEdit("Object1", QStringLiteral("Obiekt "));
    Design_No1 = makeEdit("Design_No1", QStringLiteral("Numer projektu"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setToolTip(QStringLiteral("Pole komentarza"));
    Memo1->setTabChangesFocus(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Autor:"), Author1);
    form->addRow(QStringLiteral("Tytuł:"), Title1);
    form->addRow(QStringLiteral("Obiekt:"), Object1);
    form->addRow(QStringLiteral("Nr projektu:"), Design_No1);

    const TDialogButtons buttons =
        CreateDialogButtons(*this, {"BitBtn1", "BitBtn2", "BitBtn3"}, {}, [this] { BitBtn3Click(); });
    buttons.cancel->setToolTip(QStringLiteral("Zrezygnuj z wprowadzonych zmian"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Komentarz:"), this));
    layout->addWidget(Memo1, 1);
    layout->addWidget(buttons.box);
    resize(460, 360);
}

void TDescription::setData(const TDescriptionData& data)
{
    Author1->setText(Q(data.Author));
    Title1->setText(Q(data.Title));
    Object1->setText(Q(data.Object));
    Design_No1->setText(Q(data.ProjectNumber));
    QStringList lines;
    for (const std::string& line : data.Comments) lines << Q(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

TDescriptionData TDescription::data() const
{
    TDescriptionData d;
    d.Author = Author1->text().toStdString();
    d.Title = Title1->text().toStdString();
    d.Object = Object1->text().toStdString();
    d.ProjectNumber = Design_No1->text().toStdString();
    const QString text = Memo1->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split(QLatin1Char('\n'))) d.Comments.push_back(line.toStdString());
    return d;
}

void TDescription::BitBtn3Click()
{
    if (onHelp) onHelp("opis_projektu");
}

void TDescription::keyPressEvent(QKeyEvent* event)
{
    // Enter moves on to the next field; the comment memo takes it as a new
    // line itself and never passes it here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ShowDescription(QWidget* parent, TDescriptionData& data,
                     const std::function<void(const std::string&)>& help)
{
    TDescription dlg(parent);
    dlg.setData(data);
    dlg.onHelp = help;
    if (RunModal(dlg) != QDialog::Accepted) return false;
    data = dlg.data();
    return true;
}

} // namespace orv

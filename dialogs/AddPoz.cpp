#include "dialogs/AddPoz.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/DialogButtons.h"
#include "components/DialogRunner.h"
#include "core/MessageService.h"

namespace orv {

TAddPosDlg::TAddPosDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AddPosDlg"));
    setWindowTitle(QStringLiteral("Nowy element"));

    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("Name1"));
    // The stored name holds 255 characters.
    name_->setMaxLength(255);
    cases_ = new QComboBox;
    cases_->setObjectName(QStringLiteral("tryb1"));
    memo_ = new QPlainTextEdit;
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setTabChangesFocus(true);
    taken_ = new QComboBox(this);
    taken_->setObjectName(QStringLiteral("ComboBox1"));
    taken_->hide();

    const TDialogButtons buttons = CreateDialogButtons(*this, {"BitBtn7", "BitBtn8"}, [this] { BitBtn7Click(); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nazwa"), name_);
    form->addRow(QStringLiteral("Opcja obliczeń"), cases_);
    form->addRow(QStringLiteral("Opis"), memo_);
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addWidget(buttons.box);
    resize(420, 260);
}

void TAddPosDlg::setData(const TElementNameData& data)
{
    data_ = data;
    setWindowTitle(data.mode == 1 ? QStringLiteral("Nowy element") : QStringLiteral("Edytuj istniejący element"));
    name_->setText(data.name);
    cases_->clear();
    cases_->addItems(data.cases);
    cases_->setCurrentIndex(data.caseIndex >= 0 && data.caseIndex < cases_->count() ? data.caseIndex : 0);
    cases_->setEnabled(data.caseEnabled);
    memo_->setPlainText(QString(data.description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    taken_->clear();
    taken_->addItems(data.takenNames);
    name_->setFocus();
}

QString TAddPosDlg::JoinDescription(const QStringList& lines)
{
    QString out = lines.value(0);
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (!lines[i].isEmpty()) out += QStringLiteral("\r\n") + lines[i];
    return out;
}

void TAddPosDlg::BitBtn7Click()
{
    const QString name = name_->text();
    for (int i = 0; i < taken_->count(); ++i) {
        if (taken_->itemText(i).compare(name, Qt::CaseInsensitive) == 0) {
            ShowMessageDialog("Wprowadzona nazwa już istnieje!", "Proszę wprowadzić inna nazwę.", mdError, mbOK);
            name_->setFocus();
            return;
        }
    }
    if (name.isEmpty()) {
        ShowMessageDialog("Nie wprowadzono żadnej nazwy!", "Proszę wprowadzić jakąś nazwę.", mdError, mbOK);
        name_->setFocus();
        return;
    }
    data_.name = name;
    data_.description = JoinDescription(memo_->toPlainText().split(QLatin1Char('\n')));
    data_.caseIndex = cases_->currentIndex();
    accept();
}

void TAddPosDlg::keyPressEvent(QKeyEvent* e)
{
    // Enter moves to the next control (the memo keeps it for its lines);
    // on a button it presses the button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QPushButton*>(focusWidget())) b->click();
        else focusNextChild();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool ShowAddPosDlg(TElementNameData& data, QWidget* parent)
{
    TAddPosDlg dialog(parent);
    dialog.setData(data);
    if (RunModal(dialog) != QDialog::Accepted) return false;
    data = dialog.data();
    return true;
}

} // namespace orv

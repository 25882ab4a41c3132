#include "components/DialogKeys.h"

#include "components/DialogButtons.h"
#include "components/HelpRouterUnit.h"
#include "components/Realedit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "core/MyUtils.h"

namespace orv {
namespace {

bool IsEnter(const QKeyEvent* k)
{
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
           !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

class EnterFilter : public QObject {
public:
    explicit EnterFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
            auto* w = qobject_cast<QWidget*>(watched);
            // An open list takes Enter for its choice.
            if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->view()->isVisible()) return false;
            // Moves on as Tab does.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            if (w) QCoreApplication::sendEvent(w, &tab);
            return true;
        }
        return false;
    }
};

class DecimalFilter : public QObject {
public:
    explicit DecimalFilter(QComboBox* combo) : QObject(combo), combo_(combo) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(event);
        const QString t = k->text();
        if (t.size() != 1 || !t.at(0).isPrint() || (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        const QChar c = t.at(0);
        if (c.isDigit() && c.unicode() < 128) return false;
        if (TypeNumberKey(combo_->lineEdit(), c, false) != TNumberKey::Typed) QApplication::beep();
        return true;
    }

private:
    QComboBox* combo_;
};

} // namespace

void InstallEnterMovesFocus(QWidget* dialog)
{
    auto* filter = new EnterFilter(dialog);
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) w->installEventFilter(filter);
    }
    // An Enter no control took (on a radio or check box) moves on too,
    // instead of pressing the default button.
    dialog->installEventFilter(filter);
}

void InstallDecimalKeyFilter(QComboBox* combo)
{
    auto* filter = new DecimalFilter(combo);
    combo->installEventFilter(filter);
    if (combo->lineEdit()) combo->lineEdit()->installEventFilter(filter);
}

QHBoxLayout* CreateOkCancelRow(QDialog* dialog, const char* helpTopic)
{
    TDialogButtonNames names;
    if (helpTopic) names.help = "HelpBtn";
    const QString topic = helpTopic ? QString::fromLatin1(helpTopic) : QString();
    std::function<void()> onHelp;
    if (helpTopic) onHelp = [topic] { ShowHelpTopic(topic); };
    const TDialogButtons b = CreateDialogButtons(*dialog, names, {}, std::move(onHelp));
    auto* row = new QHBoxLayout;
    row->addWidget(b.box);
    return row;
}

} // namespace orv

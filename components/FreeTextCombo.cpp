#include "components/FreeTextCombo.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace orv {

TFreeTextCombo::TFreeTextCombo(QWidget* parent) : QComboBox(parent)
{
    // The style is asked, as setEditable() asks it, while the box is not
    // editable yet.
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    scrollingList_ = style()->styleHint(QStyle::SH_ComboBox_Popup, &opt, this);
    auto* edit = new QLineEdit(this);
    edit->setPalette(palette());
    // A line edit with a completer of its own gets no default one over the
    // items; setCompleter(nullptr) then takes its own away.
    edit->setCompleter(new QCompleter(edit));
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    if (!testAttribute(Qt::WA_Resized)) adjustSize();
}

void TFreeTextCombo::showPopup()
{
    if (scrollingList_) {
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scrollingList_ = false;
    }
    QComboBox::showPopup();
}

} // namespace orv

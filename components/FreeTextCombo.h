// An editable combo box whose typed text is taken as typed (a number, a
// class name), never completed to one of its items, and never added to
// them. It is made without what QComboBox::setEditable() builds at once
// and such a box drops or does not need yet: a completer over the items
// and the list's pop-up, which is made when the list is first shown.
#pragma once

#include <QComboBox>

namespace orv {

class TFreeTextCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TFreeTextCombo(QWidget* parent = nullptr);
    void showPopup() override;

private:
    // The style shows a list that is not editable as a pop-up menu; an
    // editable one then scrolls where it is longer than its pop-up.
    bool scrollingList_ = false;
};

} // namespace orv

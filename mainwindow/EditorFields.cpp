// The controls of the editor's field table: a numeric edit a numeric
// field, and the lists, boxes and buttons of the choice fields, each
// storing through the table's own routine.
#include "mainwindow/ElementEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QToolButton>

#include "components/FreeTextCombo.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/ZunEditor.h"
#include "mainwindow/EditorLayout.h"
#include "mainwindow/LoadTableButtons.h"

namespace orv {

using namespace editorui;

void TElementEditor::createNumericEdits()
{
    for (const TNumericField& f : NumericFields()) {
        TNumberEdit* e = nullptr;
        switch (f.cls) {
        case TEditClass::Spin: e = new TSpinRealEdit; break;
        case TEditClass::Speed: e = new TSpeedRealEdit; break;
        case TEditClass::SpinSpeed: e = new TSpinSpeedRealEdit; break;
        }
        e->setObjectName(QString::fromLatin1(f.name));
        e->setRange(f.min, f.max);
        if (f.step > 0) e->setIncrement(f.step);
        e->setPrecision(f.decimals);
        // The "..." parts: load tables of the load fields, the moduli E2
        // and E5 from the modulus dialog, the slabs' from their group and
        // the moments from theirs (connectMomentButtons).
        const bool modulus = qstrcmp(f.name, "E2") == 0 || qstrcmp(f.name, "E5") == 0;
        const bool loadTable = HasLoadTableButton(f.name);
        if (auto* speed = e->findChild<QToolButton*>(QStringLiteral("speed")))
            speed->setEnabled(modulus || loadTable);
        if (loadTable) {
            const char* name = f.name;
            connect(e, &TNumberEdit::buttonClicked, this, [this, name] { loadTableButton(name); });
        }
        if (modulus) {
            const bool below = f.name[1] == '5';
            connect(e, &TNumberEdit::buttonClicked, this, [this, below] { modulusButton(below); });
        }
        const NumericControl c{e, &f};
        connect(e, &TNumberEdit::exited, this, [this, c] { numberLeft(c); });
        connect(e, &TNumberEdit::upClicked, this, [this, c] { numberLeft(c); });
        connect(e, &TNumberEdit::downClicked, this, [this, c] { numberLeft(c); });
        numeric_.push_back(c);
    }
}

TNumberEdit* TElementEditor::edit(const char* name) const
{
    for (const NumericControl& c : numeric_)
        if (qstrcmp(c.field->name, name) == 0) return c.edit;
    return nullptr;
}

QWidget* TElementEditor::numberRow(const char* name, const QString& caption)
{
    TNumberEdit* e = edit(name);
    Q_ASSERT(e && !e->parentWidget());
    auto* row = new QWidget;
    row->setObjectName(QString::fromLatin1(name) + QStringLiteral("Row"));
    QHBoxLayout* h = Line(row);
    auto* label = new TMathLabel(caption, row);
    label->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
    label->setMinimumWidth(kCaptionWidth);
    h->addWidget(label);
    e->setFixedWidth(kEditWidth);
    h->addWidget(e);
    h->addStretch(1);
    return row;
}

QWidget* TElementEditor::labelled(const QString& caption, QWidget* field)
{
    auto* row = new QWidget;
    QHBoxLayout* h = Line(row);
    auto* label = new TMathLabel(caption, row);
    label->setMinimumWidth(kCaptionWidth);
    h->addWidget(label);
    h->addWidget(field, 1);
    return row;
}

QComboBox* TElementEditor::choiceCombo(const char* name, const QStringList& items)
{
    const TChoiceField* f = FindChoiceField(name);
    Q_ASSERT(f && f->count == items.size());
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    connect(combo, &QComboBox::activated, this,
            [this, f](int index) { store([=](TCalcInput& in) { StoreChoice(in, *f, index); }); });
    shows_.push_back([combo, f](const TCalcInput& in) { SetComboIndex(combo, ReadChoice(in, *f)); });
    return combo;
}

QCheckBox* TElementEditor::choiceCheck(const char* name, const QString& text)
{
    const TChoiceField* f = FindChoiceField(name);
    Q_ASSERT(f && f->count == 2);
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::clicked, this,
            [this, f](bool checked) { store([=](TCalcInput& in) { StoreChoice(in, *f, checked ? 1 : 0); }); });
    shows_.push_back([box, f](const TCalcInput& in) { box->setChecked(ReadChoice(in, *f) != 0); });
    return box;
}

QRadioButton* TElementEditor::choiceRadio(const char* field, const char* name, const QString& text, int value)
{
    const TChoiceField* f = FindChoiceField(field);
    Q_ASSERT(f && value < f->count);
    auto* radio = new QRadioButton(text);
    radio->setObjectName(QString::fromLatin1(name));
    connect(radio, &QRadioButton::clicked, this, [this, f, value](bool checked) {
        if (checked) store([=](TCalcInput& in) { StoreChoice(in, *f, value); });
    });
    shows_.push_back([radio, f, value](const TCalcInput& in) {
        int v = ReadChoice(in, *f);
        // A two-state byte: anything but 0 is the set state.
        if (f->count == 2 && v != 0) v = 1;
        SetButtonState(radio, v == value);
    });
    return radio;
}

QComboBox* TElementEditor::numberCombo(const char* name)
{
    // The text is the user's number, not completed to an item.
    auto* combo = new TFreeTextCombo;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setFixedWidth(kEditWidth);
    // An item chosen from the list is taken at once.
    connect(combo, &QComboBox::activated, this, [this, combo] { leaveNumberCombo(combo); });
    return combo;
}

} // namespace orv

#include "components/ColorEditorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orv {

TColorEditorDlg::TColorEditorDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("ColorEditorDlg");
    setWindowTitle("Kolory rysunków");
    ReadDrawingColors(colors_);

    auto* inner = new QWidget;
    auto* grid = new QGridLayout(inner);
    int row = 0;
    for (int slot : EditableColorSlots()) {
        auto* label = new QLabel(QString::fromStdString(DrawingColorName(slot)), inner);
        auto* button = new QPushButton(inner);
        button->setObjectName(QString("colorButton%1").arg(slot));
        button->setFixedSize(48, 20);
        connect(button, &QPushButton::clicked, this, [this, slot] { chooseColor(slot); });
        buttons_[slot] = button;
        label->setBuddy(button);
        grid->addWidget(label, row, 0);
        grid->addWidget(button, row, 1);
        showColor(slot);
        ++row;
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);

    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    QPushButton* cancel = box->addButton("Anuluj", QDialogButtonBox::RejectRole);
    cancel->setObjectName("cancelButton");
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(box);
    resize(340, 480);
}

void TColorEditorDlg::setSlotColor(int slot, TColor color)
{
    if (slot < 0 || slot >= DrawingColorCount || !buttons_[slot]) return;
    colors_[slot] = color;
    if (slot == 3) colors_[31] = color;  // both read the stored "Wymiary"
    showColor(slot);
}

QPushButton* TColorEditorDlg::slotButton(int slot) const
{
    return slot >= 0 && slot < DrawingColorCount ? buttons_[slot] : nullptr;
}

void TColorEditorDlg::showColor(int slot)
{
    const QColor c = ColorToQColor(colors_[slot]);
    buttons_[slot]->setStyleSheet(QString("background-color: %1; border: 1px solid black;").arg(c.name()));
}

void TColorEditorDlg::chooseColor(int slot)
{
    const QColor c = QColorDialog::getColor(ColorToQColor(colors_[slot]), this,
                                            QString::fromStdString(DrawingColorName(slot)));
    if (c.isValid()) setSlotColor(slot, QColorToColor(c));
}

void TColorEditorDlg::accept()
{
    WriteDrawingColors(colors_);
    QDialog::accept();
}

bool ShowColorEditor(QObject* owner, int mode, TPoint& place)
{
    TColorEditorDlg dlg(qobject_cast<QWidget*>(owner));
    if (place.X != 0 || place.Y != 0) dlg.move(place.X, place.Y);
    const bool ok = dlg.exec() == QDialog::Accepted;
    place = {dlg.x(), dlg.y()};
    return ok;
}

void RegisterColorEditor() { BindColorEditor(ShowColorEditor); }

} // namespace orv

#include "dialogs/StellEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/DialogKeys.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/MessageService.h"

namespace orv {
namespace {

const char* const kClassTexts[] = {"A-0", "A-I", "A-II", "A-III", "A-IIIN"};

void Refuse(const char* text) { ShowMessageDialog("Błąd defnicji stali.", text, mdError, mbOK); }

} // namespace

TSteelEditorDlg::TSteelEditorDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SteelEditorDlg"));
    KlasaBox1 = new QComboBox;
    KlasaBox1->setObjectName(QStringLiteral("KlasaBox1"));
    for (const char* c : kClassTexts) KlasaBox1->addItem(QString::fromLatin1(c));
    Znak1 = new QLineEdit;
    Znak1->setObjectName(QStringLiteral("Znak1"));
    Znak1->setMaxLength(MaxSteelMarkLength);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Klasa stali:")), 0, 0, 1, 2);
    grid->addWidget(KlasaBox1, 0, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Znak gatunku stali:")), 1, 0, 1, 2);
    grid->addWidget(Znak1, 1, 2, 1, 2);
    const struct {
        TRealEdit** edit;
        const char* name;
        const char* caption;
        const char* symbol;
    } rows[3] = {
        {&fyk1, "fyk1", "Charakterystyczna granica plastyczności", "f_yk_ ="},
        {&fyd1, "fyd1", "Obliczeniowa granica plastyczności", "f_yd_ ="},
        {&ftk1, "ftk1", "Wytrzymałość charakterystyczna na rozciąganie", "f_tk_ ="},
    };
    int line = 2;
    for (const auto& r : rows) {
        auto* e = new TRealEdit;
        e->setObjectName(QString::fromLatin1(r.name));
        e->setRange(MinSteelStrength, MaxSteelStrength);
        e->setPrecision(0);
        *r.edit = e;
        grid->addWidget(new QLabel(QString::fromUtf8(r.caption)), line, 0);
        grid->addWidget(new TMathLabel(QString::fromUtf8(r.symbol)), line, 1);
        grid->addWidget(e, line, 2);
        grid->addWidget(new QLabel(QStringLiteral("MPa")), line, 3);
        ++line;
    }

    QHBoxLayout* buttons = CreateOkCancelRow(this);

    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addLayout(buttons);
    InstallEnterMovesFocus(this);

    setNewGrade(true);
    setData(TSteelRow{"A-0", "", "220", "190", "260"});
}

void TSteelEditorDlg::setNewGrade(bool isNew)
{
    newGrade_ = isNew;
    setWindowTitle(isNew ? QStringLiteral("Nowa charakterystyka stali") : QStringLiteral("Edycja charakterystyk stali"));
}

void TSteelEditorDlg::setData(const TSteelRow& row)
{
    data_ = row;
    const int k = KlasaBox1->findText(QString::fromStdString(row.Klasa));
    KlasaBox1->setCurrentIndex(k >= 0 ? k : 0);
    Znak1->setText(QString::fromStdString(row.Znak));
    fyk1->setText(QString::fromStdString(row.fyk));
    fyd1->setText(QString::fromStdString(row.fyd));
    ftk1->setText(QString::fromStdString(row.ftk));
}

void TSteelEditorDlg::accept()
{
    // The strengths are checked as on leaving them.
    for (TRealEdit* e : {fyk1, fyd1, ftk1})
        if (!e->commit()) return;
    const std::string mark = Znak1->text().toStdString();
    switch (CheckSteelMark(mark, marksInUse_)) {
    case TSteelMarkCheck::Empty: Refuse("Znak gatunku stali nie może być wartością pustą!"); return;
    case TSteelMarkCheck::BadCharacters:
        Refuse("Znak gatunku stali nie może zawierać nawiasów, tabulatorów ani znaków końca wiersza!");
        return;
    case TSteelMarkCheck::TooLong: Refuse("Znak gatunku stali może mieć najwyżej 20 znaków!"); return;
    case TSteelMarkCheck::Duplicate: Refuse("Znak gatunku stali już istnieje!"); return;
    case TSteelMarkCheck::Ok: break;
    }
    if (fyk1->value() == 0) {
        Refuse("Wartość charakterystycznej granicy plastyczności nie może być równa 0!");
        return;
    }
    data_ = TSteelRow{KlasaBox1->currentText().toStdString(), mark, fyk1->text().toStdString(),
                      fyd1->text().toStdString(), ftk1->text().toStdString()};
    QDialog::accept();
}

bool ShowSteelEditorDlg(QWidget* parent, TSteelRow& row, const std::vector<std::string>& marksInUse, bool newGrade)
{
    TSteelEditorDlg dlg(parent);
    dlg.setNewGrade(newGrade);
    dlg.setData(row);
    dlg.setMarksInUse(marksInUse);
    if (dlg.exec() != QDialog::Accepted) return false;
    row = dlg.data();
    return true;
}

} // namespace orv

#include "printing/CalcZaawansowane.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/DialogButtons.h"
#include "components/Realedit.h"
#include "core/MessageService.h"

namespace orv {
namespace {

const char* const kGroups[5] = {"Ściana obciążona osiowo", "Ściana obciążona poziomo",
                                "Ściana obciążona siłą skupioną", "Ściana piwnic", "Słup"};

} // namespace

TBeginPrintAdv::TBeginPrintAdv(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BeginPrintAdv"));
    setWindowTitle(QStringLiteral("Zaawansowane opcje konfiguracji wydruku"));

    auto* frame = new QGroupBox(QStringLiteral(" Wymiary rysunku dla opcji  [cm] "), this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("Szerokość"), frame), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Wysokość"), frame), 0, 2);
    for (int g = 0; g < 5; ++g) {
        grid->addWidget(new QLabel(QString::fromUtf8(kGroups[g]), frame), g + 1, 0);
        for (int c = 0; c < 2; ++c) {
            auto* e = new TSpinRealEdit(frame);
            e->setObjectName(QStringLiteral("WymRys%1_").arg(g + 1) + QLatin1String(c == 0 ? "x1" : "y1"));
            e->setToolTip(c == 0 ? QStringLiteral("Szerokość rysunku") : QStringLiteral("Wysokość rysunku"));
            e->setRange(3.0, 20.0);
            e->setIncrement(0.1);
            e->setPrecision(1);
            e->setFixedWidth(80);
            edits_[2 * g + c] = e;
            grid->addWidget(e, g + 1, c + 1);
        }
    }

    auto makeButton = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    const TDialogButtons row = CreateDialogButtons(
        *this, {"BitBtn1", "BitBtn4", "BitBtn3"}, [this] { BitBtn1Click(); }, [this] { BitBtn3Click(); });
    QPushButton* defaults = makeButton("BitBtn2", QStringLiteral("Domyślnie..."));
    defaults->setToolTip(QStringLiteral("Ustaw obecne wartości jako domyślne"));
    connect(defaults, &QPushButton::clicked, this, &TBeginPrintAdv::BitBtn2Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addWidget(row.box, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void TBeginPrintAdv::FormShow()
{
    for (int i = 0; i < 10; ++i) edits_[i]->setValue(sizes_[i]);
}

void TBeginPrintAdv::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

bool TBeginPrintAdv::takeSizes()
{
    // A field still being typed in is checked as if it were left.
    for (TSpinRealEdit* e : edits_)
        if (!e->commit()) return false;
    for (int i = 0; i < 10; ++i) sizes_[i] = edits_[i]->value();
    return true;
}

void TBeginPrintAdv::BitBtn1Click()
{
    if (takeSizes()) accept();
}

void TBeginPrintAdv::BitBtn2Click()
{
    if (ShowMessageDialog("Ustawić te dane jako domyślne?",
                          "Czy chcesz zmienić ustawienia programu tak, aby nowe projekty otrzymały "
                          "domyślne wartości rozmiarów rysunku takie jak są ustawione obecnie?",
                          mdConfirmation, mbYes | mbNo) != mrYes)
        return;
    if (!takeSizes()) return;
    if (onSaveDefaults) onSaveDefaults(sizes_);
}

void TBeginPrintAdv::BitBtn3Click()
{
    if (onHelp) onHelp("wydruk_zaawansowane");
}

void TBeginPrintAdv::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ShowAdvancedPrintOptions(QWidget* parent, TFigureSizes& sizes,
                              const std::function<void(const TFigureSizes&)>& saveDefaults,
                              const std::function<void(const std::string&)>& help)
{
    TBeginPrintAdv form(parent);
    form.setSizes(sizes);
    form.onSaveDefaults = saveDefaults;
    form.onHelp = help;
    if (form.exec() != QDialog::Accepted) return false;
    sizes = form.sizes();
    return true;
}

} // namespace orv

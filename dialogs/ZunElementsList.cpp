#include "dialogs/ZunElementsList.h"

#include <QHeaderView>
#include <QLabel>
#include <QPixmap>

#include "dialogs/CatalogueFiles.h"
#include "drawing/MasonryUnitPictures.h"
#include "drawing/PlateSchemePictures.h"

namespace orv {
namespace {

constexpr int kColumns = 6;

// The unit weight a new unit starts from: the one last left in the editor.
double g_lastDensity = 18;

// The picture of built-in rows 1..4, 7, 8..10 and 17..18 (1-based), and of
// the silicate and concrete units as of the ceramic ones alike: the solid
// bricks and blocks (19, 20, 23..27) as the solid brick, the hollow
// silicate bricks (21, 22) as the perforated one.
QString PictureName(int row)
{
    const int n = row + 1;
    if (n >= 1 && n <= 4) return MasonryUnitPictureName(0);
    if (n == 7) return MasonryUnitPictureName(1);
    if (n >= 8 && n <= 10) return MasonryUnitPictureName(2);
    if (n >= 17 && n <= 18) return MasonryUnitPictureName(3);
    if (n == 19 || n == 20 || (n >= 23 && n <= 27)) return MasonryUnitPictureName(0);
    if (n == 21 || n == 22) return MasonryUnitPictureName(2);
    return {};
}

} // namespace

TElementsListDlg::TElementsListDlg(QWidget* parent)
    : TCatalogueListDlg(parent, "MasonryElementsListDlg", QStringLiteral("Nowy"), "Lista_el_mur")
{
    setObjectName(QStringLiteral("ElementsListDlg"));
    setWindowTitle(QStringLiteral("Lista elementów murowych"));
    setMinimumWidth(400);

    VirtualStringTree1->setHeaderLabels({QStringLiteral("Nazwa"), QStringLiteral("Materiał"), QStringLiteral("Grupa"),
                                         QStringLiteral("fb [MPa]"), QStringLiteral("Kategoria wykonania"),
                                         QStringLiteral("Ciężar objętościowy [kN/m3]")});
    // The name column takes the width the others leave.
    VirtualStringTree1->header()->setStretchLastSection(false);
    fitColumns(0);

    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(160, 100);
    Image1->setAlignment(Qt::AlignCenter);
    // Between the list and the commands.
    Body->insertWidget(1, Image1);

    restorePlacement(760, 480);
    setRows(TMasonryCatalogue().Rows());
}

QStringList TElementsListDlg::rowTexts(const TMasonryUnitRow& r) const
{
    QStringList texts;
    for (int c = 0; c < kColumns; ++c) texts << QString::fromStdString(MasonryUnitColumnText(r, c));
    return texts;
}

bool TElementsListDlg::isBuiltIn(const TMasonryUnitRow& row) const { return IsBuiltInMasonryUnit(row); }

void TElementsListDlg::showCurrent(int row, bool builtIn)
{
    Image1->clear();
    if (builtIn && row < BuiltInMasonryUnitCount) {
        const QString name = PictureName(row);
        if (!name.isEmpty()) Image1->setPixmap(QPixmap::fromImage(NamedPicture(name, Image1->size())));
    }
}

void TElementsListDlg::prepareEditor(TNewElementDlg& editor, int row)
{
    editor.setNewUnit(row < 0);
    if (row < 0) {
        TMasonryUnitRow start;
        start.Density = g_lastDensity;
        editor.setData(start);
    } else {
        editor.setData(work_[static_cast<std::size_t>(row)]);
    }
    // A unit keeps its own name; every other name is taken.
    editor.setNamesInUse(valuesExcept(&TMasonryUnitRow::Name, row));
}

int TElementsListDlg::storeRow(const TMasonryUnitRow& edited, int row)
{
    g_lastDensity = edited.Density;
    return TCatalogueListDlg::storeRow(edited, row);
}

TFileResult TElementsListDlg::saveRows(const std::string& fileName, const std::vector<TMasonryUnitRow>& rows) const
{
    return SaveMasonryCatalogueFile(fileName, rows);
}

bool ShowElementsListDlg(QWidget* parent)
{
    TElementsListDlg dlg(parent);
    dlg.setRows(LoadMasonryCatalogue().Rows());
    dlg.setFileName(CatalogueWritePath(MasonryCatalogueFileName));
    return dlg.exec() == QDialog::Accepted;
}

} // namespace orv

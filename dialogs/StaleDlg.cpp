#include "dialogs/StaleDlg.h"

#include <QHeaderView>

#include "dialogs/CatalogueFiles.h"

namespace orv {

TSteelDlg::TSteelDlg(QWidget* parent)
    : TCatalogueListDlg(parent, "Steel03264", QStringLiteral("Nowa"), "Charakterystyka_stali_zbr")
{
    setObjectName(QStringLiteral("SteelDlg"));
    setWindowTitle(QStringLiteral("Charakterystyka stali wg PN-B-03264:2002"));
    setMinimumSize(400, 300);

    VirtualStringTree1->setHeaderLabels({QStringLiteral("Klasa stali"), QStringLiteral("Znak"),
                                         QStringLiteral("fyk [MPa]"), QStringLiteral("fyd [MPa]"),
                                         QStringLiteral("ftk [MPa]")});
    // Every column gets an equal share of the width.
    VirtualStringTree1->header()->setSectionResizeMode(QHeaderView::Stretch);

    restorePlacement(560, 420);
    const TSteelCatalogue builtIn;
    setRows(builtIn.Rows());
}

QStringList TSteelDlg::rowTexts(const TSteelRow& r) const
{
    return {QString::fromStdString(r.Klasa), QString::fromStdString(r.Znak), QString::fromStdString(r.fyk),
            QString::fromStdString(r.fyd), QString::fromStdString(r.ftk)};
}

bool TSteelDlg::isBuiltIn(const TSteelRow& row) const { return IsBuiltInSteelRow(row); }

void TSteelDlg::prepareEditor(TSteelEditorDlg& editor, int row)
{
    editor.setNewGrade(row < 0);
    editor.setData(row < 0 ? TSteelRow{"A-0", "", "220", "190", "260"} : work_[static_cast<std::size_t>(row)]);
    // Every other row's mark is taken; a row keeps its own.
    editor.setMarksInUse(valuesExcept(&TSteelRow::Znak, row));
}

int TSteelDlg::storeRow(const TSteelRow& edited, int row)
{
    if (row >= 0) return TCatalogueListDlg::storeRow(edited, row);
    // A new grade goes in by its class.
    InsertSteelRow(work_, edited);
    int at = 0;
    while (at < static_cast<int>(work_.size()) && work_[static_cast<std::size_t>(at)].Znak != edited.Znak) ++at;
    return at;
}

TFileResult TSteelDlg::saveRows(const std::string& fileName, const std::vector<TSteelRow>& rows) const
{
    return SaveSteelCatalogueFile(fileName, rows);
}

bool ShowSteelDlg(QWidget* parent)
{
    TSteelCatalogue catalogue;
    LoadSteelCatalogue(catalogue);
    TSteelDlg dlg(parent);
    dlg.setRows(catalogue.Rows());
    dlg.setFileName(CatalogueWritePath(SteelCatalogueFileName));
    return dlg.exec() == QDialog::Accepted;
}

} // namespace orv

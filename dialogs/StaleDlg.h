// The reinforcing-steel catalogue "Charakterystyka stali wg PN-B-03264:2002":
// the sixteen built-in grades and the user's own, added, edited and removed
// through the grade editor. It works on a copy of the rows; OK writes them
// to the catalogue file and hands them back, Cancel leaves both alone.
#pragma once

#include "core/ZELBET_PN99.h"
#include "dialogs/CatalogueListDlg.h"
#include "dialogs/StellEditor.h"

namespace orv {

class TSteelDlg : public TCatalogueListDlg<TSteelRow, TSteelEditorDlg> {
    Q_OBJECT
public:
    explicit TSteelDlg(QWidget* parent = nullptr);

protected:
    QStringList rowTexts(const TSteelRow& row) const override;
    bool isBuiltIn(const TSteelRow& row) const override;
    void prepareEditor(TSteelEditorDlg& editor, int row) override;
    int storeRow(const TSteelRow& edited, int row) override;
    TFileResult saveRows(const std::string& fileName, const std::vector<TSteelRow>& rows) const override;
};

// Shows the catalogue as the files hold it; OK writes the user's file.
// True on OK (the caller then reads the catalogue again).
bool ShowSteelDlg(QWidget* parent);

} // namespace orv

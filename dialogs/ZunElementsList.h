// The masonry-unit catalogue "Lista elementów murowych": the built-in units
// and the user's own, added, edited and removed through the unit editor. It
// works on a copy of the rows; OK writes them to the catalogue file and hands
// them back, Cancel leaves both alone.
#pragma once

#include "core/MasonryCatalogue.h"
#include "dialogs/CatalogueListDlg.h"
#include "dialogs/ZunNewElement.h"

class QLabel;

namespace orv {

class TElementsListDlg : public TCatalogueListDlg<TMasonryUnitRow, TNewElementDlg> {
    Q_OBJECT
public:
    explicit TElementsListDlg(QWidget* parent = nullptr);

protected:
    QStringList rowTexts(const TMasonryUnitRow& row) const override;
    bool isBuiltIn(const TMasonryUnitRow& row) const override;
    void prepareEditor(TNewElementDlg& editor, int row) override;
    int storeRow(const TMasonryUnitRow& edited, int row) override;
    TFileResult saveRows(const std::string& fileName, const std::vector<TMasonryUnitRow>& rows) const override;
    void showCurrent(int row, bool builtIn) override;

private:
    QLabel* Image1 = nullptr;
};

// Shows the catalogue as the files hold it; OK writes the user's file.
// True on OK (the caller then reads the unit names again).
bool ShowElementsListDlg(QWidget* parent);

} // namespace orv

// The masonry-unit catalogue "Lista elementów murowych": the built-in units
// and the user's own, added, edited and removed through the unit editor. It
// works on a copy of the rows; OK writes them to the catalogue file and hands
// them back, Cancel leaves both alone.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

#include "core/MasonryCatalogue.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace orv {

class TNewElementDlg;

class TElementsListDlg : public QDialog {
    Q_OBJECT
public:
    explicit TElementsListDlg(QWidget* parent = nullptr);

    void setRows(const std::vector<TMasonryUnitRow>& rows);
    // The rows as confirmed by OK (as set before that).
    const std::vector<TMasonryUnitRow>& rows() const { return rows_; }
    // The file OK writes.
    void setFileName(const QString& fileName) { fileName_ = fileName; }

    // Runs the unit editor; true on its OK. Modal by default.
    using EditorRunner = std::function<bool(TNewElementDlg&)>;
    void setEditorRunner(EditorRunner runner) { runEditor_ = std::move(runner); }

    void NewBtn1Click();
    void EditBtn1Click();
    void RemoveBtn1Click();

    // Writes the file; a failed write is reported and the dialog stays open.
    void accept() override;
    void done(int result) override;

private:
    void fillList(int current);
    void updateCommands();
    int focusedRow() const;
    std::vector<std::string> namesExcept(int row) const;

    std::vector<TMasonryUnitRow> rows_;
    std::vector<TMasonryUnitRow> work_;
    QString fileName_;
    EditorRunner runEditor_;
    QTreeWidget* VirtualStringTree1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* NewBtn1 = nullptr;
    QPushButton* EditBtn1 = nullptr;
    QPushButton* RemoveBtn1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* NewItem1 = nullptr;
    QAction* EditItem1 = nullptr;
    QAction* RemoveItem1 = nullptr;
};

// Shows the catalogue as the files hold it; OK writes the user's file.
// True on OK (the caller then reads the unit names again).
bool ShowElementsListDlg(QWidget* parent);

} // namespace orv

// The element manager "Menadżer elementów": all elements of the project in
// a list (number, name, design case, first line of the description), to be
// reordered, deleted, renamed and described. It works on its own copy of the
// element array and hands the rebuilt array back on OK.
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

#include "core/ZunTypes.h"

class QPushButton;
class QTreeWidget;

namespace orv {

struct TElementManagerData {
    TElementList elements; // at least `count` elements
    int count = 0;
    int current = 0; // in: the element shown first; out: the one focused on OK
};

class TTabManeagerDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTabManeagerDlg(QWidget* parent = nullptr);

    void setData(const TElementManagerData& data);
    // The data as handed over, or as rebuilt by OK.
    const TElementManagerData& data() const { return data_; }

    QTreeWidget* list() const { return tree_; }
    // Position of the focused row, -1 for none.
    int focusedRow() const;
    void setFocusedRow(int row);

    void SpeedButton1Click();  // first
    void SpeedButton9Click();  // up
    void SpeedButton10Click(); // down
    void SpeedButton2Click();  // last
    void SpeedButton13Click(); // delete
    void MMSpeedButton1Click(); // edit
    void BitBtn2Click();       // OK

    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct Node {
        int number; // 1-based position in the array handed over
        QString name;
        QString caseText;
        QString description;
    };

    void FillElementTree();
    void showNodes(int focus);
    void VirtualStringTree1Click();
    bool moveUp();
    bool moveDown();
    void RebuildElementArray();

    TElementManagerData data_;
    std::vector<Node> nodes_;
    QTreeWidget* tree_;
    QPushButton* first_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* last_;
    QPushButton* delete_;
    QPushButton* edit_;
};

// Runs the manager on `data`; true with the rebuilt data on OK.
bool ShowTabManeagerDlg(TElementManagerData& data, QWidget* parent = nullptr);

// A description as the list shows it: its first line, "..." when more follow.
QString DescriptionListText(const QString& description);

} // namespace orv

// A catalogue list dialog: built-in rows and the user's own, added, edited
// and removed through an editor dialog. It works on a copy of the rows; OK
// writes them to the catalogue file and hands them back, Cancel leaves both
// alone. A catalogue gives its columns, its editor's set-up and its save
// routine.
#pragma once

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>
#include <string>
#include <vector>

#include "components/DialogButtons.h"
#include "components/DialogKeys.h"
#include "components/HelpRouterUnit.h"
#include "components/ListColumns.h"
#include "components/WindowPlacement.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "core/ZunFiles.h"

namespace orv {

template <typename Row, typename Editor>
class TCatalogueListDlg : public QDialog {
public:
    void setRows(const std::vector<Row>& rows)
    {
        rows_ = rows;
        work_ = rows;
        fillList(-1);
    }
    // The rows as confirmed by OK (as set before that).
    const std::vector<Row>& rows() const { return rows_; }
    // The file OK writes.
    void setFileName(const QString& fileName) { fileName_ = fileName; }

    // Runs the editor; true on its OK. Modal by default.
    using EditorRunner = std::function<bool(Editor&)>;
    void setEditorRunner(EditorRunner runner) { runEditor_ = std::move(runner); }

    void NewBtn1Click()
    {
        Editor editor(this);
        prepareEditor(editor, -1);
        if (!runEditor_(editor)) return;
        fillList(storeRow(editor.data(), -1));
    }

    void EditBtn1Click()
    {
        const int i = focusedRow();
        if (i < 0 || !EditBtn1->isEnabled()) return;
        Editor editor(this);
        prepareEditor(editor, i);
        if (!runEditor_(editor)) return;
        fillList(storeRow(editor.data(), i));
    }

    void RemoveBtn1Click()
    {
        const int i = focusedRow();
        if (i < 0 || !RemoveBtn1->isEnabled()) return;
        if (MessageDlg3("Czy na pewno chcesz usunąć ten wpis?", mdConfirmation, mbYes | mbNo) != mrYes) return;
        work_.erase(work_.begin() + i);
        fillList(-1);
    }

    // Writes the file; a failed or declined write leaves the dialog open,
    // a failed one reported.
    void accept() override
    {
        const TFileResult r = saveRows(QFile::encodeName(fileName_).toStdString(), work_);
        if (!r.ok()) {
            if (r.status != TFileStatus::Declined) ShowMessageDialog(r.headline, r.message, mdError, mbOK);
            return;
        }
        rows_ = work_;
        QDialog::accept();
    }

    void done(int result) override
    {
        SaveWindowPlacement(placeName_, WindowPlaceOf(*this));
        QDialog::done(result);
    }

protected:
    // The list above, the commands below; `newText` captions the New button.
    TCatalogueListDlg(QWidget* parent, const char* placeName, const QString& newText, const char* helpTopic)
        : QDialog(parent), placeName_(placeName),
          runEditor_([](Editor& d) { return d.exec() == QDialog::Accepted; })
    {
        VirtualStringTree1 = new QTreeWidget;
        VirtualStringTree1->setObjectName(QStringLiteral("VirtualStringTree1"));
        VirtualStringTree1->setRootIsDecorated(false);
        VirtualStringTree1->setAllColumnsShowFocus(true);
        VirtualStringTree1->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(VirtualStringTree1, &QTreeWidget::currentItemChanged, this, [this] { updateCommands(); });
        connect(VirtualStringTree1, &QTreeWidget::itemDoubleClicked, this, [this] {
            if (EditBtn1->isEnabled()) EditBtn1Click();
        });

        PopupMenu1 = new QMenu(this);
        NewItem1 = PopupMenu1->addAction(QStringLiteral("Dodaj pozycję"));
        NewItem1->setObjectName(QStringLiteral("NewItem1"));
        EditItem1 = PopupMenu1->addAction(QStringLiteral("Edytuj pozycję"));
        EditItem1->setObjectName(QStringLiteral("EditItem1"));
        RemoveItem1 = PopupMenu1->addAction(QStringLiteral("Usuń pozycję"));
        RemoveItem1->setObjectName(QStringLiteral("RemoveItem1"));
        connect(NewItem1, &QAction::triggered, this, &TCatalogueListDlg::NewBtn1Click);
        connect(EditItem1, &QAction::triggered, this, &TCatalogueListDlg::EditBtn1Click);
        connect(RemoveItem1, &QAction::triggered, this, &TCatalogueListDlg::RemoveBtn1Click);
        connect(VirtualStringTree1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
            PopupMenu1->popup(VirtualStringTree1->viewport()->mapToGlobal(pos));
        });

        auto button = [](const char* name, const QString& text) {
            auto* b = new QPushButton(text);
            b->setObjectName(QString::fromLatin1(name));
            return b;
        };
        NewBtn1 = button("NewBtn1", newText);
        EditBtn1 = button("EditBtn1", QStringLiteral("Edytuj"));
        RemoveBtn1 = button("RemoveBtn1", QStringLiteral("Usuń"));
        connect(NewBtn1, &QPushButton::clicked, this, &TCatalogueListDlg::NewBtn1Click);
        connect(EditBtn1, &QPushButton::clicked, this, &TCatalogueListDlg::EditBtn1Click);
        connect(RemoveBtn1, &QPushButton::clicked, this, &TCatalogueListDlg::RemoveBtn1Click);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(NewBtn1);
        buttons->addWidget(EditBtn1);
        buttons->addWidget(RemoveBtn1);
        const QString topic = QString::fromLatin1(helpTopic);
        buttons->addWidget(
            CreateDialogButtons(*this, {"OKBtn", "CancelBtn", "HelpBtn"}, {}, [topic] { ShowHelpTopic(topic); }).box, 1);
        Body = new QVBoxLayout(this);
        Body->addWidget(VirtualStringTree1, 1);
        Body->addLayout(buttons);
    }

    // Sizes the dialog as it was last left, `width` x `height` the first time.
    void restorePlacement(int width, int height)
    {
        resize(width, height);
        TWindowPlace place;
        LoadWindowPlacement(placeName_, place);
        ApplyWindowPlacement(*this, place);
        sizeStored_ = place.Width > 0 && place.Height > 0;
    }

    // Columns sized to their captions and contents, resizable by the user;
    // `fill` takes the width the others leave. Before the rows are set.
    void fitColumns(int fill)
    {
        fitColumns_ = true;
        FillRoomWithColumn(*VirtualStringTree1, fill);
    }

    void showEvent(QShowEvent* e) override
    {
        // Opened for the first time, the list shows every column whole.
        if (fitColumns_ && !sizeStored_ && !e->spontaneous()) WidenForColumns(*this, *VirtualStringTree1);
        QDialog::showEvent(e);
        if (!e->spontaneous()) FitWindowFrameOnScreen(*this);
    }

    // One text per column.
    virtual QStringList rowTexts(const Row& row) const = 0;
    // Built-in rows can be neither edited nor removed.
    virtual bool isBuiltIn(const Row& row) const = 0;
    // Sets the editor up for the row given, or for a new one at -1.
    virtual void prepareEditor(Editor& editor, int row) = 0;
    // Takes the editor's row in at `row` (-1: a new one); the row to focus.
    virtual int storeRow(const Row& edited, int row)
    {
        if (row >= 0) {
            work_[static_cast<std::size_t>(row)] = edited;
            return row;
        }
        work_.push_back(edited);
        return static_cast<int>(work_.size()) - 1;
    }
    virtual TFileResult saveRows(const std::string& fileName, const std::vector<Row>& rows) const = 0;
    // Shows what goes with the focused row (-1: none).
    virtual void showCurrent(int /*row*/, bool /*builtIn*/) {}

    // The text `field` of every row but `row` (-1: of every row).
    std::vector<std::string> valuesExcept(std::string Row::*field, int row) const
    {
        std::vector<std::string> values;
        for (std::size_t k = 0; k < work_.size(); ++k)
            if (static_cast<int>(k) != row) values.push_back(work_[k].*field);
        return values;
    }

    std::vector<Row> work_;
    QTreeWidget* VirtualStringTree1 = nullptr;
    QVBoxLayout* Body = nullptr;

private:
    void fillList(int current)
    {
        VirtualStringTree1->clear();
        for (const Row& r : work_) new QTreeWidgetItem(VirtualStringTree1, rowTexts(r));
        if (current >= 0 && current < static_cast<int>(work_.size()))
            VirtualStringTree1->setCurrentItem(VirtualStringTree1->topLevelItem(current));
        if (fitColumns_) FitColumnsToContents(*VirtualStringTree1);
        updateCommands();
    }

    void updateCommands()
    {
        const int i = focusedRow();
        const bool builtIn = i >= 0 && isBuiltIn(work_[static_cast<std::size_t>(i)]);
        const bool own = i >= 0 && !builtIn;
        EditBtn1->setEnabled(own);
        RemoveBtn1->setEnabled(own);
        EditItem1->setEnabled(own);
        RemoveItem1->setEnabled(own);
        showCurrent(i, builtIn);
    }

    int focusedRow() const
    {
        QTreeWidgetItem* item = VirtualStringTree1->currentItem();
        return item ? VirtualStringTree1->indexOfTopLevelItem(item) : -1;
    }

    std::vector<Row> rows_;
    QString fileName_;
    const char* placeName_;
    bool sizeStored_ = false;
    bool fitColumns_ = false;
    EditorRunner runEditor_;
    QPushButton* NewBtn1 = nullptr;
    QPushButton* EditBtn1 = nullptr;
    QPushButton* RemoveBtn1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* NewItem1 = nullptr;
    QAction* EditItem1 = nullptr;
    QAction* RemoveItem1 = nullptr;
};

} // namespace orv

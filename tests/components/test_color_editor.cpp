#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "components/ColorEditorDialog.h"
#include "core/SettingsStore.h"

using namespace orv;

namespace {


class ColorEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        prev = BindSettingsStore(&store);
    }
    void TearDown() override
    {
        BindSettingsStore(prev);
        BindColorEditor({});
    }
    MemorySettingsStore store;
    ISettingsStore* prev = nullptr;
};

std::optional<int> Stored(MemorySettingsStore& s, const std::string& name)
{
    return s.readInteger(SettingsKey::Maker, "Colors", name);
}

// Presses the named button of the modal dialog once it is shown.
void PressLater(const char* button)
{
    QTimer::singleShot(0, [button] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        w->findChild<QPushButton*>(button)->click();
    });
}

} // namespace

TEST_F(ColorEditor, ListsEverySlotAndWritesOnOk)
{
    store.writeInteger(SettingsKey::Maker, "Colors", "Siła", 0x123456);
    TColorEditorDlg dlg;
    EXPECT_EQ(dlg.slotColor(dcForce), 0x123456u);
    for (int slot : EditableColorSlots())
        EXPECT_NE(dlg.findChild<QPushButton*>(QString("colorButton%1").arg(slot)), nullptr) << slot;
    EXPECT_EQ(dlg.findChild<QPushButton*>("colorButton31"), nullptr);
    EXPECT_EQ(dlg.findChild<QPushButton*>("colorButton32"), nullptr);
    dlg.setSlotColor(5, 0x0000FF);
    dlg.setSlotColor(3, 0x00FF00);
    EXPECT_EQ(dlg.slotColor(31), 0x00FF00u);
    EXPECT_FALSE(Stored(store, "Obciążenie ciągłe").has_value());
    dlg.findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Stored(store, "Obciążenie ciągłe"), 0x0000FF);
    EXPECT_EQ(Stored(store, "Wymiary"), 0x00FF00);
    EXPECT_EQ(Stored(store, "Siła"), 0x123456);
}

TEST_F(ColorEditor, CancelWritesNothing)
{
    TColorEditorDlg dlg;
    dlg.setSlotColor(5, 0x0000FF);
    dlg.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(store.values.empty());
}

TEST_F(ColorEditor, EditDrawingColorsRunsTheDialog)
{
    RegisterColorEditor();
    store.writeInteger(SettingsKey::Maker, "Colors", "Element", 0x00AA00);
    TDrawingColors colors;
    colors.fill(0x111111);
    TPoint place{30, 40};
    PressLater("okButton");
    EXPECT_TRUE(EditDrawingColors(nullptr, 5, "", colors, place));
    EXPECT_EQ(colors[0], 0x00AA00u);
    EXPECT_EQ(colors[dcButtonFace], clBtnFace);

    colors.fill(0x222222);
    PressLater("cancelButton");
    EXPECT_FALSE(EditDrawingColors(nullptr, 5, "", colors, place));
    EXPECT_EQ(colors[0], 0x222222u);
}

// The dialogs of the editor library: the printing settings ("Printing"), the
// settings of the export to the report editor ("Word"), the fonts of the
// results text and the calculation trace ("Parametrs") and the drawing
// colours ("Colors"), each reading its values from the settings store when
// it is made and writing them on OK.
#pragma once

#include <QDialog>
#include <QSizeF>

#include <string>

#include "drawing/CommonColorUnit.h"
#include "printing/CommonWordUnit.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace orv {

// The values of "Printing" the settings dialog edits; margins in tenths of
// a millimetre, as stored.
struct TJolPrintingValues {
    int HeaderType = 0;
    std::string LogoPath = "(brak)";
    bool DrawLogo = true;
    bool DrawFrame = false;
    bool ShowTotalPageNumber = true;
    bool ShowObjectInfo = false;
    bool ShowNumberInfo = false;
    int MarginLeft = 250;
    int MarginRight = 200;
    int MarginTop = 100;
    int MarginBottom = 250;
    std::string FontName = "Times New Roman"; // stored under " FontName"
    int FontSize = 12;
    bool ColorPrinting = true;
};
void ReadJolPrintingValues(TJolPrintingValues& v);
void WriteJolPrintingValues(const TJolPrintingValues& v);

// True when margins (mm) leave some printable area on a page of pageMm.
bool MarginsLeavePrintableArea(double left, double right, double top, double bottom, const QSizeF& pageMm);
// The paper of the default printer, A4 without one (mm).
QSizeF DefaultPaperSize();

// Places the dialog at (x, y) unless either is negative (not placed yet).
void PlaceDialog(QDialog& dlg, int x, int y);

class TPrintingSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrintingSettingsDlg(QWidget* parent = nullptr);

    // The paper the margins are checked against.
    void setPaperSize(const QSizeF& mm) { paperMm_ = mm; }
    TJolPrintingValues values() const;
    void setValues(const TJolPrintingValues& v);

    // Writes the values, unless the margins leave no printable area or too
    // little for the report's lines under the page header on the paper:
    // then "Popraw!" / "Błąd w definicji marginesów." and the dialog stays.
    void accept() override;

private:
    void chooseLogo();

    QSizeF paperMm_;
    TJolPrintingValues kept_; // values the dialog does not show
    QComboBox* headerType_ = nullptr;
    QLineEdit* logoPath_ = nullptr;
    QCheckBox* drawLogo_ = nullptr;
    QCheckBox* drawFrame_ = nullptr;
    QCheckBox* totalPages_ = nullptr;
    QCheckBox* objectInfo_ = nullptr;
    QCheckBox* numberInfo_ = nullptr;
    QDoubleSpinBox* margins_[4] = {};
    QComboBox* fontName_ = nullptr;
    QSpinBox* fontSize_ = nullptr;
    QCheckBox* colorPrinting_ = nullptr;
};

class TWordSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWordSettingsDlg(QWidget* parent = nullptr);

    TWordSettings values() const;
    void setValues(const TWordSettings& v);
    void accept() override;

private:
    TWordSettings kept_;
    QComboBox* fontName_ = nullptr;
    QDoubleSpinBox* fontSize_ = nullptr; // points; stored in half-points
    QCheckBox* colorPrinting_ = nullptr;
    QCheckBox* monochrome_ = nullptr;
};

// The two stored fonts: "FontName"/"FontSize" of the results text and
// "FontName PW"/"FontSize PW" of the calculation trace, sizes in half-points.
class TFontSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFontSettingsDlg(QWidget* parent = nullptr);
    void accept() override;

private:
    QComboBox* names_[2] = {};
    QDoubleSpinBox* sizes_[2] = {}; // points
};

// Every stored slot with a colour button; OK writes the set to "Colors".
class TColorEditorDlg : public QDialog {
    Q_OBJECT
public:
    explicit TColorEditorDlg(QWidget* parent = nullptr);

    TColor slotColor(int slot) const { return colors_[slot]; }
    void setSlotColor(int slot, TColor color);
    // The button of a slot (objectName "colorButton<slot>"), nullptr for a slot not edited.
    QPushButton* slotButton(int slot) const;

    void accept() override;

private:
    void chooseColor(int slot);
    void showColor(int slot);

    TDrawingColors colors_{};
    QPushButton* buttons_[DrawingColorCount] = {};
};

} // namespace orv

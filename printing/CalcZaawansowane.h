// "Zaawansowane opcje konfiguracji wydruku": the printed size of the scheme
// figure of each group of design cases, width and height in centimetres,
// and making the current sizes the defaults of new projects.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "core/CommonParamsUnit.h"

class QPushButton;

namespace orv {

class TSpinRealEdit;

class TBeginPrintAdv : public QDialog {
    Q_OBJECT
public:
    explicit TBeginPrintAdv(QWidget* parent = nullptr);

    // The ten sizes (width, height of groups 1..5) the form edits: the
    // caller sets them before showing it and takes them back on OK.
    void setSizes(const TFigureSizes& sizes) { sizes_ = sizes; }
    const TFigureSizes& sizes() const { return sizes_; }

    // Stores sizes as the defaults of new projects (the main window's
    // SaveCalcSettings).
    std::function<void(const TFigureSizes& sizes)> onSaveDefaults;
    // Opens a help topic.
    std::function<void(const std::string& topic)> onHelp;

    // The spin edit of size i (0..9).
    TSpinRealEdit* sizeEdit(int i) const { return edits_[i]; }

    void FormShow();
    // "OK": the sizes from the spin edits, when each holds a value in range.
    void BitBtn1Click();
    // "Domyślnie...": asks, then stores the spin edits' sizes as defaults.
    void BitBtn2Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool takeSizes();

    TFigureSizes sizes_{};
    TSpinRealEdit* edits_[10] = {};
};

// Shows the form modally with the sizes; true on OK, and sizes holds the
// edited ones then.
bool ShowAdvancedPrintOptions(QWidget* parent, TFigureSizes& sizes,
                              const std::function<void(const TFigureSizes&)>& saveDefaults,
                              const std::function<void(const std::string&)>& help = {});

} // namespace orv

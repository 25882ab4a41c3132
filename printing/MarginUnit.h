// "Ustaw marginesy strony": the four page margins edited against a picture
// of the paper, with the current printer's geometry listed on a page of its
// own. The margins are in millimetres; the caller sets them before showing
// the dialog and takes them back on OK.
#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

#include "printing/PageGeometry.h"

class QLabel;
class QPainter;
class QPushButton;

namespace orv {

class TSpinRealEdit;

class TMarginDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMarginDlg(QWidget* parent = nullptr);

    const TPageMargins& margins() const { return margins_; }
    void setMargins(const TPageMargins& margins) { margins_ = margins; }

    // The geometry to show in place of the current printer's (the current
    // printer is asked each time the dialog is shown otherwise).
    void setPageGeometry(const TPageGeometry& geometry) { geometry_ = geometry; }

    // The eight lines of the "Parametry" page.
    QStringList parameterLines() const;

    // The spin edits into the margins, the geometry read and listed, the
    // lower limits of the spin edits raised to the printer's strips.
    void FormShow();
    // The margins from the spin edits; the picture painted again.
    void Left1Exit();
    // Closes when the margins fit the paper; otherwise says so and stays.
    void OKBtnClick();
    // A test page on the current printer: the printable rectangle of the
    // margins and a 100 x 100 pixel square at the printable origin. False
    // when the printer could not be started.
    bool Button1Click();
    // The paper picture into the paint box.
    void PB1Paint(QPainter& painter);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TPageGeometry currentGeometry() const;

    TPageMargins margins_{25.0, 10.0, 10.0, 25.0};
    std::optional<TPageGeometry> geometry_;
    // What FormShow read, in millimetres.
    double paperWidthMm_ = 0;
    double paperHeightMm_ = 0;

    TSpinRealEdit* left_ = nullptr;
    TSpinRealEdit* right_ = nullptr;
    TSpinRealEdit* top_ = nullptr;
    TSpinRealEdit* bottom_ = nullptr;
    QWidget* paintBox_ = nullptr;
    QLabel* lines_[8] = {};
};

} // namespace orv

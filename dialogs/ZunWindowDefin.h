// The opening dialog "Definicja nowego otworu": one rectangular opening of
// a wall, its lower left corner (x, y) and its width l and height h in
// centimetres, typed or dragged with the mouse on the elevation of the wall
// with its other openings. OK checks the opening against the other
// openings; while it collides the dialog stays open.
#pragma once

#include <QDialog>

#include "core/MyUtils.h"
#include "core/ZunTypes.h"
#include "drawing/CommonColorUnit.h"

class QPushButton;

namespace orv {

class TNumberEdit;

class TWindowDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWindowDlg(QWidget* parent = nullptr);

    // The wall with the other openings only, whether the opening is new
    // (the fields then start at 0, 0, 90 x 90) and the opening edited.
    void setData(const TCalcInput& wall, bool newOpening, const TOpening& opening);
    // The opening accepted by OK; the one passed in until then.
    TOpening data() const { return opening_; }

    // The opening as the fields hold it now.
    TOpening fieldValues() const;
    // From the last drawing: the opening's rectangle and pixels per cm.
    TRect openingRect() const { return rect_; }
    double scale() const { return scale_; }
    QWidget* schemeBox() const { return PB2; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum DragMode { dmNone, dmTopLeft, dmBottomRight, dmTopRight, dmBottomLeft, dmTop, dmBottom, dmLeft, dmRight,
                    dmMove };
    void paintScheme();
    void pointerMoved(QPoint p, bool dragging);
    void setFields(const TOpening& o);

    TCalcInput wall_{};
    TOpening opening_{};
    TDrawingColors colors_{};
    int unit_ = 1; // centimetres
    TRect rect_{};
    double scale_ = 0;
    bool dragging_ = false;
    DragMode mode_ = dmNone;
    QPoint start_;
    TOpening startValues_{};

    TNumberEdit* x1 = nullptr;
    TNumberEdit* y1 = nullptr;
    TNumberEdit* l1 = nullptr;
    TNumberEdit* h1 = nullptr;
    QWidget* PB2 = nullptr;
    QPushButton* OKBtn = nullptr;
};

// Runs the dialog modally; true (and the opening set) on OK.
bool ShowWindowDlg(QWidget* parent, const TCalcInput& wall, bool newOpening, TOpening& opening);

} // namespace orv

// The bending moment dialog "Moment zginający": the design moment of a
// column in one direction, M = N x e, with N the column's design force or a
// force given here and e 0.4 x the section dimension or an eccentricity
// given here. It works on a copy of its data and hands it back on OK.
#pragma once

#include <QDialog>
#include <QString>

namespace orv {

class TMathLabel;
class TMLCheckBox;
class TMLRadioButton;
class TNumberEdit;

// Mode bits of a moment.
enum : int {
    mmEccentricity04 = 1, // e = 0.4 x dimension (else the given e)
    mmOwnForce = 2,       // N given here (else N_Sd of the column head)
    mmAutomatic = 4,      // the moment follows the column's dimensions
};

struct TMomentData {
    double N = 0;          // N_Sd of the column head [kN], shown
    double ownN = 0;       // the force given for this moment [kN]
    double dimension = 0;  // section dimension of the direction [cm]: t for x, b for y
    double e = 0;          // the given eccentricity [cm]
    int mode = 0;          // mm* bits
    int direction = 1;     // 1 x, 0 y
    double M = 0;          // the moment [kNm]: in, the field's; out, the dialog's
};

class TMomentDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMomentDlg(QWidget* parent = nullptr);

    // Fills the controls starting from the field's moment data.M: where the
    // choices give another moment, the given eccentricity e = 100 M / N is
    // shown instead. Until a control changes, the moment stays data.M.
    void setData(const TMomentData& data);
    // The data as handed over, or as taken back by OK.
    const TMomentData& data() const { return data_; }

    // The moment of the controls as they stand [kNm].
    double moment() const { return M_; }
    // The result line in report mark-up.
    QString resultText() const;

    void ComputeMoment();
    void UpdateMomentControls();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // What the moment depends on, as the controls show it.
    struct TShown {
        bool e04 = false;
        bool ownForce = false;
        QString e, N, ownN;
        bool operator==(const TShown&) const = default;
    };
    TShown shownNow() const;
    // The moment of the choices as they stand [kNm].
    double choicesMoment() const;
    // The given eccentricity [cm]: exact while ex1 shows the text it was given.
    double eccentricity() const;
    void BitBtn1Click();

    TMomentData data_;
    double M_ = 0;
    double e_ = 0;     // the given eccentricity at its full precision [cm]
    TShown start_;     // the controls as setData left them
    TMLRadioButton* e04t_;
    TMLRadioButton* e2_;
    TNumberEdit* ex1_;
    TMLRadioButton* obc0_;
    TMLRadioButton* obc1_;
    TNumberEdit* N1_;
    TNumberEdit* NSd1_;
    TMathLabel* label2_;
    TMathLabel* label63_;
    TMLCheckBox* aut1_;
    QWidget* PB1_;
};

// Runs the dialog on `data`; true with the data taken back on OK.
bool ShowMomentDlg(TMomentData& data, QWidget* parent = nullptr);

} // namespace orv

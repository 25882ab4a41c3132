// The dialog before every printout and every export to the report editor:
// the page-header fields of the project, the printer, the print range, the
// place of the project comment, and the way to the printing settings, the
// editor-insert settings, the advanced options and the preview.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/CommonParamsUnit.h"
#include "core/MyUtils.h"
#include "core/ZunTypes.h"
#include "printing/PrintSettings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace orv {

class TIntegerSpinEdit;

class TBeginPrint2 : public QDialog {
    Q_OBJECT
public:
    // OK, "Anuluj", "Zamknij".
    enum Result { ResultPrint = 1, ResultCancel = 2, ResultClose = 6 };
    // Rows of the range tree whose visible and enabled states are kept.
    static constexpr int RangeRowStates = 30;

    explicit TBeginPrint2(QWidget* parent = nullptr);

    // The caller's copies in; after ResultPrint or ResultClose the edited
    // ones come back out (after "Anuluj" the ones that went in).
    void setHeader(const TProjectHeader& h);
    const TProjectHeader& header() const { return header_; }
    // True when it came in true or any field taken back differs from what
    // came in.
    void setModified(bool m);
    bool modified() const { return modified_; }
    // 0 print, 1 insert into the report editor.
    void setMode(int mode) { mode_ = mode; }
    int mode() const { return mode_; }
    // The project comment (UTF-8), one string a line.
    void setCommentLines(const std::vector<std::string>& lines);
    std::vector<std::string> commentLines() const { return lines_; }

    // "Podgląd": called after the fields were stored, with the header copy
    // and the comment lines; true when the preview asked for printing.
    std::function<bool(const TProjectHeader&, const std::vector<std::string>&)> onPreview;
    // "Domyślnie..." of the advanced options: stores the sizes as defaults.
    std::function<void(const TFigureSizes&)> onSaveDefaults;

    // The editor library's settings dialogs and the advanced options, each
    // true when confirmed (replaceable where the library is not at hand).
    std::function<bool(QObject* owner, TPoint& place)> showPrintingSettings;
    std::function<bool(QObject* owner, TPoint& place)> showWordInsertSettings;
    std::function<bool(QWidget* parent, TFigureSizes& sizes)> showAdvancedOptions;

    const TPrintingSettings& printSettings() const { return settings_; }

    void FormShow();
    // Stores the edits into the header copy (OK and "Zamknij"); false when a
    // page number is refused and the dialog stays open.
    bool OKBtnClick();
    void BitBtn1Click();
    void ComboBox1Change(int index);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void BitBtn3Click();
    void VirtualStringTree1Checked(QTreeWidgetItem* node);

    void BuildRangeTree();
    void SetRangeChecks();
    void ReadRangeChecks();
    void ApplyRangeRowStates();
    void ShowHeaderFields();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void closeWith(int result);
    void noteChanges();
    bool differsFromOriginal() const;

    TProjectHeader header_{};
    TProjectHeader original_{};
    std::vector<std::string> lines_;
    std::vector<std::string> originalLines_;
    bool modified_ = false;
    bool modifiedIn_ = false;
    int mode_ = 0;
    TPrintingSettings settings_{};
    TPoint printingPlace_{-1, -1};
    TPoint wordPlace_{-1, -1};
    std::array<bool, RangeRowStates> rowVisible_{};
    std::array<bool, RangeRowStates> rowEnabled_{};

    QTabWidget* pages_;
    QLineEdit* autor1_;
    QLineEdit* tytul1_;
    QLineEdit* obiekt1_;
    QLineEdit* nr_projektu1_;
    QLabel* obiektLabel_;
    QLabel* nrProjektuLabel_;
    QLabel* ilStrLabel_;
    TIntegerSpinEdit* str1_;
    TIntegerSpinEdit* il_str1_;
    QComboBox* ComboBox1_;
    QTreeWidget* tree_;
    QRadioButton* before_;
    QRadioButton* after_;
    QRadioButton* none_;
    QPlainTextEdit* Memo1_;
    QPushButton* preview_;
    QPushButton* settingsBtn_;
};

} // namespace orv

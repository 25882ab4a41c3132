// The print preview: the report pages as the print job prints them, each on
// a picture of the paper with its margin frame, paged through and zoomed;
// "Ustawienia" opens the printing settings and lays the pages out anew,
// "Drukuj" closes the window asking for the printout.
#pragma once

#include <QCursor>
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <string>

#include "printing/PageGeometry.h"
#include "printing/PrintSettings.h"
#include "printing/ReportRenderer.h"

class QMenu;
class QAction;
class QPainter;
class QPushButton;
class QScrollArea;
class QToolButton;
class QWheelEvent;
class QWidget;

namespace orv {

// The preview's cursors by number: 109 zoom in, 110 zoom out, 111 zoom
// rectangle waiting, 112 zoom rectangle dragging; the arrow for others.
QCursor PreviewCursor(int id);

// A report page as the preview shows it: drawn at a multiple of the
// screen's pixels and scaled down smoothly. Size is in device-independent
// pixels; an empty image when there is nothing to draw.
QImage RenderPreviewPage(const QPicture& page, TPoint pixels, QSize size, qreal ratio);

class TPreviewPrintDlg : public QDialog {
    Q_OBJECT
public:
    using TSettingsDialog = std::function<bool(QObject* owner, TPoint& place)>;

    explicit TPreviewPrintDlg(QWidget* parent = nullptr);
    ~TPreviewPrintDlg() override;

    // The hand-over before showing: what to report and where the elements
    // come from (the source must outlive the showing). The page headers name
    // the report by the request's document name.
    void setJob(IElementSource* source, const TReportRequest& request);
    // Folder of the page-header library; empty: beside the program.
    void setLibraryFolder(const std::string& folder) { options_.libraryFolder = folder; }
    // The printer geometry to lay out for; unset, the current printer's is
    // read on every showing.
    void setPageGeometry(const TPageGeometry& g);
    // The printing-settings dialog of "Ustawienia" (ShowPrintingSettingsDlg
    // unless replaced); true when the settings were confirmed.
    void setSettingsDialog(TSettingsDialog dialog) { settingsDialog_ = std::move(dialog); }

    // After closing: "Drukuj" was pressed.
    bool printRequested() const { return printRequested_; }
    int pageCount() const { return int(pages_.pages.size()); }
    // The laid-out pages (printer pixels), as the preview shows them.
    const TReportPages& pages() const { return pages_; }
    // 1-based
    int currentPage() const { return current_; }
    // Where the last paint put the current page in the paint box; empty
    // when none was drawn.
    QRect shownPageRect() const { return pageRect_; }

    // handlers
    void FormShow();
    void FormResize();
    // True when the wheel scrolled the view (the mouse over the scroll box).
    bool FormMouseWheel(QObject* under, QWheelEvent* event);
    void ToolButton5Click();
    void ToolButton6Click();
    void FirstButton1Click();
    void PreviousButton1Click();
    void NextButton1Click();
    void LastButton1Click();
    void Printer1Paint(QPainter& painter);
    void Printer1MouseDown(Qt::MouseButton button, QPoint p);
    void Printer1MouseMove(QPoint p);
    void Printer1MouseUp(Qt::MouseButton button, QPoint p);
    void PopupMenu1Popup();
    void Powikszwybranyobszar1Click();
    void Powiksz1Click();
    void Pomniejsz1Click();
    void Dopasujdookna1Click();
    void CancelBtnClick();
    void Button1Click();
    // Zooms about a point of the paint box and scrolls it to the middle.
    void SetZoom(QPoint p, double factor);

    void done(int r) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TMouseMode { None, ZoomIn, ZoomOut, ZoomWindow };

    void FormCreate();
    void updateCaption();
    QRect paperRectIn(QSize box) const;
    // The current page at the paint box's scale, kept until the page, the
    // size or the layout changes.
    const QImage& pageImage(QSize size, qreal ratio);

    QToolButton* ToolButton5 = nullptr;
    QToolButton* ToolButton6 = nullptr;
    QToolButton* FirstButton1 = nullptr;
    QToolButton* PreviousButton1 = nullptr;
    QToolButton* NextButton1 = nullptr;
    QToolButton* LastButton1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* Printer1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Powikszwybranyobszar1 = nullptr;
    QAction* Powiksz1 = nullptr;
    QAction* Pomniejsz1 = nullptr;
    QAction* Dopasujdookna1 = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* Button1 = nullptr;

    IElementSource* source_ = nullptr;
    TReportRequest request_;
    TReportOptions options_;
    bool geometryGiven_ = false;
    TPageGeometry givenGeometry_;
    TPageGeometry geometry_;
    double paperWidth_ = 0;   // mm
    double paperHeight_ = 0;
    TPageMargins strips_;     // mm
    TPrintingSettings settings_{};
    TSettingsDialog settingsDialog_;

    TReportPages pages_;
    int current_ = 1;
    bool fit_ = true;
    TMouseMode mode_ = TMouseMode::None;
    bool dragging_ = false;
    QPoint corner1_;
    QPoint corner2_;
    QRect paperRect_;         // as last drawn
    QRect pageRect_;
    QImage pageImage_;
    int pageImageOf_ = 0;
    QSize pageImageSize_;
    TPoint settingsPlace_{-1, -1};
    bool printRequested_ = false;
};

} // namespace orv

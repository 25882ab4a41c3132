#include "printing/PreviewPrintDlg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/MyUtils.h"
#include "platform/JolLib.h"
#include "printing/CurrentPrinter.h"
#include "printing/PaperPicture.h"

namespace orv {

namespace {

const char* CursorName(int id)
{
    switch (id) {
    case 109: return "CURSOR_PREVIEW_ZOOM1";
    case 110: return "CURSOR_PREVIEW_ZOOM2";
    case 111: return "CURSOR_PREVIEW_ZOOM_WINDOW1";
    case 112: return "CURSOR_PREVIEW_ZOOM_WINDOW2";
    default: return nullptr;
    }
}

// A magnifier of 32 x 32 pixels, the hot spot in the lens; "+" zooms in,
// "-" out; the zoom rectangle's cursors carry a dotted frame, solid while
// dragging.
QCursor DrawMagnifier(const QString& name)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(11, 11);
    auto outlined = [&p](const QPen& inner, auto draw) {
        p.setPen(QPen(Qt::white, inner.widthF() + 2, Qt::SolidLine, Qt::RoundCap));
        draw();
        p.setPen(inner);
        draw();
    };
    outlined(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap), [&] { p.drawLine(QPointF(17, 17), QPointF(28, 28)); });
    p.setBrush(QColor(255, 255, 255, 200));
    outlined(QPen(Qt::black, 1.5), [&] { p.drawEllipse(centre, 7.5, 7.5); });
    p.setBrush(Qt::NoBrush);
    const QPen mark(Qt::black, 1.5);
    p.setPen(mark);
    if (name.endsWith("ZOOM1") || name.endsWith("ZOOM2")) {
        p.drawLine(QPointF(7.5, 11), QPointF(14.5, 11));
        if (name.endsWith("ZOOM1")) p.drawLine(QPointF(11, 7.5), QPointF(11, 14.5));
    } else {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1, name.endsWith("WINDOW2") ? Qt::SolidLine : Qt::DotLine));
        p.drawRect(QRect(7, 8, 8, 6));
    }
    p.end();
    return QCursor(pm, 11, 11);
}

// The paint box: its paint and mouse go to the dialog.
class TPaintBox : public QWidget {
public:
    TPaintBox(TPreviewPrintDlg* owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        owner_->Printer1Paint(p);
    }
    void mousePressEvent(QMouseEvent* e) override { owner_->Printer1MouseDown(e->button(), e->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent* e) override { owner_->Printer1MouseMove(e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* e) override { owner_->Printer1MouseUp(e->button(), e->position().toPoint()); }

private:
    TPreviewPrintDlg* owner_;
};

double MmOf(int pixels, int dpi) { return dpi > 0 ? pixels * 25.4 / dpi : 0.0; }

// Where a coordinate lies between a first edge and an extent: 0 .. 1.
double Relative(int v, int first, int extent)
{
    if (extent <= 0 || v <= first) return 0.0;
    if (v >= first + extent) return 1.0;
    return double(v - first) / extent;
}

} // namespace

QCursor PreviewCursor(int id)
{
    // kept to the end of the run, past the application object
    static auto* table = new QHash<QString, QCursor>;
    const char* name = CursorName(id);
    if (!name) return QCursor(Qt::ArrowCursor);
    auto it = table->find(name);
    if (it == table->end()) it = table->insert(name, DrawMagnifier(name));
    return *it;
}

TPreviewPrintDlg::TPreviewPrintDlg(QWidget* parent) : QDialog(parent), settingsDialog_(ShowPrintingSettingsDlg)
{
    setWindowTitle(QString::fromUtf8("Podgląd wydruku"));
    setModal(true);

    auto* toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->setMovable(false);
    auto tool = [&](QToolButton*& button, const char* name, const char* caption, void (TPreviewPrintDlg::*click)()) {
        button = new QToolButton(toolBar);
        button->setObjectName(name);
        button->setText(QString::fromUtf8(caption));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        toolBar->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, click] { (this->*click)(); });
    };
    tool(ToolButton5, "ToolButton5", "Drukuj", &TPreviewPrintDlg::ToolButton5Click);
    tool(ToolButton6, "ToolButton6", "Ustawienia", &TPreviewPrintDlg::ToolButton6Click);
    toolBar->addSeparator();
    tool(FirstButton1, "FirstButton1", "Pierwsza strona", &TPreviewPrintDlg::FirstButton1Click);
    tool(PreviousButton1, "PreviousButton1", "Poprzednia strona", &TPreviewPrintDlg::PreviousButton1Click);
    tool(NextButton1, "NextButton1", "Następna strona", &TPreviewPrintDlg::NextButton1Click);
    tool(LastButton1, "LastButton1", "Ostatnia strona", &TPreviewPrintDlg::LastButton1Click);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setWidgetResizable(false);
    Printer1 = new TPaintBox(this, ScrollBox1);
    Printer1->setObjectName("Printer1");
    ScrollBox1->setWidget(Printer1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Powikszwybranyobszar1 = PopupMenu1->addAction(QString::fromUtf8("Powiększ wybrany obszar"));
    Powiksz1 = PopupMenu1->addAction(QString::fromUtf8("Powiększ"));
    Pomniejsz1 = PopupMenu1->addAction(QString::fromUtf8("Pomniejsz"));
    Dopasujdookna1 = PopupMenu1->addAction(QString::fromUtf8("Dopasuj do okna"));
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
    connect(Powikszwybranyobszar1, &QAction::triggered, this, [this] { Powikszwybranyobszar1Click(); });
    connect(Powiksz1, &QAction::triggered, this, [this] { Powiksz1Click(); });
    connect(Pomniejsz1, &QAction::triggered, this, [this] { Pomniejsz1Click(); });
    connect(Dopasujdookna1, &QAction::triggered, this, [this] { Dopasujdookna1Click(); });
    Printer1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Printer1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(Printer1->mapToGlobal(pos)); });

    CancelBtn = new QPushButton(QStringLiteral("Zamknij"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setToolTip(QStringLiteral("Zamknij okno"));
    CancelBtn->setAutoDefault(false);
    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    Button1->setVisible(false);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Button1);
    bottom->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(ScrollBox1, 1);
    auto* panel = new QWidget(this);
    bottom->setContentsMargins(6, 6, 6, 6);
    panel->setLayout(bottom);
    layout->addWidget(panel);

    // the wheel over the scroll box, its paint box or its bars; the
    // visible area's size
    for (QObject* o : {static_cast<QObject*>(Printer1), static_cast<QObject*>(ScrollBox1->viewport()),
                       static_cast<QObject*>(ScrollBox1->horizontalScrollBar()),
                       static_cast<QObject*>(ScrollBox1->verticalScrollBar()), static_cast<QObject*>(ScrollBox1)})
        o->installEventFilter(this);

    FormCreate();
}

TPreviewPrintDlg::~TPreviewPrintDlg() = default;

void TPreviewPrintDlg::FormCreate()
{
    settingsPlace_ = {-1, -1};
    for (int id = 109; id <= 112; ++id) PreviewCursor(id);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        resize(std::max(0, avail.width() - 40), std::max(0, avail.height() - 40));
        move(avail.left() + 20, avail.top() + 20);
    }
}

void TPreviewPrintDlg::setJob(IElementSource* source, const TReportRequest& request)
{
    source_ = source;
    request_ = request;
}

void TPreviewPrintDlg::setPageGeometry(const TPageGeometry& g)
{
    geometryGiven_ = true;
    givenGeometry_ = g;
}

void TPreviewPrintDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // not when the window comes back from the task bar
    if (!event->spontaneous()) FormShow();
}

void TPreviewPrintDlg::FormShow()
{
    printRequested_ = false;
    Printer1->resize(ScrollBox1->viewport()->size());
    ReadPrintingSettings(settings_);
    geometry_ = geometryGiven_ ? givenGeometry_ : PageGeometryOf(CurrentPrinter());
    paperWidth_ = MmOf(geometry_.physicalSize.X, geometry_.dpiX);
    paperHeight_ = MmOf(geometry_.physicalSize.Y, geometry_.dpiY);
    strips_ = NonPrintableStrips(geometry_);
    pages_ = TReportPages();
    current_ = 1;
    fit_ = true;
    dragging_ = false;
    mode_ = TMouseMode::None;
    Printer1->unsetCursor();
    Button1Click();
}

void TPreviewPrintDlg::Button1Click()
{
    // the pages of the earlier layout go first
    pages_ = TReportPages();
    pageImage_ = QImage();
    if (source_) BuildReportPages(pages_, request_, *source_, geometry_, options_);
    if (current_ > pageCount()) current_ = pageCount();
    updateCaption();
    Printer1->update();
}

void TPreviewPrintDlg::updateCaption()
{
    const int count = pageCount();
    setWindowTitle(QString::fromUtf8("Podgląd wydruku - strona %1 z %2").arg(current_).arg(count));
    FirstButton1->setEnabled(count > 1 && current_ > 1);
    PreviousButton1->setEnabled(count > 1 && current_ > 1);
    NextButton1->setEnabled(count > 1 && current_ < count);
    LastButton1->setEnabled(count > 1 && current_ < count);
}

QRect TPreviewPrintDlg::paperRectIn(QSize box) const
{
    // the paper's place depends on the font alone, as in the paint
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    p.setFont(Printer1->font());
    const TPaperMap m = FitPaper(p, box, paperWidth_, paperHeight_);
    return m.rect(0, 0, paperWidth_, paperHeight_);
}

void TPreviewPrintDlg::Printer1Paint(QPainter& painter)
{
    const QSize box = Printer1->size();
    painter.fillRect(QRect(QPoint(0, 0), box), Printer1->palette().color(QPalette::Dark));  // button shadow
    painter.setPen(QPen(Qt::black, 1));
    const TPaperMap m = DrawPaperPicture(painter, box, paperWidth_, paperHeight_, MarginsOf(settings_), Qt::black);
    if (m.scale > 0) {
        paperRect_ = m.rect(0, 0, paperWidth_, paperHeight_);
        pageRect_ = QRect();
        const QRect page = m.rect(strips_.left, strips_.top, paperWidth_ - strips_.left, paperHeight_ - strips_.top);
        const TPoint pixels = pages_.pageSize;
        if (current_ >= 1 && current_ <= pageCount() && pixels.X > 0 && pixels.Y > 0) {
            const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
            painter.drawImage(page.topLeft(), pageImage(page.size(), ratio));
            pageRect_ = page;
        }
    } else {
        paperRect_ = QRect();
        pageRect_ = QRect();
    }
    if (dragging_) {
        painter.save();
        painter.setPen(QPen(QColor(0x00, 0xFF, 0x00), 1));
        painter.setBrush(Qt::NoBrush);
        // the outline through both corners
        const QRect band = QRect(corner1_, corner2_).normalized();
        painter.drawRect(QRect(band.topLeft(), band.size() - QSize(1, 1)));
        painter.restore();
    }
}

QImage RenderPreviewPage(const QPicture& page, TPoint pixels, QSize size, qreal ratio)
{
    const QSize device = (QSizeF(size) * ratio).toSize();
    if (device.isEmpty() || pixels.X <= 0 || pixels.Y <= 0) return QImage();
    // Up to three times the screen's pixels, never more than the page's own
    // and never past about 64 MB, so small text keeps its shapes and spacing.
    const double native = std::min(double(pixels.X) / device.width(), double(pixels.Y) / device.height());
    const double room = std::sqrt(16.0e6 / (double(device.width()) * device.height()));
    const int k = std::max(1, int(std::min({3.0, native, room})));
    QImage fine(device * k, QImage::Format_RGB32);
    if (fine.isNull()) return QImage();
    fine.fill(Qt::white);
    {
        QPainter p(&fine);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        p.scale(double(fine.width()) / pixels.X, double(fine.height()) / pixels.Y);
        DrawReportPage(p, page);
    }
    QImage image = k > 1 ? fine.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : fine;
    image.setDevicePixelRatio(ratio);
    return image;
}

const QImage& TPreviewPrintDlg::pageImage(QSize size, qreal ratio)
{
    if (pageImageOf_ != current_ || pageImageSize_ != size || pageImage_.devicePixelRatio() != ratio ||
        pageImage_.isNull()) {
        pageImage_ = RenderPreviewPage(pages_.pages[std::size_t(current_ - 1)], pages_.pageSize, size, ratio);
        pageImageOf_ = current_;
        pageImageSize_ = size;
    }
    return pageImage_;
}

void TPreviewPrintDlg::SetZoom(QPoint p, double factor)
{
    const double f = 0.9 * factor;
    const QRect paper = paperRect_;
    const double rx = Relative(p.x(), paper.left(), paper.width());
    const double ry = Relative(p.y(), paper.top(), paper.height());
    fit_ = f <= 1.0;
    const QSize client = ScrollBox1->viewport()->size();
    const QSize box(std::max(client.width(), RoundToInt(paper.width() * f)),
                    std::max(client.height(), RoundToInt(paper.height() * f)));
    Printer1->resize(box);
    paperRect_ = paperRectIn(box);
    Printer1->update();
    // the point's place on the new paper in the middle of the view
    const QSize view = ScrollBox1->viewport()->size();
    ScrollBox1->horizontalScrollBar()->setValue(RoundToInt(paperRect_.width() * rx) + paperRect_.left() -
                                                view.width() / 2);
    ScrollBox1->verticalScrollBar()->setValue(RoundToInt(paperRect_.height() * ry) + paperRect_.top() -
                                              view.height() / 2);
}

void TPreviewPrintDlg::Printer1MouseDown(Qt::MouseButton button, QPoint p)
{
    if (button != Qt::LeftButton) return;
    switch (mode_) {
    case TMouseMode::ZoomIn:
    case TMouseMode::ZoomOut: {
        const double factor = mode_ == TMouseMode::ZoomIn ? 1.5 : 0.66;
        mode_ = TMouseMode::None;
        Printer1->unsetCursor();
        SetZoom(p, factor);
        break;
    }
    case TMouseMode::ZoomWindow:
        Printer1->setCursor(PreviewCursor(112));
        corner1_ = corner2_ = p;
        dragging_ = true;
        Printer1->update();
        break;
    case TMouseMode::None: break;
    }
}

void TPreviewPrintDlg::Printer1MouseMove(QPoint p)
{
    if (!dragging_) return;
    corner2_ = p;
    Printer1->update();
}

void TPreviewPrintDlg::Printer1MouseUp(Qt::MouseButton button, QPoint p)
{
    if (!dragging_ || button != Qt::LeftButton) return;
    corner2_ = p;
    dragging_ = false;
    mode_ = TMouseMode::None;
    Printer1->unsetCursor();
    Printer1->update();
    const int w = std::abs(corner2_.x() - corner1_.x());
    const int h = std::abs(corner2_.y() - corner1_.y());
    if (w <= 0 || h <= 0) return;
    const double factor = std::min(double(Printer1->height()) / h, double(Printer1->width()) / w);
    SetZoom(QPoint((corner1_.x() + corner2_.x()) / 2, (corner1_.y() + corner2_.y()) / 2), factor);
}

void TPreviewPrintDlg::PopupMenu1Popup()
{
    Dopasujdookna1->setEnabled(!fit_);
    Pomniejsz1->setEnabled(!fit_);
}

void TPreviewPrintDlg::Powikszwybranyobszar1Click()
{
    mode_ = TMouseMode::ZoomWindow;
    Printer1->setCursor(PreviewCursor(111));
}

void TPreviewPrintDlg::Powiksz1Click()
{
    mode_ = TMouseMode::ZoomIn;
    Printer1->setCursor(PreviewCursor(109));
}

void TPreviewPrintDlg::Pomniejsz1Click()
{
    mode_ = TMouseMode::ZoomOut;
    Printer1->setCursor(PreviewCursor(110));
}

void TPreviewPrintDlg::Dopasujdookna1Click()
{
    fit_ = true;
    FormResize();
}

void TPreviewPrintDlg::FormResize()
{
    if (!fit_) return;
    Printer1->resize(ScrollBox1->viewport()->size());
    Printer1->update();
}

void TPreviewPrintDlg::FirstButton1Click()
{
    current_ = 1;
    fit_ = true;
    FormResize();
    updateCaption();
}

void TPreviewPrintDlg::PreviousButton1Click()
{
    current_ = std::max(1, current_ - 1);
    fit_ = true;
    FormResize();
    updateCaption();
}

void TPreviewPrintDlg::NextButton1Click()
{
    current_ = std::min(pageCount(), current_ + 1);
    fit_ = true;
    FormResize();
    updateCaption();
}

void TPreviewPrintDlg::LastButton1Click()
{
    current_ = pageCount();
    fit_ = true;
    FormResize();
    updateCaption();
}

bool TPreviewPrintDlg::FormMouseWheel(QObject* under, QWheelEvent* event)
{
    const bool overScrollBox = under == Printer1 || under == ScrollBox1 || under == ScrollBox1->viewport() ||
                               under == ScrollBox1->horizontalScrollBar() ||
                               under == ScrollBox1->verticalScrollBar();
    if (!overScrollBox) return false;
    QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) ? ScrollBox1->horizontalScrollBar()
                                                               : ScrollBox1->verticalScrollBar();
    // some platforms turn a wheel with Shift into a sideways one
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    const auto step = delta >= 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    for (int i = 0; i < QApplication::wheelScrollLines(); ++i) bar->triggerAction(step);
    return true;
}

bool TPreviewPrintDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) return FormMouseWheel(watched, static_cast<QWheelEvent*>(event));
    if (event->type() == QEvent::Resize && watched == ScrollBox1->viewport()) FormResize();
    return QDialog::eventFilter(watched, event);
}

void TPreviewPrintDlg::ToolButton6Click()
{
    if (!settingsDialog_ || !settingsDialog_(this, settingsPlace_)) return;
    ReadPrintingSettings(settings_);
    Button1Click();
}

void TPreviewPrintDlg::ToolButton5Click()
{
    printRequested_ = true;
    close();
}

void TPreviewPrintDlg::CancelBtnClick() { accept(); }

void TPreviewPrintDlg::done(int r)
{
    pages_ = TReportPages();
    QDialog::done(r);
}

} // namespace orv

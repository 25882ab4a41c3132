#include "dialogs/ZunWindowDefin.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "components/DialogButtons.h"
#include "components/HelpRouterUnit.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/ZunOpenings.h"
#include "drawing/Canvas.h"
#include "drawing/ZunPaint.h"

namespace orv {
namespace {

constexpr int kHot = 5; // half size of the hot bands [px]

bool Inside(const TRect& r, QPoint p) { return p.x() >= r.Left && p.x() < r.Right && p.y() >= r.Top && p.y() < r.Bottom; }

TRect Around(int x, int y) { return {x - kHot, y - kHot, x + kHot, y + kHot}; }

TNumberEdit* Field(const char* name, double min)
{
    auto* e = new TSpinRealEdit;
    e->setObjectName(QString::fromLatin1(name));
    e->setRange(min, OpeningValueMax);
    e->setIncrement(30);
    e->setPrecision(1);
    e->setFixedWidth(100);
    return e;
}

} // namespace

TWindowDlg::TWindowDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WindowDlg"));
    setWindowTitle(QStringLiteral("Definicja nowego otworu"));
    x1 = Field("x1", 0);
    y1 = Field("y1", 0);
    l1 = Field("l1", 30);
    h1 = Field("h1", 30);

    auto row = [](QGridLayout* g, int line, const char* text, const char* symbol, TNumberEdit* e) {
        g->addWidget(new QLabel(QString::fromUtf8(text)), line, 0);
        g->addWidget(new TMathLabel(QString::fromUtf8(symbol)), line, 1);
        g->addWidget(e, line, 2);
    };
    auto* place = new QGroupBox;
    place->setObjectName(QStringLiteral("GroupBox1"));
    auto* pg = new QGridLayout(place);
    row(pg, 0, "poziomo", "x_otw_ =", x1);
    row(pg, 1, "pionowo", "y_otw_ =", y1);
    auto* size = new QGroupBox;
    size->setObjectName(QStringLiteral("GroupBox2"));
    auto* sg = new QGridLayout(size);
    row(sg, 0, "szerokość", "l_otw_ =", l1);
    row(sg, 1, "wysokość", " h_otw_ =", h1);
    const QString unit = QStringLiteral("cm");
    place->setTitle(QStringLiteral(" Położenie dolnego lewego rogu otworu [") + unit + QStringLiteral("] "));
    size->setTitle(QStringLiteral(" Wymiary otworu [") + unit + QStringLiteral("] "));

    const TDialogButtons buttons = CreateDialogButtons(*this, {"OKBtn", "CancelBtn", "HelpBtn"}, {},
                                                       [] { ShowHelpTopic(QStringLiteral("sciana_otwory")); }, Qt::Vertical);
    OKBtn = buttons.ok;

    PB2 = new QWidget;
    PB2->setObjectName(QStringLiteral("PB2"));
    PB2->setMinimumSize(420, 320);
    PB2->setMouseTracking(true);
    PB2->installEventFilter(this);

    auto* side = new QVBoxLayout;
    side->addWidget(place);
    side->addWidget(size);
    side->addStretch(1);
    side->addWidget(buttons.box);
    auto* h = new QHBoxLayout(this);
    h->addWidget(PB2, 1);
    h->addLayout(side);

    for (TNumberEdit* e : {x1, y1, l1, h1}) {
        connect(e, &TNumberEdit::exited, PB2, qOverload<>(&QWidget::update));
        connect(e, &TNumberEdit::upClicked, PB2, qOverload<>(&QWidget::update));
        connect(e, &TNumberEdit::downClicked, PB2, qOverload<>(&QWidget::update));
    }
    opening_ = {0, 0, 90, 90};
    setFields(opening_);
}

void TWindowDlg::setData(const TCalcInput& wall, bool newOpening, const TOpening& opening)
{
    wall_ = wall;
    opening_ = opening;
    setFields(newOpening ? TOpening{0, 0, 90, 90} : opening);
    dragging_ = false;
    mode_ = dmNone;
    PB2->update();
}

TOpening TWindowDlg::fieldValues() const { return {x1->value(), y1->value(), l1->value(), h1->value()}; }

void TWindowDlg::setFields(const TOpening& o)
{
    x1->setValue(o.x);
    y1->setValue(o.y);
    l1->setValue(o.l);
    h1->setValue(o.h);
}

void TWindowDlg::showEvent(QShowEvent* event)
{
    ReadDrawingColors(colors_);
    dragging_ = false;
    QDialog::showEvent(event);
}

void TWindowDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        // A field being typed in is taken first; a refused text keeps the dialog open.
        if (auto* e = qobject_cast<TNumberEdit*>(focusWidget()); e && !e->commit()) return;
        const TOpening o = fieldValues();
        if (!CheckOpening(wall_, -1, o.x, o.y, o.l, o.h)) return;
        opening_ = o;
    }
    QDialog::done(result);
}

void TWindowDlg::paintScheme()
{
    QPainter p(PB2);
    PainterCanvas canvas(p);
    canvas.brush.color = clBtnFace;
    canvas.pen.color = clBtnFace;
    canvas.fillRect({0, 0, PB2->width(), PB2->height()});
    canvas.font.color = clBtnText;
    canvas.pen.color = clBtnText;
    const TOpening o = fieldValues();
    TRect r = rect_;
    double scale = scale_;
    DrawOpeningsScheme(canvas, {0, 0, PB2->width(), PB2->height()}, wall_, r, scale, colors_, unit_, o.x, o.y, o.l,
                       o.h);
    rect_ = r;
    scale_ = scale;
}

void TWindowDlg::pointerMoved(QPoint p, bool buttonDown)
{
    if (!dragging_ || !buttonDown) {
        // The hot places of the opening, in this order.
        const TRect& r = rect_;
        const struct {
            TRect hot;
            DragMode mode;
            Qt::CursorShape cursor;
        } kHotPlaces[8] = {
            {Around(r.Left, r.Top), dmTopLeft, Qt::SizeFDiagCursor},
            {Around(r.Right, r.Bottom), dmBottomRight, Qt::SizeFDiagCursor},
            {Around(r.Right, r.Top), dmTopRight, Qt::SizeBDiagCursor},
            {Around(r.Left, r.Bottom), dmBottomLeft, Qt::SizeBDiagCursor},
            {{r.Left, r.Top - kHot, r.Right, r.Top + kHot}, dmTop, Qt::SizeVerCursor},
            {{r.Left, r.Bottom - kHot, r.Right, r.Bottom + kHot}, dmBottom, Qt::SizeVerCursor},
            {{r.Left - kHot, r.Top, r.Left + kHot, r.Bottom}, dmLeft, Qt::SizeHorCursor},
            {{r.Right - kHot, r.Top, r.Right + kHot, r.Bottom}, dmRight, Qt::SizeHorCursor},
        };
        mode_ = dmNone;
        Qt::CursorShape cursor = Qt::ArrowCursor;
        for (const auto& h : kHotPlaces) {
            if (Inside(h.hot, p)) {
                mode_ = h.mode;
                cursor = h.cursor;
                break;
            }
        }
        if (mode_ == dmNone && Inside(r, p)) {
            mode_ = dmMove;
            cursor = Qt::SizeAllCursor;
        }
        if (PB2->cursor().shape() != cursor) PB2->setCursor(cursor);
        return;
    }
    if (!(scale_ > 0)) return;
    // Centimetres from where the drag began, upwards positive.
    const double dx = (p.x() - start_.x()) / scale_;
    const double dy = (start_.y() - p.y()) / scale_;
    const TOpening s = startValues_;
    TOpening o = fieldValues();
    switch (mode_) {
    case dmMove: o.x = s.x + dx; o.y = s.y + dy; break;
    case dmTop: o.h = s.h + dy; break;
    case dmBottom: o.h = s.h - dy; o.y = s.y + dy; break;
    case dmRight: o.l = s.l + dx; break;
    case dmLeft: o.l = s.l - dx; o.x = s.x + dx; break;
    // A corner moves both of its edges: width and height as dragged.
    case dmTopRight: o.l = s.l + dx; o.h = s.h + dy; break;
    case dmBottomLeft: o.x = s.x + dx; o.l = s.l - dx; o.y = s.y + dy; o.h = s.h - dy; break;
    case dmTopLeft: o.x = s.x + dx; o.l = s.l - dx; o.h = s.h + dy; break;
    case dmBottomRight: o.l = s.l + dx; o.h = s.h - dy; o.y = s.y + dy; break;
    case dmNone: return;
    }
    setFields({std::round(o.x), std::round(o.y), std::round(o.l), std::round(o.h)});
    PB2->update();
}

bool TWindowDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != PB2) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        paintScheme();
        return true;
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (!dragging_ && m->button() == Qt::LeftButton) {
            dragging_ = true;
            start_ = m->position().toPoint();
            startValues_ = fieldValues();
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(event);
        pointerMoved(m->position().toPoint(), m->buttons() & Qt::LeftButton);
        return true;
    }
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

bool ShowWindowDlg(QWidget* parent, const TCalcInput& wall, bool newOpening, TOpening& opening)
{
    TWindowDlg dlg(parent);
    dlg.setData(wall, newOpening, opening);
    if (dlg.exec() != QDialog::Accepted) return false;
    opening = dlg.data();
    return true;
}

} // namespace orv

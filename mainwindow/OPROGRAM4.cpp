#include "mainwindow/OPROGRAM4.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "core/MyUtils.h"
#include "platform/GraphicsUtils.h"

namespace orv {
namespace {

constexpr int kWidth = 400;  // the picture: 500 x 281 at 120 dpi
constexpr int kHeight = 225;
constexpr int kCorner = 20;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int pointSize, bool bold)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont f = l->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    return l;
}

} // namespace

TAbout4::TAbout4(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(QStringLiteral("About4"));
    setWindowTitle(QStringLiteral("O programie"));
    setFixedSize(kWidth, kHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->addWidget(MakeLabel(this, "Label1", QStringLiteral("Obliczenia konstrukcji murowych"), 10, false));
    layout->addWidget(MakeLabel(this, "Title", QStringLiteral("Orvandel"), 28, true));
    version_ = MakeLabel(this, "Label2", QString(), 10, false);
    layout->addWidget(version_);
    layout->addWidget(MakeLabel(this, "Norm", QStringLiteral("Ściany i filary wg PN-B-03002:2007"), 9, false));
    layout->addStretch(1);
    layout->addWidget(MakeLabel(this, "Label3", QStringLiteral("Tervolk – oprogramowanie dla konstruktorów"), 8, false));
    layout->addWidget(MakeLabel(this, "Label4", QStringLiteral("Wsparcie techniczne: przez dystrybutora programu"), 8, false));
    auto* user = MakeLabel(this, "uzytkownik", QString(), 8, false);
    auto* number = MakeLabel(this, "nr", QString(), 8, false);
    user->hide();
    number->hide();
    layout->addWidget(user);
    layout->addWidget(number);
}

void TAbout4::setSplash(bool on)
{
    splash_ = on;
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
}

void TAbout4::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    SetLayeredAlpha(windowHandle(), 215);
    version_->setText(QStringLiteral("v.") + QString::fromStdString(GetVersionText(false)));
}

void TAbout4::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    QPainterPath path;
    path.addRoundedRect(rect(), kCorner / 2.0, kCorner / 2.0);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void TAbout4::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(0, 128, 128));
    g.setColorAt(1, QColor(0, 84, 96));
    p.fillRect(rect(), g);
    // A masonry bond in the lower right corner.
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    const int brickW = 36, brickH = 14, x0 = width() - 5 * brickW, y0 = height() - 6 * brickH;
    for (int row = 0; row < 6; ++row) {
        const int shift = (row % 2) ? brickW / 2 : 0;
        for (int col = -1; col < 6; ++col) {
            const QRect brick(x0 + col * brickW + shift, y0 + row * brickH, brickW, brickH);
            p.drawRect(brick.intersected(QRect(x0, y0, 5 * brickW, 6 * brickH)));
        }
    }
}

void TAbout4::closeIfClosable()
{
    if (closable_) close();
}

void TAbout4::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        closeIfClosable();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TAbout4::mousePressEvent(QMouseEvent* e)
{
    QDialog::mousePressEvent(e);
    closeIfClosable();
}

void TAbout4::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) closeIfClosable();
}

} // namespace orv

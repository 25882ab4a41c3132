// Caption mark-up of the form labels, and the wrapping check and radio boxes.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

#include "components/MLCheckBox.h"
#include "components/MathLabel.h"

using namespace orv;

namespace {

using P = TCaptionPiece;

// Rows [top, bottom] of dark ink in columns [x0, x1).
std::pair<int, int> InkRows(const QImage& img, int x0, int x1)
{
    int top = img.height(), bottom = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = x0; x < std::min(x1, img.width()); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return {top, bottom};
}

QImage Render(QWidget& w)
{
    QImage img(w.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    w.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

} // namespace

TEST(MathLabel, CaptionMarkupSplitsIntoRuns)
{
    EXPECT_EQ(SplitCaptionMarkup("f_b_ [MPa] ="),
              (std::vector<P>{{P::Plain, "f"}, {P::Subscript, "b"}, {P::Plain, " [MPa] ="}}));
    EXPECT_EQ(SplitCaptionMarkup("[cm!4!]"), (std::vector<P>{{P::Plain, "[cm"}, {P::Superscript, "4"}, {P::Plain, "]"}}));
    EXPECT_EQ(SplitCaptionMarkup("@g@_f_="),
              (std::vector<P>{{P::Symbol, QString(QChar(0x03B3))}, {P::Subscript, "f"}, {P::Plain, "="}}));
    EXPECT_EQ(SplitCaptionMarkup("a!!b"), (std::vector<P>{{P::Plain, "a"}, {P::Plain, "!"}, {P::Plain, "b"}}));
    EXPECT_EQ(SplitCaptionMarkup("x_d"), (std::vector<P>{{P::Plain, "x"}, {P::Subscript, "d"}}));
    EXPECT_TRUE(SplitCaptionMarkup("").empty());
}

TEST(MathLabel, RaisedAndLoweredRunsStandAboveAndBelowTheLine)
{
    orvtest::EnsureApp<QApplication>();
    QFont main("Liberation Sans");
    main.setPixelSize(11);
    QFont index = main;
    index.setPixelSize(12);
    TMathLabel up("cm!4!");
    up.setFont(main);
    up.setIndexFont(index);
    up.resize(80, 30);
    const QImage a = Render(up);
    const int cmWidth = QFontMetrics(main).horizontalAdvance("cm");
    const auto cm = InkRows(a, 0, cmWidth);
    const auto four = InkRows(a, cmWidth + 1, 80);
    ASSERT_GE(cm.second, 0);
    ASSERT_GE(four.second, 0);
    EXPECT_LT(four.first, cm.first);

    TMathLabel down("f_b_");
    down.setFont(main);
    down.setIndexFont(index);
    down.resize(80, 30);
    const QImage b = Render(down);
    const int fWidth = QFontMetrics(main).horizontalAdvance("f");
    EXPECT_GT(InkRows(b, fWidth + 1, 80).second, InkRows(b, 0, fWidth).second);
}

// The size a label asks for is the size of what it shows now: a new
// caption, its own font, a font its parent hands down, a new index font.
TEST(MathLabel, SizeFollowsTheCaptionAndEveryFont)
{
    orvtest::EnsureApp<QApplication>();
    QFont main("Liberation Sans");
    main.setPixelSize(11);
    QFont index = main;
    index.setPixelSize(8);
    QWidget parent;
    parent.setFont(main);
    auto* label = new TMathLabel("f_b_ [MPa] =", &parent);
    label->setIndexFont(index);
    auto expected = [&](const QString& plain, const QString& small, const QFont& m, const QFont& i) {
        const QFontMetrics mm(m), im(i);
        return QSize(mm.horizontalAdvance(plain) + 1 + im.horizontalAdvance(small) + 1 +
                         mm.horizontalAdvance(" [MPa] =") + 1,
                     mm.height() + im.height() / 2);
    };
    EXPECT_EQ(label->sizeHint(), expected("f", "b", main, index));
    EXPECT_EQ(label->minimumSizeHint(), label->sizeHint());

    label->setCaption("f_k_ [MPa] =");
    EXPECT_EQ(label->sizeHint(), expected("f", "k", main, index));

    QFont larger = main;
    larger.setPixelSize(16);
    parent.setFont(larger);
    EXPECT_EQ(label->sizeHint(), expected("f", "k", larger, index));

    QFont own = main;
    own.setPixelSize(13);
    label->setFont(own);
    EXPECT_EQ(label->sizeHint(), expected("f", "k", own, index));

    QFont largerIndex = index;
    largerIndex.setPixelSize(12);
    label->setIndexFont(largerIndex);
    EXPECT_EQ(label->sizeHint(), expected("f", "k", own, largerIndex));
}

TEST(MultiLineBoxes, BoxPlacementAndWrapping)
{
    orvtest::EnsureApp<QApplication>();
    TMLRadioButton radio;
    TMLCheckBox check;
    EXPECT_EQ(radio.buttonLayout(), TButtonLayout::Center);
    EXPECT_EQ(check.buttonLayout(), TButtonLayout::Top);
    // A 60-pixel control with a 40-pixel text block and a 13-pixel box.
    EXPECT_EQ(ButtonIndicatorTop(TButtonLayout::Top, true, 60, 40, 13), 10);
    EXPECT_EQ(ButtonIndicatorTop(TButtonLayout::Center, true, 60, 40, 13), 23);
    EXPECT_EQ(ButtonIndicatorTop(TButtonLayout::Bottom, true, 60, 40, 13), 37);
    EXPECT_EQ(ButtonIndicatorTop(TButtonLayout::Bottom, false, 60, 40, 13), 23);

    TMLCheckBox box("Szerokość wieńców równa grubości ściany, a ciężar własny liczony z wymiarów ściany");
    const int wide = box.heightForWidth(2000);
    const int narrow = box.heightForWidth(120);
    EXPECT_GT(narrow, 2 * wide - 4);
    box.setMultiLine(false);
    EXPECT_FALSE(box.hasHeightForWidth());

    // A click on the wrapped text toggles the box.
    box.setMultiLine(true);
    box.resize(120, narrow);
    box.show();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(100, narrow - 4));
    EXPECT_TRUE(box.isChecked());
}

// The heights a layout asks for again come from the box's memory, but a new
// caption, font or style, or turning the wrapping off, is measured anew.
TEST(MultiLineBoxes, RememberedHeightsFollowCaptionFontAndStyle)
{
    orvtest::EnsureApp<QApplication>();
    const QString longText = QStringLiteral("Ciężar własny wyliczony na podstawie wymiarów słupa i ciężaru objętościowego");
    TMLRadioButton radio(longText);
    const auto fresh = [&radio](int width) { return mlbutton::HeightForWidth(&radio, true, radio.multiLine(), width); };
    // More widths than the memory holds, each asked twice, out of order.
    for (const int width : {90, 140, 200, 400, 1000, 90, 400, 140, 2000, 200, 1000, 90})
        EXPECT_EQ(radio.heightForWidth(width), fresh(width)) << width;
    const int narrow = radio.heightForWidth(90);

    radio.setText(QStringLiteral("Krótki"));
    EXPECT_LT(radio.heightForWidth(90), narrow);
    EXPECT_EQ(radio.heightForWidth(90), fresh(90));

    radio.setText(longText);
    EXPECT_EQ(radio.heightForWidth(90), narrow);
    QFont big = radio.font();
    big.setPointSizeF(big.pointSizeF() * 2);
    radio.setFont(big);
    EXPECT_GT(radio.heightForWidth(90), narrow);
    EXPECT_EQ(radio.heightForWidth(90), fresh(90));

    radio.setFont(QFont());
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_NE(windows, nullptr);
    radio.setStyle(windows.get());
    EXPECT_EQ(radio.heightForWidth(90), fresh(90));
    radio.setMultiLine(false);
    EXPECT_EQ(radio.heightForWidth(90), fresh(90));
    EXPECT_LT(radio.heightForWidth(90), narrow);
    radio.setStyle(nullptr);
}

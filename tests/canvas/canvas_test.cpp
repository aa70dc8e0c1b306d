// The drawing rules of the canvas: edges, line ends, pen modes, text, images and files.

#include "canvas/canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <array>

#include "support/pixels.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::changedArea;
using testing::countColor;
using testing::fillPattern;

constexpr PackedColor Black = packColor(0, 0, 0);
constexpr PackedColor Red = packColor(255, 0, 0);
constexpr PackedColor Green = packColor(0, 255, 0);
const QImage Blank = [] {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}();

TEST(PackedColor, RedSitsInTheLowByte) {
    EXPECT_EQ(packColor(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(blueOf(0x563412u), 0x56);
    EXPECT_EQ(toQRgb(packColor(1, 2, 3)), qRgb(1, 2, 3));
    EXPECT_EQ(fromQRgb(qRgb(1, 2, 3)), packColor(1, 2, 3));
}

TEST(CanvasShapes, RectanglesLeaveOutTheirRightColumnAndBottomRow) {
    Canvas canvas(60, 40);
    canvas.setPenColor(Red);
    canvas.setBrushColor(Green);
    canvas.rectangle(7, 9, 2, 3);  // corners either way round
    EXPECT_EQ(changedArea(Blank, canvas.image()), QRect(2, 3, 5, 6));
    EXPECT_EQ(canvas.pixel(6, 8), Red);
    EXPECT_EQ(canvas.pixel(5, 7), Green);
    EXPECT_EQ(countColor(canvas.image(), QRect(2, 3, 5, 6), Green), 3 * 4);

    Canvas filled(60, 40);
    filled.setBrushStyle(BrushStyle::Clear);  // a fill takes the brush whatever its style
    filled.fillRect(2, 3, 7, 9);
    EXPECT_EQ(countColor(filled.image(), filled.image().rect(), packColor(255, 255, 255)), 30);
}

// Ellipses and rounded rectangles lie inside the rectangle's pixels, reach all four of its
// sides and are symmetric about its centre.
TEST(CanvasShapes, CurvedShapesFillTheirBoxExactly) {
    for (int kind = 0; kind < 2; ++kind) {
        Canvas canvas(60, 40);
        canvas.setPenColor(Red);
        canvas.setBrushColor(Green);
        if (kind == 0)
            canvas.ellipse(10, 5, 41, 26);
        else
            canvas.roundRect(10, 5, 41, 26, 25, 25);
        const QImage& image = canvas.image();
        EXPECT_EQ(changedArea(Blank, image), QRect(10, 5, 31, 21)) << kind;
        for (int y = 5; y < 26; ++y)
            for (int x = 10; x < 41; ++x) {
                ASSERT_EQ(image.pixel(x, y), image.pixel(50 - x, y)) << kind << " " << x;
                ASSERT_EQ(image.pixel(x, y), image.pixel(x, 30 - y)) << kind << " " << y;
            }
        EXPECT_EQ(canvas.pixel(10, 15), Red);
        EXPECT_EQ(canvas.pixel(25, 15), Green);
    }
    Canvas canvas(60, 40);
    canvas.setPenColor(Red);
    const std::array<QPoint, 4> square{QPoint(5, 5), QPoint(15, 5), QPoint(15, 15), QPoint(5, 15)};
    canvas.polygon(square);  // the closing edge is drawn, so all four corners are
    EXPECT_EQ(changedArea(Blank, canvas.image()), QRect(5, 5, 11, 11));
}

TEST(CanvasLines, TheEndPointIsNotDrawnExceptByWidePens) {
    Canvas canvas(60, 40);
    canvas.setPenColor(Red);
    canvas.moveTo(1, 1);
    canvas.lineTo(5, 1);
    EXPECT_EQ(changedArea(Blank, canvas.image()), QRect(1, 1, 4, 1));
    canvas.moveTo(10, 10);
    canvas.lineTo(4, 16);
    EXPECT_EQ(canvas.pixel(5, 15), Red);
    EXPECT_EQ(canvas.pixel(4, 16), Black);

    Canvas wide(60, 40);
    wide.setPenWidth(3);  // a round pen 3 pixels across covers both ends
    wide.setPenColor(Red);
    wide.moveTo(5, 10);
    wide.lineTo(12, 10);
    EXPECT_EQ(changedArea(Blank, wide.image()), QRect(4, 9, 10, 3));
}

TEST(CanvasLines, ExclusiveOrFlipsThePenBitsAndTwiceRestores) {
    Canvas canvas(64, 48);
    fillPattern(canvas.image());
    const QImage before = canvas.image();
    canvas.setPenMode(PenMode::Xor);
    canvas.setPenColor(packColor(0, 0, 255));
    canvas.setBrushColor(packColor(30, 60, 90));
    const auto draw = [&] {
        for (int k = 1; k <= 20; ++k) {
            canvas.moveTo(5, k);
            canvas.lineTo(50, k);
        }
        canvas.moveTo(2, 30);  // a closed chain touches each corner once
        for (const QPoint& p : {QPoint(2, 40), QPoint(40, 40), QPoint(40, 30), QPoint(2, 30)})
            canvas.lineTo(p.x(), p.y());
        canvas.rectangle(20, 25, 60, 45);
        canvas.ellipse(1, 1, 30, 30);
        canvas.setPenWidth(3);
        canvas.moveTo(10, 10);
        canvas.lineTo(30, 30);
        canvas.setPenWidth(1);
    };
    draw();
    EXPECT_EQ(canvas.pixel(40, 10), fromQRgb(before.pixel(40, 10)) ^ packColor(0, 0, 255));
    EXPECT_NE(canvas.pixel(2, 30), fromQRgb(before.pixel(2, 30)));
    draw();
    EXPECT_EQ(canvas.image(), before);
}

TEST(CanvasLines, DotsAreThreeOnThreeOffWithGapsInTheBrush) {
    Canvas canvas(20, 4);
    canvas.setPenColor(Red);
    canvas.setBrushColor(Green);
    canvas.setPenStyle(PenStyle::Dot);
    canvas.moveTo(0, 1);
    canvas.lineTo(12, 1);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.moveTo(0, 2);
    canvas.lineTo(12, 2);
    for (int x = 0; x < 13; ++x) {
        const PackedColor dot = x == 12 ? Black : x % 6 < 3 ? Red : Green;
        EXPECT_EQ(canvas.pixel(x, 1), dot) << x;
        EXPECT_EQ(canvas.pixel(x, 2), dot == Green ? Black : dot) << x;
    }
}

TEST(CanvasPixels, OutsideReadsAsInvalidAndWritesAreIgnored) {
    Canvas canvas(4, 4);
    canvas.setPixel(4, 0, Red);
    canvas.setPixel(1, 2, Red);
    EXPECT_EQ(canvas.pixel(1, 2), Red);
    EXPECT_EQ(canvas.pixel(-1, 0), InvalidColor);
    EXPECT_EQ(redOf(InvalidColor) + greenOf(InvalidColor) + blueOf(InvalidColor), 765);
    EXPECT_EQ(countColor(canvas.image(), canvas.image().rect(), Red), 1);
}

TEST(CanvasText, IsDejaVuSansBoldSixteenPixelsHighWithoutFringes) {
    Canvas canvas(200, 30, Red);
    const QFontInfo info(canvas.font());
    EXPECT_EQ(info.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(info.bold());
    EXPECT_EQ(canvas.textHeight("Xj"), 16);
    EXPECT_EQ(canvas.textWidth("ab"), canvas.textWidth("a") + canvas.textWidth("b"));

    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setFontColor(packColor(255, 255, 255));
    canvas.textOut(3, 4, "Molecular Xj");
    const QRect changed = changedArea(Canvas(200, 30, Red).image(), canvas.image());
    EXPECT_TRUE(QRect(3, 4, canvas.textWidth("Molecular Xj"), 16).contains(changed));
    EXPECT_EQ(countColor(canvas.image(), canvas.image().rect(), Red) +
                  countColor(canvas.image(), canvas.image().rect(), packColor(255, 255, 255)),
              200 * 30);

    Canvas boxed(60, 40);  // a solid brush paints the text box; text ignores the pen mode
    boxed.setBrushColor(Green);
    boxed.setPenMode(PenMode::Xor);
    boxed.textOut(5, 6, "Hi");
    EXPECT_EQ(changedArea(Blank, boxed.image()), QRect(5, 6, boxed.textWidth("Hi"), 16));
    boxed.setFontSize(20);
    EXPECT_GT(boxed.textHeight("Xj"), 16);
}

TEST(CanvasImages, DrawClipsAndTransparentDrawSkipsTheKey) {
    Canvas source(3, 2, Red);
    source.setPixel(1, 0, Green);
    Canvas canvas(4, 4);
    canvas.draw(-1, 3, source.image());
    EXPECT_EQ(canvas.pixel(0, 3), Green);
    EXPECT_EQ(countColor(canvas.image(), canvas.image().rect(), Black), 14);
    Canvas keyed(4, 4);
    keyed.drawTransparent(1, 1, source.image(), Red);
    EXPECT_EQ(changedArea(Canvas(4, 4).image(), keyed.image()), QRect(2, 1, 1, 1));
}

TEST(CanvasImages, BitmapFilesNeedNoExtension) {
    testing::TempDir dir;
    Canvas canvas(17, 9);
    fillPattern(canvas.image());
    ASSERT_TRUE(canvas.saveBmp(dir.file("obrazek")));
    Canvas loaded;
    ASSERT_TRUE(loaded.loadBmp(dir.file("obrazek")));
    EXPECT_EQ(loaded.image(), canvas.image());
    EXPECT_FALSE(loaded.loadBmp(dir.file("missing")));
}

}  // namespace
}  // namespace zentova

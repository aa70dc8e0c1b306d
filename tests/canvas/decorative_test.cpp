// Decorative boxes, their shine, text panels and oval buttons.

#include "canvas/decorative.h"

#include <gtest/gtest.h>

#include "canvas/primitives.h"
#include "support/pixels.h"

namespace zentova {
namespace {

using testing::changedArea;
using testing::countColor;
using testing::fillPattern;
using testing::seedAfter;
using testing::seedGiving;

constexpr PackedColor Background = packColor(7, 7, 7);

struct Screen {
    Canvas canvas;
    RandomSource random{777, {}};
    Toolkit toolkit;
    Screen(int width, int height, PackedColor fill = Background) : canvas(width, height, fill) {
        toolkit.mainCanvas = &canvas;
        toolkit.random = &random;
        MeasureScreen(toolkit, width, height);
    }
};

TEST(OutlineRect, CoversItsFarColumnAndRowAndEveryCornerOnce) {
    Canvas canvas(20, 20);
    canvas.setPenMode(PenMode::Xor);
    canvas.setPenColor(packColor(255, 255, 255));
    OutlineRect(canvas, 2, 3, 9, 8);
    EXPECT_EQ(changedArea(Canvas(20, 20).image(), canvas.image()), QRect(2, 3, 8, 6));
    EXPECT_EQ(countColor(canvas.image(), canvas.image().rect(), packColor(255, 255, 255)),
              2 * 8 + 2 * 4);
}

// Draws a 100 x 50 box at (x1, 60) in style 3 on a flat background, from one seed.
QImage hatchedBox(int x1, PackedColor fill, int red, int green, int blue) {
    Screen screen(400, 300, fill);
    DecorativeBox(screen.toolkit, screen.canvas, x1, 60, std::abs(x1) + 100, 110, red, green, blue,
                  3);
    return screen.canvas.image();
}

TEST(DecorativeBox, DarkensAColourThatMatchesThePixelUnderItsCorner) {
    const PackedColor fill = packColor(120, 160, 5);
    // Off by 4 in all: darkened by 10 where above 10.
    QImage image = hatchedBox(-50, fill, 121, 160, 8);
    EXPECT_EQ(fromQRgb(image.pixel(100, 85)), packColor(111, 150, 8));
    // Off by 5: drawn as given.
    image = hatchedBox(-50, fill, 122, 160, 8);
    EXPECT_EQ(fromQRgb(image.pixel(100, 85)), packColor(122, 160, 8));
}

TEST(DecorativeBox, ShinesOnlyWhenSmallAndNotNegated) {
    const PackedColor color = packColor(90, 140, 200);
    const QImage plain = hatchedBox(-50, Background, 90, 140, 200);
    const QImage shining = hatchedBox(50, Background, 90, 140, 200);
    const QRect inside(52, 62, 97, 47);
    EXPECT_EQ(countColor(plain, inside, color), inside.width() * inside.height());
    EXPECT_LT(countColor(shining, inside, color), inside.width() * inside.height() - 500);

    // 200 wide: no shine, and the same random values as any other box of that width.
    Screen wide(400, 300);
    wide.random.seed = 99;
    DecorativeBox(wide.toolkit, wide.canvas, 30, 60, 230, 110, 90, 140, 200, 3);
    EXPECT_EQ(countColor(wide.canvas.image(), QRect(32, 62, 197, 47), color), 197 * 47);
    Screen negated(400, 300);
    negated.random.seed = 99;
    DecorativeBox(negated.toolkit, negated.canvas, -30, 60, 230, 110, 90, 140, 200, 3);
    EXPECT_EQ(negated.random.seed, wide.random.seed);
}

TEST(DecorativeBox, MovesItsCornerToTenTen) {
    Screen screen(300, 200);
    DecorativeBox(screen.toolkit, screen.canvas, -2, 0, 100, 60, 90, 140, 200, 7);
    // The raised panel's black rectangle starts one pixel outside the corner.
    EXPECT_EQ(changedArea(Screen(300, 200).canvas.image(), screen.canvas.image()),
              QRect(9, 9, 93, 53));
}

TEST(DecorativeBox, FrostedGlassDimsWhatLiesBeneath) {
    Screen screen(200, 150);
    fillPattern(screen.canvas.image());
    const QImage before = screen.canvas.image();
    DecorativeBox(screen.toolkit, screen.canvas, -40, 30, 140, 100, 255, 0, 0, 13);
    EXPECT_EQ(changedArea(before, screen.canvas.image()), QRect(40, 31, 101, 69));
    for (int y = 31; y < 100; ++y)
        for (int x = 40; x <= 140; ++x) {
            const PackedColor was = fromQRgb(before.pixel(x, y));
            const PackedColor now = screen.canvas.pixel(x, y);
            ASSERT_EQ(now,
                      packColor(redOf(was) / 4 + 80, greenOf(was) / 4 + 80, blueOf(was) / 4 + 80));
            ASSERT_GE(redOf(now), 80);
            ASSERT_LE(redOf(now), 143);
        }
}

TEST(DecorativeBox, LargeFrostedGlassBecomesEllipseBubbles) {
    Screen asked(400, 300);
    DecorativeBox(asked.toolkit, asked.canvas, -20, 20, 220, 120, 90, 140, 200, 13);
    Screen bubbles(400, 300);
    DecorativeBox(bubbles.toolkit, bubbles.canvas, -20, 20, 220, 120, 90, 140, 200, 12);
    EXPECT_EQ(asked.canvas.image(), bubbles.canvas.image());
    EXPECT_EQ(asked.canvas.pixel(120, 70), packColor(90, 140, 200));
}

// The number of values each edge and style takes from the generator decides every picture
// that follows it.
TEST(DecorativeBox, TakesItsRandomValuesInTheKnownNumbers) {
    Screen screen(400, 300);
    const auto drawsOf = [&](auto draw) {
        screen.random.seed = 4242;
        draw();
        for (int n = 0; n < 100000; ++n)
            if (seedAfter(4242, n) == screen.random.seed) return n;
        return -1;
    };
    auto& t = screen.toolkit;
    auto& c = screen.canvas;
    EXPECT_EQ(drawsOf([&] { EdgeScribble(t, c, 10, 10, 40, 10); }), 4 * 30);
    EXPECT_EQ(drawsOf([&] { EdgeHatch(t, c, 10, 10, 10, 35, 3); }), 2 * 25);
    EXPECT_EQ(drawsOf([&] { EdgeBubbles(t, c, 40, 10, 10, 10, 12); }), 3 * 10);
    // Style 2 scribbles the four edges (100 + 50 + 100 + 50) three times; a box over 150 wide
    // adds the shine's offset, and style 0 the choice of style.
    EXPECT_EQ(drawsOf([&] { DecorativeBox(t, c, 50, 50, 150, 100, 1, 2, 3, 2); }), 3 * 4 * 300);
    EXPECT_EQ(drawsOf([&] { DecorativeBox(t, c, 50, 50, 210, 100, 1, 2, 3, 5); }), 88 + 1);
    EXPECT_EQ(drawsOf([&] { DecorativeBox(t, c, -50, 50, 210, 100, 1, 2, 3, 7); }), 1);
    EXPECT_EQ(drawsOf([&] { DecorativeBox(t, c, 50, 50, 150, 100, 1, 2, 3, 7); }), 0);
    EXPECT_EQ(drawsOf([&] { DecorativeBox(t, c, 50, 50, 250, 250, 1, 2, 3, 7); }), 0);
    screen.random.seed = seedGiving(13, 6, 100);  // style 7
    const std::uint32_t start = screen.random.seed;
    DecorativeBox(t, c, 50, 50, 150, 100, 1, 2, 3, 0);
    EXPECT_EQ(screen.random.seed, seedAfter(start, 1));
}

// One step along an edge, drawn again from the values the generator gives in the stated order.
TEST(EdgeStrokes, TakeTheirRandomValuesInOrder) {
    const std::uint32_t seed = 1;  // its first values all differ: 0, 13, 3, 4 by 16
    RandomSource values{seed, {}};
    const auto next = [&](int k) { return static_cast<int>(RandomUniform(values) * k); };

    Screen scribbled(100, 100);
    scribbled.random.seed = seed;
    EdgeScribble(scribbled.toolkit, scribbled.canvas, 50, 40, 51, 40);
    const int r1 = next(16), r2 = next(16), r3 = next(16), r4 = next(16);
    Canvas expected(100, 100, Background);
    DrawLine(expected, 50 - r4 + 8, 40 - r3 + 8, 50 - r1 + 8, 40 - r2 + 8);
    EXPECT_EQ(scribbled.canvas.image(), expected.image());

    Screen hatched(100, 100);
    hatched.random.seed = seed;
    EdgeHatch(hatched.toolkit, hatched.canvas, 50, 40, 50, 41, 9);
    values.seed = seed;
    const int h1 = next(16), h2 = next(16);
    Canvas strokes(100, 100, Background);
    strokes.setPenWidth(3);
    DrawLine(strokes, 50 - h1 + 8, 40 - h2 + 4, 50 - h1 + 8, 40 - h2 + 12);
    EXPECT_EQ(hatched.canvas.image(), strokes.image());
    EXPECT_EQ(hatched.canvas.penWidth(), 1);

    Screen bubbled(100, 100);
    bubbled.random.seed = seed;
    bubbled.canvas.setPenColor(packColor(1, 2, 3));
    bubbled.canvas.setBrushColor(packColor(1, 2, 3));
    EdgeBubbles(bubbled.toolkit, bubbled.canvas, 50, 40, 53, 40, 11);
    values.seed = seed;
    const int b1 = next(10), b2 = next(10), a = next(8) + 4;
    const int cx = 50 - b1 + 4, cy = 40 - b2 + 4;
    EXPECT_EQ(changedArea(Screen(100, 100).canvas.image(), bubbled.canvas.image()),
              QRect(cx - a, cy - a, 2 * a, 2 * a));
}

TEST(Shine, BrightensOnlyTheBoxColourAndKeepsAwayFromTheEdges) {
    const PackedColor color = packColor(100, 50, 0);
    Screen screen(200, 120, color);
    for (int x = 0; x < 200; x += 3) screen.canvas.setPixel(x, 60, packColor(100, 50, 15));
    for (int x = 1; x < 200; x += 3) screen.canvas.setPixel(x, 61, packColor(100, 50, 14));
    const QImage before = screen.canvas.image();
    Shine(screen.toolkit, screen.canvas, 30, 0, 119, 100, 50, 0);
    const QImage& after = screen.canvas.image();
    int changed = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x) {
            if (before.pixel(x, y) == after.pixel(x, y)) continue;
            ++changed;
            ASSERT_TRUE(x > 20 && x < 180 && y > 20 && y < 100) << x << "," << y;
            ASSERT_LT(std::abs(x - y - 30), 35);
            ASSERT_NE(fromQRgb(before.pixel(x, y)), packColor(100, 50, 15));
        }
    EXPECT_GT(changed, 1000);
    // Halfway to white on the middle diagonal, ties to even: 77.5 -> 78, 102.5 -> 102.
    EXPECT_EQ(screen.canvas.pixel(80, 50), packColor(178, 152, 128));
    EXPECT_EQ(screen.canvas.pixel(91, 61), packColor(178, 152, 128));  // off by 14: taken
    EXPECT_EQ(screen.canvas.pixel(81, 60), packColor(100, 50, 15));    // off by 15: left
    // Four columns off the middle: a weight of 31 * 31 / 1225.
    EXPECT_EQ(screen.canvas.pixel(81, 55), packColor(161, 130, 100));
}

TEST(TextPanel, IsAsTallAsItsLinesPlusThirty) {
    Screen screen(600, 400);
    const int h = 16 + 3;
    const auto height = [&](const std::string& l2, const std::string& l3) {
        Screen panel(600, 400);
        panel.random.seed = seedGiving(13, 0);  // style 1: a plain rectangle
        TextPanel(panel.toolkit, panel.canvas, 100, 50, 60, 60, 160, "Project saved", l2, l3);
        const QRect changed = changedArea(Screen(600, 400).canvas.image(), panel.canvas.image());
        EXPECT_EQ(changed.top(), 50);
        EXPECT_EQ(changed.left(), 99);
        EXPECT_EQ(changed.right(), 100 + panel.canvas.textWidth("Project saved") + 21);
        return changed.height();
    };
    EXPECT_EQ(height("", ""), h + 30);
    EXPECT_EQ(height("", "third"), 2 * h + 30);
    EXPECT_EQ(height("second", "third"), 3 * h + 30);
}

TEST(TextPanel, CentresWhenXIsZeroAndRestoresPenBrushAndFont) {
    Screen screen(600, 400);
    screen.random.seed = seedGiving(13, 0);
    screen.canvas.setPenColor(packColor(1, 1, 1));
    screen.canvas.setBrushColor(packColor(2, 2, 2));
    screen.canvas.setFontSize(14);
    TextPanel(screen.toolkit, screen.canvas, 0, 50, 250, 250, 100, "Centred");
    EXPECT_EQ(screen.canvas.penColor(), packColor(1, 1, 1));
    EXPECT_EQ(screen.canvas.brushColor(), packColor(2, 2, 2));
    EXPECT_EQ(screen.canvas.fontSize(), 14);
    Canvas measure;
    const int w = measure.textWidth("Centred");
    const QRect changed = changedArea(Screen(600, 400).canvas.image(), screen.canvas.image());
    EXPECT_EQ(changed.left(), (600 - w) / 2 - 10 - 1);
    // Light colours get black text: its light grey shadow shows, white never does.
    EXPECT_GT(countColor(screen.canvas.image(), changed, packColor(240, 240, 240)), 20);
    EXPECT_EQ(countColor(screen.canvas.image(), changed, packColor(255, 255, 255)), 0);
}

TEST(OvalButton, ShadesFromBlackAtTheRimToTheColourInTheMiddle) {
    Canvas canvas(300, 200, Background);
    OvalButton(canvas, 100, 80, 120, 120, 255, 1);
    EXPECT_EQ(changedArea(Canvas(300, 200, Background).image(), canvas.image()),
              QRect(49, 54, 102, 52));
    EXPECT_EQ(canvas.pixel(49, 80), packColor(100, 100, 100));
    EXPECT_EQ(canvas.pixel(50, 80), packColor(0, 0, 0));
    EXPECT_EQ(canvas.pixel(100, 80), packColor(120, 120, 255));
    // Ring 3: sqrt(3/12) = 0.5 exactly, so 60, 60 and 127.5 to even 128.
    EXPECT_EQ(canvas.pixel(53, 80), packColor(60, 60, 128));
}

}  // namespace
}  // namespace zentova

// The toolkit's backgrounds, saved areas, files, keyed text and click wait.

#include "canvas/primitives.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "canvas/screenitems.h"
#include "support/pixels.h"
#include "support/scriptedpump.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::changedArea;
using testing::fillPattern;
using testing::ScriptedPump;

constexpr PackedColor White = packColor(255, 255, 255);
constexpr PackedColor Grey = packColor(128, 128, 128);

// A drawing area of its own with a seeded generator.
struct Screen {
    Canvas canvas;
    RandomSource random{12345, {}};
    Toolkit toolkit;
    Screen(int width, int height, PackedColor fill = Grey) : canvas(width, height, fill) {
        toolkit.mainCanvas = &canvas;
        toolkit.random = &random;
        MeasureScreen(toolkit, width, height);
    }
};

// ShadowText on grey, pixel by pixel: the text where the glyphs shifted by `offset` are, the
// shadow where the unshifted glyphs are and the text does not cover them, grey elsewhere.
void expectShadowText(PackedColor color, int offset, PackedColor shadow,
                      const std::string& text = "Ajax 42") {
    Screen glyphs(120, 40, packColor(0, 0, 0));
    glyphs.canvas.setBrushStyle(BrushStyle::Clear);
    glyphs.canvas.setFontColor(White);
    glyphs.canvas.textOut(0, 0, text);
    const int w = glyphs.canvas.textWidth(text);
    const auto glyph = [&](int x, int y) {
        return x < w && y < 16 && glyphs.canvas.pixel(x, y) == White;
    };
    Screen screen(120, 40);
    ShadowText(screen.canvas, 20, 10, text, color);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            PackedColor expected = glyph(x - 20, y - 10) ? shadow : Grey;
            if (glyph(x - 20 - offset, y - 10 - offset)) expected = color;
            ASSERT_EQ(screen.canvas.pixel(x, y), expected) << text << " " << x << "," << y;
        }
}

TEST(ShadowText, BrightTextStandsUpAndLeftOfANearBlackShadow) {
    expectShadowText(White, -1, packColor(1, 2, 3));
}

// A first letter with ink at the scratch's corner (1, 1), as capitals with accents have,
// still leaves the ground out: the letters alone reach the canvas.
TEST(ShadowText, ALetterAtTheCornerLeavesTheGroundOut) {
    for (const char* text : {"Îtš", "Écraser", "Żółw"}) {
        Screen glyphs(120, 40, packColor(0, 0, 0));
        glyphs.canvas.setFontColor(White);
        glyphs.canvas.textOut(0, 0, text);
        ASSERT_EQ(glyphs.canvas.pixel(1, 1), White) << text << ": no ink at the corner";
        expectShadowText(White, -1, packColor(1, 2, 3), text);
    }
}

TEST(ShadowText, OtherTextStandsDownAndRightOfALightGreyShadow) {
    expectShadowText(packColor(255, 255, 0), 1, packColor(240, 240, 240));
    expectShadowText(packColor(200, 200, 200), 1, packColor(240, 240, 240));  // 600 is not bright
    Screen screen(50, 30);
    ShadowText(screen.canvas, 5, 5, "", White);
    EXPECT_EQ(screen.canvas.image(), Screen(50, 30).canvas.image());
}

TEST(CanvasText, DrawsNothingAboveOrBeyondTheArea) {
    Screen screen(200, 100);
    CanvasText(screen.toolkit, screen.canvas, 10, -1, "Click", White);
    CanvasText(screen.toolkit, screen.canvas, 201, 10, "Click", White);
    CanvasText(screen.toolkit, screen.canvas, 10, 101, "Click", White);
    EXPECT_EQ(screen.canvas.image(), Screen(200, 100).canvas.image());
}

TEST(CanvasText, NegativeXTurnsTheTextAQuarterClockwiseAtMinusX) {
    Screen flat(300, 300, packColor(0, 0, 0));
    flat.canvas.setBrushColor(packColor(0, 0, 0));
    CanvasText(flat.toolkit, flat.canvas, 0, 0, "Energy", White);
    const int w = flat.canvas.textWidth("Energy") + 2;
    const int h = flat.canvas.textHeight("Xj") + 2;

    Screen turned(300, 300);
    turned.canvas.setBrushColor(packColor(0, 0, 0));
    CanvasText(turned.toolkit, turned.canvas, -100, 50, "Energy", White);
    EXPECT_EQ(changedArea(Screen(300, 300).canvas.image(), turned.canvas.image()),
              QRect(100, 50, h, w));
    // The tops of the letters face right: (sx, sy) lands at (100 + h - 1 - sy, 50 + sx).
    for (int sy = 0; sy < h; ++sy)
        for (int sx = 0; sx < w; ++sx)
            ASSERT_EQ(turned.canvas.pixel(100 + h - 1 - sy, 50 + sx), flat.canvas.pixel(sx, sy));
}

TEST(GradientBackground, VerticalStripesLeaveTheLastPartialColumnsAlone) {
    for (int direction = 0; direction < 2; ++direction) {
        Screen screen(1283, 40);
        const std::uint32_t seed = testing::seedGiving(4, direction);
        screen.random.seed = seed;
        GradientBackground(screen.toolkit);
        const Canvas& c = screen.canvas;
        for (int x = 1280; x < 1283; ++x) EXPECT_EQ(c.pixel(x, 20), Grey) << direction;
        // 256 whole stripes; white brightens linearly, by 1/256 a stripe.
        const PackedColor left = direction == 0 ? packColor(0, 0, 0) : White;
        EXPECT_EQ(c.pixel(4, 39), left);
        EXPECT_EQ(c.pixel(5, 0), direction == 0 ? packColor(1, 1, 1) : packColor(254, 254, 254));
        EXPECT_EQ(c.pixel(1279, 0), direction == 0 ? packColor(254, 254, 254) : packColor(1, 1, 1));
        EXPECT_EQ(screen.random.seed, testing::seedAfter(seed, 1));
    }
}

// An editor paints over the whole screen: a screen reader must not go on reading the project
// summary that was there.
TEST(GradientBackground, AndClearScreenTakeThePaintedOverSummaryFromTheScreenReader) {
    Screen screen(320, 240);
    for (int clear = 0; clear < 2; ++clear) {
        zentova::Screen().setSummary({"Salt", "2 particle types"}, QRect(3, 13, 198, 183));
        ASSERT_FALSE(zentova::Screen().summaryText().empty());
        if (clear == 0)
            GradientBackground(screen.toolkit);
        else
            ClearScreen(screen.toolkit, screen.canvas, 0, 0, 0);
        EXPECT_EQ(zentova::Screen().summaryText(), "") << clear;
    }
}

TEST(GradientBackground, HorizontalStripesBrightenColoursByTheSquareRoot) {
    // 341 stripes of 3 rows: factors 0, sqrt(1/341), sqrt(2/341) ... The last row stays, and
    // so does the stripe of factor 0 when it would lie past the bottom.
    const PackedColor step1 = packColor(11, 5, 0);
    const PackedColor step2 = packColor(15, 8, 0);
    for (int direction = 2; direction < 4; ++direction) {
        Screen screen(30, 1024);
        screen.random.seed = testing::seedGiving(4, direction);
        ColorGradientBackground(screen.toolkit, packColor(200, 100, 0));
        const Canvas& c = screen.canvas;
        EXPECT_EQ(c.pixel(29, 1023), Grey);
        EXPECT_EQ(c.pixel(0, direction == 2 ? 2 : 0),
                  direction == 2 ? packColor(0, 0, 0) : packColor(200, 100, 0));
        EXPECT_EQ(c.pixel(0, direction == 2 ? 5 : 1022), step1);
        EXPECT_EQ(c.pixel(0, direction == 2 ? 6 : 1017), step2);
    }
}

TEST(SavedAreas, ScreenAndRectangleComeBackWhereTheyWere) {
    Screen screen(64, 48);
    fillPattern(screen.canvas.image());
    const QImage drawn = screen.canvas.image();
    SaveScreen(screen.toolkit);
    SaveRect(screen.toolkit, screen.canvas, 5, 6, 15, 20);
    EXPECT_EQ(screen.toolkit.screenBackup.size(), QSize(69, 53));
    EXPECT_EQ(screen.toolkit.workBitmap.size(), QSize(11, 15));

    screen.canvas.image().fill(Qt::black);
    RestoreRect(screen.toolkit, screen.canvas, 5, 6, 15, 20);  // without x2 and y2
    EXPECT_EQ(changedArea(Screen(64, 48, 0).canvas.image(), screen.canvas.image()),
              QRect(5, 6, 10, 14));
    EXPECT_EQ(screen.canvas.image().copy(5, 6, 10, 14), drawn.copy(5, 6, 10, 14));
    RestoreScreen(screen.toolkit);
    EXPECT_EQ(screen.canvas.image(), drawn);

    MeasureScreen(screen.toolkit, 1, 48);  // too narrow: nothing happens
    screen.canvas.image().fill(Qt::black);
    RestoreScreen(screen.toolkit);
    EXPECT_EQ(screen.canvas.image(), Screen(64, 48, 0).canvas.image());
}

// Runs in a fresh current directory, where the scratch bitmap lives.
class InTempDir : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::current_path(m_dir.path()); }
    void TearDown() override { std::filesystem::current_path(m_previous); }
    std::filesystem::path m_previous = std::filesystem::current_path();
    testing::TempDir m_dir;
};

TEST_F(InTempDir, TheScratchFileHoldsOneScreen) {
    Screen screen(64, 48);
    fillPattern(screen.canvas.image());
    const QImage drawn = screen.canvas.image();
    ASSERT_TRUE(SaveScreenToFile(screen.toolkit));
    EXPECT_EQ(testing::readBytes("obrazek").substr(0, 2), "BM");
    screen.canvas.image().fill(Qt::black);
    ASSERT_TRUE(RestoreScreenFromFile(screen.toolkit));
    EXPECT_EQ(screen.canvas.image(), drawn);
}

TEST_F(InTempDir, BitmapFilesAreCentredOrStartAtTheCorner) {
    Canvas picture(50, 40);
    fillPattern(picture.image());
    ASSERT_TRUE(picture.saveBmp("okla.bmp"));
    Screen large(90, 70);
    ShowBitmapFile(large.toolkit, "okla.bmp");
    EXPECT_EQ(changedArea(Screen(90, 70, 0).canvas.image(), large.canvas.image()),
              QRect(20, 15, 50, 40));
    EXPECT_EQ(large.canvas.image().copy(20, 15, 50, 40), picture.image());
    Screen small(30, 20);
    ShowBitmapFile(small.toolkit, "okla.bmp");
    EXPECT_EQ(small.canvas.image(), picture.image().copy(0, 0, 30, 20));
    ShowBitmapFile(small.toolkit, "missing.bmp");
    EXPECT_EQ(small.canvas.image(), picture.image().copy(0, 0, 30, 20));
}

TEST(WaitClickOrKey, IgnoresTheSentinelKeyButEndsOnAnyOtherKeyOrAButton) {
    {
        ScriptedPump pump;
        pump.key('[').idle(3).key('a').idle(5);
        WaitClickOrKey();
        EXPECT_EQ(pump.pumpCalls(), 5);
        EXPECT_EQ(pump.clockMs(), 5 * 60);
    }
    ScriptedPump pump;
    pump.mouseDown(3, 4, testing::MouseButton::Middle).idle(2);
    pump.mouseDown(3, 4, testing::MouseButton::Right);
    Input().lastKey = 'x';  // a key from before the wait does not count
    WaitClickOrKey();
    EXPECT_EQ(pump.pumpCalls(), 4);
    EXPECT_EQ(Input().mouseButtonState, 0);
}

}  // namespace
}  // namespace zentova

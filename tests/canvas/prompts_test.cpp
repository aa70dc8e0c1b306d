// The yes/no box and the note: where they answer to clicks and keys, and their size.

#include "canvas/prompts.h"

#include <gtest/gtest.h>

#include "canvas/primitives.h"
#include "support/pixels.h"
#include "support/scriptedpump.h"

namespace zentova {
namespace {

using testing::changedArea;
using testing::ScriptedPump;

// What the screen holds before a prompt: black all over.
QImage blackScreen() {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

struct PromptScreen {
    Canvas canvas{800, 600};
    RandomSource random{7, {}};
    Toolkit toolkit;
    ScriptedPump pump;
    PromptScreen() {
        toolkit.mainCanvas = &canvas;
        toolkit.random = &random;
        MeasureScreen(toolkit, 800, 600);
        ClearScreen(toolkit, canvas, 0, 0, 0);
    }
    // A click at (x, y) once the box waits (its first 50 ms sleep has passed).
    void clickAt(int x, int y) {
        pump.afterMs(50, [x, y](InputState& in) {
            in.mouseX = x;
            in.mouseY = y;
            in.mouseButtonState = 1;
        });
    }
    void keyAt(char key) {
        pump.afterMs(50, [key](InputState& in) { in.lastKey = key; });
    }
    // A key that ends a box that ignored what came before it.
    void thenNo(long long ms) {
        pump.afterMs(ms, [](InputState& in) { in.lastKey = 'n'; });
    }
};

TEST(ConfirmAt, ButtonsAnswerWithinThirtyPixelsOfTheirCentres) {
    // Reference point (400, 300): YES centred at (340, 340), NO at (460, 340).
    const struct {
        int x, y;
        bool yes;
    } clicks[] = {{340, 340, true},
                  {340 - 29, 340, true},
                  {340 + 29, 359, true},
                  {460, 340, false},
                  {460 + 29, 321, false}};
    for (const auto& click : clicks) {
        PromptScreen s;
        s.clickAt(click.x, click.y);
        EXPECT_EQ(ConfirmAt(s.toolkit, 400, 300, "Sure ?"), click.yes) << click.x << "," << click.y;
    }
    // Just outside, between the buttons, or too high: ignored until "n" arrives at 500 ms.
    for (const QPoint& miss :
         {QPoint(340 - 30, 340), QPoint(400, 340), QPoint(340, 340 - 20), QPoint(460 + 30, 340)}) {
        PromptScreen t;
        t.clickAt(miss.x(), miss.y());
        t.thenNo(500);
        EXPECT_FALSE(ConfirmAt(t.toolkit, 400, 300, "Sure ?")) << miss.x() << "," << miss.y();
        EXPECT_GE(t.pump.clockMs(), 500) << "answered by a click at " << miss.x();
    }
}

TEST(ConfirmAt, KeysAnswerYesForYAndEnterNoForN) {
    for (const auto& [key, yes] :
         {std::pair{'Y', true}, {'y', true}, {'\r', true}, {'N', false}, {'n', false}}) {
        PromptScreen s;
        s.keyAt(key);
        EXPECT_EQ(ConfirmAt(s.toolkit, 400, 300, "Go ?"), yes) << int(key);
    }
    PromptScreen other;  // any other key is ignored
    other.keyAt('x');
    other.thenNo(300);
    EXPECT_FALSE(ConfirmAt(other.toolkit, 400, 300, "Go ?"));
    EXPECT_GE(other.pump.clockMs(), 300);
}

TEST(Confirm, StandsAtTheCentreSeventyPixelsAboveTheMiddle) {
    PromptScreen s;
    s.clickAt(400 - 60, 600 / 2 - 70 + 40);
    EXPECT_TRUE(Confirm(s.toolkit, "Overwrite old trajectory file ?"));
    // The box stays painted: its message panel's top is 50 pixels above the reference.
    const QRect drawn = changedArea(blackScreen(), s.canvas.image());
    EXPECT_LE(drawn.top(), 230 - 50 + 5);
}

TEST(NoteBox, SizeFollowsTheLinesAndTheAreaComesBack) {
    for (const auto& [lines, height] : {std::pair{1, 40}, {4, 100}}) {
        PromptScreen s;
        const QImage before = s.canvas.image().copy();
        QImage shown;
        s.pump.afterMs(60, [&](InputState& in) {
            shown = s.canvas.image().copy();
            in.lastKey = 'k';
        });
        NoteBox(s.toolkit, "first line", lines > 1 ? "second" : "", lines > 2 ? "third" : "",
                lines > 3 ? "fourth" : "", 0, 0);
        EXPECT_EQ(s.canvas.image(), before) << "the note's area was not restored";
        // Centred: the panel (h + 30 of TextPanel at y = 300 - h / 2) is around the middle.
        const QRect area = changedArea(before, shown);
        EXPECT_NEAR(area.center().x(), 400, 30);
        EXPECT_NEAR(area.top(), 300 - height / 2, 12) << lines << " lines";
    }
}

TEST(NoteBox, AtAGivenCornerAndWithLongLinesCut) {
    PromptScreen s;
    QImage shown;
    s.pump.afterMs(60, [&](InputState& in) {
        shown = s.canvas.image().copy();
        in.mouseButtonState = 1;
    });
    NoteBox(s.toolkit, std::string(400, 'W'), "", "", "", 50, 60);
    const QRect area = changedArea(blackScreen(), shown);
    // Frames may reach a few pixels past the panel's corner, never past the saved area.
    EXPECT_GE(area.left(), 50 - 15);
    EXPECT_GE(area.top(), 60 - 10);
    EXPECT_LT(area.left(), 60);
    EXPECT_LT(area.right(), 800);  // 160 characters fit; 400 would not
}

TEST(FileErrorNote, NamesTheFileAndItsLineWhenOneApplies) {
    const struct {
        int line;
        const char* place;
    } cases[] = {{3, "run.zpr, line 3"}, {1, "run.zpr, line 1"}, {0, "run.zpr"}};
    for (const auto& c : cases)
        EXPECT_EQ(fileErrorPlace(FileError("run.zpr", c.line, "bad number")), c.place);
}

}  // namespace
}  // namespace zentova

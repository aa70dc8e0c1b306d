// What a canvas tells its recorder: each text with the rectangle it takes, the boxes around
// texts, the screen painted over and areas painted back; and not one pixel changed by it.

#include <gtest/gtest.h>

#include <vector>

#include "canvas/decorative.h"
#include "canvas/primitives.h"

namespace zentova {
namespace {

struct Recorded : PaintRecorder {
    std::vector<std::pair<std::string, QRect>> texts;
    std::vector<QRect> boxes;
    std::vector<std::string> events;
    void text(const std::string& text, QRect where) override {
        texts.emplace_back(text, where);
        events.push_back("text");
    }
    void box(QRect where) override {
        boxes.push_back(where);
        events.push_back("box");
    }
    void cleared() override { events.push_back("cleared"); }
    void saved(QRect) override { events.push_back("saved"); }
    void restored(QRect) override { events.push_back("restored"); }
};

struct Screen {
    Canvas canvas{400, 300};
    RandomSource random{31, {}};
    Toolkit toolkit;
    Screen() {
        toolkit.mainCanvas = &canvas;
        toolkit.random = &random;
        MeasureScreen(toolkit, 400, 300);
    }
    // A cleared screen, a text panel, a shadowed text, a plain one and an oval button, a
    // saved and restored rectangle.
    void paint() {
        ClearScreen(toolkit, canvas, 0, 0, 80);
        TextPanel(toolkit, canvas, 40, 50, 100, 100, 255, "Wide line", "", "Third");
        ShadowText(canvas, 20, 250, "Shadow", packColor(255, 255, 255));
        CanvasText(toolkit, canvas, 300, 20, "Keyed", packColor(0, 255, 255));
        CanvasText(toolkit, canvas, -370, 100, "Turned", packColor(0, 255, 255));
        OvalButton(canvas, 200, 200, 120, 120, 255, 1);
        SaveRect(toolkit, canvas, 10, 10, 50, 50);
        RestoreRect(toolkit, canvas, 10, 10, 50, 50);
    }
};

TEST(PaintRecorder, ChangesNoPixel) {
    Screen plain;
    plain.paint();
    Screen recorded;
    Recorded recorder;
    recorded.canvas.setRecorder(&recorder);
    recorded.paint();
    EXPECT_EQ(plain.canvas.image(), recorded.canvas.image());
    EXPECT_FALSE(recorder.texts.empty());
}

TEST(PaintRecorder, HearsEachTextWhereItStandsAndEachBoxAroundIt) {
    Screen screen;
    Recorded recorder;
    screen.canvas.setRecorder(&recorder);
    screen.paint();
    const Canvas& c = screen.canvas;
    const int h = c.textHeight("X");
    // The panel: 20 wider than its widest line, a row of h + 3 for each line that is not
    // empty and 30 more; its lines at 12 and 17 inside, the third two rows down.
    const int w = c.textWidth("Wide line");
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[0], QRect(40, 50, w + 20, 2 * (h + 3) + 30));
    EXPECT_EQ(recorder.boxes[1], QRect(150, 175, 100, 50));  // the oval, 100 x 50
    const std::vector<std::pair<std::string, QRect>> texts = {
        {"Wide line", QRect(52, 67, w, h)},
        {"Third", QRect(52, 67 + 2 * (h + 3), c.textWidth("Third"), h)},
        {"Shadow", QRect(20, 250, c.textWidth("Shadow"), h)},
        {"Keyed", QRect(300, 20, c.textWidth("Keyed"), h)},
        {"Turned", QRect(370, 100, h, c.textWidth("Turned"))},  // reads downwards
    };
    EXPECT_EQ(recorder.texts, texts);
    EXPECT_EQ(recorder.events.front(), "cleared");
    EXPECT_EQ(recorder.events[recorder.events.size() - 2], "saved");
    EXPECT_EQ(recorder.events.back(), "restored");
}

}  // namespace
}  // namespace zentova

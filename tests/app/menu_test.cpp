// The main menu: its staircase of boxes, the blinking band and which clicks choose.

#include "app/menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "canvas/primitives.h"
#include "support/pixels.h"
#include "support/scriptedpump.h"

namespace zentova {
namespace {

using testing::countColor;
using testing::MouseButton;
using testing::ScriptedPump;

constexpr PackedColor White = packColor(255, 255, 255);
constexpr Rgb MenuColor{120, 160, 0};

// Records what the menu asks of the pointer; the moment it shows the hand, the menu is drawn
// and its wait begins, so that is where a test's script starts.
struct FakePointer : PointerControl {
    std::vector<QPoint> moves;
    std::vector<bool> cursors;
    std::function<void()> onHand;
    void movePointerTo(int x, int y) override { moves.emplace_back(x, y); }
    void setHandCursor(bool hand) override {
        cursors.push_back(hand);
        if (hand && onHand) onHand();
    }
};

struct MenuScreen {
    static constexpr int X = 100;
    static constexpr int Y = 100;
    Canvas canvas;
    RandomSource random{testing::seedGiving(13, 2), {}};  // style 3: flat, hatched boxes
    Toolkit toolkit;
    FakePointer pointer;
    ScriptedPump pump;
    MenuItems items{};
    MenuDisabled disabled{};
    QImage drawn;  // the canvas when the wait began
    int choice = 0;

    explicit MenuScreen(int width = 640, int height = 480) : canvas(width, height) {
        toolkit.mainCanvas = &canvas;
        toolkit.random = &random;
        MeasureScreen(toolkit, width, height);
        items[0] = "New project";
        items[1] = "Retrieve project";
        items[2] = "Show/Edit project";
    }
    int right() const {
        int w = 0;
        for (const std::string& item : items)
            if (!item.empty()) w = std::max(w, canvas.textWidth(item));
        return X + w + 20;
    }
    // A point well inside item i's hit area.
    static QPoint on(int i) { return QPoint(X + 30 + 15 * i, Y + 15 + 30 * i); }

    // Runs the menu; `script` queues the input once the menu is drawn.
    int run(const std::function<void(ScriptedPump&)>& script) {
        pointer.onHand = [&] {
            drawn = canvas.image();
            script(pump);
        };
        MainMenu(toolkit, canvas, pointer, X, Y, "Main menu", MenuColor, items, disabled, choice);
        return choice;
    }
};

TEST(MainMenu, ClickOnAnEnabledItemChoosesItAndRestoresTheScreen) {
    MenuScreen menu;
    const QPoint p = MenuScreen::on(1);
    EXPECT_EQ(menu.run([&](ScriptedPump& s) { s.mouseMove(p.x(), p.y()).mouseDown(p.x(), p.y()); }),
              2);
    EXPECT_EQ(menu.canvas.image(), menu.drawn);
    EXPECT_EQ(menu.pointer.moves, std::vector<QPoint>{QPoint(130, 110)});
    EXPECT_EQ(menu.pointer.cursors, (std::vector<bool>{true, false}));
    EXPECT_EQ(menu.canvas.penMode(), PenMode::Copy);
    EXPECT_EQ(Input().mouseButtonState, 1);  // only the next wait resets it
}

// Presses at p for several pumps, so that a whole pass of the wait sees the button down
// whatever pump of the pass the first press fell in, then releases.
void press(ScriptedPump& s, QPoint p, MouseButton button = MouseButton::Left) {
    for (int k = 0; k < 6; ++k) s.mouseDown(p.x(), p.y(), button);
    s.mouseUp(p.x(), p.y());
}

TEST(MainMenu, TheRightButtonChoosesTooButNotTheMiddleOne) {
    MenuScreen menu;
    const QPoint p = MenuScreen::on(2);
    EXPECT_EQ(menu.run([&](ScriptedPump& s) {
        press(s, p, MouseButton::Middle);
        s.thenKeepClicking(p.x(), p.y(), MouseButton::Right);
    }),
              3);
    EXPECT_EQ(Input().mouseButtonState, 2);
}

TEST(MainMenu, IgnoresClicksOnDisabledItemsOutsideAndOnBorders) {
    MenuScreen menu;
    menu.items[3] = "Calculate";
    menu.disabled[1] = true;
    const int x = MenuScreen::X;
    const int y = MenuScreen::Y;
    const int right = menu.right();
    const std::vector<QPoint> ignored{
        MenuScreen::on(1),               // disabled
        QPoint(5, 5),                    // outside
        QPoint(x + 30, y + 75),          // left border of item 2
        QPoint(right, y + 15),           // right border of item 0
        QPoint(x + 40, y),               // top border of item 0
        QPoint(x + 40, y + 30),          // between items 0 and 1
        QPoint(x + 60, y + 90),          // between items 2 and 3
        QPoint(x + 10, y + 15 + 30 * 4)  // below the last item
    };
    const QPoint wanted = MenuScreen::on(3);
    EXPECT_EQ(menu.run([&](ScriptedPump& s) {
        for (const QPoint& p : ignored) press(s, p);
        s.thenKeepClicking(wanted.x(), wanted.y());
    }),
              4);
}

TEST(MainMenu, TheBandBlinksOverTheItemUnderThePointerEvenWhenDisabled) {
    MenuScreen menu;
    menu.disabled[2] = true;
    const QPoint p = MenuScreen::on(2);
    const int bandEnd = menu.right() + 10 * 2 - 5;  // exclusive, 10 more per item, not 15
    const QPoint inBand(bandEnd - 1, MenuScreen::Y + 60 + 10);
    const QPoint pastBand(bandEnd, MenuScreen::Y + 60 + 10);
    std::vector<bool> shown;
    menu.pump.observe([&](int) {
        if (menu.drawn.isNull()) return;
        const PackedColor before = fromQRgb(menu.drawn.pixel(inBand));
        const PackedColor now = menu.canvas.pixel(inBand.x(), inBand.y());
        if (now != before) {
            EXPECT_EQ(now, before ^ packColor(0, 0, 255));
        }
        shown.push_back(now != before);
        EXPECT_EQ(menu.canvas.pixel(pastBand.x(), pastBand.y()),
                  fromQRgb(menu.drawn.pixel(pastBand)));
    });
    menu.run([&](ScriptedPump& s) {
        s.mouseMove(p.x(), p.y()).idle(12);
        press(s, p);
        s.thenKeepClicking(MenuScreen::on(0).x(), MenuScreen::on(0).y());
    });
    EXPECT_EQ(menu.choice, 1);
    // Shown for one pump, then gone for at least two: the second half and the loop's own.
    EXPECT_GE(std::count(shown.begin(), shown.end(), true), 5);
    for (std::size_t i = 0; i + 2 < shown.size(); ++i) {
        if (shown[i]) {
            EXPECT_FALSE(shown[i + 1] || shown[i + 2]) << i;
        }
    }
}

TEST(MainMenu, AClickWhileTheBandShowsStillLeavesTheScreenAsDrawn) {
    MenuScreen menu;
    const QPoint p = MenuScreen::on(0);
    bool pressed = false;
    menu.pump.observe([&](int) {
        if (!pressed && !menu.drawn.isNull() && menu.canvas.image() != menu.drawn) {
            Input().mouseButtonState = 1;
            pressed = true;
        }
    });
    EXPECT_EQ(menu.run([&](ScriptedPump& s) { s.mouseMove(p.x(), p.y()); }), 1);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(menu.canvas.image(), menu.drawn);
}

TEST(MainMenu, DrawsAStaircaseOfBoxesWithEnabledItemsInWhite) {
    MenuScreen menu;
    menu.disabled[1] = true;
    menu.run([&](ScriptedPump& s) { s.mouseDown(MenuScreen::on(0).x(), MenuScreen::on(0).y()); });
    const QImage& image = menu.canvas.image();
    // A box drawn over the edge strokes of the one above takes the darker shade.
    const auto filled = [&](int x, int y) {
        const PackedColor p = menu.canvas.pixel(x, y);
        return p == packColor(120, 160, 0) || p == packColor(110, 150, 0);
    };
    const int right = menu.right();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(filled(MenuScreen::X + 15 * i + 3, MenuScreen::Y + 30 * i - 3)) << i;
        EXPECT_TRUE(filled(right + 15 * i - 2, MenuScreen::Y + 30 * i + 5)) << i;
        EXPECT_FALSE(filled(right + 15 * i + 20, MenuScreen::Y + 30 * i + 5)) << i;
        const QRect text(MenuScreen::X + 15 * i + 9, MenuScreen::Y + 30 * i + 2, right - 120, 17);
        if (i == 1) {
            EXPECT_EQ(countColor(image, text, White), 0);
            EXPECT_GT(countColor(image, text, packColor(0, 0, 0)), 30);
        } else {
            EXPECT_GT(countColor(image, text, White), 30);
        }
    }
    EXPECT_GT(countColor(image, QRect(MenuScreen::X - 16, MenuScreen::Y - 31, 80, 17), White), 30);
}

TEST(MainMenu, ShowsAtMostTwentyItems) {
    MenuScreen menu(1000, 800);
    for (int i = 0; i < 25; ++i) menu.items[size_t(i)] = "Item " + std::to_string(i + 1);
    const QPoint twentyFirst = MenuScreen::on(20);
    const QPoint twentieth = MenuScreen::on(19);
    EXPECT_EQ(menu.run([&](ScriptedPump& s) {
        press(s, twentyFirst);
        s.thenKeepClicking(twentieth.x(), twentieth.y());
    }),
              20);
    // Where the 21st box would be, below the reach of the 20th one's strokes.
    const QRect box21(MenuScreen::X + 15 * 20 + 2, MenuScreen::Y + 30 * 20 + 10, 150, 14);
    EXPECT_EQ(countColor(menu.canvas.image(), box21, packColor(0, 0, 0)), 150 * 14);
}

TEST(MainMenu, AnEmptyListReturnsAtOnceAndLeavesTheChoice) {
    MenuScreen menu;
    menu.items = {};
    menu.items[1] = "after the end";
    menu.choice = 7;
    const QImage before = menu.canvas.image();
    const std::uint32_t seed = menu.random.seed;
    EXPECT_EQ(menu.run([](ScriptedPump&) {}), 7);
    EXPECT_EQ(menu.pump.pumpCalls(), 0);
    EXPECT_EQ(menu.canvas.image(), before);
    EXPECT_EQ(menu.random.seed, seed);
    EXPECT_TRUE(menu.pointer.cursors.empty());
}

}  // namespace
}  // namespace zentova

// The view window's keys: each the same as its button, held keys going their own way.

#include "view3d/viewkeys.h"

#include <QKeyEvent>
#include <QPushButton>

#include "view3d/controls.h"
#include "view_fixture.h"

namespace zentova::test {
namespace {

class ViewKeysTest : public ViewTest {
  protected:
    bool press(int key, bool repeat = false) {
        const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, {}, repeat);
        return ViewKeyPress(*window, event);
    }
    bool release(int key) {
        const QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier);
        return ViewKeyRelease(*window, event);
    }
    // Holds `key` from now until the given pump call releases it.
    void holdUntil(int key, int call) {
        press(key);
        pump.at(call, [this, key] { release(key); });
    }
    Redraw redraw = [] {};
    ViewControls controls;
    ScriptedPump pump;
};

TEST_F(ViewKeysTest, HeldKeysZoomTheirOwnWayAndLeaveTheMouseAlternationAlone) {
    ShowViewButtons(*window);
    // Plus twice: both nearer, where two mouse gestures would go there and back.
    struct Case {
        int key;
        double distance;
    };
    const Case cases[] = {{Qt::Key_Plus, 5.0}, {Qt::Key_PageUp, 4.0}, {Qt::Key_Minus, 5.0}};
    int call = 0;
    for (const Case& c : cases) {
        call += 20;
        holdUntil(c.key, call);
        PollViewControls(scene(), controls, redraw, false);
        EXPECT_NEAR(viewDistance, c.distance, 1e-9) << c.key;
        EXPECT_EQ(controls.turnSign, 1);
        EXPECT_EQ(window->tag(ViewButton::Zoom), 0);
    }
}

TEST_F(ViewKeysTest, KeysActOnlyWhileTheButtonsAreUpAndEnterThenReturns) {
    EXPECT_FALSE(press(Qt::Key_Left));  // no run shows its buttons
    EXPECT_EQ(window->tag(ViewButton::HorizontalAngle), 0);
    EXPECT_TRUE(press(Qt::Key_Return));
    EXPECT_EQ(Input().viewWindowTag, 1);

    ShowViewButtons(*window);
    EXPECT_TRUE(press(Qt::Key_Left));
    EXPECT_EQ(window->tag(ViewButton::HorizontalAngle), 1);
    EXPECT_EQ(window->keyedSign(), -1);
    EXPECT_TRUE(press(Qt::Key_Left, true));  // a repeat changes nothing
    EXPECT_TRUE(release(Qt::Key_Left));
    EXPECT_EQ(window->tag(ViewButton::HorizontalAngle), 0);
    EXPECT_TRUE(press(Qt::Key_Up));
    EXPECT_EQ(window->tag(ViewButton::VerticalAngle), 1);
    EXPECT_EQ(window->keyedSign(), 1);
    EXPECT_TRUE(press(Qt::Key_Home));
    EXPECT_EQ(window->tag(ViewButton::OriginalAngle), 1);
    EXPECT_TRUE(press(Qt::Key_P));
    EXPECT_TRUE(window->paused());
    EXPECT_TRUE(window->status().isEmpty());  // the pause shows before the status
    EXPECT_TRUE(press(Qt::Key_T));
    EXPECT_EQ(window->tag(ViewButton::Stop), 1);
}

// The description follows the run: what it is, the status, its phase with the key that ends
// it. While the run advances, a new status waits out the second; a change of phase, and
// anything once the run no longer advances, is said at once.
TEST_F(ViewKeysTest, LiveDescriptionFollowsTheRunsPhaseAndSaysWhichKeyEndsIt) {
    const QString run = "Calculation of 8 particles; ";
    window->setRunFacts([] { return QString("Calculation of 8 particles"); });
    window->setStatus("t = 0.500   frames 5");
    EXPECT_EQ(window->liveDescription(), run + "t = 0.500   frames 5");
    ShowViewButtons(*window);
    window->setRunPhase(RunPhase::Advancing);
    EXPECT_EQ(window->accessibleDescription(),
              run + "t = 0.500   frames 5; advancing, End or T stops");
    window->setStatus("t = 0.600   frames 6");  // within the second: held back
    EXPECT_EQ(window->accessibleDescription(),
              run + "t = 0.500   frames 5; advancing, End or T stops");
    press(Qt::Key_Space);
    EXPECT_EQ(window->accessibleDescription(), run + "t = 0.600   frames 6; paused, P goes on");

    struct Step {
        RunPhase phase;
        const char* status;
        const char* said;
    };
    const Step steps[] = {
        {RunPhase::HeldFromMainWindow, "Paused: click or press a key on the main window to go on",
         "paused, a click or key on the main window goes on"},
        {RunPhase::Inspecting, "Final state reached, t = 0.600   frame 6",
         "the picture stays, End or T terminates"},
        {RunPhase::Returning, "Stopped: click to return to the menu",
         "waiting, Enter or a click returns to the menu"},
    };
    press(Qt::Key_Space);
    for (const Step& s : steps) {
        window->setRunPhase(s.phase);
        window->setStatus(s.status);
        EXPECT_EQ(window->accessibleDescription(), run + s.status + "; " + s.said);
    }
    window->setRunPhase(RunPhase::None);
    window->setRunFacts({});
}

}  // namespace
}  // namespace zentova::test

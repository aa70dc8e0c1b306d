// The runs' polling of the view buttons, with a scripted pump pressing and releasing them.

#include "view3d/controls.h"

#include <GL/gl.h>

#include <QPushButton>

#include "view_fixture.h"

namespace zentova::test {
namespace {

class ControlsTest : public ViewTest {
  protected:
    // Holds button b from now until the given pump call lets it go.
    void holdUntil(ViewButton b, int call) {
        window->setTag(b, 1);
        pump.at(call, [this, b] { window->setTag(b, 0); });
    }
    Redraw redraw = [this] { ++redraws; };
    int redraws = 0;
    ViewControls controls;
    ScriptedPump pump;
};

TEST_F(ControlsTest, EachZoomGestureGoesBackTheWayTheLastOneCame) {
    holdUntil(ViewButton::Zoom, 20);
    PollViewControls(scene(), controls, redraw, false);
    EXPECT_NEAR(viewDistance, 6.0 - 20 * 0.05, 1e-12);  // nearer first
    EXPECT_EQ(controls.turnSign, -1);
    EXPECT_EQ(redraws, 20);
    EXPECT_EQ(pump.slept(), 200);

    holdUntil(ViewButton::Zoom, 40);
    PollViewControls(scene(), controls, redraw, false);
    EXPECT_NEAR(viewDistance, 6.0, 1e-12);
    EXPECT_EQ(controls.turnSign, 1);

    // Zoom and horizontal turn in one pass are one gesture; the vertical turn another.
    holdUntil(ViewButton::Zoom, 41);
    holdUntil(ViewButton::HorizontalAngle, 42);
    holdUntil(ViewButton::VerticalAngle, 43);
    PollViewControls(scene(), controls, redraw, false);
    EXPECT_EQ(controls.turnSign, 1);
    EXPECT_FALSE(controls.moved);
}

TEST_F(ControlsTest, OriginalAngleResetsAtTheNextPoll) {
    viewDistance = 2.5;
    window->setTag(ViewButton::OriginalAngle, 1);
    PollViewControls(scene(), controls, redraw, false);
    EXPECT_EQ(viewDistance, 6.0);
    EXPECT_EQ(window->tag(ViewButton::OriginalAngle), 0);
    EXPECT_EQ(redraws, 0);  // the loop's next drawing follows anyway
    EXPECT_EQ(controls.turnSign, 1);

    window->setTag(ViewButton::OriginalAngle, 1);
    PollViewControls(scene(), controls, redraw, true);
    EXPECT_EQ(redraws, 1);
}

TEST_F(ControlsTest, FinalStateFogTrailsTheZoomByOneStep) {
    REQUIRE_GL();
    for (bool fogFirst : {false, true}) {
        viewDistance = 6.0;
        controls.fogBeforeZoom = fogFirst;
        holdUntil(ViewButton::Zoom, pump.calls() + 1);
        PollViewControls(scene(), controls, redraw, false);
        EXPECT_FLOAT_EQ(floats(GL_FOG_START)[0], fogFirst ? 20.0f : 19.95f);
        controls.turnSign = 1;
    }
}

TEST_F(ControlsTest, InspectionPollsUntilTerminate) {
    window->setTag(ViewButton::Stop, 1);
    InspectUntilTerminate(scene(), controls, redraw);  // stopped already: ends at once
    EXPECT_EQ(pump.calls(), 0);

    window->setTag(ViewButton::Stop, 0);
    holdUntil(ViewButton::Zoom, 2);
    pump.at(5, [this] { window->setTag(ViewButton::Stop, 1); });
    InspectUntilTerminate(scene(), controls, redraw);
    EXPECT_EQ(pump.calls(), 5);
    EXPECT_EQ(redraws, 1);  // the zoom repetition seen in the first poll
}

class DismissTest : public ControlsTest, public ::testing::WithParamInterface<int InputState::*> {};

TEST_P(DismissTest, LastPictureStaysUntilAClickOnEitherWindow) {
    window->show();
    ShowViewButtons(*window);
    window->button(ViewButton::Stop)->setText("Terminate");
    Input().viewWindowTag = Input().mainWindowTag = 1;  // old clicks do not count
    pump.at(4, [this] {
        EXPECT_TRUE(window->isVisible());
        Input().*GetParam() = 1;
    });
    bool clearedAfterHiding = false;
    AwaitDismiss(*window, redraw, [&] { clearedAfterHiding = !window->isVisible(); });
    EXPECT_EQ(pump.calls(), 4);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(clearedAfterHiding);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(window->button(ViewButton::Stop)->text(), "Stop");
    EXPECT_FALSE(window->button(ViewButton::Stop)->isVisibleTo(window.get()));
}

INSTANTIATE_TEST_SUITE_P(EitherWindow, DismissTest,
                         ::testing::Values(&InputState::viewWindowTag, &InputState::mainWindowTag),
                         [](const auto& which) {
                             return which.index == 0 ? "ViewWindowClicked" : "MainWindowClicked";
                         });

}  // namespace
}  // namespace zentova::test

// The view window's controls: what a press, a release and a click leave in the tags.

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <vector>

#include "support/pixels.h"
#include "view_fixture.h"

namespace zentova::test {
namespace {

void send(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void press(QWidget* w, Qt::MouseButton b = Qt::LeftButton) {
    send(w, QEvent::MouseButtonPress, b, w->rect().center());
}
void release(QWidget* w, Qt::MouseButton b = Qt::LeftButton, QPoint at = {-1, -1}) {
    send(w, QEvent::MouseButtonRelease, b, at == QPoint(-1, -1) ? w->rect().center() : at);
}

using ViewWindowTest = ViewTest;

TEST_F(ViewWindowTest, PressSetsAndReleaseClearsTheTags) {
    window->show();
    ShowViewButtons(*window);
    for (ViewButton b :
         {ViewButton::HorizontalAngle, ViewButton::VerticalAngle, ViewButton::Zoom}) {
        const int n = static_cast<int>(b);
        press(window->button(b));
        EXPECT_EQ(window->tag(b), 1) << "Button" << n;
        release(window->button(b), Qt::LeftButton, {-50, -50});  // let go off the button
        EXPECT_EQ(window->tag(b), 0) << "Button" << n;
    }
    press(window->button(ViewButton::HorizontalAngle),
          Qt::RightButton);  // any mouse button holds a turn
    EXPECT_EQ(window->tag(ViewButton::HorizontalAngle), 1);

    // A short click on "Original angle" survives its own mouse-up.
    press(window->button(ViewButton::OriginalAngle));
    release(window->button(ViewButton::OriginalAngle));
    EXPECT_EQ(window->tag(ViewButton::OriginalAngle), 1);

    // "Stop" acts on the press and keeps it.
    press(window->button(ViewButton::Stop));
    release(window->button(ViewButton::Stop));
    EXPECT_EQ(window->tag(ViewButton::Stop), 1);
}

TEST_F(ViewWindowTest, ClickOnThePictureMarksTheViewWindow) {
    window->show();
    QWidget* pictureArea = window->childAt(200, 200);  // the picture, or the bare window
    if (!pictureArea) pictureArea = window.get();
    press(pictureArea, Qt::RightButton);
    release(pictureArea, Qt::RightButton);
    press(pictureArea);
    release(pictureArea, Qt::LeftButton, {-50, -50});  // dragged out of the window
    EXPECT_EQ(Input().viewWindowTag, 0);
    press(pictureArea);
    release(pictureArea);
    EXPECT_EQ(Input().viewWindowTag, 1);
    EXPECT_EQ(Input().mainWindowTag, 0);
}

// A screen reader lists the buttons while a run shows them, and nothing of the hidden window.
TEST_F(ViewWindowTest, AssistiveTechnologyListsOnlyTheControlsThatShow) {
    const auto buttons = [this] {
        QStringList names;
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(window.get());
        for (int i = 0; i < view->childCount(); ++i)
            if (view->child(i)->role() == QAccessible::Button)
                names << view->child(i)->text(QAccessible::Name);
        return names;
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->childCount(), 0);
    window->show();
    ShowViewButtons(*window);
    EXPECT_EQ(buttons(), QStringList({"Horizontal angle", "Vertical angle", "Original angle",
                                      "Stop", "Zoom"}));
    HideViewButtons(*window);
    EXPECT_EQ(buttons(), QStringList());
    ShowViewButtons(*window);
    window->hide();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->childCount(), 0);
}

// The keyboard's focus on a button shows as a band two pixels thick standing out by 3:1 or
// more from both sides; Tab goes along the row as the buttons stand, Zoom before Stop; a
// click leaves the focus where it was, so Space still pauses after a mouse user's click.
TEST_F(ViewWindowTest, TheFocusedButtonIsFramedAndTabFollowsTheRow) {
    window->show();
    // Made the active window at once: the platform's own activation may lag behind.
    QApplication::setActiveWindow(window.get());
    ShowViewButtons(*window);
    for (const ViewButton b : ViewButtons) {
        QPushButton* button = window->button(b);
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus);
        EXPECT_LT(testing::focusBandContrast(button->grab().toImage()), 3.0);
        button->setFocus(Qt::TabFocusReason);
        EXPECT_GE(testing::focusBandContrast(button->grab().toImage()), 3.0);
    }
    // However the focus came, even with the window's activation, a button that has it shows
    // it: Space or Enter would press it.
    window->setFocus(Qt::OtherFocusReason);
    window->button(ViewButton::Zoom)->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_GE(testing::focusBandContrast(window->button(ViewButton::Zoom)->grab().toImage()), 3.0);
    std::vector<QString> order;
    QWidget* first = window->button(ViewButton::HorizontalAngle);
    for (QWidget* at = first; order.size() < 5; at = at->nextInFocusChain())
        if (auto* button = qobject_cast<QPushButton*>(at)) order.push_back(button->text());
    EXPECT_EQ(order, (std::vector<QString>{"Horizontal angle", "Vertical angle", "Original angle",
                                           "Zoom", "Stop"}));
}

}  // namespace
}  // namespace zentova::test

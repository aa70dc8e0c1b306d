#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class QPushButton;

namespace zentova {

class ViewGL;

// The view window's five buttons; each value is the number of its control (Button1..Button5).
enum class ViewButton { HorizontalAngle = 1, VerticalAngle, OriginalAngle, Stop, Zoom };

// The buttons in the order of their controls (Tab goes along the row, Zoom before Stop).
inline constexpr std::array<ViewButton, 5> ViewButtons{
    ViewButton::HorizontalAngle, ViewButton::VerticalAngle, ViewButton::OriginalAngle,
    ViewButton::Stop, ViewButton::Zoom};

// What the run shown in the view is doing, for the live description: stepping or replaying,
// paused from the main window (a right click in a calculation), showing a finished picture
// until "Terminate", or waiting for the click that returns to the menu.
enum class RunPhase { None, Advancing, HeldFromMainWindow, Inspecting, Returning };

// What the scene, the drawing, the controls, the keys and the pictures need of the view
// window (TForm2 is the one): its GL picture, its buttons and their tags, its status line,
// the keyboard's state and the run's phase. They see the window through this alone, so
// that the window can be built on them.
class ViewSurface : public QWidget {
  public:
    using QWidget::QWidget;

    // The GL picture; none on a platform that cannot compose GL into a window.
    virtual ViewGL* view() const = 0;
    // Makes the picture's context current; false when there is none yet or at all.
    virtual bool makeViewCurrent() const = 0;

    virtual QPushButton* button(ViewButton b) const = 0;
    // A button's tag: 1 while its press is pending.
    virtual int tag(ViewButton b) const = 0;
    virtual void setTag(ViewButton b, int value) = 0;

    virtual void setStatus(const QString& text) = 0;
    virtual void showNote(const QString& text) = 0;
    // Called by the drawing with the picture's context current, after each picture.
    virtual void pictureDrawn() = 0;
    virtual void stopRecording() = 0;

    // The direction a held key turns or zooms (+1, -1; 0 for the mouse's), the key P's pause.
    virtual int keyedSign() const = 0;
    virtual void setKeyedSign(int sign) = 0;
    virtual bool paused() const = 0;
    virtual void setPaused(bool paused) = 0;
    // What the key D says about the picture; none without.
    virtual const std::function<QString()>& describer() const = 0;

    virtual void setRunPhase(RunPhase phase) = 0;
};

// Enables and shows, or disables and hides, Button1..Button5 in this order.
void ShowViewButtons(ViewSurface& window);
void HideViewButtons(ViewSurface& window);

}  // namespace zentova

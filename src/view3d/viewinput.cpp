// The view window's keys and mouse: the letters the window itself answers, the buttons'
// presses and releases, and the click on the client area.

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "pump/pump.h"
#include "view3d/viewkeys.h"
#include "view3d/viewwindow.h"

namespace zentova {

void TForm2::keyPressEvent(QKeyEvent* event) {
    // A plain letter, not a shortcut such as Ctrl+S.
    const bool plain =
        (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    if (event->key() == Qt::Key_S && m_snapshotNamer && plain) {
        saveSnapshot(m_snapshotNamer());
        return;
    }
    // Escape in the view ends a recording; in the main window it ends the program, which
    // ends the recording first.
    if (event->key() == Qt::Key_Escape && m_recording.active()) {
        stopRecording();
        return;
    }
    // Recording is for what a run shows, while its buttons are up.
    if (event->key() == Qt::Key_R && m_movieNamer && plain) {
        if (m_recording.active())
            stopRecording();
        else if (button(ViewButton::Stop)->isEnabled())
            startRecording(m_movieNamer());
        return;
    }
    if (event->key() == Qt::Key_G && m_readingsOpener && plain) {
        m_readingsOpener();
        return;
    }
    const int key = event->key();
    if ((key == Qt::Key_H || key == Qt::Key_C || key == Qt::Key_B) && m_bathChanger && plain &&
        button(ViewButton::Stop)->isEnabled()) {
        m_bathChanger(key == Qt::Key_H ? 1 : key == Qt::Key_C ? -1 : 0);
        return;
    }
    if (ViewKeyPress(*this, *event)) return;
    QWidget::keyPressEvent(event);
}

void TForm2::keyReleaseEvent(QKeyEvent* event) {
    if (ViewKeyRelease(*this, *event)) return;
    QWidget::keyReleaseEvent(event);
}
void TForm2::FormClick() {
    Input().viewWindowTag = 1;
}

void TForm2::mousePressEvent(QMouseEvent* event) {
    // The picture does not take the mouse, so a press on it reaches the window.
    if (event->button() == Qt::LeftButton) m_leftPressed = true;
    QWidget::mousePressEvent(event);
}

void TForm2::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        if (rect().contains(event->position().toPoint())) FormClick();
    }
    QWidget::mouseReleaseEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    using Handler = void (TForm2::*)();
    static constexpr Handler MouseDown[5] = {&TForm2::Button1MouseDown, &TForm2::Button2MouseDown,
                                             &TForm2::Button3MouseDown, &TForm2::Button4MouseDown,
                                             &TForm2::Button5MouseDown};
    // Stop acts on the press alone and keeps its tag until the next run starts.
    static constexpr Handler MouseUp[5] = {&TForm2::Button1MouseUp, &TForm2::Button2MouseUp,
                                           &TForm2::Button3MouseUp, nullptr,
                                           &TForm2::Button5MouseUp};

    // Watched here rather than through the buttons' signals: a press with any mouse button
    // counts, and the release reaches the pressed button wherever the pointer went. The filter
    // runs before the button's own handling, so Button3's click comes after its mouse-up.
    for (const ViewButton b : ViewButtons) {
        if (watched != button(b)) continue;
        Handler handler = nullptr;
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            handler = MouseDown[slot(b)];
            m_keyedSign = 0;  // the mouse's gestures alternate their direction
        } else if (event->type() == QEvent::MouseButtonRelease)
            handler = MouseUp[slot(b)];
        // Space or Enter on the button with the focus presses and releases it as the mouse.
        const bool keyed =
            (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
            !static_cast<QKeyEvent*>(event)->isAutoRepeat() &&
            IsPressKey(static_cast<QKeyEvent*>(event)->key());
        if (keyed)
            // "Original angle" keeps its tag until a poll takes it, as after its click.
            handler = event->type() == QEvent::KeyPress ? MouseDown[slot(b)]
                      : b == ViewButton::OriginalAngle  ? nullptr
                                                        : MouseUp[slot(b)];
        if (handler) (this->*handler)();
        // "Stop" and "Terminate" end a recording with the run's advancing or inspecting.
        if (b == ViewButton::Stop && handler == MouseDown[slot(b)]) stopRecording();
        if (keyed) return true;
        // The view's other keys work whichever button has the focus.
        if (event->type() == QEvent::KeyPress &&
            ViewKeyPress(*this, *static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::KeyRelease &&
            ViewKeyRelease(*this, *static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zentova

#pragma once

#include <QFocusEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QRect>
#include <QWidget>
#include <type_traits>
#include <utility>

namespace zentova {

// Paints the keyboard's focus frame just inside `area`: a white line, two black lines and a
// white line, as the menu's. The black band, two pixels thick, stands out by 21:1 from the
// white on either side of it, whatever colour the control or its surroundings have.
void PaintFocusFrame(QPainter& painter, QRect area);

// Whether a focus that came for `reason` was moved there by the keyboard.
bool FocusCameByKeyboard(Qt::FocusReason reason);

// A control that shows the focus frame over its own look while the keyboard's focus is on
// it: a focus the keyboard gave, not a click or the program's choice, so that a mouse user
// sees the control as it always was. Buttons and lists take the focus only from the
// keyboard, so a key acts on one of them only while its frame is shown.
template <class Control>
class FocusFramed : public Control {
  public:
    template <class... Args>
    explicit FocusFramed(Args&&... args) : Control(std::forward<Args>(args)...) {
        if (this->focusPolicy() != Qt::NoFocus && !takesTyping())
            this->setFocusPolicy(Qt::TabFocus);
    }
    bool focusFrameShown() const { return m_framed && this->hasFocus(); }

  protected:
    void focusInEvent(QFocusEvent* event) override {
        // A button or list with the focus always shows it: keys act on it. A field shows it
        // when a key brought it there; given back with its window's activation, it keeps
        // the frame it had.
        const Qt::FocusReason reason = event->reason();
        if (!takesTyping())
            m_framed = true;
        else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_framed = FocusCameByKeyboard(reason);
        Control::focusInEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        Control::paintEvent(event);
        if (!focusFrameShown()) return;
        QPainter painter(this);
        PaintFocusFrame(painter, this->rect());
    }

  private:
    // A field takes the focus from a click too, to be typed in; it shows the frame only when
    // the keyboard brought the focus.
    static constexpr bool takesTyping() { return std::is_base_of_v<QLineEdit, Control>; }
    bool m_framed = false;
};

}  // namespace zentova

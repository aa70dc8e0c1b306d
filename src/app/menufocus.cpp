#include "app/menufocus.h"

#include <QtCore/qnamespace.h>

#include "canvas/keyboardhelp.h"
#include "canvas/screenitems.h"

namespace zentova {

MenuFocus::MenuFocus(const MenuDisabled& disabled, int count, BoxOf box)
    : m_disabled(disabled), m_count(count), m_box(std::move(box)) {
    m_item = step(-1, 1);
}

int MenuFocus::step(int from, int direction) const {
    for (int k = 1; k <= m_count; ++k) {
        const int i = ((from + direction * k) % m_count + m_count) % m_count;
        if (!m_disabled[static_cast<std::size_t>(i)]) return i;
    }
    return -1;
}

int MenuFocus::onKey(Toolkit& toolkit, Canvas& canvas, int key) {
    if (m_item < 0) return 0;
    int direction = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Tab) direction = 1;
    if (key == Qt::Key_Up || key == Qt::Key_Backtab) direction = -1;
    if (direction == 0) {
        // Only an item the user sees framed is chosen by a key: with no frame on screen, a
        // mouse user's Enter or Space means nothing here.
        const bool choose = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
        return choose && m_shown ? m_item + 1 : 0;
    }
    if (m_shown) {
        // The saved screen has the box as the menu drew it.
        const QRect old = m_box(m_item);
        copyPixels(toolkit.screenBackup, old, canvas.image(), old.topLeft());
    }
    m_item = step(m_item, direction);
    m_shown = true;
    PaintFocusFrame(canvas, m_box(m_item));
    Screen().setMenuFocus(m_item);
    return 0;
}

}  // namespace zentova

#pragma once

#include <QRect>
#include <functional>

#include "app/menu.h"

namespace zentova {

// The staircase menu's keyboard focus: the enabled item it is on and whether its frame is
// painted. The frame shows only once a key has moved the focus, so a menu worked with the
// mouse looks as it always did.
class MenuFocus {
  public:
    // Where item i's box is painted.
    using BoxOf = std::function<QRect(int)>;

    // On the first enabled item of `count`; none when all are disabled.
    MenuFocus(const MenuDisabled& disabled, int count, BoxOf box);

    int item() const { return m_item; }  // from 0; -1 none
    bool shown() const { return m_shown; }

    // Handles a key pressed while the menu waits: Up, Down, Tab and Shift+Tab move the focus
    // (skipping disabled items, round the ends) and paint its frame; Enter and Space choose
    // the focused item while its frame is shown, and do nothing before. Returns the item chosen
    // (from 1), or 0. The saved screen (SaveScreen) is what lies under a frame.
    int onKey(Toolkit& toolkit, Canvas& canvas, int key);

  private:
    int step(int from, int direction) const;

    const MenuDisabled& m_disabled;
    int m_count;
    BoxOf m_box;
    int m_item = -1;
    bool m_shown = false;
};

}  // namespace zentova

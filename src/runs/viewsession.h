#pragma once

#include "canvas/toolkit.h"

namespace zentova {

class TForm2;

// The view window for the length of one run. Opening it places the window beside the main
// window's summary and shows it enabled, with its button flags cleared and its status line
// empty (the main window's saved screen is let go meanwhile: nothing restores it while the
// view is up). On every way out the buttons and the window go away again, unless the run
// hands the window on: the displays dismiss it themselves, and a calculation leaves its
// last picture up for the driver.
class ViewSession {
  public:
    ViewSession(Toolkit& toolkit, TForm2& view);
    ~ViewSession();
    ViewSession(const ViewSession&) = delete;
    ViewSession& operator=(const ViewSession&) = delete;

    // Hides the buttons and the window, and disables it; at once, before a note is shown.
    void putAway();
    // The run ends with the window as it is now.
    void handOver() { m_open = false; }

  private:
    TForm2& m_view;
    bool m_open = true;
};

}  // namespace zentova

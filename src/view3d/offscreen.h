#pragma once

#include <QImage>
#include <QSize>
#include <memory>
#include <string>

#include "files/finalstate.h"
#include "model/project.h"
#include "model/settings.h"
#include "view3d/viewwindow.h"

namespace zentova {

// A view window that never appears on the screen: the same window, context, scene set-up
// and drawing as the view, for pictures made apart from a run (a snapshot, a movie). Needs
// a platform with OpenGL.
class OffscreenView {
  public:
    // Shows the window unmapped at `size` and waits (up to 10 s) for its GL context.
    explicit OffscreenView(QSize size);
    ~OffscreenView();
    OffscreenView(const OffscreenView&) = delete;
    OffscreenView& operator=(const OffscreenView&) = delete;

    // False, with the reason in `error`, when there is no context to draw with.
    bool ready(std::string& error) const;
    TForm2& window() { return *m_window; }
    // The picture last drawn, top row first; a null image when it cannot be read back.
    QImage picture() const;
    // The picture last drawn as the renderer keeps it, bottom row first, in 32-bit pixels of
    // blue, green, red and one unused byte (QImage's RGB32 on this processor, upside down):
    // read without a conversion, for a movie. Into `picture`, whose memory is used again
    // when it has the size already; false when there is no context.
    bool rawPicture(QImage& picture) const;

  private:
    std::unique_ptr<TForm2> m_window;
};

// Writes "t = 1.500" (the time to three decimals, as the trajectory has it) in the lower
// left corner of the picture, white with a dark edge so that it reads on any background.
// `bottomUp`: the picture's rows are stored bottom row first (rawPicture).
void drawTimeText(QImage& picture, double time, bool bottomUp = false);

// Draws the final state as "Show final state" first shows it (camera at its start, fog and
// background from the settings) in a view window that never appears on the screen, and
// returns the picture. The particles drawn are the final state's. Needs a platform with
// OpenGL; a null image, with the reason in `error`, without.
QImage renderFinalStatePicture(const Project& project, const Settings& settings,
                               const FinalState& state, QSize size, std::string& error);

}  // namespace zentova

#include "runs/viewsession.h"

#include "canvas/primitives.h"
#include "view3d/viewwindow.h"

namespace zentova {

ViewSession::ViewSession(Toolkit& toolkit, TForm2& view) : m_view(view) {
    PlaceViewWindow(view, toolkit.screenWidth);
    DropSavedScreen(toolkit);
    view.show();
    view.setEnabled(true);
    // The window itself takes the keys when it becomes active, not its first button: a
    // mouse user's Space then pauses rather than pressing "Horizontal angle" unseen.
    view.setFocus(Qt::OtherFocusReason);
    for (const ViewButton b : ViewButtons) view.setTag(b, 0);
    view.setRunPhase(RunPhase::None);
    view.setStatus({});
}

ViewSession::~ViewSession() {
    if (m_open) putAway();
}

void ViewSession::putAway() {
    HideViewButtons(m_view);
    m_view.setRunPhase(RunPhase::None);
    m_view.hide();
    m_view.setEnabled(false);
    m_open = false;
}

}  // namespace zentova

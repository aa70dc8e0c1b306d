#include "view3d/viewsurface.h"

#include <QPushButton>

namespace zentova {

void ShowViewButtons(ViewSurface& window) {
    for (const ViewButton b : ViewButtons) {
        window.button(b)->setEnabled(true);
        window.button(b)->setVisible(true);
    }
}

void HideViewButtons(ViewSurface& window) {
    for (const ViewButton b : ViewButtons) {
        window.button(b)->setEnabled(false);
        window.button(b)->setVisible(false);
    }
}

}  // namespace zentova

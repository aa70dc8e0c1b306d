#include "view3d/focusframe.h"

namespace zentova {

void PaintFocusFrame(QPainter& painter, QRect area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor lines[4] = {Qt::white, Qt::black, Qt::black, Qt::white};
    for (int inset = 0; inset < 4; ++inset) {
        const QRect ring = area.adjusted(inset, inset, -inset, -inset);
        painter.setPen(QPen(lines[inset], 1));
        painter.setBrush(Qt::NoBrush);
        // A QRect's right and bottom are its last pixels; a one-pixel pen outlines them.
        painter.drawRect(ring.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

bool FocusCameByKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

}  // namespace zentova

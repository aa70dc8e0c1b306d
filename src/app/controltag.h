#pragma once

class QObject;

namespace zentova {

// A control's pressed flag: set by its click (or a key that stands for it) and read by the
// dialog's polling loop, which clears it before it waits again.
int tagOf(const QObject* control);
void setTag(QObject* control, int tag);

}  // namespace zentova

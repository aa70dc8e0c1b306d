#include "app/controltag.h"

#include <QObject>
#include <QVariant>

namespace zentova {

int tagOf(const QObject* control) {
    return control->property("tag").toInt();
}

void setTag(QObject* control, int tag) {
    control->setProperty("tag", tag);
}

}  // namespace zentova

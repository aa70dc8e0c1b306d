#pragma once

#include <QString>
#include <vector>

class QPushButton;
class QWidget;

namespace zentova {

// A field or button of an editor's box and what a screen reader calls it (empty: its caption).
struct KeyStop {
    QWidget* control;
    QString name;
};

// Why a field the program gives the focus has it: the keyboard's (its frame shows) while the
// keyboard steers, the program's own (no frame) after a click.
Qt::FocusReason KeyboardFocusReason();

// The keyboard of one box of an editor: Tab and Shift+Tab go through `stops` in this order
// (the reading order), the first takes the focus whenever the box shows, Enter in one of
// its fields presses `ok` while the keyboard steers, and Enter on one of its buttons that
// button, as a click does. A
// stop's name, when it has one, is what a screen reader calls it.
void KeyboardOrder(QWidget* box, const std::vector<KeyStop>& stops, QPushButton* ok);

struct ProjectControls;

// The two boxes of the project editor in reading order; `colour` is the type's colour panel.
void ProjectEditorKeys(const ProjectControls& c, QPushButton* colour);

}  // namespace zentova

#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <vector>

#include "canvas/screenitems.h"

namespace zentova {

class ScreenItemAccessible;

// The main window as assistive technology sees it: its painted screen is a picture, so the
// children are the controls that show (an editor's fields and buttons) and then what the
// screen description says is painted: a note as an alert, a question as a dialog with its
// buttons, the project's summary as text and the menu's items as buttons.
class ScreenAccessible : public QAccessibleWidget {
  public:
    explicit ScreenAccessible(QWidget* window);
    ~ScreenAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Builds the painted items again from the screen description, and says what changed.
    void screenChanged(ScreenChange change);

  private:
    std::vector<QWidget*> shownControls() const;
    void dropItems();

    std::vector<ScreenItemAccessible*> m_items;
    std::vector<QAccessible::Id> m_itemIds;  // as the cache knows them
};

// Makes `window` answer assistive technology with a ScreenAccessible, and the screen
// description report its changes to it.
void InstallScreenAccessibility(QWidget* window);

}  // namespace zentova

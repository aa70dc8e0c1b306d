#pragma once

#include <QRect>
#include <functional>
#include <string>
#include <vector>

namespace zentova {

// What the painted main screen shows, in words, for assistive technology: the project
// summary, the menu's items and the note or question on top. The menu and the prompts
// describe what they paint here; the main window's accessible interface reads it.
enum class ScreenRole { Button, StaticText, Alert, Dialog };

struct ScreenItem {
    ScreenRole role = ScreenRole::StaticText;
    std::string name;
    QRect rect;  // where it is painted, in the drawing area's coordinates
    bool enabled = true;
    bool focused = false;
    std::vector<ScreenItem> parts;  // a question's buttons
};

// What changed, for the accessibility events that make a screen reader speak.
enum class ScreenChange { Rebuilt, FocusMoved, AlertShown };

class ScreenDescription {
  public:
    using Listener = std::function<void(ScreenChange)>;

    // The summary of the project shown, one line per row; empty while none is.
    void setSummary(std::vector<std::string> lines, QRect rect = {});
    // The menu's items while it waits; `focused` is the index of the item with the keyboard
    // focus (-1 none).
    void setMenu(std::vector<ScreenItem> items, int focused);
    void setMenuFocus(int focused);
    void clearMenu();
    // A note (an alert) or a question (a dialog with its buttons) over the rest.
    void setPrompt(ScreenItem prompt);
    void setPromptFocus(int part);
    void clearPrompt();
    // A picture painted on the screen (the force curve), as the text that says what it shows.
    void setGraph(ScreenItem graph);
    void clearGraph();

    // The items in reading order: the prompt first when there is one, then the summary, the
    // picture and the menu's items.
    std::vector<ScreenItem> items() const;
    std::string summaryText() const;

    void setListener(Listener listener) { m_listener = std::move(listener); }

  private:
    void changed(ScreenChange change) const {
        if (m_listener) m_listener(change);
    }
    std::vector<std::string> m_summary;
    QRect m_summaryRect;
    std::vector<ScreenItem> m_menu;
    std::vector<ScreenItem> m_prompt;  // none or one
    std::vector<ScreenItem> m_graph;   // none or one
    Listener m_listener;
};

// The process-wide description of the main screen.
ScreenDescription& Screen();

}  // namespace zentova

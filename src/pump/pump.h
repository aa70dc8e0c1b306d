#pragma once

namespace zentova {

// One key pressed: the window system's code (arrows, Tab and F1 have no character) and the
// character it typed, 0 when none.
struct KeyPress {
    int key = 0;
    char character = 0;
};

// The keys pressed, oldest first, so that presses faster than a wait's poll, a held key's
// repeats among them, each count. Fixed room: a press that finds it full is dropped.
class KeyQueue {
  public:
    void push(KeyPress press) {
        if (m_count == Room) return;
        m_presses[(m_first + m_count) % Room] = press;
        ++m_count;
    }
    // The oldest press, taken off; key 0 when there is none.
    KeyPress take() {
        if (m_count == 0) return {};
        const KeyPress press = m_presses[m_first];
        m_first = (m_first + 1) % Room;
        --m_count;
        return press;
    }
    void clear() { m_first = m_count = 0; }
    bool empty() const { return m_count == 0; }

  private:
    static constexpr int Room = 64;
    KeyPress m_presses[Room]{};
    int m_first = 0;
    int m_count = 0;
};

// What the main window's event handlers record, for the polling loops to read. One
// process-wide instance; handlers write it during ProcessMessages, loops reset and poll it.
struct InputState {
    int mouseX = 0;
    int mouseY = 0;
    int mouseButtonState = 0;  // 0 none, 1 left held, 2 right held
    char lastKey = 0;
    // The keys pressed on the main window since a wait last cleared them, in order.
    KeyQueue keys;
    // The keyboard moved the focus last (an arrow or Tab), and no mouse press since: its
    // focus frame shows, and Enter in a field presses the box's OK.
    bool keyboardSteers = false;
    int mainWindowTag = 0;  // 1 after a click on the main window
    int viewWindowTag = 0;  // 1 after a click on the view window
};

// The seam every wait of the program goes through: the window's message pump and a sleep.
// The program installs one that runs Qt's event loop; tests install one that plays a script
// of input (press this, click there, type Y) with no timers and no screen.
class MessagePump {
  public:
    virtual ~MessagePump() = default;
    // Lets pending window messages run their handlers, and shows what was drawn.
    virtual void processMessages() = 0;
    virtual void sleepMs(int milliseconds) = 0;
};

// The process-wide input state.
InputState& Input();

// Installs the pump every loop uses (none: both calls do nothing). Returns the previous one.
MessagePump* installMessagePump(MessagePump* pump);

void ProcessMessages();
void SleepMs(int milliseconds);

}  // namespace zentova

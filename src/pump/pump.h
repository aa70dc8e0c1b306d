#pragma once

namespace zentova {

// What the main window's event handlers record, for the polling loops to read. One
// process-wide instance; handlers write it during ProcessMessages, loops reset and poll it.
struct InputState {
    int mouseX = 0;
    int mouseY = 0;
    int mouseButtonState = 0;  // 0 none, 1 left held, 2 right held
    char lastKey = 0;
    // The window system's code of the last key pressed on the main window (arrows, Tab,
    // F1 and the like have no character); the keyboard's waits take it and set it to 0.
    int keyPressed = 0;
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

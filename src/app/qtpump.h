#pragma once

#include "pump/pump.h"

namespace zentova {

class MainWindow;

// The program's message pump: runs Qt's pending events and shows the drawing area.
class QtMessagePump : public MessagePump {
  public:
    explicit QtMessagePump(MainWindow* mainWindow) : m_mainWindow(mainWindow) {}
    void processMessages() override;
    void sleepMs(int milliseconds) override;

  private:
    MainWindow* m_mainWindow;
};

}  // namespace zentova

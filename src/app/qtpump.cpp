#include "app/qtpump.h"

#include <QCoreApplication>
#include <QThread>

#include "app/mainwindow.h"

namespace zentova {

void QtMessagePump::processMessages() {
    if (m_mainWindow) {
        m_mainWindow->beginPumpPass();
        m_mainWindow->updateIfDrawn();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtMessagePump::sleepMs(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace zentova

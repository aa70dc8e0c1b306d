#include "pump/pump.h"

namespace zentova {

namespace {

InputState g_input;
MessagePump* g_pump = nullptr;

}  // namespace

InputState& Input() {
    return g_input;
}

MessagePump* installMessagePump(MessagePump* pump) {
    MessagePump* previous = g_pump;
    g_pump = pump;
    return previous;
}

void ProcessMessages() {
    if (g_pump) g_pump->processMessages();
}

void SleepMs(int milliseconds) {
    if (g_pump) g_pump->sleepMs(milliseconds);
}

}  // namespace zentova

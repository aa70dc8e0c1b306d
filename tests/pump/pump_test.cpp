// The seam every wait goes through: the waits reach the pump installed last, an install
// hands back the one it replaces so that a nested one can put it back, and with none
// installed a wait does nothing (the command line's calculation runs with no window).

#include "pump/pump.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace zentova {
namespace {

// Writes what reached it into a shared log, so that the order across pumps shows.
class LoggingPump : public MessagePump {
  public:
    LoggingPump(std::string name, std::string& log) : m_name(std::move(name)), m_log(log) {}
    void processMessages() override { m_log += m_name + ":messages "; }
    void sleepMs(int milliseconds) override {
        m_log += m_name + ":sleep" + std::to_string(milliseconds) + " ";
    }

  private:
    std::string m_name;
    std::string& m_log;
};

TEST(MessagePumpSeam, WaitsReachTheLastInstalledAndEachInstallGivesBackTheOneBefore) {
    std::string log;
    LoggingPump outer("outer", log);
    LoggingPump inner("inner", log);

    MessagePump* before = installMessagePump(&outer);
    ProcessMessages();
    EXPECT_EQ(installMessagePump(&inner), &outer);
    SleepMs(25);
    ProcessMessages();
    EXPECT_EQ(installMessagePump(&outer), &inner);
    SleepMs(7);
    EXPECT_EQ(installMessagePump(before), &outer);

    EXPECT_EQ(log, "outer:messages inner:sleep25 inner:messages outer:sleep7 ");
}

TEST(MessagePumpSeam, WithNoPumpTheWaitsDoNothingAndReturnAtOnce) {
    MessagePump* before = installMessagePump(nullptr);
    ProcessMessages();
    SleepMs(60 * 60 * 1000);  // an hour: a real sleep here would hang the test
    EXPECT_EQ(installMessagePump(before), nullptr);
}

}  // namespace
}  // namespace zentova

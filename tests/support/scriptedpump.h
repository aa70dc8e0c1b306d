#pragma once

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "pump/pump.h"

namespace zentova::testing {

enum class MouseButton { Left, Right, Middle };

// A message pump that plays a script of input instead of running window messages, installed
// for its lifetime (the previous pump comes back afterwards). It starts from a fresh Input().
//
// The script is a queue of steps; each processMessages() call runs the next one, so step k
// happens in pump call k. Steps may also be pinned to a pump call (at) or to the fake clock
// (afterMs), which every sleepMs advances, and one may repeat at every call after the queue
// (thenRepeat). The input steps do what the main window's handlers do: a press of the left
// button gives state 1, the right 2, any other 0; a release gives 0.
//
// A loop that keeps pumping with nothing happening is stuck: after `idleLimit` calls in a row
// that ran no step the pump throws ScriptExhausted, so the test fails instead of hanging.
class ScriptedPump : public zentova::MessagePump {
  public:
    using Step = std::function<void(InputState&)>;

    struct ScriptExhausted : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    explicit ScriptedPump(int idleLimit = 100000) : m_idleLimit(idleLimit) {
        Input() = InputState{};
        m_previous = installMessagePump(this);
    }
    ~ScriptedPump() override { installMessagePump(m_previous); }
    ScriptedPump(const ScriptedPump&) = delete;
    ScriptedPump& operator=(const ScriptedPump&) = delete;

    // Queued steps, one per pump call, in order.
    ScriptedPump& then(Step step) {
        m_queue.push_back(std::move(step));
        return *this;
    }
    ScriptedPump& idle(int pumps = 1) {
        for (int i = 0; i < pumps; ++i) then([](InputState&) {});
        return *this;
    }
    ScriptedPump& mouseMove(int x, int y) {
        return then([x, y](InputState& in) {
            in.mouseX = x;
            in.mouseY = y;
        });
    }
    ScriptedPump& mouseDown(int x, int y, MouseButton button = MouseButton::Left) {
        return then([x, y, button](InputState& in) {
            in.mouseX = x;
            in.mouseY = y;
            in.mouseButtonState = buttonState(button);
        });
    }
    ScriptedPump& mouseUp(int x, int y) {
        return then([x, y](InputState& in) {
            in.mouseX = x;
            in.mouseY = y;
            in.mouseButtonState = 0;
        });
    }
    // Press in one pump call, release in the next.
    ScriptedPump& click(int x, int y, MouseButton button = MouseButton::Left) {
        return mouseDown(x, y, button).mouseUp(x, y);
    }
    ScriptedPump& key(char c) {
        return then([c](InputState& in) { in.lastKey = c; });
    }

    // A step run at every pump call once the queue has run out, such as a click repeated
    // until a loop that resets the button state takes it. It does not count as something
    // happening, so a loop that never ends still fails.
    ScriptedPump& thenRepeat(Step step) {
        m_repeat = std::move(step);
        return *this;
    }
    ScriptedPump& thenKeepClicking(int x, int y, MouseButton button = MouseButton::Left) {
        return thenRepeat([x, y, button](InputState& in) {
            in.mouseX = x;
            in.mouseY = y;
            in.mouseButtonState = buttonState(button);
        });
    }

    // A step run by pump call number `call` (from 1), besides the queue.
    ScriptedPump& at(int call, Step step) {
        m_atCall.emplace(call, std::move(step));
        return *this;
    }
    // A step run by the first pump call once the fake clock has reached `ms`.
    ScriptedPump& afterMs(long long ms, Step step) {
        m_atTime.emplace(ms, std::move(step));
        return *this;
    }
    // Runs after the steps of every pump call, with its number: for watching what a loop drew.
    void observe(std::function<void(int call)> observer) { m_observer = std::move(observer); }

    int pumpCalls() const { return m_calls; }
    int sleepCalls() const { return m_sleeps; }
    long long clockMs() const { return m_clockMs; }
    bool finished() const { return m_queue.empty() && m_atCall.empty() && m_atTime.empty(); }

    void processMessages() override {
        ++m_calls;
        bool ran = false;
        if (!m_queue.empty()) {
            Step step = std::move(m_queue.front());
            m_queue.pop_front();
            step(Input());
            ran = true;
        } else if (m_repeat) {
            m_repeat(Input());
        }
        // Each step leaves the script before it runs: a step may pump again (a button
        // whose handler waits), and must not run a second time from inside itself.
        while (!m_atCall.empty() && m_atCall.begin()->first <= m_calls) {
            Step step = std::move(m_atCall.begin()->second);
            m_atCall.erase(m_atCall.begin());
            step(Input());
            ran = true;
        }
        while (!m_atTime.empty() && m_atTime.begin()->first <= m_clockMs) {
            Step step = std::move(m_atTime.begin()->second);
            m_atTime.erase(m_atTime.begin());
            step(Input());
            ran = true;
        }
        if (m_observer) m_observer(m_calls);
        if (ran) {
            m_idle = 0;
        } else if (++m_idle > m_idleLimit) {
            throw ScriptExhausted("the loop kept pumping with nothing happening (" +
                                  std::to_string(m_calls) + " pump calls)");
        }
    }

    void sleepMs(int milliseconds) override {
        ++m_sleeps;
        m_clockMs += milliseconds;
    }

  private:
    // What the main window's mouse-down handler stores for each button.
    static int buttonState(MouseButton button) {
        return button == MouseButton::Left ? 1 : button == MouseButton::Right ? 2 : 0;
    }

    std::deque<Step> m_queue;
    Step m_repeat;
    std::multimap<int, Step> m_atCall;
    std::multimap<long long, Step> m_atTime;
    std::function<void(int)> m_observer;
    zentova::MessagePump* m_previous = nullptr;
    int m_idleLimit;
    int m_idle = 0;
    int m_calls = 0;
    int m_sleeps = 0;
    long long m_clockMs = 0;
};

}  // namespace zentova::testing

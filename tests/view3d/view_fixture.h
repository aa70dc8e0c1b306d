#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

#include "model/particles.h"
#include "pump/pump.h"
#include "view3d/scene.h"
#include "view3d/viewwindow.h"

namespace zentova::test {

// A message pump that plays a script: an action runs during a chosen call of
// processMessages (counted from 1). It counts the calls and the time slept, and ends a loop
// that never ends by throwing.
class ScriptedPump : public MessagePump {
  public:
    ScriptedPump() : m_previous(installMessagePump(this)) {}
    ~ScriptedPump() override { installMessagePump(m_previous); }
    ScriptedPump(const ScriptedPump&) = delete;
    ScriptedPump& operator=(const ScriptedPump&) = delete;

    void at(int call, std::function<void()> action) { m_script.emplace(call, std::move(action)); }
    int calls() const { return m_calls; }
    int slept() const { return m_slept; }

    void processMessages() override {
        if (++m_calls > 10000) throw std::runtime_error("the loop never ends");
        const auto [first, last] = m_script.equal_range(m_calls);
        for (auto it = first; it != last; ++it) it->second();
    }
    void sleepMs(int milliseconds) override { m_slept += milliseconds; }

  private:
    MessagePump* m_previous;
    std::multimap<int, std::function<void()>> m_script;
    int m_calls = 0;
    int m_slept = 0;
};

// A view window of its own with a one-type project. The GL tests skip where the platform
// offers no OpenGL (the offscreen one); make test runs them on a virtual X screen.
class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override { Input() = InputState{}; }

    // Shows the window at the given client size; false when it has no GL context.
    bool showWithGL(int width = 200, int height = 200);

    Scene scene() { return Scene{*window, project, settings, viewDistance}; }
    QImage picture();                               // what the view's framebuffer holds
    std::array<double, 16> matrix(unsigned which);  // GL_MODELVIEW_MATRIX, ...
    std::array<float, 4> floats(unsigned which);

    std::unique_ptr<TForm2> window;
    Project project;
    Settings settings;
    double viewDistance = InitialViewDistance;
    ParticleState particles;
};

#define REQUIRE_GL(...)                                      \
    if (!showWithGL(__VA_ARGS__))                            \
    GTEST_SKIP() << "no OpenGL on this platform; run under " \
                    "xvfb-run (make test)"

}  // namespace zentova::test

#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "canvas/canvas.h"
#include "canvas/primitives.h"
#include "runs/programstate.h"
#include "support/scriptedpump.h"
#include "support/tempfiles.h"
#include "view3d/viewwindow.h"

namespace zentova::testing {

// What a run needs of the window, and no more: a program of its own in a folder of its own
// (the current directory while it lives), the main canvas of 800 x 600, the view window and
// a scripted pump.
struct RunsWorld {
    TempDir dir;
    std::filesystem::path previousFolder = std::filesystem::current_path();
    std::unique_ptr<ProgramState> program = std::make_unique<ProgramState>();
    Canvas canvas{800, 600};
    ScriptedPump pump;
    TForm2 view;

    RunsWorld() {
        std::filesystem::current_path(dir.path());
        program->toolkit.mainCanvas = &canvas;
        program->toolkit.random = &program->random;
        program->random.fixedSeed = 99;
        program->random.seed = 99;
    }
    ~RunsWorld() { std::filesystem::current_path(previousFolder); }
    RunsWorld(const RunsWorld&) = delete;
    RunsWorld& operator=(const RunsWorld&) = delete;

    // Clicks, in place, `count` times 400 ms apart from now: each dismisses a note.
    void dismissNotes(int count) {
        const long long now = pump.clockMs();
        for (int i = 1; i <= count; ++i) {
            pump.afterMs(now + 400 * i, [](InputState& in) { in.mouseButtonState = 1; });
            pump.afterMs(now + 400 * i + 100, [](InputState& in) { in.mouseButtonState = 0; });
        }
    }
};

}  // namespace zentova::testing

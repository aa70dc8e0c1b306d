#pragma once

#include <functional>

#include "runs/programstate.h"

namespace zentova {

class TForm2;

// What a run needs besides the program state: the view window and the summary panel of the
// main window (drawn by the application).
struct RunWindows {
    TForm2& view;
    std::function<void()> showProject;
};

enum class RunOutcome {
    Finished,    // back to the driver
    EndProgram,  // the user declined both to overwrite and to append
};

// "Calculate": asks whether to overwrite or append to an existing trajectory, integrates
// while the view shows the particles, writes a frame and the final state every 300 steps,
// and after "Stop" keeps the last picture until a click on either window. A file that cannot
// be read or written, a final state of another project or an unstable motion stop it with a
// note; the files keep every frame written before.
RunOutcome CalculationRun(ProgramState& program, RunWindows& windows);

// "Show history": replays the trajectory frame by frame as fast as it reads and draws.
// A damaged file ends the replay with a note naming the file and line.
void HistoryPlayback(ProgramState& program, RunWindows& windows);

// "Show final state": loads the final state into the shared state and shows it.
void FinalStateDisplay(ProgramState& program, RunWindows& windows);

}  // namespace zentova

#pragma once

#include <functional>
#include <string>

#include "runs/programstate.h"

namespace zentova {

class TForm2;

// Where a displayed calculation spent its time, from its first step to "Stop": integrating
// (the steps, with the frames and final states they write), drawing (with the status line),
// and the rest (pumping messages, the view's controls, bookkeeping).
struct CalculationTimes {
    double integrationSeconds = 0.0;
    double drawingSeconds = 0.0;
    double totalSeconds = 0.0;
    long long steps = 0;
    long long redraws = 0;
};

// One line (to be told): steps, seconds, redraws and the three shares in percent.
std::string formatCalculationTimes(const CalculationTimes& times);

// What a run needs besides the program state: the view window and the summary panel of the
// main window (drawn by the application); and where a calculation reports its times, if
// anywhere.
struct RunWindows {
    TForm2& view;
    std::function<void()> showProject;
    CalculationTimes* times = nullptr;
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

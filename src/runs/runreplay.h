#pragma once

#include <string>

#include "files/lammpsrun.h"
#include "model/project.h"
#include "model/settings.h"

namespace zentova {

class TForm2;

// A LAMMPS run brought back, replayed in the view window as "Show history" replays a
// trajectory: frame by frame as fast as the dump reads and draws, the five buttons turning
// and zooming, the key G showing the log's readings up to the frame shown. A frame the
// dump's checks refuse ends the replay there with the reason in the status line; "Stop",
// then "Terminate" and a click end it. The window is placed for a screen `screenWidth`
// wide. Returns the frames shown; `refusal`, when given, receives the reason a frame was
// refused (empty when none was).
long long RunReplay(TForm2& view, const LammpsRun& run, const Settings& settings,
                    double& viewDistance, int screenWidth, std::string* refusal = nullptr);

}  // namespace zentova

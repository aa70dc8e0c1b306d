#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/runpictures.h"
#include "movie/moviewriter.h"

class QImage;

namespace zentova {

// What --movie does alike for a project's trajectory and for a LAMMPS run's dump.

inline constexpr int ExitInterrupted = 130;  // as a shell reports a command ended by Ctrl-C

// Ctrl-C, a polite kill or a closed terminal from now on ends the movie between two frames
// (interrupted() turns true), so that what it had written is removed.
void catchInterrupts();
bool interrupted();

// Whether a frame's time lies in the range asked for; times are written to three decimals.
bool inTimes(const RunMovieOptions& options, double time);

// The frames a first pass found in the range: how many, the first's time and the last's.
struct FramesToFilm {
    long long selected = 0;
    double first = 0.0;
    double last = 0.0;
};

// A movie of the snapshot's size at `fps`.
MovieSettings movieSettings(int fps);

// The view's picture read back (bottom up, BGRX) queued as the movie's next frame.
void addPicture(MovieWriter& writer, const QImage& picture);

// Whether the film stopped before its end: on an interrupt (`interruptedLine` told, status
// ExitInterrupted) or with fewer frames than the first pass counted, the file cut or
// rewritten meanwhile (`rewrittenLine` told, status 1). The movie is then removed.
std::optional<int> filmStopped(MovieWriter& writer, long long filmed, long long selected,
                               const std::string& interruptedLine,
                               const std::string& rewrittenLine);

// Runs `film`; a failure removes the movie's temporary before it is told (a std::exception
// as its what() line and status 1; CannotDraw passed on to the display's handling).
int filmOrAbort(MovieWriter& writer, const std::function<int()>& film);

}  // namespace zentova

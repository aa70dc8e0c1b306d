#pragma once

#include <string>
#include <string_view>

// The temporaries the output writer makes beside its targets: their names, and the sweep of
// those a killed write left.

namespace zentova {

// How old, in seconds, a temporary file that no writer holds must be before it counts as the
// remains of a write that was killed (a writer holds a lock on its temporary from the moment
// it has made it). Where the file system has no locks, StaleTemporaryAgeWithoutLocks.
inline constexpr long StaleTemporaryAgeSeconds = 2;
inline constexpr long StaleTemporaryAgeWithoutLocks = 60;

// The temporary a write of `path` makes with the random part `random` (eight letters or
// digits): ".NAME.zentova.tmp-" + `random` + four letters or digits that check `random`
// against NAME, in the folder of `path`. Hidden, named for the program, and of a form that a
// name chosen by hand does not take by chance.
std::string temporaryPathOf(const std::string& path, std::string_view random);

// Removes the temporary files of earlier writes of `path` that never finished: files of the
// form temporaryPathOf gives beside it (their check right), regular, the user's own and of one
// name only, that no writer holds, last modified at least `minimumAgeSeconds` ago (0 for a
// caller that knows no other process writes `path`). Best effort: reports nothing.
void removeStaleTemporaries(const std::string& path,
                            long minimumAgeSeconds = StaleTemporaryAgeSeconds);

}  // namespace zentova

#pragma once

#include <string>
#include <vector>

#include "charts/analysesections.h"

namespace zentova {

// Which frames the structure and the wandering took, as the page says it: `from` and `to` the
// times as the command's own lines write them, `every` 0 when no frame was left out between,
// `particles` -1 for a run of the program's own (a LAMMPS run's page names its size).
struct PageFrames {
    std::size_t inRange = 0;
    std::size_t frameCount = 0;
    std::string from;
    std::string to;
    std::size_t every = 0;
    std::size_t analysed = 0;
    long long particles = -1;
};

// "The structure and the wandering use 12 of the 40 frames, from t = 1.500 to t = 3.000."
// in the chosen language, its numbers written as the language writes them.
std::string framesSentence(const PageFrames& used);

// A count for a counted text of the page (a note's "%n positions"), at most INT_MAX.
int countOf(long long count);

// The page's language for its <html lang>: "de", "pt-BR", "en".
std::string pageLanguage();

// The page index.html in the chosen language: a heading with the project's name, `framesText`, the
// notes (when any), then each section's plot, words and files.
std::string pageOf(const std::string& projectName, const std::string& framesText,
                   const std::vector<Section>& sections, const std::string& notes);

}  // namespace zentova

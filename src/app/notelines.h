#pragma once

#include <array>
#include <string>

namespace zentova {

// A note's text, given whole with its lines apart by "\n" (so that a translation breaks its
// sentences where its own words fall), as the four lines of a note box: the first four
// lines, the rest empty.
std::array<std::string, 4> noteLines(const std::string& text);

}  // namespace zentova

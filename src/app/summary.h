#pragma once

#include <string>

#include "canvas/toolkit.h"
#include "model/project.h"

namespace zentova {

inline constexpr int DiscRadiusLimit = 16;

// The project summary at the top left of the main canvas, over whatever is there: a black
// panel outlined in white from (3, 13), 197 pixels wide and 34 * types + 114 high (its outline
// one pixel more each way), with the name, the file, the counts, the force coefficients and
// for each type a disc in its colour (radius: the diameter rounded, at most 16) with its
// count, mass and charge, in rows 17 pixels apart. The discs are drawn before the rows, which
// stay readable over a large one; a row too long for the panel is clipped at its edge. The
// file row is "File " and the path, nothing after "File " for a project without a file.
// The words are the chosen language's, the numbers have its decimal separator, and a shipped
// example shows its name in that language. Draws nothing while no project is loaded.
void ShowProject(Toolkit& toolkit, const Project& project, const ProjectSource& source);

// Row 6 of the panel: the three coefficients in general format with 6 significant digits,
// two blanks apart: 1, 0.5 and 0.0001 give "1  0.5  0.0001" ("1  0,5  0,0001" in German).
std::string coefficientLine(const Project& project);

}  // namespace zentova

#pragma once

#include <string>

#include "model/project.h"

namespace zentova::testing {

// Two types of opposite charge with a repelling core, the workhorse of the run tests:
// `positive` particles of mass 1 and charge +1 (diameter 6), `negative` of mass 2 and
// charge -2 (diameter 8).
inline Project saltProject(int positive = 20, int negative = 10, std::string name = "Salt") {
    Project p;
    p.name = std::move(name);
    p.typeCount = 2;
    p.ae = 1.0;
    p.ag = 0.1;
    p.ar = 1.0;
    p.counts = {0, positive, negative};
    p.masses = {0, 1.0, 2.0};
    p.charges = {0, 1, -2};
    p.diameters = {0, 6.0, 8.0};
    p.particleCount = positive + negative;
    return p;
}

}  // namespace zentova::testing

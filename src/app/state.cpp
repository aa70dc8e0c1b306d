#include "app/state.h"

#include <memory>

namespace zentova {

ProgramState& Program() {
    // Allocated once and never freed: the integrator's scratch vectors are large, and
    // nothing may tear the state down while a nested wait loop still uses it.
    static ProgramState* const state = new ProgramState;
    return *state;
}

}  // namespace zentova

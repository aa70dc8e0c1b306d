#pragma once

#include <string>

#include "canvas/toolkit.h"
#include "files/settingsfile.h"
#include "model/integrator.h"
#include "model/particles.h"
#include "model/project.h"
#include "model/random.h"
#include "model/settings.h"
#include "view3d/scene.h"

namespace zentova {

// Everything the program keeps for its whole life, in one place. Core functions take the
// parts they work on by reference; this is where the window's code finds them.
struct ProgramState {
    Project project;
    ProjectSource source;
    ParticleState particles;
    Settings settings;
    SettingsFileLines settingsLines;  // where the settings file held the step and damping
    RandomSource random;
    Dynamics dynamics;
    Toolkit toolkit;
    double viewDistance = InitialViewDistance;  // camera distance of the 3-D view
    std::string lastSavedName;                  // the name "Save as" proposes next
};

}  // namespace zentova

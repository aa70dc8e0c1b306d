#include "lammps/system.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "files/numformat.h"

namespace zentova {

std::string plainText(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return out;
}

void placeBox(LammpsSystem& system) {
    for (int c = 0; c < 3; ++c) {
        system.low[c] = 0.0;
        system.high[c] = system.edge * system.replicate[static_cast<std::size_t>(c)];
        for (const LammpsAtom& atom : system.atoms) {
            system.low[c] = std::min(system.low[c], std::floor(atom.position[c]) - 1.0);
            system.high[c] = std::max(system.high[c], std::ceil(atom.position[c]) + 1.0);
        }
    }
    double diagonal2 = 0.0;
    for (int c = 0; c < 3; ++c)
        diagonal2 += (system.high[c] - system.low[c]) * (system.high[c] - system.low[c]);
    system.cutoff = std::ceil(std::sqrt(diagonal2)) + 1.0;
    if (system.shortened) system.cutoff = std::min(system.cutoff, system.chosenCutoff);
}

std::string dataFile(const LammpsSystem& system) {
    const Project& project = system.project;
    std::string out = "LAMMPS data file of the Zentova project \"" + plainText(system.name) +
                      "\" (" + (system.fromFinalState ? "its final state" : "a fresh placement") +
                      ")\n\n";
    out += std::to_string(system.atoms.size()) + " atoms\n" + std::to_string(project.typeCount) +
           " atom types\n\n";
    const char* axes[3] = {"x", "y", "z"};
    for (int c = 0; c < 3; ++c)
        out += formatShortest(system.low[c]) + " " + formatShortest(system.high[c]) + " " +
               axes[c] + "lo " + axes[c] + "hi\n";
    out += "\nMasses\n\n";
    for (int t = 1; t <= project.typeCount; ++t) {
        // A type without particles still needs a mass; its own may be 0.
        const double mass = project.masses[t] > 0.0 ? project.masses[t] : 1.0;
        out += std::to_string(t) + " " + formatShortest(mass) + "\n";
    }
    out += "\nAtoms # atomic\n\n";
    std::size_t id = 0;
    for (const LammpsAtom& atom : system.atoms)
        out += std::to_string(++id) + " " + std::to_string(atom.type) + " " +
               formatShortest(atom.position[0]) + " " + formatShortest(atom.position[1]) + " " +
               formatShortest(atom.position[2]) + "\n";
    if (system.fromFinalState) {
        out += "\nVelocities\n\n";
        id = 0;
        for (const LammpsAtom& atom : system.atoms)
            out += std::to_string(++id) + " " + formatShortest(atom.velocity[0]) + " " +
                   formatShortest(atom.velocity[1]) + " " + formatShortest(atom.velocity[2]) + "\n";
    }
    return out;
}

}  // namespace zentova

#include "lammps/export.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/lammpsmanifest.h"
#include "files/linereader.h"
#include "files/output.h"
#include "files/projectfile.h"
#include "files/xyzexport.h"
#include "lammps/bath.h"
#include "lammps/inputscript.h"
#include "lammps/pairtable.h"
#include "model/force.h"
#include "model/integrator.h"
#include "model/placement.h"

namespace zentova {

namespace {

// The project file's name without its folder, up to its first ".", as the exported files'
// stem. LAMMPS splits its commands at blanks and reads quotes, "$", "#" and a closing "&"
// on its own, and a control character can end a line: every character but ASCII letters,
// digits, "-" and "_" becomes "_", so that the stem needs no quoting in the input script,
// nor in the shell lines of the README.
std::string stemOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    for (char& c : name) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!plain) c = '_';
    }
    return name.empty() ? "project" : name;
}

// LAMMPS wants a seed from 1 to LammpsSeedCount.
long lammpsSeed(std::uint32_t seed) {
    return static_cast<long>(seed % LammpsSeedCount) + 1;
}

void checkExportable(const Project& project, const std::string& path) {
    if (const auto problem = projectProblem(project))
        throw FileError(path, 0, "cannot be exported: " + *problem);
    if (sumOfCounts(project) == 0)
        throw FileError(path, 0, "cannot be exported: it has no particles");
    for (int t = 1; t <= project.typeCount; ++t)
        if (project.counts[t] > 0 && project.masses[t] < 0.0)
            throw FileError(path, 0,
                            "cannot be exported: type " + std::to_string(t) +
                                " has a negative mass, which LAMMPS does not take");
}

// The line of the .sta at `path` that holds coordinate `axis` of particle `particle`, read
// again as the final state's reader reads it (blank lines skipped); 0 when it cannot be.
int coordinateLine(const std::string& path, int particle, int axis) {
    try {
        std::ifstream in = openTextFile(path);
        LineReader reader(in, path);
        reader.readInt("the particle count");
        reader.readReal("the time");
        for (int k = 0; k < 4 * (particle - 1) + axis + 1; ++k) reader.readReal("a value");
        return reader.line();
    } catch (const std::exception&) {
        return 0;
    }
}

// A particle beyond the cube lies where no wall of the export holds it, and a box and a
// cutoff widened to reach it would make LAMMPS's table and its neighbour bins as large as
// the distance: refused, with the value's place in the file.
void checkInsideCube(const FinalState& state, double cubeHalfSize, const std::string& path) {
    static constexpr const char* Axes[3] = {"x", "y", "z"};
    for (int p = 1; p <= state.count; ++p)
        for (int c = 0; c < 3; ++c) {
            const double value = state.particles.position(p, c);
            if (std::abs(value) <= cubeHalfSize) continue;
            char text[96];
            std::snprintf(text, sizeof text, "%.6g, outside the cube (%g to %g)", value,
                          -cubeHalfSize, cubeHalfSize);
            throw FileError(path, coordinateLine(path, p, c),
                            std::string("the ") + Axes[c] + " coordinate of particle " +
                                std::to_string(p) + " is " + text +
                                "; only a state inside it can be exported");
        }
}

// Where the particles come from: a fresh placement, or the final state.
struct Start {
    ParticleState particles;
    int count = 0;
    double time = 0.0;
    std::uint32_t seed = 0;
};

Start startingState(Project& project, const LammpsExportOptions& options, double cubeHalfSize) {
    Start start;
    RandomSource random;
    random.fixedSeed = options.seed;
    if (!options.fromFinalState) {
        ProjectSource source;
        start.count = PlaceParticles(project, source, start.particles, random, cubeHalfSize);
    } else {
        const std::string path = baseNameOf(options.projectPath) + ".sta";
        FinalState state = loadFinalStateFile(path);
        if (const auto mismatch = finalStateMismatch(state, project))
            throw FileError(path, 0, *mismatch);
        checkInsideCube(state, cubeHalfSize, path);
        start.particles = state.particles;
        start.count = state.count;
        start.time = state.time;
        SeedRandom(random);
    }
    start.seed = random.seed;
    return start;
}

static_assert(MaxReplicate == MaxManifestReplicate, "a manifest takes every tiling written");

// What a run of the export is checked against when it is read back.
LammpsManifest manifestOf(const LammpsSystem& system, int particlesPerCube) {
    LammpsManifest m;
    m.projectFile = system.projectFile;
    m.projectName = system.name;
    m.stem = system.stem;
    m.particlesPerCube = particlesPerCube;
    m.replicate = system.replicate;
    m.particles = static_cast<long long>(system.atoms.size());
    m.low = system.low;
    m.high = system.high;
    m.cubeEdge = system.edge;
    m.step = system.step;
    m.frameInterval = FrameInterval;
    m.startTime = system.startTime;
    const Project& project = system.project;
    m.types.resize(static_cast<std::size_t>(project.typeCount));
    for (int t = 1; t <= project.typeCount; ++t) {
        LammpsManifest::Type& type = m.types[static_cast<std::size_t>(t - 1)];
        type.mass = project.masses[t];
        type.diameter = project.diameters[t];
        type.colour = project.colors[t];
    }
    for (const LammpsAtom& atom : system.atoms)
        ++m.types[static_cast<std::size_t>(atom.type - 1)].count;
    return m;
}

// The atoms of `start` in every cube of the replication, each cube's -half..half shifted to
// 0..edge, the cubes side by side.
void replicateAtoms(LammpsSystem& system, const Start& start, const std::array<int, 3>& replicate,
                    double cube) {
    for (int iz = 0; iz < replicate[2]; ++iz)
        for (int iy = 0; iy < replicate[1]; ++iy)
            for (int ix = 0; ix < replicate[0]; ++ix) {
                const int offset[3] = {ix, iy, iz};
                for (int p = 1; p <= start.count; ++p) {
                    LammpsAtom atom;
                    atom.type = start.particles.type[p];
                    for (int c = 0; c < 3; ++c) {
                        atom.position[c] =
                            start.particles.position(p, c) + cube + offset[c] * system.edge;
                        atom.velocity[c] = start.particles.velocity(p, c);
                    }
                    system.atoms.push_back(atom);
                }
            }
}

// The table file of the pair law, its sections named in `system` for every pair of types.
std::string pairTable(LammpsSystem& system, const Project& project, double cube,
                      const BitmapLayout& layout) {
    std::string table = "# The pair law of the Zentova project \"" + plainText(project.name) +
                        "\" between every two types, as pair_style table bitmap " +
                        std::to_string(layout.bits) +
                        " reads it:\n# r (cube units), energy (zero at infinite distance), "
                        "force (positive pushes apart).\n\n";
    // Pairs of types with the same masses, charges and diameters share one section: twenty
    // types would otherwise make 210 of them, a third of a gigabyte.
    std::map<std::array<double, 4>, std::string> written;
    for (int ti = 1; ti <= project.typeCount; ++ti)
        for (int tj = ti; tj <= project.typeCount; ++tj) {
            const PairCoefficients c =
                pairCoefficients(project, cube, ti, tj, project.ag, project.ae, project.ar);
            const auto [at, fresh] = written.try_emplace({c.gravity, c.charge, c.core, c.repel},
                                                         tableSectionName(ti, tj));
            system.sections[{ti, tj}] = at->second;
            if (fresh) table += tableSection(project, cube, ti, tj, layout) + "\n";
        }
    return table;
}

}  // namespace

LammpsExportSummary exportLammps(const LammpsExportOptions& options, const Settings& settings) {
    Project project = loadProjectFile(options.projectPath);
    checkExportable(project, options.projectPath);
    // Every output checked, and its temporary made, before the work: the table alone may
    // take a while and hundreds of megabytes.
    const std::string stem = stemOf(options.projectPath);
    OutputSet outputs(commandPolicy(options.projectPath, options.overwrite));
    outputs.makeFolder(options.folder);
    const auto output = [&](const std::string& name) -> OutputFile& {
        return outputs.add(options.folder + "/" + name);
    };
    OutputFile& dataOut = output("data." + stem);
    OutputFile& tableOut = output(stem + ".table");
    OutputFile& inputOut = output("in." + stem);
    OutputFile& readmeOut = output("README.txt");
    OutputFile& manifestOut = output(lammpsManifestName(stem));
    const double cube = settings.cubeHalfSize;
    const Start start = startingState(project, options, cube);

    LammpsSystem system;
    system.project = project;
    system.name = project.name;
    system.stem = stem;
    system.projectFile = options.projectPath;
    system.replicate = options.replicate;
    system.edge = 2.0 * cube;
    system.slots = neighbourSlots(project);
    system.step = settings.integrationStep;
    system.damping = settings.dampingCoefficient;
    system.steps = options.steps;
    system.seed = lammpsSeed(options.seed ? *options.seed : start.seed);
    system.fixedSeed = options.seed.has_value();
    system.fromFinalState = options.fromFinalState;
    system.startTime = start.time;
    system.shortened = options.cutoff.has_value();
    system.chosenCutoff = options.cutoff.value_or(0.0);
    // The whole schedule, up to the longest run LAMMPS takes: a longer -var steps follows it.
    system.bath = bathSegments(options.bath, start.time, system.step, MaxLammpsSteps);
    std::vector<double> laterBathChanges;
    for (const BathSegment& segment : system.bath)
        if (segment.fromStep >= system.steps) laterBathChanges.push_back(segment.time);

    replicateAtoms(system, start, options.replicate, cube);
    placeBox(system);

    const BitmapLayout layout = bitmapLayout(TableInnerDistance, system.cutoff);
    system.tableBits = layout.bits;
    const std::string table = pairTable(system, project, cube, layout);

    dataOut.write(dataFile(system));
    tableOut.write(table);
    inputOut.write(inputScript(system));
    readmeOut.write(readmeText(system));
    manifestOut.write(formatLammpsManifest(manifestOf(system, start.count)));
    outputs.commit();
    return {stem, static_cast<long long>(system.atoms.size()), system.cutoff, layout.bits,
            laterBathChanges};
}

}  // namespace zentova

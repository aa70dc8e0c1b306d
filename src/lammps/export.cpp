#include "lammps/export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <utility>
#include <vector>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/finalstate.h"
#include "files/linereader.h"
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

// LAMMPS wants a positive seed below 900,000,000.
long lammpsSeed(std::uint32_t seed) {
    return static_cast<long>(seed % 899999999u) + 1;
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
        std::ifstream in = fileio::openInput(path);
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

// Writes every file under a temporary name in `folder`, then renames them all; a failure
// before the renames removes the temporaries and leaves the folder as it was.
void writeTogether(const std::string& folder,
                   const std::vector<std::pair<std::string, std::string>>& files) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder))
        throw FileError(
            folder, 0,
            "cannot make the folder: " +
                (error ? error.message() : std::string("a file of that name is there")));
    std::vector<std::string> temporaries;
    const auto discard = [&] {
        for (const std::string& temp : temporaries) ::unlink(temp.c_str());
    };
    for (const auto& [name, content] : files) {
        const std::string path = folder + "/" + name;
        std::string temp = path + ".tmp-XXXXXX";
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) {
            const int cause = errno;
            discard();
            throw FileError(path, 0, "cannot write: " + fileio::errorText(cause));
        }
        temporaries.push_back(temp);
        bool ok = ::fchmod(fd, 0644) == 0 && fileio::writeAll(fd, content.data(), content.size());
        int cause = ok ? 0 : errno;
        if (::close(fd) != 0 && ok) {
            ok = false;
            cause = errno;
        }
        if (!ok) {
            discard();
            throw FileError(path, 0, "cannot write: " + fileio::errorText(cause));
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string path = folder + "/" + files[i].first;
        if (::rename(temporaries[i].c_str(), path.c_str()) != 0) {
            const int cause = errno;
            for (std::size_t j = i; j < temporaries.size(); ++j) ::unlink(temporaries[j].c_str());
            throw FileError(path, 0, "cannot write: " + fileio::errorText(cause));
        }
    }
}

}  // namespace

LammpsExportSummary exportLammps(const LammpsExportOptions& options, const Settings& settings) {
    Project project = loadProjectFile(options.projectPath);
    checkExportable(project, options.projectPath);
    const double cube = settings.cubeHalfSize;
    const Start start = startingState(project, options, cube);

    LammpsSystem system;
    system.project = project;
    system.name = project.name;
    system.stem = stemOf(options.projectPath);
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

    // The cubes side by side, the model's -half..half shifted to 0..edge in each.
    for (int iz = 0; iz < options.replicate[2]; ++iz)
        for (int iy = 0; iy < options.replicate[1]; ++iy)
            for (int ix = 0; ix < options.replicate[0]; ++ix) {
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
    placeBox(system);

    const BitmapLayout layout = bitmapLayout(TableInnerDistance, system.cutoff);
    system.tableBits = layout.bits;
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

    const std::string& stem = system.stem;
    writeTogether(options.folder, {{"data." + stem, dataFile(system)},
                                   {stem + ".table", std::move(table)},
                                   {"in." + stem, inputScript(system)},
                                   {"README.txt", readmeText(system)}});
    return {stem, static_cast<long long>(system.atoms.size()), system.cutoff, layout.bits};
}

}  // namespace zentova

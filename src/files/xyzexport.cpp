#include "files/xyzexport.h"

#include <array>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/numformat.h"
#include "files/output.h"
#include "files/projectfile.h"

namespace zentova {

namespace {

constexpr std::array<std::string_view, MaxTypes + 1> Elements{
    "",   "H",  "He", "Li", "Be", "B", "C",  "N",  "O", "F", "Ne",
    "Na", "Mg", "Al", "Si", "P",  "S", "Cl", "Ar", "K", "Ca"};

// Three values as "%g %g %g" would print them, `between` after each but the last.
void appendThree(std::string& out, double value, std::string_view between) {
    const std::string text = formatSignificant(value, 6);
    for (int k = 0; k < 3; ++k) {
        out += text;
        if (k < 2) out += between;
    }
}

}  // namespace

std::string_view elementSymbol(int type) {
    return type >= 1 && type <= MaxTypes ? Elements[type] : std::string_view{};
}

void appendXyzFrame(std::string& out, const Frame& frame, const Project& project,
                    double cubeHalfSize) {
    const double edge = 2.0 * cubeHalfSize;
    out += std::to_string(frame.count);
    out += '\n';
    out += "Lattice=\"";
    appendThree(out, edge, " 0 0 0 ");
    out += '"';
    // Walls, not a periodic box: without pbc readers would wrap the particles.
    out += " pbc=\"F F F\" Properties=species:S:1:pos:R:3:radius:R:1 Time=";
    out += formatDecimals(frame.time, 3);
    out += " ShiftFromHis=\"";
    appendThree(out, cubeHalfSize, " ");
    out += '"';
    out += '\n';
    for (int p = 1; p <= frame.count; ++p) {
        const int type = frame.types[p];
        const std::string_view symbol = elementSymbol(type);
        out.append(symbol.empty() ? std::string_view("X") : symbol);
        // Both stand for numbers with 3 decimals, so the sum prints exactly.
        for (int c = 0; c < 3; ++c) {
            out += ' ';
            out += formatDecimals(frame.positions[3 * p + c] + cubeHalfSize, 3);
        }
        const double diameter = type >= 1 && type <= MaxTypes ? project.diameters[type] : 0.0;
        out += ' ';
        out += formatDecimals(XyzRadiusPerDiameter * diameter, 4);
        out += '\n';
    }
}

void checkFrameTypes(const Frame& frame, long long frameNumber, const Project& project,
                     const std::string& hisName) {
    // A frame may hold fewer particles than the project, never more.
    const std::int32_t particles = sumOfCounts(project);
    if (frame.count > particles)
        throw FileError(hisName, 0,
                        "frame " + std::to_string(frameNumber) + " holds " +
                            std::to_string(frame.count) + " particles, but the project has " +
                            std::to_string(particles) +
                            "; the trajectory belongs to another project");
    for (int p = 1; p <= frame.count; ++p) {
        const int type = frame.types[p];
        if (type < 1 || type > project.typeCount)
            throw FileError(hisName, 0,
                            "frame " + std::to_string(frameNumber) + ": particle " +
                                std::to_string(p) + " has type " + std::to_string(type) +
                                ", but the project has " + std::to_string(project.typeCount) +
                                " types; the trajectory belongs to another project");
    }
}

std::string defaultXyzPath(const std::string& projectPath) {
    return baseNameOf(projectPath) + ".xyz";
}

long long exportXyzFile(const std::string& projectPath, const std::string& outPath,
                        double cubeHalfSize, bool overwrite, int* partialFrameLine) {
    // The output is checked and its temporary made before anything is read.
    OutputFile out(outPath, commandPolicy(projectPath, overwrite));
    const Project project = loadProjectFile(projectPath);
    const std::string hisPath = baseNameOf(projectPath) + ".his";
    std::ifstream his = fileio::openInput(hisPath);
    const long long frames = convertTrajectoryToXyz(
        his, hisPath, project, cubeHalfSize, [&](const std::string& block) { out.write(block); },
        partialFrameLine);
    out.commit();
    return frames;
}

}  // namespace zentova

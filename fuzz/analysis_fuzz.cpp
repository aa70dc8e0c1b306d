// The analysis of --analyse fed by the trajectory reader: a few frames of arbitrary bytes,
// read as the command reads them, then every calculation it makes and every table it writes.

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "analysis/structure.h"
#include "analysis/trajectorypass.h"
#include "analysis/wandering.h"
#include "files/trajectory.h"
#include "fuzzcheck.h"
#include "model/limits.h"

using namespace zentova;

namespace {

// Few frames, so that each input takes milliseconds: g(r) is quadratic in the particles.
constexpr std::size_t MostFrames = 8;
constexpr double CubeHalfSize = 50.0;

// Every type with ten particles, masses 0, 1 and 2 in turn: the unweighted centre too.
Project fuzzedProject() {
    Project project;
    project.typeCount = MaxTypes;
    for (int t = 1; t <= MaxTypes; ++t) {
        project.counts[t] = MaxParticles / MaxTypes;
        project.masses[t] = t % 3;
    }
    project.particleCount = sumOfCounts(project);
    return project;
}

// The trajectory is read from a file, as the command reads it: one of our own, rewritten for
// every input and removed when the run ends.
std::string temporaryName = "/tmp/zentova-analysis-fuzz-XXXXXX";

void removeTemporary() {
    ::unlink(temporaryName.c_str());
}

const std::string& trajectoryFile(const std::uint8_t* data, std::size_t size) {
    static const std::string& path = []() -> const std::string& {
        const int fd = ::mkstemp(temporaryName.data());
        if (fd < 0) fuzz::failed("no temporary file");
        ::close(fd);
        std::atexit(removeTemporary);
        return temporaryName;
    }();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        fuzz::failed("the temporary file cannot be written");
    return path;
}

void requireNumbers(const std::string& csv) {
    fuzz::require(csv.find("nan") == std::string::npos && csv.find("inf") == std::string::npos,
                  "a table holds a number that is not finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Project project = fuzzedProject();
    const std::string& path = trajectoryFile(data, size);
    std::vector<Snapshot> frames;
    long long leftOut = 0;
    try {
        // Read once as the command reads it, counting the frames it hears of.
        TrajectoryInput input(path);
        std::size_t heard = 0;
        FramePicker::Picked picked = readTrajectoryOnce(
            input.stream(), path, project,
            FramePicker(std::nullopt, std::nullopt, MostFrames, CubeHalfSize),
            [&](long long number, double) {
                fuzz::require(number == static_cast<long long>(++heard), "a frame heard twice");
            });
        fuzz::require(picked.frameCount == heard, "frames read but not heard of");
        fuzz::require(picked.frames.size() <= MostFrames, "more frames kept than the most");
        fuzz::require(picked.frames.size() == picked.indices.size(), "frames kept without place");
        frames = std::move(picked.frames);
        leftOut = picked.leftOut;
    } catch (const FileError& error) {
        // Named by our temporary file: the same checks as a reader's message.
        fuzz::require(error.file() == path, "the message does not name the file");
        fuzz::checkMessage(FileError(fuzz::FileName, error.line(), error.reason()));
        return 0;
    }
    fuzz::require(leftOut >= 0, "a negative count of positions left out");
    std::vector<std::size_t> chosen(frames.size());
    for (std::size_t k = 0; k < chosen.size(); ++k) chosen[k] = k;
    for (const Snapshot& s : frames)
        for (double c : s.xyz)
            fuzz::require(std::abs(c) <= CubeHalfSize, "a position kept outside");

    const RadialDistribution rdf = radialDistribution(frames, chosen, wallRegionEdge(CubeHalfSize));
    requireNumbers(radialDistributionCsv(rdf));
    requireNumbers(coordinationCsv(rdf));
    const Displacement msd = meanSquareDisplacement(frames, chosen);
    fuzz::require(msd.framesUsed <= frames.size(), "more frames used than chosen");
    requireNumbers(displacementCsv(msd));
    const DensityProfile profile = densityProfile(frames, chosen, project, CubeHalfSize);
    requireNumbers(densityCsv(profile));
    for (const auto& row : profile.density)
        fuzz::require(row.size() <= 200, "density shells beyond the cube's diagonal");
    return 0;
}

// A LAMMPS run's custom dump on arbitrary bytes, read against a small export's manifest.

#include <cmath>

#include "files/lammpsdump.h"
#include "fuzzcheck.h"

using namespace zentova;

namespace {

// Four particles in a box of 100: three of type 1, one of type 2.
LammpsManifest manifest() {
    LammpsManifest m;
    m.stem = "s";
    m.particlesPerCube = 4;
    m.particles = 4;
    m.low = {0, 0, 0};
    m.high = {100, 100, 100};
    m.step = 0.001;
    m.frameInterval = 300;
    m.types = {{3, 1, 6, {}}, {1, 2, 8, {}}};
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LammpsManifest m = manifest();
    auto in = fuzz::input(data, size);
    LammpsDumpReader reader(in, fuzz::FileName, m);
    long long lastStep = -1;
    try {
        for (LammpsFrame frame; reader.next(frame);) {
            fuzz::require(frame.step > lastStep, "steps that do not increase");
            lastStep = frame.step;
            fuzz::requireFinite(frame.time, "a time that is not finite");
            fuzz::require(frame.types.size() == 4 && frame.positions.size() == 12 &&
                              frame.velocities.size() == 12,
                          "a frame of another size than the manifest's");
            int ones = 0;
            for (int type : frame.types) {
                fuzz::require(type == 1 || type == 2, "a particle without a known type");
                ones += type == 1;
            }
            fuzz::require(ones == 3, "the types' counts differ from the manifest's");
            for (double value : frame.positions)
                fuzz::require(std::isfinite(value) && value >= -100 && value <= 200,
                              "a position far outside the box");
            for (double value : frame.velocities)
                fuzz::requireFinite(value, "a velocity that is not finite");
        }
        const std::string& note = reader.note();
        fuzz::require(note.empty() || note.rfind(std::string(fuzz::FileName) + ":", 0) == 0,
                      "a note that does not name the file");
    } catch (const FileError& error) {
        fuzz::checkMessage(error);
    }
    return 0;
}

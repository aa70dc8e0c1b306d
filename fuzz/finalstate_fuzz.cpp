// The final-state reader on arbitrary bytes.

#include "files/finalstate.h"
#include "fuzzcheck.h"
#include "model/limits.h"

using namespace zentova;

namespace {

void checkState(const FinalState& state) {
    fuzz::require(state.count >= 0 && state.count <= MaxParticles, "a count out of range");
    fuzz::requireFinite(state.time, "a time that is not finite");
    for (int p = 1; p <= state.count; ++p) {
        const int type = state.particles.type[p];
        fuzz::require(type >= 1 && type <= MaxTypes, "a type out of range");
        for (int c = 0; c < 3; ++c) {
            fuzz::requireFinite(state.particles.position(p, c), "a position that is not finite");
            fuzz::requireFinite(state.particles.velocity(p, c), "a velocity that is not finite");
        }
    }
    // Particles beyond the count keep nothing from the file.
    for (int p = state.count + 1; p <= MaxParticles; ++p)
        fuzz::require(state.particles.type[p] == 0, "a type beyond the count");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzz::input(data, size);
    FinalState state;
    try {
        state = readFinalState(in, fuzz::FileName);
    } catch (const FileError& error) {
        fuzz::checkMessage(error);
        return 0;
    }
    checkState(state);

    // An appending run writes the state it continued from at its next frame: that file must
    // read again, and writing what it reads must give the same text.
    const std::string written = formatFinalState(state.count, state.time, state.particles);
    std::istringstream again(written);
    FinalState reread;
    try {
        reread = readFinalState(again, fuzz::FileName);
    } catch (const FileError& error) {
        fuzz::failed(std::string("a written final state does not read: ") + error.what());
    }
    fuzz::require(reread.count == state.count && reread.particles.type == state.particles.type,
                  "count or types changed on the way through the file");
    fuzz::require(formatFinalState(reread.count, reread.time, reread.particles) == written,
                  "writing the reread state differs");
    return 0;
}

// The trajectory reader on arbitrary bytes, frame by frame as the playback reads it.

#include "files/trajectory.h"
#include "fuzzcheck.h"
#include "model/limits.h"

using namespace zentova;

namespace {

void checkFrame(const Frame& frame) {
    fuzz::require(frame.count >= 0 && frame.count <= MaxParticles, "a count out of range");
    fuzz::requireFinite(frame.time, "a time that is not finite");
    for (int p = 1; p <= frame.count; ++p) {
        fuzz::require(frame.types[p] >= 1 && frame.types[p] <= MaxTypes, "a type out of range");
        for (int c = 0; c < 3; ++c)
            fuzz::requireFinite(frame.positions[3 * p + c], "a position that is not finite");
    }
}

// The frame as the calculation would write it.
std::string frameText(const Frame& frame) {
    ParticleState particles;
    for (int p = 1; p <= frame.count; ++p) {
        for (int c = 0; c < 3; ++c) particles.position(p, c) = frame.positions[3 * p + c];
        particles.type[p] = frame.types[p];
    }
    std::string text;
    appendFrameText(text, frame.count, frame.time, particles);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzz::input(data, size);
    TrajectoryReader reader(in, fuzz::FileName);
    std::string rewritten;
    Frame frame;
    frame.count = -1;  // a mark: a refused frame must leave the last good one as it was
    Frame last = frame;
    int frames = 0;
    try {
        while (reader.readFrame(frame)) {
            checkFrame(frame);
            rewritten += frameText(frame);
            last = frame;
            ++frames;
        }
    } catch (const FileError& error) {
        fuzz::checkMessage(error);
        fuzz::require(frame.count == last.count && frame.time == last.time &&
                          frame.positions == last.positions && frame.types == last.types,
                      "a refused frame changed the frame held");
    }

    // The whole frames read so far, written as the calculation writes them, read back as
    // the same frames; a second round changes no byte (rounding to 3 decimals happens once).
    std::istringstream again(rewritten);
    TrajectoryReader rereader(again, fuzz::FileName);
    std::string twice;
    int reread = 0;
    try {
        while (rereader.readFrame(frame)) {
            twice += frameText(frame);
            ++reread;
        }
    } catch (const FileError& error) {
        fuzz::failed(std::string("written frames do not read: ") + error.what());
    }
    fuzz::require(reread == frames, "the number of frames changed");
    fuzz::require(twice == rewritten, "a second round through the file changed the text");
    return 0;
}

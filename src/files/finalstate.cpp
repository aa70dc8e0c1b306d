#include "files/finalstate.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "files/atomicfile.h"
#include "files/fileio.h"
#include "files/linereader.h"
#include "files/numformat.h"
#include "model/limits.h"

namespace zentova {

namespace {

constexpr const char* Axes[3] = {"x", "y", "z"};

void appendLine(std::string& out, double value) {
    appendReal(out, value);
    out += LineEnd;
}

std::string ofParticle(const char* axis, const char* what, int particle) {
    return std::string("the ") + axis + what + " of particle " + std::to_string(particle);
}

void appendFinalState(std::string& out, int n, double time, const ParticleState& particles) {
    const int count = std::clamp(n, 0, MaxParticles);
    out.reserve(out.size() + static_cast<std::size_t>(count) * 7 * 25 + 40);
    appendInt(out, count);
    out += LineEnd;
    appendLine(out, time);
    for (int p = 1; p <= count; ++p) {
        for (int c = 0; c < 3; ++c) appendLine(out, particles.position(p, c));
        appendInt(out, particles.type[p]);
        out += LineEnd;
    }
    for (int p = 1; p <= count; ++p)
        for (int c = 0; c < 3; ++c) appendLine(out, particles.velocity(p, c));
}

}  // namespace

std::string formatFinalState(int n, double time, const ParticleState& particles) {
    std::string out;
    appendFinalState(out, n, time, particles);
    return out;
}

void writeFinalStateFile(const std::string& path, int n, double time,
                         const ParticleState& particles, Leftovers leftovers) {
    writeFileAtomically(path, formatFinalState(n, time, particles), leftovers);
}

void FinalStateWriter::write(int n, double time, const ParticleState& particles) {
    m_text.clear();
    appendFinalState(m_text, n, time, particles);
    m_file.write(m_text);
}

FinalStateHold::FinalStateHold(const std::string& path, int waitMilliseconds) {
    // Never through a link, never waiting on a FIFO: what is not a final state has no hold.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) return;
    for (int waited = 0; ::flock(m_fd, LOCK_EX | LOCK_NB) != 0; ++waited) {
        if (errno != EWOULDBLOCK && errno != EINTR) return;  // no locks here: nothing to wait for
        if (waited >= waitMilliseconds) {
            m_held = false;
            return;
        }
        ::usleep(1000);
    }
}

FinalStateHold::~FinalStateHold() {
    if (m_fd >= 0) ::close(m_fd);
}

FinalState readFinalState(std::istream& in, const std::string& fileName) {
    LineReader reader(in, fileName);
    FinalState state;
    state.count = reader.readInt("the particle count");
    if (state.count < 0 || state.count > MaxParticles)
        reader.fail(std::to_string(state.count) + " particles, between 0 and " +
                    std::to_string(MaxParticles) + " are allowed");
    state.time = reader.readReal("the time");
    state.particles.time = state.time;
    for (int p = 1; p <= state.count; ++p) {
        for (int c = 0; c < 3; ++c)
            state.particles.position(p, c) =
                reader.readReal(ofParticle(Axes[c], " coordinate", p).c_str());
        const std::int32_t type = reader.readInt(ofParticle("", "type", p).c_str());
        if (type < 1 || type > MaxTypes)
            reader.fail("particle " + std::to_string(p) + " has type " + std::to_string(type) +
                        ", types run from 1 to " + std::to_string(MaxTypes));
        state.particles.type[p] = static_cast<std::uint8_t>(type);
    }
    for (int p = 1; p <= state.count; ++p)
        for (int c = 0; c < 3; ++c)
            state.particles.velocity(p, c) =
                reader.readReal(ofParticle(Axes[c], " velocity", p).c_str());
    // The writer ends every line; without the end, the last number may have lost digits.
    if (!reader.lineEnded()) reader.fail("the file ends inside this line: it was cut short");
    return state;
}

FinalState loadFinalStateFile(const std::string& path) {
    std::ifstream in = fileio::openInput(path);
    return readFinalState(in, path);
}

std::optional<std::string> finalStateMismatch(const FinalState& state, const Project& project) {
    const std::int32_t expected = sumOfCounts(project);
    if (state.count != expected)
        return "the final state holds " + std::to_string(state.count) + " particles, the project " +
               std::to_string(expected);
    // The project numbers its particles type by type; a type with no particles adds none.
    int p = 0;
    const int types = std::clamp<int>(project.typeCount, 0, MaxTypes);
    for (int t = 1; t <= types; ++t) {
        for (int k = 0; k < project.counts[t] && p < state.count; ++k) {
            ++p;
            if (state.particles.type[p] != t)
                return "particle " + std::to_string(p) + " is of type " +
                       std::to_string(state.particles.type[p]) +
                       " in the final state but of type " + std::to_string(t) + " in the project";
        }
    }
    return std::nullopt;
}

}  // namespace zentova

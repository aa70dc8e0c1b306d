#include "files/readingsfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <exception>

#include "files/atomicfile.h"
#include "files/output.h"
#include "files/readingsreader.h"
#include "files/trajectory.h"

namespace zentova {

ReadingsWriter::~ReadingsWriter() {
    close();
}

void ReadingsWriter::close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

void ReadingsWriter::begin(const std::string& path, const Project& project) {
    close();
    m_path = path;
    m_project = project;
    m_types = readingsTypes(project);
    m_frame = 0;
    m_bathFactor = 1.0;
    m_problem.clear();
    m_note.clear();
    m_last.reset();
}

void ReadingsWriter::fail(const std::string& why) {
    close();
    m_problem = m_path + ": " + why + "; the run goes on without readings";
}

void ReadingsWriter::rewrite(const std::string& content) {
    try {
        // Under the trajectory's hold: the run plan has cleared what killed writes left.
        writeFileAtomically(m_path, content, Leftovers::Leave);
    } catch (const std::exception& e) {
        m_problem = std::string(e.what()) + "; the run goes on without readings";
        return;
    }
    m_fd = ::open(m_path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (m_fd < 0) fail(std::string("cannot open: ") + std::strerror(errno));
}

void ReadingsWriter::startAnew(const std::string& path, const Project& project) {
    begin(path, project);
    rewrite(readingsHeader(m_types) + '\n');
}

void ReadingsWriter::startAppend(const std::string& path, const Project& project,
                                 long long keptFrames, double lastFrameTime,
                                 const ParticleState* restored, int n) {
    begin(path, project);
    const std::string header = readingsHeader(m_types);
    std::string content = header + '\n';
    long long kept = 0;
    const bool existed = fileExists(path);
    if (existed) {
        const ReadingsTable table = loadReadings(path);
        if (!table.headerKnown || table.types != m_types) {
            m_note = path + " was for other types or damaged and starts again";
        } else {
            // The rows of the frames kept, up to the last of them, which must be at its time.
            for (const ReadingsRow& row : table.rows) {
                if (row.frame > keptFrames || row.time > lastFrameTime + WrittenTimeRounding ||
                    (row.frame == keptFrames &&
                     std::abs(row.time - lastFrameTime) > WrittenTimeRounding))
                    break;
                content += formatReadingsRow(row);
                m_last = row;
                ++kept;
            }
        }
    }
    if (kept < keptFrames) {
        const long long missing = keptFrames - kept;
        const std::string lack = "lacks the readings of " + std::to_string(missing) +
                                 (missing == 1 ? " earlier frame" : " earlier frames");
        if (!m_note.empty())
            m_note += ": it " + lack;
        else
            m_note = path + (existed ? " " : " was missing: it ") + lack;
    }
    m_frame = keptFrames;
    if (restored) {
        ++m_frame;
        m_last = computeReadings(m_project, m_types, *restored, n, m_frame);
        content += formatReadingsRow(*m_last);
    }
    rewrite(content);
}

void ReadingsWriter::write(int n, const ParticleState& particles) {
    ++m_frame;  // counted even when not written, so the lines that follow stay numbered right
    if (m_fd < 0) return;
    try {
        ReadingsRow row = computeReadings(m_project, m_types, particles, n, m_frame);
        row.bathFactor = m_bathFactor;
        const std::string line = formatReadingsRow(row);
        const off_t before = ::lseek(m_fd, 0, SEEK_END);
        if (!writeAllBytes(m_fd, line)) {
            const int error = errno;
            if (before >= 0 && ::ftruncate(m_fd, before) != 0) {
                // The cut failed as well; the reader then drops the line cut short.
            }
            fail(std::string("cannot write: ") + std::strerror(error));
            return;
        }
        m_last = std::move(row);
    } catch (const std::exception& e) {
        fail(e.what());
    }
}

}  // namespace zentova

#include "files/lammpsdump.h"

#include <sys/stat.h>
#include <zlib.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <streambuf>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/linereader.h"
#include "files/numformat.h"

namespace zentova {

namespace {

std::vector<std::string_view> tokens(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

bool wholeNumber(std::string_view token, long long& value) {
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    return ec == std::errc() && end == token.data() + token.size();
}

// At most 40 characters of what was found, control and non-ASCII bytes as "?", so that a
// message about a hostile file stays one printable line.
std::string quoted(std::string_view text) {
    std::string out(text.substr(0, 40));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) c = '?';
    return "\"" + out + "\"";
}

std::string shown(double value) {
    return formatSignificant(value, 6);
}

constexpr const char* Axes[3] = {"x", "y", "z"};

// A frame cut short by the end of the file: where it began, for the note.
struct CutShort {
    int line;
};

}  // namespace

LammpsDumpReader::LammpsDumpReader(std::istream& in, std::string fileName,
                                   const LammpsManifest& manifest)
    : m_in(in), m_fileName(std::move(fileName)), m_manifest(manifest) {}

bool LammpsDumpReader::next(LammpsFrame& frame) {
    if (!m_note.empty()) return false;
    const auto fail = [&](const std::string& reason) -> void {
        throw FileError(m_fileName, m_line, reason);
    };
    const auto other = [&](const std::string& what) -> void {
        throw FileError(m_fileName, m_line, "a dump of another export: " + what);
    };
    int frameLine = 0;
    bool ended = true;
    // The next line that is not blank; a frame cut short when there is none.
    const auto take = [&]() -> const std::string& {
        for (;;) {
            if (m_pending) {
                m_pending = false;
                if (!ended) throw CutShort{frameLine};
                return m_text;
            }
            if (!fileio::nextLine(m_in, m_text, m_fileName, m_line, &ended))
                throw CutShort{frameLine};
            // A last line without its line end may be cut inside a value.
            if (!ended) throw CutShort{frameLine};
            if (!tokens(m_text).empty()) return m_text;
        }
    };
    try {
        // The frame's first line, or the end of the dump.
        for (;;) {
            if (m_pending) break;
            if (!fileio::nextLine(m_in, m_text, m_fileName, m_line, &ended)) return false;
            if (!tokens(m_text).empty()) {
                m_pending = true;
                break;
            }
        }
        frameLine = m_line;
        long long step = -1;
        long long count = -1;
        bool timed = false;
        double time = 0.0;
        bool boxed = false;
        for (;;) {
            const std::string item = take();
            if (item.rfind("ITEM: ", 0) != 0)
                fail("expected an ITEM: line of a LAMMPS dump, found " + quoted(item));
            const std::string_view name = std::string_view(item).substr(6);
            if (name.rfind("ATOMS", 0) == 0) break;
            if (name == "UNITS") {
                const std::vector<std::string_view> u = tokens(take());
                if (u.size() != 1 || u[0] != "lj")
                    other("its units are " + quoted(m_text) + ", the export's lj");
            } else if (name == "TIME") {
                const std::vector<std::string_view> t = tokens(take());
                if (t.size() != 1 || fileio::parseReal(t[0], time) != fileio::ParseResult::Ok)
                    fail(fileio::badToken("the time", t.empty() ? "" : t[0],
                                          fileio::ParseResult::Malformed));
                timed = true;
            } else if (name == "TIMESTEP") {
                const std::vector<std::string_view> t = tokens(take());
                if (t.size() != 1 || !wholeNumber(t[0], step) || step < 0)
                    fail("expected the step, a whole number from 0, found " + quoted(m_text));
                if (step <= m_lastStep)
                    fail("step " + std::to_string(step) + " does not follow step " +
                         std::to_string(m_lastStep));
            } else if (name == "NUMBER OF ATOMS") {
                const std::vector<std::string_view> t = tokens(take());
                if (t.size() != 1 || !wholeNumber(t[0], count) || count < 0)
                    fail("expected the number of atoms, found " + quoted(m_text));
                if (count != m_manifest.particles) {
                    if (m_lastStep >= 0)
                        fail("the atom count changes to " + std::to_string(count) + " from " +
                             std::to_string(m_manifest.particles));
                    other(std::to_string(count) + " atoms, the manifest's " +
                          std::to_string(m_manifest.particles));
                }
            } else if (name.rfind("BOX BOUNDS", 0) == 0) {
                for (const std::string_view word : tokens(name))
                    if (word == "xy") other("a tilted box, which no export makes");
                for (int c = 0; c < 3; ++c) {
                    const std::vector<std::string_view> t = tokens(take());
                    double low = 0.0, high = 0.0;
                    if (t.size() != 2 || fileio::parseReal(t[0], low) != fileio::ParseResult::Ok ||
                        fileio::parseReal(t[1], high) != fileio::ParseResult::Ok)
                        fail(std::string("expected the box's two bounds along ") + Axes[c]);
                    const double slack = 1e-6 * (m_manifest.high[c] - m_manifest.low[c]);
                    if (std::abs(low - m_manifest.low[c]) > slack ||
                        std::abs(high - m_manifest.high[c]) > slack)
                        other(std::string("its box runs from ") + shown(low) + " to " +
                              shown(high) + " along " + Axes[c] + ", the manifest's from " +
                              shown(m_manifest.low[c]) + " to " + shown(m_manifest.high[c]));
                }
                boxed = true;
            } else {
                fail(quoted(item) + " is not an item this reader knows");
            }
        }
        if (step < 0 || count < 0 || !boxed)
            fail("a frame without its step, number of atoms or box before its atoms");

        // The columns, by name.
        const std::vector<std::string_view> names = tokens(std::string_view(m_text).substr(11));
        int id = -1, type = -1, position[3] = {-1, -1, -1}, velocity[3] = {-1, -1, -1};
        for (std::size_t k = 0; k < names.size(); ++k) {
            const int at = static_cast<int>(k);
            if (names[k] == "id") id = at;
            if (names[k] == "type") type = at;
            for (int c = 0; c < 3; ++c) {
                if (names[k] == Axes[c] || names[k] == std::string(Axes[c]) + "u") position[c] = at;
                if (names[k] == std::string("v") + Axes[c]) velocity[c] = at;
            }
        }
        for (const auto& [column, what] :
             {std::pair{id, "id"}, std::pair{type, "type"}, std::pair{position[0], "x"},
              std::pair{position[1], "y"}, std::pair{position[2], "z"}})
            if (column < 0) fail(std::string("the atoms have no \"") + what + "\" column");
        const bool moving = velocity[0] >= 0 && velocity[1] >= 0 && velocity[2] >= 0;

        const std::size_t n = static_cast<std::size_t>(count);
        frame.step = step;
        frame.time = m_manifest.startTime + (timed ? time : step * m_manifest.step);
        frame.types.assign(n, 0);
        frame.positions.assign(3 * n, 0.0);
        frame.velocities.assign(3 * n, 0.0);
        std::vector<long long> perType(m_manifest.types.size() + 1, 0);
        for (std::size_t k = 0; k < n; ++k) {
            const std::vector<std::string_view> t = tokens(take());
            if (t.size() != names.size())
                fail("expected " + std::to_string(names.size()) + " values, found " +
                     std::to_string(t.size()));
            long long i = 0, kind = 0;
            if (!wholeNumber(t[id], i) || i < 1 || i > count)
                fail("expected an id from 1 to " + std::to_string(count) + ", found " +
                     quoted(t[id]));
            const std::size_t slot = static_cast<std::size_t>(i - 1);
            if (frame.types[slot] != 0) fail("id " + std::to_string(i) + " a second time");
            if (!wholeNumber(t[type], kind) || kind < 1 ||
                kind > static_cast<long long>(m_manifest.types.size()))
                fail("type " + quoted(t[type]) + " is none of the " +
                     std::to_string(m_manifest.types.size()) + " types of the manifest");
            frame.types[slot] = static_cast<int>(kind);
            ++perType[static_cast<std::size_t>(kind)];
            for (int c = 0; c < 3; ++c) {
                double value = 0.0;
                const fileio::ParseResult r = fileio::parseReal(t[position[c]], value);
                if (r != fileio::ParseResult::Ok)
                    fail(fileio::badToken(std::string("the ") + Axes[c] + " position",
                                          t[position[c]], r));
                const double extent = m_manifest.high[c] - m_manifest.low[c];
                if (value < m_manifest.low[c] - extent || value > m_manifest.high[c] + extent)
                    fail("atom " + std::to_string(i) + " is at " + Axes[c] + " = " + shown(value) +
                         ", far outside the box (" + shown(m_manifest.low[c]) + " to " +
                         shown(m_manifest.high[c]) + ")");
                frame.positions[3 * slot + c] = value;
                if (!moving) continue;
                const fileio::ParseResult rv = fileio::parseReal(t[velocity[c]], value);
                if (rv != fileio::ParseResult::Ok)
                    fail(fileio::badToken(std::string("the velocity along ") + Axes[c],
                                          t[velocity[c]], rv));
                frame.velocities[3 * slot + c] = value;
            }
        }
        for (std::size_t t = 1; t < perType.size(); ++t)
            if (perType[t] != m_manifest.types[t - 1].count)
                throw FileError(m_fileName, frameLine,
                                "a dump of another export: " + std::to_string(perType[t]) +
                                    " atoms of type " + std::to_string(t) +
                                    " in this frame, the manifest's " +
                                    std::to_string(m_manifest.types[t - 1].count));
        m_lastStep = step;
        return true;
    } catch (const CutShort& cut) {
        m_note = m_fileName + ":" + std::to_string(cut.line) +
                 ": the last frame is cut short and left out";
        return false;
    }
}

namespace {

// A gzip file read as a stream, a block at a time. A file that ends inside its compressed
// data (a run still writing it, a copy stopped) ends there, as a plain file cut short does;
// damaged data is refused.
class GzBuffer : public std::streambuf {
  public:
    GzBuffer(gzFile file, std::string path) : m_file(file), m_path(std::move(path)) {}
    ~GzBuffer() override { gzclose(m_file); }
    GzBuffer(const GzBuffer&) = delete;
    GzBuffer& operator=(const GzBuffer&) = delete;

  protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        const int got = gzread(m_file, m_block, sizeof m_block);
        if (got <= 0) {
            int code = Z_OK;
            const char* text = gzerror(m_file, &code);
            if (code != Z_OK && code != Z_BUF_ERROR)
                throw FileError(m_path, 0,
                                std::string("cannot read the compressed file: ") +
                                    (text != nullptr ? text : "damaged"));
            return traits_type::eof();
        }
        setg(m_block, m_block, m_block + got);
        return traits_type::to_int_type(*gptr());
    }

  private:
    gzFile m_file;
    std::string m_path;
    char m_block[1 << 16];
};

class GzStream : public std::istream {
  public:
    GzStream(gzFile file, std::string path)
        : std::istream(nullptr), m_buffer(file, std::move(path)) {
        rdbuf(&m_buffer);
    }

  private:
    GzBuffer m_buffer;
};

}  // namespace

std::unique_ptr<std::istream> openMaybeCompressed(const std::string& path) {
    std::ifstream plain = fileio::openInput(path);  // checks it is a regular file
    const bool compressed = path.size() > 3 && path.compare(path.size() - 3, 3, ".gz") == 0;
    if (!compressed) return std::make_unique<std::ifstream>(std::move(plain));
    plain.close();
    errno = 0;
    gzFile file = gzopen(path.c_str(), "rb");
    if (file == nullptr)
        throw FileError(path, 0, "cannot open: " + fileio::errorText(errno ? errno : ENOMEM));
    return std::make_unique<GzStream>(file, path);
}

ReadingsTable parseLammpsLog(std::istream& in, const LammpsManifest& manifest) {
    ReadingsTable table;
    table.headerKnown = true;
    for (std::size_t t = 0; t < manifest.types.size(); ++t)
        if (manifest.types[t].count > 0) table.types.push_back(static_cast<int>(t + 1));
    std::string line;
    int lineNo = 0;
    bool ended = true;
    const auto leaveOut = [&](int at) {
        if (table.badLine == 0) table.badLine = at;
    };
    // The columns of the current table: step, time, the readings; -1 when missing.
    struct Columns {
        std::size_t width = 0;
        int step = -1, time = -1, kinetic = -1, speed = -1, gyration = -1, far = -1, bath = -1;
        std::vector<int> typeKinetic;
    };
    bool inTable = false;
    Columns columns;
    const auto find = [](const std::vector<std::string_view>& names, std::string_view name) {
        for (std::size_t k = 0; k < names.size(); ++k)
            if (names[k] == name) return static_cast<int>(k);
        return -1;
    };
    try {
        while (fileio::nextLine(in, line, "log", lineNo, &ended)) {
            const std::vector<std::string_view> t = tokens(line);
            if (t.empty()) continue;
            if (t[0] == "Step") {
                columns = Columns{};
                columns.width = t.size();
                columns.step = find(t, "Step");
                columns.time = find(t, "Time");
                columns.kinetic = find(t, "v_kinetic");
                columns.speed = find(t, "v_speed");
                columns.gyration = find(t, "v_gyration");
                columns.far = find(t, "v_far");
                columns.bath = find(t, "v_bath");
                bool complete = columns.time >= 0 && columns.kinetic >= 0 && columns.speed >= 0 &&
                                columns.gyration >= 0 && columns.far >= 0;
                for (int type : table.types) {
                    columns.typeKinetic.push_back(find(t, "v_kinetic" + std::to_string(type)));
                    complete = complete && columns.typeKinetic.back() >= 0;
                }
                inTable = complete;
                if (!complete) leaveOut(lineNo);
                continue;
            }
            if (!inTable) continue;
            if (line.rfind("Loop time", 0) == 0) {
                inTable = false;
                continue;
            }
            if (t[0].rfind("WARNING", 0) == 0) continue;
            std::vector<double> values(t.size());
            bool numbers = t.size() == columns.width && ended;
            for (std::size_t k = 0; numbers && k < t.size(); ++k)
                numbers = fileio::parseReal(t[k], values[k]) == fileio::ParseResult::Ok;
            if (!numbers) {
                // Text that is not a row ends the table (an ERROR, the run's summary); a cut
                // or broken row is left out.
                if (t.size() != columns.width || !ended) {
                    if (!ended || std::isdigit(static_cast<unsigned char>(t[0][0])))
                        leaveOut(lineNo);
                    else
                        inTable = false;
                } else {
                    leaveOut(lineNo);
                }
                continue;
            }
            const double step = values[static_cast<std::size_t>(columns.step)];
            const double interval = static_cast<double>(manifest.frameInterval);
            if (step < interval || step > 9e15 || std::fmod(step, interval) != 0.0) continue;
            ReadingsRow row;
            row.frame = static_cast<long long>(step / interval);
            row.time = manifest.startTime + values[static_cast<std::size_t>(columns.time)];
            row.meanKineticEnergy = values[static_cast<std::size_t>(columns.kinetic)];
            for (int column : columns.typeKinetic)
                row.typeKineticEnergy.push_back(values[static_cast<std::size_t>(column)]);
            row.meanSpeed = values[static_cast<std::size_t>(columns.speed)];
            row.radiusOfGyration = values[static_cast<std::size_t>(columns.gyration)];
            row.largestDistance = values[static_cast<std::size_t>(columns.far)];
            if (columns.bath >= 0) row.bathFactor = values[static_cast<std::size_t>(columns.bath)];
            if (!std::isfinite(row.time)) {
                leaveOut(lineNo);
                continue;
            }
            const std::size_t kept = table.rows.size();
            if (kept > 0 && row.frame == table.rows.back().frame) {
                // A run's first row repeats the last one's step; it takes its place only where
                // its time still follows the row before, or the times would go back.
                if (kept == 1 || row.time >= table.rows[kept - 2].time)
                    table.rows.back() = row;
                else
                    leaveOut(lineNo);
            } else if (!table.rows.empty() &&
                       (row.frame < table.rows.back().frame || row.time < table.rows.back().time)) {
                leaveOut(lineNo);
            } else {
                table.rows.push_back(row);
            }
        }
    } catch (const FileError&) {
        leaveOut(lineNo + 1);  // a line longer than any log's, or a failed read: the rest goes
    }
    return table;
}

}  // namespace zentova

#include "files/lammpsdump.h"

#include <sys/stat.h>

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

// The steps of a frame: its first line (or the end of the dump), the items before its
// atoms, the atoms' columns, then the atoms, each checked against the manifest.
bool LammpsDumpReader::next(LammpsFrame& frame) {
    if (!m_note.empty()) return false;
    m_ended = true;
    try {
        if (!frameBegins()) return false;
        const Head head = readHead();
        const Columns columns = readColumns();
        readAtoms(head, columns, frame);
        m_lastStep = head.step;
        return true;
    } catch (const CutShort& cut) {
        m_note = m_fileName + ":" + std::to_string(cut.line) +
                 ": the last frame is cut short and left out";
        return false;
    }
}

void LammpsDumpReader::fail(const std::string& reason) const {
    throw FileError(m_fileName, m_line, reason);
}

void LammpsDumpReader::other(const std::string& what) const {
    throw FileError(m_fileName, m_line, "a dump of another export: " + what);
}

// The frame's first line, left to take(); false at the end of the dump.
bool LammpsDumpReader::frameBegins() {
    for (;;) {
        if (m_pending) break;
        if (!fileio::nextLine(m_in, m_text, m_fileName, m_line, &m_ended)) return false;
        if (!fileio::tokensOf(m_text).empty()) {
            m_pending = true;
            break;
        }
    }
    m_frameLine = m_line;
    return true;
}

// The next line that is not blank; a frame cut short when there is none.
const std::string& LammpsDumpReader::take() {
    for (;;) {
        if (m_pending) {
            m_pending = false;
            if (!m_ended) throw CutShort{m_frameLine};
            return m_text;
        }
        if (!fileio::nextLine(m_in, m_text, m_fileName, m_line, &m_ended))
            throw CutShort{m_frameLine};
        // A last line without its line end may be cut inside a value.
        if (!m_ended) throw CutShort{m_frameLine};
        if (!fileio::tokensOf(m_text).empty()) return m_text;
    }
}

// The items up to "ITEM: ATOMS", which is left in m_text.
LammpsDumpReader::Head LammpsDumpReader::readHead() {
    Head head;
    for (;;) {
        const std::string item = take();
        if (item.rfind("ITEM: ", 0) != 0)
            fail("expected an ITEM: line of a LAMMPS dump, found " + quoted(item));
        const std::string_view name = std::string_view(item).substr(6);
        if (name.rfind("ATOMS", 0) == 0) break;
        readItem(item, head);
    }
    if (head.step < 0 || head.count < 0 || !head.boxed)
        fail("a frame without its step, number of atoms or box before its atoms");
    return head;
}

void LammpsDumpReader::readItem(const std::string& item, Head& head) {
    const std::string_view name = std::string_view(item).substr(6);
    if (name == "UNITS") {
        const std::vector<std::string_view> u = fileio::tokensOf(take());
        if (u.size() != 1 || u[0] != "lj")
            other("its units are " + quoted(m_text) + ", the export's lj");
    } else if (name == "TIME") {
        const std::vector<std::string_view> t = fileio::tokensOf(take());
        if (t.size() != 1 || fileio::parseReal(t[0], head.time) != fileio::ParseResult::Ok)
            fail(fileio::badToken("the time", t.empty() ? "" : t[0],
                                  fileio::ParseResult::Malformed));
        head.timed = true;
    } else if (name == "TIMESTEP") {
        const std::vector<std::string_view> t = fileio::tokensOf(take());
        if (t.size() != 1 || !wholeNumber(t[0], head.step) || head.step < 0)
            fail("expected the step, a whole number from 0, found " + quoted(m_text));
        if (head.step <= m_lastStep)
            fail("step " + std::to_string(head.step) + " does not follow step " +
                 std::to_string(m_lastStep));
    } else if (name == "NUMBER OF ATOMS") {
        const std::vector<std::string_view> t = fileio::tokensOf(take());
        if (t.size() != 1 || !wholeNumber(t[0], head.count) || head.count < 0)
            fail("expected the number of atoms, found " + quoted(m_text));
        if (head.count != m_manifest.particles) {
            if (m_lastStep >= 0)
                fail("the atom count changes to " + std::to_string(head.count) + " from " +
                     std::to_string(m_manifest.particles));
            other(std::to_string(head.count) + " atoms, the manifest's " +
                  std::to_string(m_manifest.particles));
        }
    } else if (name.rfind("BOX BOUNDS", 0) == 0) {
        readBox(name);
        head.boxed = true;
    } else {
        fail(quoted(item) + " is not an item this reader knows");
    }
}

void LammpsDumpReader::readBox(std::string_view name) {
    for (const std::string_view word : fileio::tokensOf(name))
        if (word == "xy") other("a tilted box, which no export makes");
    for (int c = 0; c < 3; ++c) {
        const std::vector<std::string_view> t = fileio::tokensOf(take());
        double low = 0.0, high = 0.0;
        if (t.size() != 2 || fileio::parseReal(t[0], low) != fileio::ParseResult::Ok ||
            fileio::parseReal(t[1], high) != fileio::ParseResult::Ok)
            fail(std::string("expected the box's two bounds along ") + Axes[c]);
        const double slack = 1e-6 * (m_manifest.high[c] - m_manifest.low[c]);
        if (std::abs(low - m_manifest.low[c]) > slack ||
            std::abs(high - m_manifest.high[c]) > slack)
            other(std::string("its box runs from ") + shown(low) + " to " + shown(high) +
                  " along " + Axes[c] + ", the manifest's from " + shown(m_manifest.low[c]) +
                  " to " + shown(m_manifest.high[c]));
    }
}

// The columns of the "ITEM: ATOMS" line, by name.
LammpsDumpReader::Columns LammpsDumpReader::readColumns() const {
    const std::vector<std::string_view> names =
        fileio::tokensOf(std::string_view(m_text).substr(11));
    Columns columns;
    columns.width = names.size();
    for (std::size_t k = 0; k < names.size(); ++k) {
        const int at = static_cast<int>(k);
        if (names[k] == "id") columns.id = at;
        if (names[k] == "type") columns.type = at;
        for (int c = 0; c < 3; ++c) {
            if (names[k] == Axes[c] || names[k] == std::string(Axes[c]) + "u")
                columns.position[c] = at;
            if (names[k] == std::string("v") + Axes[c]) columns.velocity[c] = at;
        }
    }
    for (const auto& [column, what] :
         {std::pair{columns.id, "id"}, std::pair{columns.type, "type"},
          std::pair{columns.position[0], "x"}, std::pair{columns.position[1], "y"},
          std::pair{columns.position[2], "z"}})
        if (column < 0) fail(std::string("the atoms have no \"") + what + "\" column");
    columns.moving =
        columns.velocity[0] >= 0 && columns.velocity[1] >= 0 && columns.velocity[2] >= 0;
    return columns;
}

void LammpsDumpReader::readAtoms(const Head& head, const Columns& columns, LammpsFrame& frame) {
    const std::size_t n = static_cast<std::size_t>(head.count);
    frame.step = head.step;
    frame.time = m_manifest.startTime + (head.timed ? head.time : head.step * m_manifest.step);
    frame.types.assign(n, 0);
    frame.positions.assign(3 * n, 0.0);
    frame.velocities.assign(3 * n, 0.0);
    std::vector<long long> perType(m_manifest.types.size() + 1, 0);
    for (std::size_t k = 0; k < n; ++k) readAtom(columns, head.count, frame, perType);
    for (std::size_t t = 1; t < perType.size(); ++t)
        if (perType[t] != m_manifest.types[t - 1].count)
            throw FileError(m_fileName, m_frameLine,
                            "a dump of another export: " + std::to_string(perType[t]) +
                                " atoms of type " + std::to_string(t) +
                                " in this frame, the manifest's " +
                                std::to_string(m_manifest.types[t - 1].count));
}

void LammpsDumpReader::readAtom(const Columns& columns, long long count, LammpsFrame& frame,
                                std::vector<long long>& perType) {
    const std::vector<std::string_view> t = fileio::tokensOf(take());
    if (t.size() != columns.width)
        fail("expected " + std::to_string(columns.width) + " values, found " +
             std::to_string(t.size()));
    long long i = 0, kind = 0;
    if (!wholeNumber(t[columns.id], i) || i < 1 || i > count)
        fail("expected an id from 1 to " + std::to_string(count) + ", found " +
             quoted(t[columns.id]));
    const std::size_t slot = static_cast<std::size_t>(i - 1);
    if (frame.types[slot] != 0) fail("id " + std::to_string(i) + " a second time");
    if (!wholeNumber(t[columns.type], kind) || kind < 1 ||
        kind > static_cast<long long>(m_manifest.types.size()))
        fail("type " + quoted(t[columns.type]) + " is none of the " +
             std::to_string(m_manifest.types.size()) + " types of the manifest");
    frame.types[slot] = static_cast<int>(kind);
    ++perType[static_cast<std::size_t>(kind)];
    for (int c = 0; c < 3; ++c) {
        double value = 0.0;
        const std::string_view position = t[columns.position[c]];
        const fileio::ParseResult r = fileio::parseReal(position, value);
        if (r != fileio::ParseResult::Ok)
            fail(fileio::badToken(std::string("the ") + Axes[c] + " position", position, r));
        const double extent = m_manifest.high[c] - m_manifest.low[c];
        if (value < m_manifest.low[c] - extent || value > m_manifest.high[c] + extent)
            fail("atom " + std::to_string(i) + " is at " + Axes[c] + " = " + shown(value) +
                 ", far outside the box (" + shown(m_manifest.low[c]) + " to " +
                 shown(m_manifest.high[c]) + ")");
        frame.positions[3 * slot + c] = value;
        if (!columns.moving) continue;
        const std::string_view velocity = t[columns.velocity[c]];
        const fileio::ParseResult rv = fileio::parseReal(velocity, value);
        if (rv != fileio::ParseResult::Ok)
            fail(fileio::badToken(std::string("the velocity along ") + Axes[c], velocity, rv));
        frame.velocities[3 * slot + c] = value;
    }
}

}  // namespace zentova

#include "files/lammpsmanifest.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <set>
#include <sstream>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/linereader.h"
#include "files/numformat.h"

namespace zentova {

namespace {

constexpr const char* Magic = "zentova_lammps_export";
constexpr int Version = 1;
constexpr long long MaxCount = 1LL << 40;

// A name for one line: control characters (a line end among them) made "?".
std::string oneLine(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return out;
}

class ManifestLine {
  public:
    ManifestLine(const LineReader& reader, std::vector<std::string> words)
        : m_reader(reader), m_words(std::move(words)) {}

    void expectValues(std::size_t n) const {
        if (m_words.size() != n + 1)
            m_reader.fail("\"" + m_words[0] + "\" takes " + std::to_string(n) + " value" +
                          (n == 1 ? "" : "s") + ", found " + std::to_string(m_words.size() - 1));
    }
    double real(std::size_t k) const {
        const std::string& word = m_words[k];
        double value = 0.0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
            m_reader.fail("expected a real number, found \"" + word + "\"");
        return value;
    }
    long long integer(std::size_t k, long long low, long long high) const {
        const std::string& word = m_words[k];
        long long value = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (ec != std::errc() || end != word.data() + word.size())
            m_reader.fail("expected a whole number, found \"" + word + "\"");
        if (value < low || value > high)
            m_reader.fail("\"" + m_words[0] + "\" must be from " + std::to_string(low) + " to " +
                          std::to_string(high) + ", found " + word);
        return value;
    }
    const std::string& word(std::size_t k) const { return m_words[k]; }

  private:
    const LineReader& m_reader;
    std::vector<std::string> m_words;
};

// A "type" line: the types come in order, no more than the "types" line named.
LammpsManifest::Type readType(const ManifestLine& line, const LineReader& reader,
                              std::size_t typesRead, long long typeCount) {
    line.expectValues(7);
    const long long t = line.integer(1, 1, MaxTypes);
    if (typeCount < 0 || t != static_cast<long long>(typesRead) + 1 || t > typeCount)
        reader.fail("type " + line.word(1) + " out of order");
    LammpsManifest::Type type;
    type.count = line.integer(2, 0, MaxCount);
    type.mass = line.real(3);
    type.diameter = line.real(4);
    type.colour = {static_cast<std::uint8_t>(line.integer(5, 0, 255)),
                   static_cast<std::uint8_t>(line.integer(6, 0, 255)),
                   static_cast<std::uint8_t>(line.integer(7, 0, 255))};
    return type;
}

}  // namespace

std::string lammpsManifestName(const std::string& stem) {
    return "manifest." + stem;
}

std::string formatLammpsManifest(const LammpsManifest& m) {
    std::string s =
        "# What this folder was exported from, for zentova to check a run of it "
        "against.\n";
    // One "key value value ..." line; appended piece by piece.
    const auto line = [&s](const char* key, std::initializer_list<std::string> values) {
        s.append(key);
        for (const std::string& value : values) {
            s.push_back(' ');
            s.append(value);
        }
        s.push_back('\n');
    };
    line(Magic, {std::to_string(Version)});
    line("project_file", {oneLine(m.projectFile)});
    line("project_name", {oneLine(m.projectName)});
    line("stem", {m.stem});
    line("particles_per_cube", {std::to_string(m.particlesPerCube)});
    line("replicate", {std::to_string(m.replicate[0]), std::to_string(m.replicate[1]),
                       std::to_string(m.replicate[2])});
    line("particles", {std::to_string(m.particles)});
    line("box", {formatShortest(m.low[0]), formatShortest(m.high[0]), formatShortest(m.low[1]),
                 formatShortest(m.high[1]), formatShortest(m.low[2]), formatShortest(m.high[2])});
    line("cube_edge", {formatShortest(m.cubeEdge)});
    line("step", {formatShortest(m.step)});
    line("frame_interval", {std::to_string(m.frameInterval)});
    line("start_time", {formatShortest(m.startTime)});
    line("types", {std::to_string(m.types.size())});
    s.append("# type, particles, mass, diameter, colour (red, green, blue)\n");
    for (std::size_t t = 0; t < m.types.size(); ++t) {
        const LammpsManifest::Type& type = m.types[t];
        line("type", {std::to_string(t + 1), std::to_string(type.count), formatShortest(type.mass),
                      formatShortest(type.diameter), std::to_string(type.colour.r),
                      std::to_string(type.colour.g), std::to_string(type.colour.b)});
    }
    return s;
}

namespace {

// A line after the first, by its key; `rest` is all that follows the key.
void readKeyLine(const std::string& key, const std::string& rest, const ManifestLine& line,
                 const LineReader& reader, LammpsManifest& m, long long& typeCount) {
    if (key == "project_file") {
        m.projectFile = rest;
    } else if (key == "project_name") {
        m.projectName = rest;
    } else if (key == "stem") {
        line.expectValues(1);
        m.stem = line.word(1);
    } else if (key == "particles_per_cube") {
        line.expectValues(1);
        m.particlesPerCube = line.integer(1, 1, MaxParticles);
    } else if (key == "replicate") {
        line.expectValues(3);
        for (int c = 0; c < 3; ++c)
            m.replicate[c] = static_cast<int>(line.integer(1 + c, 1, MaxManifestReplicate));
    } else if (key == "particles") {
        line.expectValues(1);
        m.particles = line.integer(1, 1, MaxCount);
    } else if (key == "box") {
        line.expectValues(6);
        for (int c = 0; c < 3; ++c) {
            m.low[c] = line.real(1 + 2 * c);
            m.high[c] = line.real(2 + 2 * c);
            if (!(m.high[c] > m.low[c])) reader.fail("a box with no room along an axis");
        }
    } else if (key == "cube_edge") {
        line.expectValues(1);
        m.cubeEdge = line.real(1);
    } else if (key == "step") {
        line.expectValues(1);
        m.step = line.real(1);
    } else if (key == "frame_interval") {
        line.expectValues(1);
        m.frameInterval = line.integer(1, 1, 1LL << 31);
    } else if (key == "start_time") {
        line.expectValues(1);
        m.startTime = line.real(1);
    } else if (key == "types") {
        line.expectValues(1);
        typeCount = line.integer(1, 1, MaxTypes);
    } else if (key == "type") {
        m.types.push_back(readType(line, reader, m.types.size(), typeCount));
    } else {
        reader.fail("\"" + key + "\" is not a line of a manifest");
    }
}

// What the lines say together: every key there, the types as many as named, and the
// particles those of the types and of the cubes.
void checkWhole(const LammpsManifest& m, const std::set<std::string>& seen, long long typeCount,
                const std::string& fileName) {
    for (const char* key : {"stem", "particles_per_cube", "replicate", "particles", "box",
                            "cube_edge", "step", "frame_interval", "start_time", "types"})
        if (!seen.count(key))
            throw FileError(fileName, 0, std::string("the manifest has no \"") + key + "\" line");
    if (static_cast<long long>(m.types.size()) != typeCount)
        throw FileError(fileName, 0,
                        "the manifest names " + std::to_string(typeCount) + " types but lists " +
                            std::to_string(m.types.size()));
    long long sum = 0;
    for (const LammpsManifest::Type& type : m.types) sum += type.count;
    if (sum != m.particles)
        throw FileError(fileName, 0,
                        "the manifest's types hold " + std::to_string(sum) + " particles, not " +
                            std::to_string(m.particles));
    // Every cube a copy of the first: the count is bounded, and a dump's is checked against it.
    const long long tiled = m.particlesPerCube * m.replicate[0] * m.replicate[1] * m.replicate[2];
    if (tiled != m.particles)
        throw FileError(fileName, 0,
                        "the manifest says " + std::to_string(m.particles) + " particles, not " +
                            std::to_string(m.particlesPerCube) + " per cube in " +
                            std::to_string(m.replicate[0] * m.replicate[1] * m.replicate[2]) +
                            " cubes");
}

}  // namespace

LammpsManifest parseLammpsManifest(std::istream& in, const std::string& fileName) {
    LammpsManifest m;
    LineReader reader(in, fileName);
    std::set<std::string> seen;
    bool started = false;
    long long typeCount = -1;
    while (!reader.atEnd()) {
        const std::string text = reader.readLine("a line of the manifest");
        const std::vector<std::string_view> found = fileio::tokensOf(text);
        std::vector<std::string> words(found.begin(), found.end());
        if (words.empty() || words[0][0] == '#') continue;
        const std::string key = words[0];
        const ManifestLine line(reader, std::move(words));
        if (!started) {
            if (key != Magic) reader.fail("not a manifest of --export-lammps");
            line.expectValues(1);
            if (line.integer(1, 1, 1 << 30) != Version)
                reader.fail("a manifest of another version (" + line.word(1) + ")");
            started = true;
            continue;
        }
        if (key != "type" && !seen.insert(key).second) reader.fail("\"" + key + "\" a second time");
        const std::size_t at = text.find(key) + key.size();
        readKeyLine(key, at < text.size() ? text.substr(at + 1) : std::string(), line, reader, m,
                    typeCount);
    }
    if (!started) throw FileError(fileName, 0, "not a manifest of --export-lammps: it is empty");
    checkWhole(m, seen, typeCount, fileName);
    return m;
}

LammpsManifest loadLammpsManifest(const std::string& path) {
    std::ifstream in = openTextFile(path);
    return parseLammpsManifest(in, path);
}

Project projectOfRun(const LammpsManifest& m) {
    Project project;
    project.name = m.projectName;
    project.typeCount = static_cast<std::int32_t>(m.types.size());
    for (std::size_t t = 0; t < m.types.size() && t < MaxTypes; ++t) {
        project.counts[t + 1] = static_cast<std::int32_t>(m.types[t].count);
        project.masses[t + 1] = m.types[t].mass;
        project.diameters[t + 1] = m.types[t].diameter;
        project.colors[t + 1] = m.types[t].colour;
    }
    project.particleCount = static_cast<std::int32_t>(m.particles);
    return project;
}

}  // namespace zentova

#include "files/projectfile.h"

#include <algorithm>
#include <cstdint>

#include "files/atomicfile.h"
#include "files/encoding.h"
#include "files/fileio.h"
#include "files/linereader.h"
#include "files/numformat.h"
#include "model/limits.h"

namespace zentova {

namespace {

// The name ends up in a window title and on the canvas; control characters (a stray NUL
// in a damaged file, or a line break that would split the name line) have no place there.
std::string withoutControlCharacters(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    return text;
}

std::string ofType(const std::string& what, int type) {
    return what + " of type " + std::to_string(type);
}

std::uint8_t readComponent(LineReader& reader, const char* colour, int type) {
    const std::string what = ofType(std::string("the ") + colour + " colour component", type);
    // Only the low 8 bits count, as when the value was stored into a byte.
    return static_cast<std::uint8_t>(reader.readInt(what.c_str()) & 0xFF);
}

}  // namespace

Project readProject(std::istream& in, const std::string& fileName, ProjectFileLines* lines) {
    LineReader reader(in, fileName);
    Project project;
    project.name = fileTextToUtf8(withoutControlCharacters(reader.readLine("the project name")));
    project.ae = reader.readReal("the strong attraction coefficient ae");
    project.ag = reader.readReal("the weak attraction coefficient ag");
    project.ar = reader.readReal("the repelling coefficient ar");

    const std::int32_t types = reader.readInt("the number of particle types");
    if (types < 0)
        reader.fail("a negative number of particle types (" + std::to_string(types) + ")");
    if (types > MaxTypes)
        reader.fail(std::to_string(types) + " particle types, at most " + std::to_string(MaxTypes) +
                    " are allowed");
    project.typeCount = types;

    std::int64_t total = 0;
    for (int t = 1; t <= types; ++t) {
        const std::int32_t count = reader.readInt(ofType("the particle count", t).c_str());
        if (count < 0)
            reader.fail("type " + std::to_string(t) + " has a negative particle count (" +
                        std::to_string(count) + ")");
        total += count;
        if (total > MaxParticles)
            reader.fail(std::to_string(total) + " particles in all, at most " +
                        std::to_string(MaxParticles) + " are allowed");
        project.counts[t] = count;

        // Any finite mass and diameter are taken, as the editor takes them: whether a
        // calculation can use them is for the calculation to say.
        project.masses[t] = reader.readReal(ofType("the mass", t).c_str());
        if (lines) lines->mass[static_cast<std::size_t>(t)] = reader.line();
        project.charges[t] = reader.readInt(ofType("the charge", t).c_str());
        project.diameters[t] = reader.readReal(ofType("the diameter", t).c_str());
        if (lines) lines->diameter[static_cast<std::size_t>(t)] = reader.line();
        project.colors[t].r = readComponent(reader, "red", t);
        project.colors[t].g = readComponent(reader, "green", t);
        project.colors[t].b = readComponent(reader, "blue", t);
    }
    project.particleCount = static_cast<std::int32_t>(total);
    return project;
}

std::string formatProject(const Project& project) {
    std::string out = utf8ToCp1252(withoutControlCharacters(project.name));
    // A name whose first bytes read as a byte-order mark ("ï»¿...") would lose them to the
    // reader, which drops one mark; a mark of its own in front keeps the name whole.
    if (out.starts_with(ByteOrderMark)) out.insert(0, ByteOrderMark);
    out += LineEnd;
    for (const double coefficient : {project.ae, project.ag, project.ar}) {
        appendReal(out, coefficient);
        out += LineEnd;
    }
    // Out-of-range type counts never get this far; the clamp keeps the arrays safe anyway.
    const int types = std::clamp<int>(project.typeCount, 0, MaxTypes);
    appendInt(out, types);
    out += LineEnd;
    for (int t = 1; t <= types; ++t) {
        appendInt(out, project.counts[t]);
        out += LineEnd;
        appendReal(out, project.masses[t]);
        out += LineEnd;
        appendInt(out, project.charges[t]);
        out += LineEnd;
        appendReal(out, project.diameters[t]);
        out += LineEnd;
        for (const std::uint8_t component :
             {project.colors[t].r, project.colors[t].g, project.colors[t].b}) {
            appendInt(out, component);
            out += LineEnd;
        }
    }
    return out;
}

Project loadProjectFile(const std::string& fileName, ProjectFileLines* lines) {
    std::ifstream in = fileio::openInput(fileName);
    return readProject(in, fileName, lines);
}

void saveProjectFile(const std::string& fileName, const Project& project) {
    writeFileAtomically(fileName, formatProject(project));
}

std::string projectWindowTitle(const Project& project, const std::string& fileName) {
    return "Zentova - Project : " + project.name + "   File " + fileName;
}

}  // namespace zentova

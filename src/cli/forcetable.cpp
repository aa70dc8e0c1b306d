#include "cli/forcetable.h"

#include <charconv>

#include "command/command.h"
#include "files/fileerror.h"
#include "files/numformat.h"
#include "files/projectfile.h"
#include "model/settings.h"

namespace zentova {

std::string formatForceCsv(const ForceSamples& samples) {
    std::string out = "distance,force\n";
    char number[64];
    for (int l = 1; l <= ForceSampleCount; ++l) {
        out += formatDecimals(ForceSampleStep * l, 1);
        out += ',';
        // Shortest round-trip form: a reader gets back exactly the value plotted.
        const double force = samples[static_cast<std::size_t>(l - 1)];
        const auto [end, ec] = std::to_chars(number, number + sizeof number, force);
        out.append(number, ec == std::errc() ? end : number);
        out += '\n';
    }
    return out;
}

namespace {

// A type number in 1..typeCount, or a FileError naming the project.
int typeArgument(const std::string& text, const Project& project, const std::string& path) {
    int type = 0;
    if (!parseNumber(text, type) || type < 1 || type > project.typeCount)
        throw FileError(path, 0,
                        "there is no type \"" + text + "\"; the project has types 1 to " +
                            std::to_string(project.typeCount));
    return type;
}

}  // namespace

int runForceTable(const std::string& projectPath, const std::string& type1,
                  const std::string& type2, std::ostream& out, std::ostream& err) {
    try {
        const Project project = loadProjectFile(projectPath);
        const int first = typeArgument(type1, project, projectPath);
        const int second = typeArgument(type2, project, projectPath);
        // The cube size enters the repelling core; it is the same for every run.
        const ForceSamples samples = forceSamples(project, Settings().cubeHalfSize, first, second,
                                                  project.ag, project.ae, project.ar);
        out << formatForceCsv(samples) << std::flush;
        if (!out) throw FileError("standard output", 0, "cannot write");
        return 0;
    } catch (const std::exception& e) {
        tell(err, e.what());
        return 1;
    }
}

}  // namespace zentova

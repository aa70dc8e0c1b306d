#include "files/lammpsrun.h"

#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "files/fileerror.h"
#include "files/lammpsdump.h"
#include "files/numformat.h"
#include "files/xyzexport.h"

namespace zentova {

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

std::optional<LammpsRun> findLammpsRun(const std::string& argument) {
    LammpsRun run;
    std::string stem;
    if (isFolder(argument)) {
        run.folder = argument;
        std::vector<std::string> stems;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(argument, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("manifest.", 0) == 0) stems.push_back(name.substr(9));
        }
        if (error) throw FileError(argument, 0, "cannot look into the folder: " + error.message());
        if (stems.empty())
            throw FileError(argument, 0,
                            "holds no manifest.STEM: not a folder written by --export-lammps");
        if (stems.size() > 1)
            throw FileError(argument, 0,
                            "holds " + std::to_string(stems.size()) +
                                " manifests; name the run's in.STEM instead");
        stem = stems[0];
    } else {
        const std::size_t slash = argument.rfind('/');
        const std::string name = slash == std::string::npos ? argument : argument.substr(slash + 1);
        if (name.rfind("in.", 0) != 0) return std::nullopt;
        run.folder = slash == std::string::npos ? "." : argument.substr(0, slash);
        if (run.folder.empty()) run.folder = "/";
        stem = name.substr(3);
        // A project may be named in.something.zpr: only a manifest beside it makes a run.
        if (!exists(run.folder + "/" + lammpsManifestName(stem))) return std::nullopt;
    }
    run.manifestPath = run.folder + "/" + lammpsManifestName(stem);
    run.manifest = loadLammpsManifest(run.manifestPath);
    run.dumpPath = run.folder + "/dump." + stem;
    if (!exists(run.dumpPath) && exists(run.dumpPath + ".gz")) run.dumpPath += ".gz";
    run.logPath = run.folder + "/log.lammps";
    return run;
}

OutputPolicy runPolicy(const LammpsRun& run, bool overwrite) {
    const std::string base = run.folder + "/";
    const std::string& stem = run.manifest.stem;
    return {overwrite,
            {run.manifestPath, run.dumpPath, run.logPath, base + "data." + stem,
             base + "in." + stem, base + stem + ".table", base + "dump." + stem + ".xyz"}};
}

long long exportRunXyz(const LammpsRun& run, const std::string& outPath, bool overwrite,
                       std::string* note) {
    // The output is checked and its temporary made before anything is read.
    OutputFile out(outPath, runPolicy(run, overwrite));
    const LammpsManifest& m = run.manifest;
    const auto in = openMaybeCompressed(run.dumpPath);
    LammpsDumpReader reader(*in, run.dumpPath, m);
    LammpsFrame frame;
    long long frames = 0;
    std::string block;
    while (reader.next(frame)) {
        ++frames;
        block.clear();
        block += std::to_string(frame.types.size());
        block += "\nLattice=\"";
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                if (r + c > 0) block += ' ';
                block += r == c ? formatSignificant(m.high[c] - m.low[c], 12) : "0";
            }
        block += "\" pbc=\"F F F\" Properties=species:S:1:pos:R:3:radius:R:1 Time=";
        block += formatDecimals(frame.time, 3);
        block += " Step=" + std::to_string(frame.step) + "\n";
        for (std::size_t p = 0; p < frame.types.size(); ++p) {
            const int type = frame.types[p];
            block.append(elementSymbol(type));
            for (int c = 0; c < 3; ++c) {
                block += ' ';
                block += formatDecimals(frame.positions[3 * p + c] - m.low[c], 3);
            }
            block += ' ';
            block += formatDecimals(
                XyzRadiusPerDiameter * m.types[static_cast<std::size_t>(type - 1)].diameter, 4);
            block += '\n';
        }
        out.write(block);
    }
    if (frames == 0)
        throw FileError(
            run.dumpPath, 0,
            "holds no whole frame" + (reader.note().empty() ? "" : "; " + reader.note()));
    if (note) *note = reader.note();
    out.commit();
    return frames;
}

}  // namespace zentova

// The LAMMPS export of projects whose file names, names or states LAMMPS would misread.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "files/finalstate.h"
#include "files/projectfile.h"
#include "lammps/export.h"
#include "lammps/pairtable.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

Project twoParticles(const std::string& name) {
    Project p;
    p.name = name;
    p.typeCount = 1;
    p.counts[1] = 2;
    p.masses[1] = 1.0;
    p.diameters[1] = 6.0;
    p.ag = 1.0;
    p.ar = 1.0;
    p.particleCount = 2;
    return p;
}

// What LAMMPS would take for the start of a command of its own: a line that is not a
// comment and holds a byte it splits or substitutes on, or any control character.
std::string misreadLine(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        for (const char c : line)
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return line;
        if (line.rfind("shell", 0) == 0) return line;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return {};
}

TEST(LammpsExportOfAwkwardProjects, WritesStemsLammpsReadsAsOneWordAndNoLineFromAName) {
    testing::TempDir dir;
    const std::string evil = dir.file("evil\nshell touch PWNED\n");
    ASSERT_EQ(::mkdir(evil.c_str(), 0755), 0);
    struct Case {
        std::string project;  // in the test's folder
        std::string name;     // the project's own
        std::string stem;
    };
    const Case cases[] = {
        {"evil\nshell touch PWNED\n/p.zpr", "Plain", "p"},
        {"my run.zpr", "My run", "my_run"},
        {"v$x.zpr", "v$x ${x}", "v_x"},
        {"q\"'#&.zpr", "q\"'#&", "q____"},
        {"n\nl.zpr", "N", "n_l"},
        {"Gr\xc3\xb6\xc3\x9f"
         "e.zpr",
         "Gr\xc3\xb6\xc3\x9f"
         "e",
         "Gr____e"},
        {"-a.b.zpr", "name with a form feed \f and a tab \t", "-a"},
    };
    int k = 0;
    for (const Case& c : cases) {
        const std::string path = dir.file(c.project);
        testing::writeBytes(path, formatProject(twoParticles(c.name)));
        LammpsExportOptions options;
        options.projectPath = path;
        options.folder = dir.file("out" + std::to_string(++k));
        options.seed = 1;
        const LammpsExportSummary summary = exportLammps(options, Settings());
        EXPECT_EQ(summary.stem, c.stem) << c.project;
        for (const std::string& file :
             {"in." + c.stem, "data." + c.stem, c.stem + ".table", std::string("README.txt")}) {
            const std::string text = testing::readBytes(options.folder + "/" + file);
            EXPECT_FALSE(text.empty()) << c.project << ": " << file;
            EXPECT_EQ(misreadLine(text), "") << c.project << ": " << file;
        }
    }
}

TEST(LammpsExportOfAwkwardProjects, RefusesAStateOutsideTheCubeWithItsLine) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("far.zpr"), formatProject(twoParticles("Far")));
    struct Case {
        int particle;
        int axis;
        double value;
        const char* message;
    };
    const Case cases[] = {
        {1, 1, 1e300, "far.sta:4: the y coordinate of particle 1 is 1e+300, outside the cube"},
        {2, 0, -50.001, "far.sta:7: the x coordinate of particle 2 is -50.001, outside the cube"},
        {2, 2, 1e10, "far.sta:9: the z coordinate of particle 2 is 1e+10, outside the cube"},
    };
    for (const Case& c : cases) {
        ParticleState particles;
        particles.type[1] = particles.type[2] = 1;
        particles.position(2, 0) = 3.0;
        particles.position(c.particle, c.axis) = c.value;
        writeFinalStateFile(dir.file("far.sta"), 2, 1.5, particles);
        LammpsExportOptions options;
        options.projectPath = dir.file("far.zpr");
        options.folder = dir.file("out");
        options.fromFinalState = true;
        const std::string error = testing::fileErrorOf([&] { exportLammps(options, Settings()); });
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
        EXPECT_FALSE(std::filesystem::exists(options.folder)) << c.message;
    }

    // However far the cutoff, the table's layout stays within a float's exponent bits.
    for (const double cutoff : {1e6, 1e30, std::numeric_limits<double>::infinity()}) {
        const BitmapLayout layout = bitmapLayout(TableInnerDistance, cutoff);
        EXPECT_LE(layout.bits + layout.shiftBits, 31) << cutoff;
    }
}

}  // namespace
}  // namespace zentova

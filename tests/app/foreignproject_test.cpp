// Every command that reads a project's trajectory or final state refuses one of another
// project, in the same words, before it writes anything.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/trajectory.h"
#include "support/program.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

TEST(ForeignProject, EveryCommandRefusesTheFilesOfAnotherProject) {
    testing::TempDir dir;
    Project own;
    own.name = "Two";
    own.typeCount = 1;
    own.counts[1] = 2;
    own.masses[1] = 1.0;
    own.diameters[1] = 6.0;
    own.particleCount = 2;
    testing::writeBytes(dir.file("own.zpr"), formatProject(own));

    // Three particles where the project has two; two, one of a type it lacks.
    struct Files {
        const char* what;
        int count;
        int secondType;
    };
    const Files foreign[] = {{"one particle too many", 3, 1}, {"a type too many", 2, 2}};
    const char* commands[] = {"--analyse own.zpr --out out", "--movie own.zpr out.gif",
                              "--snapshot own.zpr out.png", "--export-xyz own.zpr out.xyz"};
    for (const Files& f : foreign) {
        ParticleState particles;
        for (int p = 1; p <= f.count; ++p) {
            particles.type[p] = p == 2 ? f.secondType : 1;
            particles.position(p, 0) = 5.0 * p;
        }
        std::string his;
        appendFrameText(his, f.count, 0.015, particles);
        appendFrameText(his, f.count, 0.030, particles);
        testing::writeBytes(dir.file("own.his"), his);
        writeFinalStateFile(dir.file("own.sta"), f.count, 0.030, particles);
        for (const char* command : commands) {
            const std::string line = "cd '" + dir.path() +
                                     "' && env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 '" +
                                     testing::zentovaExecutable() + "' " + command + " 2> err.txt";
            const int status = std::system(line.c_str());
            const std::string err = testing::readBytes(dir.file("err.txt"));
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1)
                << f.what << ": " << command << ": " << err;
            EXPECT_NE(err.find("belongs to another project"), std::string::npos)
                << f.what << ": " << command << ": " << err;
            for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
                EXPECT_NE(entry.path().filename().string().rfind("out", 0), 0u)
                    << f.what << ": " << command << " wrote " << entry.path();
        }
    }
}

}  // namespace
}  // namespace zentova

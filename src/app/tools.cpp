#include "app/tools.h"

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/forcetable.h"
#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/xyzexport.h"
#include "view3d/snapshot.h"

namespace zentova {

namespace {

int usageError(const std::string& message) {
    std::cerr << "zentova: " << message << "\ntry \"zentova --help\"\n";
    return 1;
}

int exportXyz(const std::string& projectPath, const std::string& outPath) {
    try {
        int partialFrameLine = 0;
        const long long frames =
            exportXyzFile(projectPath, outPath, Settings().cubeHalfSize, &partialFrameLine);
        if (partialFrameLine > 0)
            std::cerr << "zentova: " << baseNameOf(projectPath)
                      << ".his: " << partialFrameNote(partialFrameLine) << '\n';
        std::cerr << "zentova: " << projectPath << ": " << frames
                  << (frames == 1 ? " frame" : " frames") << " written to " << outPath << '\n';
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "zentova: " << e.what() << '\n';
        return 1;
    }
}

bool hasDisplay() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
           std::getenv("QT_QPA_PLATFORM");
}

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string_view rest = path;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const std::string dir(rest.substr(0, colon));
        if (!dir.empty() && ::access((dir + "/" + program).c_str(), X_OK) == 0) return true;
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    return false;
}

// Without a display the picture is drawn on a virtual one: the same command again under
// xvfb-run. Returns only when that cannot be done.
int snapshotUnderXvfb(const std::string& projectPath, const std::string& outPath) {
    if (!onPath("xvfb-run"))
        return usageError(
            "--snapshot draws with OpenGL and needs a display; there is none "
            "(DISPLAY is not set) and xvfb-run is not installed");
    std::error_code ec;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) return usageError("--snapshot cannot find its own executable to start it again");
    std::vector<std::string> args{"xvfb-run", "-a",         "-s",        "-screen 0 1280x1024x24",
                                  self,       "--snapshot", projectPath, outPath};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execvp("xvfb-run", argv.data());
    return usageError("--snapshot could not start xvfb-run");
}

int snapshot(int argc, char** argv, const std::string& projectPath, const std::string& outPath) {
    Project project;
    Settings settings;
    FinalState state;
    try {
        project = loadProjectFile(projectPath);
        loadSettingsFile(SettingsFileName, settings);
        state = loadFinalStateFile(baseNameOf(projectPath) + ".sta");
    } catch (const std::exception& e) {
        std::cerr << "zentova: " << e.what() << '\n';
        return 1;
    }
    if (!hasDisplay()) return snapshotUnderXvfb(projectPath, outPath);

    QApplication app(argc, argv);
    std::string error;
    const QImage picture = renderFinalStatePicture(project, settings, state, SnapshotSize, error);
    if (picture.isNull()) {
        std::cerr << "zentova: --snapshot: " << error << " (Qt platform \""
                  << QGuiApplication::platformName().toStdString()
                  << "\"); run it under xvfb-run, or unset QT_QPA_PLATFORM\n";
        return 1;
    }
    if (!savePicturePng(picture, outPath, error)) {
        std::cerr << "zentova: " << error << '\n';
        return 1;
    }
    char time[32];
    std::snprintf(time, sizeof time, "%.3f", state.time);
    std::cerr << "zentova: " << projectPath << ": the final state at t = " << time << " drawn to "
              << outPath << " (" << picture.width() << " x " << picture.height() << ")\n";
    return 0;
}

}  // namespace

int runToolCommand(int argc, char** argv) {
    const std::string_view command = argv[1];
    const int extra = argc - 2;  // arguments after the command word
    if (command == "--export-xyz") {
        if (extra < 1 || extra > 2) return usageError("--export-xyz needs PROJECT [OUT.xyz]");
        return exportXyz(argv[2], extra == 2 ? argv[3] : defaultXyzPath(argv[2]));
    }
    if (command == "--snapshot") {
        if (extra != 2) return usageError("--snapshot needs PROJECT OUT.png");
        return snapshot(argc, argv, argv[2], argv[3]);
    }
    if (command == "--force-table") {
        if (extra != 3) return usageError("--force-table needs PROJECT TYPE1 TYPE2");
        return runForceTable(argv[2], argv[3], argv[4], std::cout, std::cerr);
    }
    return -1;
}

}  // namespace zentova

#include "app/tools.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "app/forcetable.h"
#include "app/virtualscreen.h"
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

// Draws and saves the picture on the display the environment names, or on `screen` when
// given. Returns the exit status.
int drawSnapshot(int argc, char** argv, const std::string& projectPath, const std::string& outPath,
                 const Project& project, const Settings& settings, const FinalState& state,
                 VirtualScreen* screen = nullptr) {
    // An X display that does not answer leaves Qt without a platform, which aborts the
    // process; the offscreen platform behind it ends in a message instead.
    const char* display = std::getenv("DISPLAY");
    const bool fallBack =
        display && !std::getenv("QT_QPA_PLATFORM") && !std::getenv("WAYLAND_DISPLAY");
    if (fallBack) ::setenv("QT_QPA_PLATFORM", "xcb;offscreen", 1);
    QApplication app(argc, argv);
    if (screen) screen->removeFiles();  // connected: the cookie is no longer needed
    std::string error;
    const QImage picture = renderFinalStatePicture(project, settings, state, SnapshotSize, error);
    if (picture.isNull() && fallBack && QGuiApplication::platformName() == "offscreen") {
        std::cerr << "zentova: --snapshot: the display " << display
                  << " cannot be opened; without DISPLAY the picture is drawn on a virtual "
                     "screen of its own\n";
        return 1;
    }
    if (picture.isNull()) {
        std::cerr
            << "zentova: --snapshot: " << error << " (Qt platform \""
            << QGuiApplication::platformName().toStdString()
            << "\"); with neither QT_QPA_PLATFORM nor DISPLAY set it draws on a virtual screen "
               "of its own\n";
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
    if (hasDisplay())
        return drawSnapshot(argc, argv, projectPath, outPath, project, settings, state);
    // Without a display, on a virtual screen of our own that ends before we do (after the
    // application, which holds a connection to it).
    VirtualScreen screen;
    std::string error;
    if (!screen.start(error)) {
        std::cerr << "zentova: --snapshot draws with OpenGL and needs a display; " << error << '\n';
        return 1;
    }
    const int status =
        drawSnapshot(argc, argv, projectPath, outPath, project, settings, state, &screen);
    screen.stop();
    return status;
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

#include "app/tools.h"

#include <QApplication>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "app/virtualscreen.h"
#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/output.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "view3d/snapshot.h"

namespace zentova {

namespace {

bool hasDisplay() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
           std::getenv("QT_QPA_PLATFORM");
}

// Runs `draw` in an application on the display the environment names, or on `screen` when
// given. Returns the exit status.
int drawWithApplication(const char* command, int argc, char** argv, const DrawingTask& draw,
                        VirtualScreen* screen) {
    // An X display that does not answer leaves Qt without a platform, which aborts the
    // process; the offscreen platform behind it ends in a message instead.
    const char* display = std::getenv("DISPLAY");
    const bool fallBack =
        display && !std::getenv("QT_QPA_PLATFORM") && !std::getenv("WAYLAND_DISPLAY");
    if (fallBack) ::setenv("QT_QPA_PLATFORM", "xcb;offscreen", 1);
    QApplication app(argc, argv);
    if (screen) screen->removeFiles();  // connected: the cookie is no longer needed
    std::string error;
    const int status = draw(error);
    if (status != CannotDraw) return status;
    if (fallBack && QGuiApplication::platformName() == "offscreen") {
        std::cerr << "zentova: " << command << ": the display " << display
                  << " cannot be opened; without DISPLAY the picture is drawn on a virtual "
                     "screen of its own\n";
        return 1;
    }
    std::cerr << "zentova: " << command << ": " << error << " (Qt platform \""
              << QGuiApplication::platformName().toStdString()
              << "\"); with neither QT_QPA_PLATFORM nor DISPLAY set it draws on a virtual screen "
                 "of its own\n";
    return 1;
}

bool hasPngExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return false;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == "png";
}

int snapshot(int argc, char** argv, const std::string& projectPath, const std::string& outPath,
             bool overwrite) {
    if (!hasPngExtension(outPath)) {
        std::cerr << "zentova: " << outPath << ": a snapshot is a PNG picture named .png\n";
        return 1;
    }
    Project project;
    Settings settings;
    FinalState state;
    std::unique_ptr<OutputFile> out;
    try {
        // The output first: a refused name is told before anything is read or drawn.
        out = std::make_unique<OutputFile>(outPath, commandPolicy(projectPath, overwrite));
        project = loadProjectFile(projectPath);
        loadSettingsFile(SettingsFileName, settings);
        const std::string statePath = baseNameOf(projectPath) + ".sta";
        state = loadFinalStateFile(statePath);
        if (const auto mismatch = finalStateMismatch(state, project))
            throw FileError(statePath, 0,
                            *mismatch + "; the final state belongs to another project");
    } catch (const std::exception& e) {
        std::cerr << "zentova: " << e.what() << '\n';
        return 1;
    }
    return drawOnADisplay("--snapshot", argc, argv, [&](std::string& error) {
        const QImage picture =
            renderFinalStatePicture(project, settings, state, SnapshotSize, error);
        if (picture.isNull()) return CannotDraw;
        if (!savePicturePng(picture, *out, error)) {
            std::cerr << "zentova: " << error << '\n';
            return 1;
        }
        char time[32];
        std::snprintf(time, sizeof time, "%.3f", state.time);
        std::cerr << "zentova: " << projectPath << ": the final state at t = " << time
                  << " drawn to " << outPath << " (" << picture.width() << " x " << picture.height()
                  << ")\n";
        return 0;
    });
}

}  // namespace

int drawOnADisplay(const char* command, int argc, char** argv, const DrawingTask& draw) {
    if (hasDisplay()) return drawWithApplication(command, argc, argv, draw, nullptr);
    // Without a display, on a virtual screen of our own that ends before we do (after the
    // application, which holds a connection to it).
    VirtualScreen screen;
    std::string error;
    if (!screen.start(error)) {
        std::cerr << "zentova: " << command << " draws with OpenGL and needs a display; " << error
                  << '\n';
        return 1;
    }
    const int status = drawWithApplication(command, argc, argv, draw, &screen);
    screen.stop();
    return status;
}

int snapshotCommand(const CommandCall& call) {
    bool overwrite = false;
    for (std::size_t i = 2; i < call.arguments.size(); ++i) {
        if (call.arguments[i] != "--overwrite")
            return usageError("--snapshot: unknown option \"" + call.arguments[i] + "\"");
        overwrite = true;
    }
    return snapshot(call.argc, call.argv, call.arguments[0], call.arguments[1], overwrite);
}

}  // namespace zentova

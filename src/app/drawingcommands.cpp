#include "app/drawingcommands.h"

#include <QApplication>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/runpictures.h"
#include "app/virtualscreen.h"
#include "command/command.h"
#include "command/options.h"
#include "command/windowcommands.h"
#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/lammpsrun.h"
#include "files/numformat.h"
#include "files/output.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "lang/language.h"
#include "view3d/offscreen.h"
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
    installLanguage();
    if (screen) screen->removeFiles();  // connected: the cookie is no longer needed
    try {
        return draw();
    } catch (const CannotDraw& e) {
        const std::string name = command;
        if (fallBack && QGuiApplication::platformName() == "offscreen")
            tell(std::cerr, name + ": the display " + display +
                                " cannot be opened; without DISPLAY the picture is drawn on a "
                                "virtual screen of its own");
        else
            tell(std::cerr, name + ": " + e.what() + " (Qt platform \"" +
                                QGuiApplication::platformName().toStdString() +
                                "\"); with neither QT_QPA_PLATFORM nor DISPLAY set it draws on "
                                "a virtual screen of its own");
        return 1;
    }
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
    if (!hasPngExtension(outPath))
        throw FileError(outPath, 0, "a snapshot is a PNG picture named .png");
    if (const std::optional<LammpsRun> run = findLammpsRun(projectPath))
        return runSnapshotCommand(*run, outPath, overwrite, argc, argv);
    Project project;
    Settings settings;
    FinalState state;
    // The output first: a refused name is told before anything is read or drawn.
    OutputFile out(outPath, commandPolicy(projectPath, overwrite));
    project = loadProjectFile(projectPath);
    loadSettingsFile(SettingsFileName, settings);
    const std::string statePath = baseNameOf(projectPath) + ".sta";
    state = loadFinalStateFile(statePath);
    if (const auto mismatch = finalStateMismatch(state, project))
        throw FileError(statePath, 0, *mismatch + "; the final state belongs to another project");
    return drawOnADisplay("--snapshot", argc, argv, [&] {
        std::string error;
        const QImage picture =
            renderFinalStatePicture(project, settings, state, SnapshotSize, error);
        if (picture.isNull()) throw CannotDraw(error);
        if (!savePicturePng(picture, out, error)) {
            tell(std::cerr, error);
            return 1;
        }
        tell(std::cerr, projectPath + ": the final state at t = " + formatDecimals(state.time, 3) +
                            " drawn to " + outPath + " (" + std::to_string(picture.width()) +
                            " x " + std::to_string(picture.height()) + ")");
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
        tell(std::cerr, std::string(command) + " draws with OpenGL and needs a display; " + error);
        return 1;
    }
    const int status = drawWithApplication(command, argc, argv, draw, &screen);
    screen.stop();
    return status;
}

int snapshotCommand(const CommandCall& call) {
    bool overwrite = false;
    const Option options[] = {flag("--overwrite", overwrite)};
    readOptions(std::span(call.arguments).subspan(2), options, "--snapshot: unknown option");
    return snapshot(call.argc, call.argv, call.arguments[0], call.arguments[1], overwrite);
}

}  // namespace zentova

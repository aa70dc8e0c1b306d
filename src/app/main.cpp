// Entry point: the desktop program, or with options the command-line calculation.

#include <unistd.h>

#include <QApplication>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/mainwindow.h"
#include "app/openedfile.h"
#include "app/qtpump.h"
#include "app/state.h"
#include "app/tools.h"
#include "app/workfolder.h"
#include "charts/analyse.h"
#include "cli/commandline.h"
#include "movie/moviewriter.h"
#include "view3d/snapshot.h"
#include "view3d/viewwindow.h"

// The desktop program: the main window, whose driver never returns; the process ends
// through "Exit", Escape, closing the window or a restart.
int runDesktop(int argc, char** argv) {
    // Without a project, and outside a working folder of ours, work in ~/Zentova.
    std::array<std::string, 4> workFolderProblem;
    if (argc == 1) {
        std::error_code ec;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        const char* home = std::getenv("HOME");
        zentova::enterWorkFolder(home ? home : "",
                                 zentova::shippedDataFolder(exe, ZENTOVA_SOURCE_DATA),
                                 &workFolderProblem);
    }
    // A trajectory or final state opens its project (a double-click in a file manager).
    zentova::OpenedFile opened;
    if (argc > 1) {
        opened = zentova::projectForOpenedFile(argv[1]);
        if (!opened.problem[0].empty()) {
            std::cerr << "zentova: " << opened.problem[0] << ' ' << opened.problem[1] << '\n';
            workFolderProblem = opened.problem;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zentova");
    // Before a window is made: the application's first interface is the one kept.
    zentova::InstallViewAccessibility();
    // The main window first, then the view window, which stays hidden until a run shows it.
    zentova::MainWindow window(zentova::Program(), opened.projectPath);
    zentova::TForm2 view;
    window.setViewWindow(&view);
    window.setStartUpNote(workFolderProblem);
    // The key S in the view saves its picture beside the project, named by the time shown.
    view.setSnapshotNamer([] {
        return zentova::snapshotPath(zentova::Program().source.baseName,
                                     zentova::Program().particles.time);
    });
    // The key R records the view into a movie beside the project, numbered from 1.
    view.setMovieNamer(
        [] { return zentova::numberedMoviePath(zentova::Program().source.baseName); });
    zentova::QtMessagePump pump(&window);
    zentova::installMessagePump(&pump);
    window.showMaximisedOnScreen();
    return QApplication::exec();
}

int main(int argc, char** argv) {
    if (argc == 1 || std::string_view(argv[1]).substr(0, 2) != "--") return runDesktop(argc, argv);
    // The commands that draw nothing come from the command-line library; the picture and the
    // movie need the view's drawing.
    std::vector<zentova::Command> commands(zentova::plainCommands().begin(),
                                           zentova::plainCommands().end());
    commands.push_back(
        {"--snapshot", "PROJECT OUT.png [--overwrite]", 2, 3, zentova::snapshotCommand});
    commands.push_back(
        {"--movie", "PROJECT OUT.mp4|OUT.webm|OUT.gif [OPTIONS]", 2, 12, zentova::movieCommand});
    commands.push_back({"--analyse", "PROJECT [--out DIR] [--from T0] [--to T1] [--overwrite]", 1,
                        8, zentova::analyseCommand});
    return zentova::runCommandLine(argc, argv, commands, ZENTOVA_VERSION);
}

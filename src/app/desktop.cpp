// The desktop program: the main window and the view window.

#include <QApplication>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "app/display.h"
#include "app/mainwindow.h"
#include "app/openedfile.h"
#include "app/qtpump.h"
#include "app/runwindow.h"
#include "app/state.h"
#include "app/workfolder.h"
#include "cli/table.h"
#include "command/windowcommands.h"
#include "files/fileerror.h"
#include "files/lammpsrun.h"
#include "lang/language.h"
#include "movie/moviewriter.h"
#include "view3d/snapshot.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

// The LAMMPS run a command line names, if it names one; a folder that is not one told why.
std::optional<LammpsRun> lammpsRunGiven(const char* argument) {
    try {
        return findLammpsRun(argument);
    } catch (const FileError& e) {
        tell(std::cerr, e.what());
    }
    return std::nullopt;
}

// The folder a start without a project works in: the current one when it is a working folder,
// else ~/Zentova, seeded from the data shipped beside the executable.
void enterHomeWorkFolder(std::array<std::string, 4>& problem) {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const char* home = std::getenv("HOME");
    enterWorkFolder(home ? home : "", shippedDataFolder(exe, ZENTOVA_SOURCE_DATA), &problem);
}

}  // namespace

// The desktop program: the main window, whose driver never returns; the process ends
// through "Exit", Escape, closing the window or a restart.
int runDesktop(int argc, char** argv) {
    // Before anything is read or made (the work folder): a window that cannot open changes
    // nothing, and says so in one line, as every failure of the program does.
    if (const std::optional<std::string> missing = missingDisplayHere()) {
        tell(std::cerr, "no display to open the window on (" + *missing +
                            "); the commands that need none: " + commandWords() +
                            " (zentova --help)");
        return 1;
    }
    // A LAMMPS run's folder, or its in.STEM: replayed in the view. A folder that is not one
    // is told why, and opened as any other file that is no project.
    if (argc > 1) {
        if (const std::optional<LammpsRun> run = lammpsRunGiven(argv[1]))
            return replayRunOnDesktop(*run, argc, argv);
    }
    // The command line as given: Qt takes its own options out of it.
    const std::optional<std::string> argument =
        argc > 1 ? std::optional<std::string>(argv[1]) : std::nullopt;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zentova");
    // Before the work folder's and the opened file's notes are worded.
    installLanguage();
    // Without a project, and outside a working folder of ours, work in ~/Zentova.
    std::array<std::string, 4> workFolderProblem;
    if (!argument) enterHomeWorkFolder(workFolderProblem);
    // A trajectory or final state opens its project (a double-click in a file manager).
    OpenedFile opened;
    if (argument) {
        opened = projectForOpenedFile(*argument);
        if (!opened.problem[0].empty()) {
            tell(std::cerr, opened.message);
            workFolderProblem = opened.problem;
        }
    }
    // Before a window is made: the application's first interface is the one kept.
    InstallViewAccessibility();
    // The main window first, then the view window, which stays hidden until a run shows it.
    MainWindow window(Program(), opened.projectPath);
    TForm2 view;
    window.setViewWindow(&view);
    window.setStartUpNote(workFolderProblem);
    // The key S in the view saves its picture beside the project, named by the time shown.
    view.setSnapshotNamer(
        [] { return snapshotPath(Program().source.baseName, Program().particles.time); });
    // The key R records the view into a movie beside the project, numbered from 1.
    view.setMovieNamer([] { return numberedMoviePath(Program().source.baseName); });
    QtMessagePump pump(&window);
    installMessagePump(&pump);
    window.showMaximisedOnScreen();
    return QApplication::exec();
}

}  // namespace zentova

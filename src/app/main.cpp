// Entry point: the desktop program, or with options the command-line calculation.

#include <unistd.h>

#include <QApplication>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "app/mainwindow.h"
#include "app/openedfile.h"
#include "app/qtpump.h"
#include "app/state.h"
#include "app/tools.h"
#include "app/workfolder.h"
#include "calc/headless.h"
#include "view3d/snapshot.h"
#include "view3d/viewwindow.h"

namespace {

constexpr const char* Usage =
    "Usage: zentova [PROJECT.zpr]\n"
    "       zentova --calculate PROJECT.zpr [--steps N] [--seed S] [--append]\n"
    "                    [--report[=csv]]\n"
    "       zentova --export-xyz PROJECT.zpr [OUT.xyz]\n"
    "       zentova --snapshot PROJECT.zpr OUT.png\n"
    "       zentova --force-table PROJECT.zpr TYPE1 TYPE2\n"
    "       zentova --help | --version\n"
    "\n"
    "  PROJECT              open the program with this project loaded; a trajectory\n"
    "                       (.his) or final state (.sta) opens the project beside it\n"
    "  --calculate PROJECT  integrate the project without a window and write PROJECT.his\n"
    "                       (the trajectory) and PROJECT.sta (the final state) beside it;\n"
    "                       \"setupek.dat\" in the current folder sets the step and damping\n"
    "  --steps N            integration steps, 0 to 9223372036854775807 (default 3000);\n"
    "                       a frame every 300 steps\n"
    "  --seed S             fixed seed of the random generator (0 to 4294967295), so the\n"
    "                       same inputs give identical files; the clock otherwise\n"
    "  --append             continue from PROJECT.sta and add frames to PROJECT.his\n"
    "  --report             print the readings of every frame on standard output: time,\n"
    "                       frames, steps per second, mean kinetic energy per particle\n"
    "  --report=csv         the same as comma-separated values under a header line\n"
    "  --export-xyz         write PROJECT.his as extended XYZ (default OUT: PROJECT.xyz);\n"
    "                       type N is written as the element of atomic number N\n"
    "  --snapshot           draw PROJECT.sta as the view shows it into a PNG file (on a\n"
    "                       virtual screen of its own, Xvfb, when there is no display)\n"
    "  --force-table        print the forces editor's curve between two types as CSV\n"
    "  --help               show this text\n"
    "  --version            show the version\n";

template <typename T>
bool parseNumber(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

int fail(const std::string& message) {
    std::cerr << "zentova: " << message << "\ntry \"zentova --help\"\n";
    return 1;
}

}  // namespace

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
    zentova::QtMessagePump pump(&window);
    zentova::installMessagePump(&pump);
    window.showMaximisedOnScreen();
    return QApplication::exec();
}

int main(int argc, char** argv) {
    if (argc == 1 || std::string_view(argv[1]).substr(0, 2) != "--") return runDesktop(argc, argv);

    // Export, snapshot and force table: commands of their own with fixed arguments.
    if (const int status = zentova::runToolCommand(argc, argv); status >= 0) return status;

    zentova::HeadlessOptions options;
    bool calculate = false;
    bool report = false;
    zentova::ReportStyle reportStyle = zentova::ReportStyle::Text;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "zentova " << ZENTOVA_VERSION << '\n';
            return 0;
        } else if (arg == "--calculate") {
            const char* path = value();
            if (!path) return fail("--calculate needs a project file");
            options.projectPath = path;
            calculate = true;
        } else if (arg == "--steps") {
            const char* text = value();
            if (!text || !parseNumber(text, options.steps) || options.steps < 0)
                return fail("--steps needs a whole number from 0 to 9223372036854775807");
        } else if (arg == "--seed") {
            std::uint32_t seed = 0;
            const char* text = value();
            if (!text || !parseNumber(text, seed))
                return fail("--seed needs a whole number from 0 to 4294967295");
            options.seed = seed;
        } else if (arg == "--append") {
            options.append = true;
        } else if (arg == "--report") {
            report = true;
            reportStyle = zentova::ReportStyle::Text;
        } else if (arg == "--report=csv") {
            report = true;
            reportStyle = zentova::ReportStyle::Csv;
        } else if (arg.substr(0, 9) == "--report=") {
            return fail("--report=" + std::string(arg.substr(9)) +
                        ": the report is plain (--report) or comma-separated (--report=csv)");
        } else {
            return fail("unknown option \"" + std::string(arg) + "\"");
        }
    }
    if (!calculate) return fail("nothing to do");
    return zentova::runHeadlessCalculation(options, std::cerr, isatty(STDERR_FILENO) == 1,
                                           report ? &std::cout : nullptr, reportStyle);
}

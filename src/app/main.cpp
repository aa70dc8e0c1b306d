// Entry point: the desktop program, or with options the command-line calculation.

#include <unistd.h>

#include <QApplication>

#include <charconv>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "app/mainwindow.h"
#include "app/qtpump.h"
#include "app/state.h"
#include "view3d/viewwindow.h"
#include "runs/headless.h"

namespace {

constexpr const char* Usage =
    "Usage: zentova [PROJECT.zpr]\n"
    "       zentova --calculate PROJECT.zpr [--steps N] [--seed S] [--append]\n"
    "       zentova --help | --version\n"
    "\n"
    "  PROJECT              open the program with this project loaded\n"
    "  --calculate PROJECT  integrate the project without a window and write PROJECT.his\n"
    "                       (the trajectory) and PROJECT.sta (the final state) beside it;\n"
    "                       \"setupek.dat\" in the current folder sets the step and damping\n"
    "  --steps N            integration steps (default 3000); a frame every 300 steps\n"
    "  --seed S             fixed seed of the random generator (0 to 4294967295), so the\n"
    "                       same inputs give identical files; the clock otherwise\n"
    "  --append             continue from PROJECT.sta and add frames to PROJECT.his\n"
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
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zentova");
    // The main window first, then the view window, which stays hidden until a run shows it.
    zentova::MainWindow window(zentova::Program(), argc > 1 ? argv[1] : "");
    zentova::TForm2 view;
    window.setViewWindow(&view);
    zentova::QtMessagePump pump(&window);
    zentova::installMessagePump(&pump);
    window.showMaximisedOnScreen();
    return QApplication::exec();
}

int main(int argc, char** argv) {
    if (argc == 1 || std::string_view(argv[1]).substr(0, 2) != "--") return runDesktop(argc, argv);

    zentova::HeadlessOptions options;
    bool calculate = false;
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
                return fail("--steps needs a whole number of 0 or more");
        } else if (arg == "--seed") {
            std::uint32_t seed = 0;
            const char* text = value();
            if (!text || !parseNumber(text, seed))
                return fail("--seed needs a whole number from 0 to 4294967295");
            options.seed = seed;
        } else if (arg == "--append") {
            options.append = true;
        } else {
            return fail("unknown option \"" + std::string(arg) + "\"");
        }
    }
    if (!calculate) return fail("nothing to do");
    return zentova::runHeadlessCalculation(options, std::cerr, isatty(STDERR_FILENO) == 1);
}

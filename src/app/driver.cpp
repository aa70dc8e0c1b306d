#include "app/driver.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "app/examplenames.h"
#include "app/forceseditor.h"
#include "app/guard.h"
#include "app/menu.h"
#include "app/notelines.h"
#include "app/projecteditor.h"
#include "app/summary.h"
#include "canvas/decorative.h"
#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "canvas/screenitems.h"
#include "command/command.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "lang/language.h"
#include "lang/manual.h"
#include "pump/pump.h"
#include "runs/displays.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

constexpr Rgb MenuColour{120, 160, 0};

const std::array<const char*, 11> MenuTexts = {QT_TRANSLATE_NOOP("Menu", "New project"),
                                               QT_TRANSLATE_NOOP("Menu", "Retrieve project"),
                                               QT_TRANSLATE_NOOP("Menu", "Show/Edit project"),
                                               QT_TRANSLATE_NOOP("Menu", "Save as"),
                                               QT_TRANSLATE_NOOP("Menu", "Calculate"),
                                               QT_TRANSLATE_NOOP("Menu", "Show history"),
                                               QT_TRANSLATE_NOOP("Menu", "Show final state"),
                                               QT_TRANSLATE_NOOP("Menu", "Show/define forces"),
                                               QT_TRANSLATE_NOOP("Menu", "Advanced setup"),
                                               QT_TRANSLATE_NOOP("Menu", "Help/Manual"),
                                               QT_TRANSLATE_NOOP("Menu", "Exit")};

// A centred note of up to four lines, given whole (see noteLines).
void noteOf(Toolkit& toolkit, const std::string& text) {
    const std::array<std::string, 4> lines = noteLines(text);
    NoteBox(toolkit, lines[0], lines[1], lines[2], lines[3], 0, 0);
}

}  // namespace

MainDriver::MainDriver(ProgramState& program, Shell& shell, TForm2& view, FileChooser& files,
                       SetupDialog& setup, std::string projectArgument)
    : m_program(program),
      m_shell(shell),
      m_view(view),
      m_files(files),
      m_setup(setup),
      m_projectArgument(std::move(projectArgument)) {}

void MainDriver::run() {
    startUp();
    for (;;) menuPass();
}

MenuDisabled MainDriver::disabledItems() const {
    MenuDisabled disabled{};
    const bool loaded = m_program.source.loaded;
    for (int item = Item::ShowEditProject; item <= Item::ShowDefineForces; ++item)
        disabled[item - 1] = !loaded;
    if (loaded) {
        const bool named = !m_program.source.path.empty();
        disabled[Item::ShowHistory - 1] = !named || !fileExists(m_program.source.baseName + ".his");
        disabled[Item::ShowFinalState - 1] =
            !named || !fileExists(m_program.source.baseName + ".sta");
    }
    return disabled;
}

int MainDriver::menuPass() {
    Toolkit& toolkit = m_program.toolkit;
    m_program.particles.time = 0.0;
    const MenuDisabled disabled = disabledItems();
    MenuItems items{};
    for (std::size_t i = 0; i < MenuTexts.size(); ++i) items[i] = translated("Menu", MenuTexts[i]);

    ProcessMessages();
    GradientBackground(toolkit);
    ShowProject(toolkit, m_program.project, m_program.source);
    int choice = 0;
    MainMenu(toolkit, *toolkit.mainCanvas, m_shell, m_menuX, m_menuY,
             translated("Menu", "Main menu"), MenuColour, items, disabled, choice);
    m_shell.enableTimer2(false);
    dispatch(choice);

    // A project without a file cannot be handed to the next start; this process goes on.
    const bool restarts = choice >= Item::Calculate && choice <= Item::ShowDefineForces;
    if (restarts && m_program.source.loaded && !m_program.source.path.empty()) restart();
    return choice;
}

void MainDriver::dispatch(int choice) {
    const bool loaded = m_program.source.loaded;
    RunWindows windows{
        m_view, [this] { ShowProject(m_program.toolkit, m_program.project, m_program.source); }};
    switch (choice) {
        case Item::Exit:
            m_shell.terminate();
            return;
        case Item::RetrieveProject:
            zentova::RetrieveProject(m_program, m_shell, m_files);
            return;
        case Item::SaveAs:
            zentova::SaveProjectAs(m_program, m_shell, m_files);
            return;
        case Item::AdvancedSetup:
            m_setup.run(m_program.toolkit, m_program.settings, m_program.project, SettingsFileName);
            m_program.settingsLines = SettingsFileLines{};  // the file now holds its 8 lines
            return;
        case Item::HelpManual:
            showManual();
            return;
        case Item::NewProject:
            if (m_projectEditor)
                m_projectEditor->EditProject(false, m_program, m_shell, m_files);
            else
                notAvailable();
            return;
        case Item::ShowEditProject:
            if (!loaded || !ExampleProjectGuard(m_program.toolkit, m_program.source)) return;
            if (m_projectEditor)
                m_projectEditor->EditProject(true, m_program, m_shell, m_files);
            else
                notAvailable();
            return;
        case Item::ShowDefineForces:
            defineForces();
            return;
        case Item::Calculate:
            if (loaded && ExampleProjectGuard(m_program.toolkit, m_program.source))
                calculate(windows);
            return;
        case Item::ShowHistory:
            if (loaded) HistoryPlayback(m_program, windows);
            return;
        case Item::ShowFinalState:
            if (loaded) FinalStateDisplay(m_program, windows);
            return;
        default:
            notAvailable();
            return;
    }
}

void MainDriver::defineForces() {
    if (!m_forcesEditor) {
        notAvailable();
        return;
    }
    const Project before = m_program.project;
    m_forcesEditor->EditForces(m_program.toolkit, m_program.project,
                               m_program.settings.cubeHalfSize);
    offerToKeepForces(before);
}

void MainDriver::calculate(RunWindows& windows) {
    if (m_program.source.path.empty()) {
        // Its files go beside the project file, and the program comes back with it.
        noteOf(m_program.toolkit,
               translated("Notes",
                          "This project has no file yet.\n"
                          "Save it with \"Save as\" first: the calculation writes\n"
                          "its trajectory and final state beside the project file."));
        return;
    }
    CalculationTimes times;
    windows.times = &times;
    const RunOutcome outcome = CalculationRun(m_program, windows);
    // For measuring the program (bench/README.md): where the run's time went.
    if (times.steps > 0 && std::getenv("ZENTOVA_RUN_TIMES"))
        tell(std::cerr, formatCalculationTimes(times));
    if (outcome == RunOutcome::EndProgram) m_shell.terminate();
}

void MainDriver::showManual() {
    // The class's own language where its manual is shipped, else the English one.
    const std::string manual = manualFileFor(chosenLanguage());
    std::error_code ec;
    const std::string path = std::filesystem::absolute(manual, ec).string();
    // A missing manual is the desktop's to report, as any file it is asked to open; a viewer
    // that cannot be started at all leaves the user a note of where the file is.
    const bool opened = m_shell.openDocument(manual);
    if (!opened && fileExists(manual)) {
        noteOf(m_program.toolkit, filled(translated("Notes",
                                                    "No viewer could be started for the manual.\n"
                                                    "Open it in a web browser: it is the file\n%1"),
                                         {path}));
        return;
    }
    // The manual opens beside the program; the saved menu screen is painted back every two
    // seconds until the next choice, over whatever the viewer left.
    m_shell.enableTimer2(true);
}

void MainDriver::notAvailable() {
    noteOf(m_program.toolkit, translated("Notes", "not available yet"));
}

void MainDriver::offerToKeepForces(const Project& before) {
    const Project& now = m_program.project;
    if (now.ae == before.ae && now.ag == before.ag && now.ar == before.ar) return;
    // The program starts again from the project file after this item: without saving, the
    // new coefficients would be gone.
    ProcessMessages();
    GradientBackground(m_program.toolkit);
    const ProjectSource& source = m_program.source;
    if (source.path.empty()) {
        if (Confirm(m_program.toolkit,
                    translated("Notes", "Save the project with the new force coefficients ?")))
            zentova::SaveProjectAs(m_program, m_shell, m_files);
        return;
    }
    if (!Confirm(m_program.toolkit, translated("Notes", "Save the new force coefficients ?")))
        return;
    if (!ExampleProjectGuard(m_program.toolkit, source)) {
        zentova::SaveProjectAs(m_program, m_shell, m_files);
        return;
    }
    try {
        saveProjectFile(source.path, now);
    } catch (const FileError& error) {
        showFileErrorNote(m_program.toolkit,
                          translated("Notes", "The project could not be saved.").c_str(), error);
    }
}

void MainDriver::restart() {
    if (!m_shell.restartWith(m_program.source.path)) {
        noteOf(m_program.toolkit, translated("Notes",
                                             "The program could not start itself again.\n"
                                             "Choose an item again, or start it by hand."));
        return;
    }
    ClearScreen(m_program.toolkit, *m_program.toolkit.mainCanvas, 0, 0, 0);
    SleepMs(200);
    m_shell.terminate();
}

}  // namespace zentova

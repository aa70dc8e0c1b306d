#pragma once

#include <array>
#include <string>

#include "app/fileops.h"
#include "app/menu.h"
#include "app/setupdialog.h"
#include "app/shell.h"
#include "app/state.h"

namespace zentova {

struct RunWindows;

class TForm2;
class ProjectEditor;
class ForcesEditor;

inline constexpr const char* ManualFileName = "Zentova.html";

// The main menu's items, numbered as MenuChoice numbers them.
namespace Item {
enum : int {
    NewProject = 1,
    RetrieveProject,
    ShowEditProject,
    SaveAs,
    Calculate,
    ShowHistory,
    ShowFinalState,
    ShowDefineForces,
    AdvancedSetup,
    HelpManual,
    Exit,
};
}  // namespace Item

// The program's top-level control: the start-up sequence, the cover screen, and the menu
// loop that hands each choice to its operation, until the process ends or restarts.
class MainDriver {
  public:
    // `projectArgument` is the project named on the command line, or empty.
    MainDriver(ProgramState& program, Shell& shell, TForm2& view, FileChooser& files,
               SetupDialog& setup, std::string projectArgument);

    // Start-up, then the menu loop. Never returns.
    [[noreturn]] void run();

    // The start-up sequence: settings, drawing area, the command-line project, the cover.
    void startUp();

    // One pass of the menu loop: background, summary, menu, the chosen operation. Returns
    // the choice; after "Calculate", "Show history", "Show final state" and "Show/define
    // forces" with a project loaded the program restarts itself with the project.
    int menuPass();

    // Which items are disabled now (index 0 is item 1).
    MenuDisabled disabledItems() const;

    // The editors behind "New project", "Show/Edit project" and "Show/define forces"; without
    // them those items say they are not available.
    void setEditors(ProjectEditor* project, ForcesEditor* forces) {
        m_projectEditor = project;
        m_forcesEditor = forces;
    }

    // A problem found before the window existed (the work folder), up to four lines; shown
    // in a note once the drawing area is ready.
    void setStartUpNote(std::array<std::string, 4> lines) { m_startUpNote = std::move(lines); }

  private:
    void loadCommandLineProject();
    void showCover();
    void dispatch(int choice);
    void restart();
    // After the forces editor: offers to save changed coefficients before the restart.
    void offerToKeepForces(const Project& before);
    // "Show/define forces": the forces editor, then the offer to keep what changed.
    void defineForces();
    // "Calculate" of a project with a file: the calculation run, its times told when asked.
    void calculate(RunWindows& windows);
    void notAvailable();
    // "Help/Manual": the manual in the desktop's viewer, or a note saying where it is.
    void showManual();

    ProgramState& m_program;
    Shell& m_shell;
    TForm2& m_view;
    FileChooser& m_files;
    SetupDialog& m_setup;
    std::string m_projectArgument;
    ProjectEditor* m_projectEditor = nullptr;
    ForcesEditor* m_forcesEditor = nullptr;
    std::array<std::string, 4> m_startUpNote;
    int m_menuX = 0;
    int m_menuY = 120;
};

}  // namespace zentova

#include <optional>

#include "app/driver.h"
#include "app/examplenames.h"
#include "app/summary.h"
#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "canvas/screenitems.h"
#include "files/fileerror.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "lang/language.h"
#include "model/placement.h"
#include "pump/pump.h"
#include "runs/displays.h"
#include "view3d/scene.h"
#include "view3d/viewwindow.h"

// The program's start: its settings, the drawing area, the project named on the command line
// and the cover.
namespace zentova {

void MainDriver::startUp() {
    Toolkit& toolkit = m_program.toolkit;
    m_program.settings = Settings{};
    m_program.settingsLines = SettingsFileLines{};
    std::optional<FileError> settingsError;
    try {
        loadSettingsFile(SettingsFileName, m_program.settings, &m_program.settingsLines);
    } catch (const FileError& error) {
        settingsError = error;  // shown once the drawing area is ready
    }
    m_shell.setCaption("Zentova");
    MeasureScreen(toolkit, m_shell.clientWidth(), m_shell.clientHeight());
    toolkit.workBitmap = QImage();
    ProcessMessages();
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    m_program.source.loaded = false;
    m_program.project.name.assign(1, '?');  // the name shown while nothing is loaded
    ProcessMessages();
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    m_program.viewDistance = InitialViewDistance;
    if (!m_startUpNote[0].empty()) {
        NoteBox(toolkit, m_startUpNote[0], m_startUpNote[1], m_startUpNote[2], m_startUpNote[3], 0,
                0);
    }
    if (settingsError) {
        showFileErrorNote(
            toolkit,
            translated("Notes", "The settings file could not be read; the defaults apply.").c_str(),
            *settingsError);
    }

    if (!m_projectArgument.empty()) loadCommandLineProject();

    // The 3-D view is ready before any run shows it.
    SetUpScene(m_view);
    SetViewClearColor(m_view, m_program.settings.backgroundColor);
    ClearViewBuffers(m_view);

    m_menuX = toolkit.screenWidth / 2 - 160;
    m_menuY = 120;
    if (m_projectArgument.empty()) showCover();
    ProcessMessages();
}

void MainDriver::loadCommandLineProject() {
    Toolkit& toolkit = m_program.toolkit;
    setProjectPath(m_program.source, m_projectArgument);
    try {
        m_program.project = loadProjectFile(m_program.source.path);
    } catch (const FileError& error) {
        showFileErrorNote(toolkit, translated("Notes", "The project could not be opened.").c_str(),
                          error);
        m_program.source = ProjectSource{};
        return;
    }
    m_shell.setCaption(shownWindowTitle(m_program.project, m_program.source.path));
    ProcessMessages();
    PlaceParticles(m_program.project, m_program.source, m_program.particles, m_program.random,
                   m_program.settings.cubeHalfSize);
    ShowProject(toolkit, m_program.project, m_program.source);
    PlaceParticles(m_program.project, m_program.source, m_program.particles, m_program.random,
                   m_program.settings.cubeHalfSize);
}

void MainDriver::showCover() {
    Toolkit& toolkit = m_program.toolkit;
    ProcessMessages();
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    ShowBitmapFile(toolkit, "okla.bmp");
    const std::string title = translated("Menu", "Molecular Simulation");
    const std::string click = translated("Menu", "Click to continue");
    CanvasText(toolkit, *toolkit.mainCanvas, toolkit.screenWidth / 2 - 80, 55, title,
               packColor(0, 255, 255));
    CanvasText(toolkit, *toolkit.mainCanvas, toolkit.screenWidth / 2 - 70,
               toolkit.screenHeight - 40, click, packColor(192, 192, 192));
    Screen().setPrompt({ScreenRole::StaticText,
                        //: The cover read aloud: its title, then what to do.
                        filled(translated("ScreenReader", "%1. %2"), {title, click}),
                        QRect(0, 0, toolkit.screenWidth, toolkit.screenHeight),
                        true,
                        false,
                        {}});
    WaitClickOrKey();
    Input().keys.clear();
    Screen().clearPrompt();
}

}  // namespace zentova

#include "app/runwindow.h"

#include <QApplication>
#include <QScreen>
#include <QThread>
#include <iostream>
#include <string>

#include "command/command.h"
#include "files/fileerror.h"
#include "files/settingsfile.h"
#include "lang/language.h"
#include "pump/pump.h"
#include "runs/runreplay.h"
#include "view3d/scene.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

// The replay's waits: Qt's pending events, then the sleep. There is no main window whose
// drawing area would need showing.
class ViewOnlyPump : public MessagePump {
  public:
    void processMessages() override { QCoreApplication::processEvents(); }
    void sleepMs(int milliseconds) override {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
};

}  // namespace

int replayRunOnDesktop(const LammpsRun& run, int argc, char** argv) {
    Settings settings;
    try {
        loadSettingsFile(SettingsFileName, settings);
    } catch (const FileError& e) {
        tell(std::cerr, e.what());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zentova");
    installLanguage();
    InstallViewAccessibility();
    TForm2 view;
    ViewOnlyPump pump;
    MessagePump* previous = installMessagePump(&pump);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1280;
    double viewDistance = InitialViewDistance;
    int status = 0;
    try {
        std::string refusal;
        const long long frames =
            RunReplay(view, run, settings, viewDistance, screenWidth, &refusal);
        tell(std::cerr, run.folder + ": " + std::to_string(frames) + " frames of " +
                            std::to_string(run.manifest.particles) + " particles replayed");
        // The window showed the refusal; whoever started the program learns it as from
        // --movie or --export-xyz of the same dump.
        if (!refusal.empty()) {
            tell(std::cerr, refusal);
            status = 1;
        }
    } catch (const FileError& e) {
        tell(std::cerr, e.what());
        status = 1;
    }
    installMessagePump(previous);
    return status;
}

}  // namespace zentova

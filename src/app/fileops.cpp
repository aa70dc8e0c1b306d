#include "app/fileops.h"

#include <QDir>
#include <QFileDialog>

#include "app/examplenames.h"
#include "app/guard.h"
#include "app/summary.h"
#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "files/fileerror.h"
#include "files/projectfile.h"
#include "lang/language.h"
#include "model/placement.h"
#include "pump/pump.h"

namespace zentova {

namespace {

// The dialogs' list of file kinds: the projects, then any file.
QString filter() {
    return QString::fromStdString("*.zpr (*.zpr);;" + translated("Menu", "Any file") + " (*)");
}

void backgroundAndSummary(ProgramState& program) {
    ProcessMessages();
    GradientBackground(program.toolkit);
    ShowProject(program.toolkit, program.project, program.source);
}

}  // namespace

FileChooser qtFileChooser(QWidget* parent) {
    FileChooser chooser;
    chooser.open = [parent](const std::string& folder) -> std::optional<std::string> {
        const QString name = QFileDialog::getOpenFileName(parent, QString(),
                                                          QString::fromStdString(folder), filter());
        if (name.isEmpty()) return std::nullopt;
        return name.toStdString();
    };
    chooser.save = [parent](const std::string& folder,
                            const std::string& proposed) -> std::optional<std::string> {
        QFileDialog dialog(parent, QString::fromStdString(translated("Menu", "Saving project")),
                           QString::fromStdString(folder), filter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("zpr");
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (!proposed.empty()) dialog.selectFile(QString::fromStdString(proposed));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first().toStdString();
    };
    return chooser;
}

void RetrieveProject(ProgramState& program, Shell& shell, FileChooser& chooser) {
    backgroundAndSummary(program);
    const std::optional<std::string> chosen = chooser.open(QDir::currentPath().toStdString());
    ProcessMessages();
    // A cancelled dialog keeps the path: an empty one beside the old stem would let the
    // project slip past the example guard.
    if (!chosen || chosen->empty()) return;

    Project loaded;
    try {
        loaded = loadProjectFile(*chosen);
    } catch (const FileError& error) {
        showFileErrorNote(program.toolkit,
                          translated("Notes", "The project could not be opened.").c_str(), error);
        return;
    }
    program.project = loaded;
    setProjectPath(program.source, *chosen);
    shell.setCaption(shownWindowTitle(program.project, program.source.path));
    ProcessMessages();
    PlaceParticles(program.project, program.source, program.particles, program.random,
                   program.settings.cubeHalfSize);
    ProcessMessages();
    GradientBackground(program.toolkit);
}

bool SaveProjectAs(ProgramState& program, Shell& shell, FileChooser& chooser) {
    backgroundAndSummary(program);
    const ProjectSource remembered = program.source;
    // A project that was never saved proposes no name: not the one another project had.
    const std::string proposed = program.source.path.empty() ? "" : program.lastSavedName;
    const std::optional<std::string> chosen =
        chooser.save(QDir::currentPath().toStdString(), proposed);
    ProcessMessages();
    bool written = false;
    if (chosen && !chosen->empty()) {
        program.lastSavedName = *chosen;
        setProjectPath(program.source, *chosen);
        if (ExampleProjectGuard(program.toolkit, program.source)) {
            try {
                saveProjectFile(program.source.path, program.project);
                written = true;
                shell.setCaption(shownWindowTitle(program.project, program.source.path));
            } catch (const FileError& error) {
                program.source = remembered;
                showFileErrorNote(program.toolkit,
                                  translated("Notes", "The project could not be saved.").c_str(),
                                  error);
            }
        } else {
            program.source = remembered;
        }
    }
    backgroundAndSummary(program);
    return written;
}

}  // namespace zentova

#include "app/projecteditor.h"

#include <QtGlobal>

#include "app/controltag.h"
#include "app/editorkeys.h"
#include "app/editorparts.h"
#include "app/summary.h"
#include "canvas/primitives.h"
#include "lang/language.h"
#include "model/placement.h"
#include "model/settings.h"
#include "pump/pump.h"
#include "view3d/focusframe.h"

namespace zentova {

namespace {

// The refusal the project's box explains; a field that does not parse keeps the box without
// a word.
constexpr const char* TooManyTypes = QT_TRANSLATE_NOOP("ProjectEditor", "at most 20 types");

}  // namespace

QString ProjectEditor::hintText(const char* hint) {
    return onScreen(translated("ProjectEditor", hint));
}

ProjectEditor::ProjectEditor(const ProjectControls& c, ColourChooser chooseColour,
                             ForcesEditor& forces)
    : GroupBox2(c.groupBox2),
      GroupBox3(c.groupBox3),
      Button6(c.button6),
      Button7(c.button7),
      Button8(c.button8),
      Button9(c.button9),
      Edit11(c.edit[11]),
      Edit12(c.edit[12]),
      Edit13(c.edit[13]),
      Edit14(c.edit[14]),
      Edit15(c.edit[15]),
      Edit16(c.edit[16]),
      Edit17(c.edit[17]),
      Edit18(c.edit[18]),
      Edit19(c.edit[19]),
      m_chooseColour(std::move(chooseColour)),
      m_forces(forces) {
    buildProjectBox();

    buildTypeBox();
    // A hint goes as soon as its field is put right, not at the next OK.
    clearWhenRight(Edit12, typeCountHint, [](const std::string& field) {
        const std::optional<std::int32_t> types = parseIntegerField(field);
        return types && *types >= 1 && *types <= MaxTypes;
    });
    clearWhenRight(Edit16, countHint, [this](const std::string& field) {
        const std::optional<std::int32_t> count = parseIntegerField(field);
        return count && *count >= 0 && m_countsBefore + *count <= MaxParticles;
    });
    clearWhenRight(Edit17, massHint, [](const std::string& field) {
        const std::optional<double> mass = parseScreenRealField(field);
        return mass && *mass != 0.0;
    });

    Button7->setText(onScreen(translated("ProjectEditor", "Cancel")));
    Button7->setGeometry(64, 8, 129, 25);
    setShownAndEnabled(GroupBox2, false);
    setShownAndEnabled(GroupBox3, false);
    setShownAndEnabled(Button7, false);
    m_shownColour = Rgb{1, 2, 3};
    m_colour = Silver;
    showColour();
    ProjectEditorKeys(c, Panel1);
}

void ProjectEditor::buildProjectBox() {
    GroupBox2->setTitle(onScreen(translated("ProjectEditor", "Project data")));
    GroupBox2->setStyleSheet(boxStyle("#808000"));
    GroupBox2->setGeometry(208, 120, 541, 273);
    makeCaption(GroupBox2, "Label12", translated("ProjectEditor", "Project name"), 16, 40);
    makeCaption(GroupBox2, "Label13", translated("ProjectEditor", "Number of particle types"), 16,
                80);
    makeCaption(GroupBox2, "Label15", translated("ProjectEditor", "Strong force coefficient"), 16,
                116);
    makeCaption(GroupBox2, "Label16", translated("ProjectEditor", "Weak force (gravity)"), 16, 152);
    makeCaption(GroupBox2, "Label17", translated("ProjectEditor", "Repelling force"), 16, 188);
    placeInBox(Edit11, GroupBox2, 204, 36, 321);
    placeInBox(Edit12, GroupBox2, 204, 76, 61);
    // Wider than the form had them: a coefficient may take 15 digits.
    placeInBox(Edit13, GroupBox2, 204, 112, 121);
    placeInBox(Edit14, GroupBox2, 204, 148, 121);
    placeInBox(Edit15, GroupBox2, 204, 184, 121);
    placeInBox(Button6, GroupBox2, 204, 220, 89, 25);
    Button6->setText(onScreen(translated("ProjectEditor", "Done")));
    // Beside the coefficients it edits, which leaves the type count room for its hint.
    placeInBox(Button9, GroupBox2, 364, 112, 161, 29);
    Button9->setText(onScreen(translated("ProjectEditor", "Edit forces")));
    typeCountHint = makeHintLine(GroupBox2, 272, 80);
}

void ProjectEditor::EditProject(bool editExisting, ProgramState& program, Shell& shell,
                                FileChooser& files) {
    Project& project = program.project;
    Toolkit& toolkit = program.toolkit;
    // "Cancel" keeps what the boxes accepted so far, the caption too. A project so changed no
    // longer is what its file holds: it loses the file, as after a save that was not made.
    const Project projectBefore = project;
    const auto cancelled = [&] {
        project.particleCount = sumOfCounts(project);
        if (project != projectBefore) {
            program.source.path.clear();
            program.source.baseName.clear();
        }
    };
    ProcessMessages();
    GradientBackground(toolkit);
    setShownAndEnabled(Button7, true);
    Button7->raise();
    setTag(Button7, 0);

    setShownAndEnabled(GroupBox2, true);
    GroupBox2->raise();
    project.particleCount = MaxParticles;
    fillProjectBox(project, editExisting);
    if (!projectBox(program)) {
        cancelled();
        return;
    }

    setShownAndEnabled(GroupBox2, false);
    //: The main window's title while the types are entered; %1: the project's name.
    shell.setCaption(filled(translated("ProjectEditor", "Zentova - Project : %1"), {project.name}));
    for (int t = 1; t <= project.typeCount; ++t) {
        if (!typeBox(program, t, editExisting)) {
            cancelled();
            return;
        }
    }

    setShownAndEnabled(GroupBox3, false);
    setShownAndEnabled(Button7, false);
    ProcessMessages();
    // A new project has no file until it is saved: were it to keep the previous project's,
    // a cancelled save would leave a calculation to overwrite that project's results.
    if (!editExisting) {
        program.source.path.clear();
        program.source.baseName.clear();
    }
    // The summary around the save dialog still counts the 200 set above; the sum follows it.
    const bool written = SaveProjectAs(program, shell, files);
    project.particleCount = sumOfCounts(project);
    // A changed project that was not written no longer is what its file holds: it has no file
    // now, so that neither a calculation nor the next start takes that file for it.
    if (!written && project != projectBefore) {
        program.source.path.clear();
        program.source.baseName.clear();
    }
    showEditedProject(program);
}

void ProjectEditor::fillProjectBox(const Project& project, bool editExisting) {
    Edit11->setText(editExisting ? QString::fromStdString(project.name)
                                 : onScreen(translated("ProjectEditor", "New project")));
    Edit12->setText(asFieldText(project.typeCount));
    Edit13->setText(asFieldText(project.ae));
    Edit14->setText(asFieldText(project.ag));
    Edit15->setText(asFieldText(project.ar));
    typeCountHint->clear();
}

void ProjectEditor::showEditedProject(ProgramState& program) {
    Project& project = program.project;
    Toolkit& toolkit = program.toolkit;
    DefaultStepRule(program.settings, project);
    ShowProject(toolkit, project, program.source);
    // Placement clears the area, so the last wait stands on black.
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    PlaceParticles(project, program.source, program.particles, program.random,
                   program.settings.cubeHalfSize);
    WaitClickOrKey();
}

bool ProjectEditor::projectBox(ProgramState& program) {
    for (;;) {
        setTag(Button6, 0);
        setTag(Button9, 0);
        while (tagOf(Button6) == 0) {
            SleepMs(PollMs);
            ProcessMessages();
            if (tagOf(Button7) != 0) {
                setShownAndEnabled(GroupBox2, false);
                ProcessMessages();
                setShownAndEnabled(Button7, false);
                return false;
            }
            if (tagOf(Button9) != 0) editForces(program);
        }
        if (acceptProjectBox(program.project)) return true;
    }
}

bool ProjectEditor::acceptProjectBox(Project& project) {
    project.name = typedText(Edit11);
    typeCountHint->clear();
    const std::optional<std::int32_t> types = parseIntegerField(typedText(Edit12));
    if (!types || *types < 1) return false;
    if (*types > MaxTypes) {
        typeCountHint->setText(hintText(TooManyTypes));
        return false;
    }
    project.typeCount = *types;
    return parseInto(Edit13, project.ae) && parseInto(Edit14, project.ag) &&
           parseInto(Edit15, project.ar);
}

void ProjectEditor::editForces(ProgramState& program) {
    Project& project = program.project;
    setTag(Button9, 0);
    // The forces editor starts from what is typed in the box, where it reads as a number.
    parseInto(Edit13, project.ae);
    parseInto(Edit14, project.ag);
    parseInto(Edit15, project.ar);
    setShownAndEnabled(GroupBox2, false);
    // "Terminate force parameters" ends the forces editor; a click on "Cancel" meanwhile
    // would do nothing then and abandon the project editor later.
    setShownAndEnabled(Button7, false);
    m_forces.EditForces(program.toolkit, project, program.settings.cubeHalfSize);
    GradientBackground(program.toolkit);
    setShownAndEnabled(Button7, true);
    Button7->raise();
    setShownAndEnabled(GroupBox2, true);
    GroupBox2->raise();
    // The box shows what the forces editor stored, so that "Done" keeps it.
    Edit13->setText(asFieldText(program.project.ae));
    Edit14->setText(asFieldText(program.project.ag));
    Edit15->setText(asFieldText(program.project.ar));
}

}  // namespace zentova

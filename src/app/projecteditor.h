#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/fileops.h"
#include "app/forceseditor.h"
#include "app/setupdialog.h"
#include "app/shell.h"
#include "runs/programstate.h"

namespace zentova {

// The main-window controls the project editor works with; edit holds Edit11..Edit19 at
// their numbers.
struct ProjectControls {
    QGroupBox* groupBox2 = nullptr;  // "Project data"
    QGroupBox* groupBox3 = nullptr;  // one particle type
    QPushButton* button6 = nullptr;  // "Done" of the project box
    QPushButton* button7 = nullptr;  // "Cancel", on the form
    QPushButton* button8 = nullptr;  // "Done" of the type box
    QPushButton* button9 = nullptr;  // "Edit forces"
    std::array<QLineEdit*, 20> edit{};
};

// "New project" and "Show/Edit project": the project data in one box, then each particle type
// in a second box, then the offer to save, the integration step, placement and the summary.
//
// Each box stays until all its fields parse; more than 20 types, counts that are negative or
// would make more than 200 particles, and a mass of 0 for a type with particles are refused
// with a hint beside the field, which goes once the field is put right. "Cancel"
// leaves at once from either box and keeps what was accepted; a project so changed loses its
// file. A new project has no file until it is saved.
class ProjectEditor {
  public:
    // Builds the boxes' labels, hints and colour swatch, and moves the buttons and fields into
    // the boxes; everything stays hidden and disabled until the editor runs. `chooseColour`
    // opens the colour dialog; `forces` serves "Edit forces". Both must outlive the editor.
    ProjectEditor(const ProjectControls& controls, ColourChooser chooseColour,
                  ForcesEditor& forces);

    // Runs the editor on the program's project: a new one (fields preset to "New project",
    // the current type count and coefficients, empty type fields with diameter "6" and
    // silver), or the current one (every field preset to its stored value).
    void EditProject(bool editExisting, ProgramState& program, Shell& shell, FileChooser& files);

    QGroupBox* GroupBox2;  // "Project data"
    QGroupBox* GroupBox3;  // one particle type
    QPushButton* Button6;  // "Done" of the project box
    QPushButton* Button7;  // "Cancel", on the form
    QPushButton* Button8;  // "Done" of the type box
    QPushButton* Button9;  // "Edit forces"
    QLineEdit* Edit11;     // "Project name"
    QLineEdit* Edit12;     // "Number of particle types"
    QLineEdit* Edit13;     // "Strong force coefficient"
    QLineEdit* Edit14;     // "Weak force (gravity)"
    QLineEdit* Edit15;     // "Repelling force"
    QLineEdit* Edit16;     // "Number of particles"
    QLineEdit* Edit17;     // "mass"
    QLineEdit* Edit18;     // "Electric charge"
    QLineEdit* Edit19;     // "Display diameter"
    QPushButton* Panel1;   // the type's colour; a click opens the colour dialog
    QLabel* typeCountHint;
    QLabel* countHint;
    QLabel* massHint;

  private:
    // The boxes' captions, fields, buttons and hints, placed once: the project's box
    // (GroupBox2) and a type's (GroupBox3, with its colour panel).
    void buildProjectBox();
    void buildTypeBox();
    // Each returns false when the user pressed "Cancel".
    bool projectBox(ProgramState& program);
    bool typeBox(ProgramState& program, int t, bool editExisting);
    bool acceptProjectBox(Project& project);
    // The project's box filled from `project` (a new one named "New project"), its hint clear.
    void fillProjectBox(const Project& project, bool editExisting);
    // The project as edited: its step rule, its summary and its particles placed anew, shown
    // until a click or a key.
    void showEditedProject(ProgramState& program);
    bool acceptTypeBox(Project& project, int t);
    void fillTypeBox(const Project& project, int t, bool editExisting);
    void editForces(ProgramState& program);
    void chooseColour(Toolkit& toolkit);
    void showColour();
    // A refusal's hint in the chosen language.
    static QString hintText(const char* hint);

    // A new type's colour, and the boxes' wait between looks at their buttons (ms).
    static constexpr Rgb Silver{192, 192, 192};
    static constexpr int PollMs = 40;

    ColourChooser m_chooseColour;
    ForcesEditor& m_forces;
    Rgb m_colour;                     // the colour dialog's current colour while a type box is open
    Rgb m_shownColour;                // what the swatch shows
    std::int64_t m_countsBefore = 0;  // particles of the types before the open one
};

}  // namespace zentova

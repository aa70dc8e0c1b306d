// The project editor, driven through the scripted pump: a new project end to end, editing a
// stored one, fields that keep a box open, the limits, Cancel, and "Edit forces".

#include "app/projecteditor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <initializer_list>

#include "canvas/screenitems.h"
#include "editor_fixture.h"
#include "files/projectfile.h"
#include "support/pixels.h"

namespace zentova {
namespace {

using testing::countColor;
using testing::EditorWorld;
using testing::focusBandContrast;

constexpr Rgb Silver{192, 192, 192};

bool shown(const EditorWorld& w, const QWidget* control) {
    return control->isVisibleTo(&w.window);
}

bool swatchShows(const ProjectEditor& e, Rgb c) {
    return e.Panel1->styleSheet().contains(QString("rgb(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b));
}

Project stored() {
    Project p;
    p.name = "Salt";
    p.typeCount = 2;
    p.ae = 1.0;
    p.ag = 0.25;
    p.ar = 0.001;
    p.counts = {0, 3, 2};
    p.masses = {0, 1.0, 2.0};
    p.charges = {0, 1, -1};
    p.diameters = {0, 6.0, 8.5};
    p.colors[1] = {255, 0, 0};
    p.colors[2] = {0, 0, 255};
    p.particleCount = 5;
    return p;
}

TEST(EditProject, ANewProjectOfTwoTypesIsEnteredSavedAndPlaced) {
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    w.colourAnswers = {Rgb{10, 20, 30}};
    w.saveAnswers = {w.dir.file("gases.zpr")};
    w.then(200, [&] {
        // At program start the box offers the name and zeros.
        EXPECT_TRUE(shown(w, e.GroupBox2));
        EXPECT_TRUE(shown(w, e.Button7));
        EXPECT_EQ(e.GroupBox2->title(), "Project data");
        EXPECT_EQ(e.Edit11->text(), "New project");
        EXPECT_EQ(e.Edit12->text(), "0");
        EXPECT_EQ(e.Edit13->text(), "0");
        e.Edit11->setText("Two gases");
        e.Edit12->setText("2");
        e.Edit13->setText("1");
        e.Edit14->setText("0.5");
        e.Edit15->setText(" 1e-3");
        setTag(e.Button6, 1);
    });
    w.then(200, [&] {
        EXPECT_FALSE(shown(w, e.GroupBox2));
        EXPECT_TRUE(shown(w, e.GroupBox3));
        EXPECT_EQ(e.GroupBox3->title(), "Patricles of type 1 - parameters");
        EXPECT_EQ(e.Button8->text(), "Particle type 1 OK ?");
        EXPECT_EQ(e.Edit16->text(), "");
        EXPECT_EQ(e.Edit17->text(), "");
        EXPECT_EQ(e.Edit18->text(), "");
        EXPECT_EQ(e.Edit19->text(), "6");
        EXPECT_TRUE(swatchShows(e, Silver));
        e.Edit16->setText("3");
        e.Edit17->setText("1");
        e.Edit18->setText("1");
        setTag(e.Panel1, 1);
    });
    w.then(200, [&] {
        EXPECT_TRUE(swatchShows(e, Rgb{10, 20, 30}));
        setTag(e.Button8, 1);
    });
    w.then(200, [&] {
        EXPECT_EQ(e.Button8->text(), "Particle type 2 OK ?");
        EXPECT_EQ(e.Edit16->text(), "");
        EXPECT_EQ(e.Edit19->text(), "6");
        EXPECT_TRUE(swatchShows(e, Silver));
        e.Edit16->setText("2");
        e.Edit17->setText("2.5");
        e.Edit18->setText("-1");
        e.Edit19->setText("2000000");  // too large to calculate, but the project's own
        setTag(e.Button8, 1);
    });
    QImage atTheEnd;
    w.then(200, [&] { atTheEnd = w.canvas.image().copy(); });
    w.click(10);
    w.editProject(false);

    const Project& p = w.program->project;
    EXPECT_EQ(p.name, "Two gases");
    EXPECT_EQ(p.typeCount, 2);
    EXPECT_EQ(p.ae, 1.0);
    EXPECT_EQ(p.ag, 0.5);
    EXPECT_EQ(p.ar, 0.001);
    EXPECT_EQ(p.counts[1], 3);
    EXPECT_EQ(p.counts[2], 2);
    EXPECT_EQ(p.masses[2], 2.5);
    EXPECT_EQ(p.charges[2], -1);
    EXPECT_EQ(p.diameters[1], 6.0);
    EXPECT_EQ(p.diameters[2], 2000000.0);
    EXPECT_EQ(p.colors[1], (Rgb{10, 20, 30}));
    EXPECT_EQ(p.colors[2], Silver);
    EXPECT_EQ(w.colourPresets, std::vector<Rgb>{Silver});
    EXPECT_EQ(p.particleCount, 5);

    // Saved as it reads back, titled, the step derived, the particles placed type by type.
    Project inFile = p;
    inFile.neighbourCount = 0;  // placement's, not the file's
    EXPECT_EQ(loadProjectFile(w.dir.file("gases.zpr")), inFile);
    EXPECT_EQ(w.program->source.path, w.dir.file("gases.zpr"));
    ASSERT_GE(w.shell.captions.size(), 2u);
    EXPECT_EQ(w.shell.captions[0], "Zentova - Project : Two gases");
    EXPECT_EQ(w.shell.captions.back(), projectWindowTitle(p, w.dir.file("gases.zpr")));
    EXPECT_DOUBLE_EQ(w.program->settings.integrationStep, 0.00002 / 1.5 * 50 / 5);
    EXPECT_TRUE(w.program->source.loaded);
    EXPECT_EQ(p.neighbourCount, 4);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(w.program->particles.type[static_cast<std::size_t>(k)], k <= 3 ? 1 : 2);
    // Placement cleared the summary: the wait for the click stood on black alone.
    ASSERT_FALSE(atTheEnd.isNull());
    EXPECT_EQ(countColor(atTheEnd, QRect(0, 0, 800, 600), packColor(0, 0, 0)), 800 * 600);
    EXPECT_EQ(Screen().summaryText(), "");
    EXPECT_FALSE(shown(w, e.GroupBox3));
    EXPECT_FALSE(shown(w, e.Button7));
}

TEST(EditProject, AStoredProjectIsShownFieldByFieldAndACancelledColourKeepsIt) {
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    w.program->project = stored();
    setProjectPath(w.program->source, "salt.zpr");
    w.program->source.loaded = true;
    w.colourAnswers = {std::nullopt};
    w.then(200, [&] {
        EXPECT_EQ(e.Edit11->text(), "Salt");
        EXPECT_EQ(e.Edit12->text(), "2");
        EXPECT_EQ(e.Edit14->text(), "0.25");
        EXPECT_EQ(e.Edit15->text(), "0.001");
        setTag(e.Button6, 1);
    });
    w.then(200, [&] {
        EXPECT_EQ(e.Edit16->text(), "3");
        EXPECT_EQ(e.Edit18->text(), "1");
        EXPECT_TRUE(swatchShows(e, Rgb{255, 0, 0}));
        setTag(e.Panel1, 1);
    });
    w.then(200, [&] {
        EXPECT_TRUE(swatchShows(e, Rgb{255, 0, 0}));
        setTag(e.Button8, 1);
    });
    w.then(200, [&] {
        EXPECT_EQ(e.Button8->text(), "Particle type 2 OK ?");
        EXPECT_EQ(e.Edit17->text(), "2");
        EXPECT_EQ(e.Edit19->text(), "8.5");
        EXPECT_TRUE(swatchShows(e, Rgb{0, 0, 255}));
        setTag(e.Button8, 1);
    });
    w.click();  // the save dialog is cancelled; the summary waits
    // Around the dialog the summary still counts the 200 particles the editor set at its start.
    std::string summaryAtSave;
    w.files.save = [&](const std::string&, const std::string& proposed) {
        w.proposedNames.push_back(proposed);
        summaryAtSave = Screen().summaryText();
        return std::optional<std::string>();
    };
    w.editProject(true);

    EXPECT_NE(summaryAtSave.find("200 total particles"), std::string::npos) << summaryAtSave;
    EXPECT_EQ(w.program->project.colors, stored().colors);
    EXPECT_EQ(w.colourPresets, std::vector<Rgb>{Silver});  // opened at silver all the same
    EXPECT_EQ(w.proposedNames.size(), 1u);
    EXPECT_EQ(w.program->source.path, "salt.zpr");
    Project expected = stored();
    expected.neighbourCount = 4;
    EXPECT_EQ(w.program->project, expected);
}

TEST(EditProject,
     UnparsableFieldsKeepTheBoxAMistypedMassEmptiesTheTypeBoxAndNoParticlesTakeAnyMass) {
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    for (const char* count : {"0", "abc", "-1", ""}) {
        w.then(200, [&e, count] {
            e.Edit12->setText(count);
            setTag(e.Button6, 1);
        });
        w.then(200, [&w, &e, count] {
            EXPECT_TRUE(shown(w, e.GroupBox2)) << count;
            EXPECT_EQ(e.Edit12->text(), count);  // as the user left it, no word said
            EXPECT_EQ(e.typeCountHint->text(), "");
        });
    }
    w.then(10, [&] {
        e.Edit12->setText("2");
        e.Edit14->setText("zero");  // the box holds on a coefficient too
        setTag(e.Button6, 1);
    });
    w.then(200, [&] {
        EXPECT_TRUE(shown(w, e.GroupBox2));
        e.Edit14->setText("0");
        setTag(e.Button6, 1);
    });
    // Only a mass of 0 is explained; one that is no number keeps the box without a word.
    for (const char* mass : {"x1", "0", "inf", "nan", "1e400", "0"}) {
        w.then(200, [&e, mass] {
            e.Edit16->setText("4");
            e.Edit17->setText(mass);
            e.Edit18->setText("0");
            setTag(e.Button8, 1);
        });
        w.then(200, [&e, mass] {
            EXPECT_EQ(e.GroupBox3->title(), "Patricles of type 1 - parameters") << mass;
            EXPECT_EQ(e.Edit16->text(), "") << mass;
            EXPECT_EQ(e.Edit17->text(), "") << mass;
            EXPECT_EQ(e.Edit18->text(), "") << mass;
            EXPECT_EQ(e.Edit19->text(), "6") << mass;
            EXPECT_EQ(e.massHint->text(), std::string(mass) == "0" ? "a number, not 0" : "")
                << mass;
        });
    }
    // Put right, the mass loses its hint at once.
    w.then(200, [&] {
        e.Edit17->setText("0.");
        EXPECT_EQ(e.massHint->text(), "a number, not 0");
        e.Edit17->setText("0.5");
        EXPECT_EQ(e.massHint->text(), "");
    });
    // A type without particles takes a mass of 0, without a word.
    w.then(10, [&] {
        e.Edit16->setText("0");
        e.Edit17->setText("0");
        e.Edit18->setText("0");
        setTag(e.Button8, 1);
    });
    w.then(200, [&] {
        EXPECT_EQ(e.GroupBox3->title(), "Patricles of type 2 - parameters");
        EXPECT_EQ(e.massHint->text(), "");
        EXPECT_EQ(w.program->project.masses[1], 0.0);
    });
    w.press(w.editor->Button7);
    w.editProject(false);

    // "Cancel" keeps what was accepted: the project box and the first type.
    const Project& p = w.program->project;
    EXPECT_EQ(p.name, "New project");
    EXPECT_EQ(p.typeCount, 2);
    EXPECT_EQ(p.counts[1], 0);
    EXPECT_EQ(p.masses[1], 0.0);
    EXPECT_EQ(p.masses[2], 0.0);  // the open box's fields were not taken
    EXPECT_EQ(p.particleCount, 0);
    EXPECT_FALSE(w.program->source.loaded);
}

TEST(EditProject, MoreThanTwentyTypesOrTwoHundredParticlesAreRefusedWithAHint) {
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    w.then(200, [&] {
        e.Edit12->setText("21");
        setTag(e.Button6, 1);
    });
    w.then(200, [&] {
        EXPECT_TRUE(shown(w, e.GroupBox2));
        EXPECT_EQ(e.typeCountHint->text(), "at most 20 types");
        EXPECT_EQ(w.program->project.typeCount, 0);
        e.Edit12->setText("3");
        setTag(e.Button6, 1);
    });
    const auto typeOf = [&](const char* count, long long gap = 200) {
        w.then(gap, [&e, count] {
            e.Edit16->setText(count);
            e.Edit17->setText("1");
            e.Edit18->setText("0");
            setTag(e.Button8, 1);
        });
    };
    typeOf("150");
    typeOf("-1");
    w.then(200, [&] {
        EXPECT_EQ(e.Button8->text(), "Particle type 2 OK ?");
        EXPECT_EQ(e.countHint->text(), "0 or more");
    });
    typeOf("51", 10);
    w.then(200, [&] {
        EXPECT_EQ(e.Button8->text(), "Particle type 2 OK ?");
        EXPECT_EQ(e.countHint->text(), "at most 200 in all");
    });
    typeOf("50", 10);
    w.then(200, [&] {
        EXPECT_EQ(e.Button8->text(), "Particle type 3 OK ?");
        EXPECT_EQ(e.countHint->text(), "");
    });
    typeOf("0", 10);  // 200 exactly, and a type without particles, are fine
    w.click();
    w.editProject(false);
    EXPECT_EQ(w.program->project.particleCount, 200);
    EXPECT_EQ(projectProblem(w.program->project), std::nullopt);
}

TEST(EditProject, CancelLeavesAtOnceFromEitherBox) {
    {
        EditorWorld w;
        w.program->project = stored();
        w.then(200, [&] { w.editor->Edit12->setText("1"); });
        w.press(w.editor->Button7);
        w.editProject(true);
        EXPECT_EQ(w.program->project, stored());  // nothing of the open box was taken
        EXPECT_TRUE(w.shell.captions.empty());
        EXPECT_TRUE(w.proposedNames.empty());
        EXPECT_FALSE(shown(w, w.editor->GroupBox2));
        EXPECT_FALSE(shown(w, w.editor->Button7));
    }
    // A new project over a stored one, cancelled in a type box after the project box and one
    // type were accepted: nothing is rolled back, and the project so changed has no file.
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    w.program->project = stored();
    setProjectPath(w.program->source, "salt.zpr");
    w.program->source.loaded = true;
    w.shell.setCaption("Zentova - Salt - salt.zpr");
    w.then(200, [&] {
        e.Edit11->setText("Half baked");
        e.Edit12->setText("4");
        setTag(e.Button6, 1);
    });
    w.then(200, [&] {
        e.Edit16->setText("7");
        e.Edit17->setText("1");
        e.Edit18->setText("0");
        setTag(e.Button8, 1);
    });
    w.then(200, [&] { EXPECT_EQ(e.Button8->text(), "Particle type 2 OK ?"); });
    w.press(e.Button7, 10);
    w.editProject(false);
    Project kept = stored();
    kept.name = "Half baked";
    kept.typeCount = 4;
    kept.counts[1] = 7;
    kept.masses[1] = 1.0;
    kept.charges[1] = 0;
    kept.diameters[1] = 6.0;
    kept.colors[1] = Silver;
    kept.particleCount = 7 + 2;  // type 2 keeps its two, types 3 and 4 hold none
    EXPECT_EQ(w.program->project, kept);
    EXPECT_EQ(w.program->source.path, "");
    EXPECT_EQ(w.program->source.baseName, "");
    EXPECT_TRUE(w.program->source.loaded);
    EXPECT_EQ(w.shell.captions.back(), "Zentova - Project : Half baked");
    EXPECT_TRUE(w.proposedNames.empty());  // no save offered
    EXPECT_FALSE(shown(w, e.GroupBox3));
    EXPECT_FALSE(shown(w, e.Button7));
}

TEST(EditProject, ANewProjectWhoseSaveIsCancelledHasNoFile) {
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    w.program->project = stored();
    setProjectPath(w.program->source, w.dir.file("salt.zpr"));
    w.program->source.loaded = true;
    w.program->lastSavedName = w.dir.file("salt.zpr");  // saved under it in this run
    w.then(200, [&] {
        e.Edit12->setText("1");
        setTag(e.Button6, 1);
    });
    w.then(200, [&] {
        e.Edit16->setText("2");
        e.Edit17->setText("1");
        e.Edit18->setText("0");
        setTag(e.Button8, 1);
    });
    w.click(400);
    w.editProject(false);  // the save dialog is cancelled
    // Neither proposed nor kept: its results must not land on the other project's.
    EXPECT_EQ(w.proposedNames, std::vector<std::string>{""});
    EXPECT_EQ(w.program->source.path, "");
    EXPECT_EQ(w.program->source.baseName, "");
    EXPECT_TRUE(w.program->source.loaded);
    EXPECT_EQ(w.program->project.name, "New project");
}

// A stored project edited and then not saved is no longer what its file holds: it loses the
// file, so that no calculation writes beside it; looked at and not changed, it keeps it.
TEST(EditProject, AnEditedProjectWhoseSaveIsCancelledHasNoFile) {
    for (const bool changed : {true, false}) {
        SCOPED_TRACE(changed);
        EditorWorld w;
        ProjectEditor& e = *w.editor;
        w.program->project = stored();
        setProjectPath(w.program->source, w.dir.file("salt.zpr"));
        w.program->source.loaded = true;
        w.then(200, [&] {
            if (changed) e.Edit12->setText("1");
            setTag(e.Button6, 1);
        });
        for (int t = 1; t <= (changed ? 1 : 2); ++t) w.press(e.Button8);
        w.click(400);
        w.editProject(true);  // the save dialog is cancelled
        EXPECT_EQ(w.program->project.typeCount, changed ? 1 : 2);
        EXPECT_EQ(w.program->source.path, changed ? "" : w.dir.file("salt.zpr"));
        EXPECT_EQ(w.program->source.baseName, changed ? "" : w.dir.file("salt"));
        EXPECT_TRUE(w.program->source.loaded);
    }
}

// In the type box the keyboard's focus shows on the colour swatch (black here, the hardest
// case) and on OK as a band two pixels thick that stands out by 3:1 or more from both sides;
// a mouse user, whose click gives a field the focus, sees the box as designed.
TEST(EditProject, TheTypeBoxShowsWhereTheKeyboardsFocusIs) {
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    w.program->project = stored();
    w.program->project.colors[1] = {0, 0, 0};
    w.window.show();
    // Made the active window at once: the platform's own activation may lag behind.
    QApplication::setActiveWindow(&w.window);
    struct Seen {
        QString control;
        double unfocused, byKeyboard, byMouse;
    };
    std::vector<Seen> seen;
    w.press(e.Button6);
    w.then(200, [&] {
        for (QWidget* control : std::initializer_list<QWidget*>{e.Panel1, e.Button8, e.Edit17}) {
            control->clearFocus();
            const double unfocused = focusBandContrast(control->grab().toImage());
            control->setFocus(Qt::TabFocusReason);
            const double byKeyboard = focusBandContrast(control->grab().toImage());
            control->clearFocus();
            control->setFocus(Qt::MouseFocusReason);
            const double byMouse = focusBandContrast(control->grab().toImage());
            seen.push_back({control->objectName(), unfocused, byKeyboard, byMouse});
        }
        // A click does not take a button's focus, so Space cannot press it unseen.
        EXPECT_EQ(e.Panel1->focusPolicy(), Qt::TabFocus);
        EXPECT_EQ(e.Button8->focusPolicy(), Qt::TabFocus);
    });
    w.press(e.Button7);
    w.editProject(true);
    ASSERT_EQ(seen.size(), 3u);
    for (const Seen& s : seen) {
        SCOPED_TRACE(s.control.toStdString());
        EXPECT_LT(s.unfocused, 3.0);
        EXPECT_GE(s.byKeyboard, 3.0);
    }
    EXPECT_GE(seen[0].byMouse, 3.0);  // a button has the focus only from the keyboard
    EXPECT_LT(seen[2].byMouse, 3.0);  // a field clicked into shows no frame
}

// Enter in a field presses the box's OK only while the keyboard steers (after an arrow or
// Tab, no click since); for a mouse user it does what the box itself does: nothing.
TEST(EditProject, EnterInAFieldIsTheBoxsOKOnlyWhileTheKeyboardSteers) {
    for (const bool steering : {false, true}) {
        SCOPED_TRACE(steering);
        EditorWorld w;
        ProjectEditor& e = *w.editor;
        w.program->project = stored();
        w.window.show();  // the box's OK answers a key only while it shows
        // As the main window's handler: a click sets the tag.
        QObject::connect(e.Button6, &QPushButton::clicked, [&] { setTag(e.Button6, 1); });
        bool typeBoxOpened = false;
        w.then(200, [&] {
            Input().keyboardSteers = steering;
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
            QApplication::sendEvent(e.Edit12, &enter);
        });
        w.then(200, [&] {
            typeBoxOpened = shown(w, e.GroupBox3);
            setTag(e.Button7, 1);
        });
        w.editProject(true);
        EXPECT_EQ(typeBoxOpened, steering);
    }
}

TEST(EditProject, EditForcesStartsFromTheTypedCoefficientsAndTheBoxShowsItsValues) {
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    w.program->project = stored();
    w.then(200, [&] {
        e.Edit13->setText("3");
        e.Edit14->setText("0.3");
        e.Edit15->setText("4");
        setTag(e.Button9, 1);
    });
    w.then(200, [&] {
        EXPECT_FALSE(shown(w, e.GroupBox2));
        EXPECT_FALSE(shown(w, e.Button7));  // the forces editor ends by its own button
        EXPECT_TRUE(shown(w, w.forces->GroupBox1));
        EXPECT_EQ(w.edit[1]->text(), "3");
        EXPECT_EQ(w.edit[2]->text(), "0.3");
        EXPECT_EQ(w.edit[3]->text(), "4");
        w.edit[1]->setText("2");
        w.forces->Button5->click();  // "Terminate force parameters" ends the entry too
    });
    w.then(200, [&] {
        EXPECT_TRUE(shown(w, e.GroupBox2));
        EXPECT_TRUE(shown(w, e.Button7));
        EXPECT_FALSE(shown(w, w.forces->GroupBox1));
        EXPECT_EQ(e.Edit13->text(), "2");
        EXPECT_EQ(e.Edit14->text(), "0.3");
        EXPECT_EQ(e.Edit15->text(), "4");
    });
    w.press(e.Button7, 10);
    w.editProject(true);
    // "Cancel" keeps what the forces editor stored.
    EXPECT_EQ(w.program->project.ae, 2.0);
    EXPECT_EQ(w.program->project.ag, 0.3);
    EXPECT_EQ(w.program->project.ar, 4.0);
}

}  // namespace
}  // namespace zentova

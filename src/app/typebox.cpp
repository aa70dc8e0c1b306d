#include <QtGlobal>

#include "app/controltag.h"
#include "app/editorparts.h"
#include "app/projecteditor.h"
#include "canvas/primitives.h"
#include "lang/language.h"
#include "pump/pump.h"
#include "view3d/focusframe.h"

// The project editor's box of one type: its count, mass, charge, diameter and colour.
namespace zentova {

namespace {

// The refusals the type's box explains; a field that does not parse keeps the box without a
// word.
constexpr const char* NegativeCount = QT_TRANSLATE_NOOP("ProjectEditor", "0 or more");
constexpr const char* TooManyParticles = QT_TRANSLATE_NOOP("ProjectEditor", "at most 200 in all");
constexpr const char* BadMass = QT_TRANSLATE_NOOP("ProjectEditor", "a number, not 0");

}  // namespace

void ProjectEditor::buildTypeBox() {
    GroupBox3->setStyleSheet(boxStyle("#008080"));
    GroupBox3->setGeometry(216, 96, 463, 281);
    makeCaption(GroupBox3, "Label14", translated("ProjectEditor", "Number of particles"), 16, 38);
    makeCaption(GroupBox3, "Label18", translated("ProjectEditor", "mass"), 16, 84);
    makeCaption(GroupBox3, "Label19", translated("ProjectEditor", "Electric charge"), 16, 138);
    makeCaption(GroupBox3, "Label20", translated("ProjectEditor", "Display diameter"), 16, 200);
    placeInBox(Edit16, GroupBox3, 16, 56, 81);
    placeInBox(Edit17, GroupBox3, 16, 104, 81);
    placeInBox(Edit18, GroupBox3, 16, 160, 81);
    placeInBox(Edit19, GroupBox3, 16, 224, 81);
    // The colour column moved right to leave the hints room beside their fields.
    makeCaption(GroupBox3, "Label21", translated("ProjectEditor", "Display color (click below) "),
                254, 60, 189);
    Panel1 = new FocusFramed<QPushButton>(GroupBox3);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(314, 88, 57, 33);
    Panel1->setCursor(Qt::PointingHandCursor);
    setTag(Panel1, 0);
    QObject::connect(Panel1, &QPushButton::clicked, [this] { setTag(Panel1, 1); });
    placeInBox(Button8, GroupBox3, 258, 228, 177, 25);
    countHint = makeHintLine(GroupBox3, 104, 58);
    massHint = makeHintLine(GroupBox3, 104, 106);
}

bool ProjectEditor::typeBox(ProgramState& program, int t, bool editExisting) {
    Project& project = program.project;
    const auto type = static_cast<std::size_t>(t);
    //: The type box's OK button, 177 pixels wide; %1: the type's number (1 to 20).
    Button8->setText(onScreen(
        filled(translated("ProjectEditor", "Particle type %1 OK ?"), {std::to_string(t)})));
    m_colour = editExisting ? project.colors[type] : Silver;
    ProcessMessages();
    GradientBackground(program.toolkit);
    setShownAndEnabled(GroupBox3, true);
    GroupBox3->raise();
    countHint->clear();
    massHint->clear();
    for (;;) {
        fillTypeBox(project, t, editExisting);
        setTag(Button8, 0);
        setTag(Panel1, 0);
        while (tagOf(Button8) == 0) {
            if (tagOf(Button7) != 0) {
                setShownAndEnabled(Button7, false);
                setShownAndEnabled(GroupBox3, false);
                ProcessMessages();
                return false;
            }
            if (tagOf(Panel1) != 0) chooseColour(program.toolkit);
            showColour();
            ProcessMessages();
            SleepMs(PollMs);
        }
        const bool valid = acceptTypeBox(project, t);
        project.colors[type] = m_colour;
        showColour();
        ProcessMessages();
        if (valid) return true;
    }
}

void ProjectEditor::fillTypeBox(const Project& project, int t, bool editExisting) {
    const auto type = static_cast<std::size_t>(t);
    //: The type box's title; %1: the type's number (1 to 20).
    GroupBox3->setTitle(onScreen(filled(
        translated("ProjectEditor", "Patricles of type %1 - parameters"), {std::to_string(t)})));
    Edit16->clear();
    Edit17->clear();
    Edit18->clear();
    Edit19->setText("6");
    if (editExisting) {
        Edit16->setText(asFieldText(project.counts[type]));
        Edit17->setText(asFieldText(project.masses[type]));
        Edit18->setText(asFieldText(project.charges[type]));
        Edit19->setText(asFieldText(project.diameters[type]));
    }
}

bool ProjectEditor::acceptTypeBox(Project& project, int t) {
    const auto type = static_cast<std::size_t>(t);
    countHint->clear();
    massHint->clear();
    const std::optional<std::int32_t> count = parseIntegerField(typedText(Edit16));
    if (!count) return false;
    // The types before this one are accepted already; together they may not pass the limit.
    std::int64_t before = 0;
    for (int u = 1; u < t; ++u) before += project.counts[static_cast<std::size_t>(u)];
    m_countsBefore = before;
    if (*count < 0 || before + *count > MaxParticles) {
        countHint->setText(hintText(*count < 0 ? NegativeCount : TooManyParticles));
        return false;
    }
    project.counts[type] = *count;
    // The coefficients are read again from the project box, which stays filled behind this
    // one: they were accepted there, so this only confirms them, and a project saved from
    // here carries exactly what those fields show.
    if (!parseInto(Edit13, project.ae) || !parseInto(Edit14, project.ag) ||
        !parseInto(Edit15, project.ar))
        return false;
    const std::optional<double> mass = parseScreenRealField(typedText(Edit17));
    if (!mass) return false;  // like every field that does not parse, without a word
    // A type without particles takes any mass; particles of mass 0 could not be moved.
    if (*mass == 0.0 && *count > 0) {
        massHint->setText(hintText(BadMass));
        return false;
    }
    project.masses[type] = *mass;
    return parseInto(Edit18, project.charges[type]) && parseInto(Edit19, project.diameters[type]);
}

void ProjectEditor::chooseColour(Toolkit& toolkit) {
    setTag(Panel1, 0);
    // The dialog opens at silver whatever the type's colour; cancelling keeps the colour.
    if (const std::optional<Rgb> chosen = m_chooseColour(Silver)) m_colour = *chosen;
    ProcessMessages();
    GradientBackground(toolkit);
}

void ProjectEditor::showColour() {
    if (m_colour == m_shownColour) return;  // a style sheet is costly to set every 40 ms
    m_shownColour = m_colour;
    Panel1->setStyleSheet(QString("QPushButton#Panel1 { background: rgb(%1, %2, %3);"
                                  " border: 1px solid black; }")
                              .arg(m_colour.r)
                              .arg(m_colour.g)
                              .arg(m_colour.b));
}

}  // namespace zentova

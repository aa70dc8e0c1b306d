#include "runs/calculationnotes.h"

#include <QtGlobal>
#include <algorithm>

#include "canvas/axisnumbers.h"
#include "canvas/prompts.h"
#include "files/fileerror.h"
#include "files/numformat.h"
#include "files/settingsfile.h"
#include "lang/language.h"

namespace zentova {

// What an append changed in the trajectory, a clause each, in the class's language (the
// command line has appendCutParts' English).
std::vector<std::string> shownCutParts(const AppendStart& start) {
    std::vector<std::string> parts;
    if (start.restoredFrame)
        parts.push_back(filled(translated("Calculation",
                                          "the frame of the final state (t = %1) "
                                          "was missing and was added"),
                               {screenNumber(start.finalStateTime, 3)}));
    if (start.cut.partialFrameLine > 0)
        parts.push_back(
            filled(translated("Calculation", "the frame cut short at line %1 was left out"),
                   {std::to_string(start.cut.partialFrameLine)}));
    return parts;
}

namespace {

// The likely cause of an unstable motion in the class's language, from the facts the stepper
// named it by (its own words are the command line's): the step, the damping, the lightest
// type's mass, and the bath as the keys left it.
std::string shownCause(const InstabilityCause& cause, const ProgramState& program, double bath) {
    const auto number = [](double value) {
        return withScreenSeparator(formatSignificant(value, 6));
    };
    const double step = program.settings.integrationStep;
    std::string text;
    switch (cause.source) {
        case InstabilityCause::Source::Damping:
            text = filled(translated("Calculation",
                                     "the damping %1 is too large for the integration step %2"),
                          {number(program.settings.dampingCoefficient), number(step)});
            break;
        case InstabilityCause::Source::Mass:
            text = filled(
                translated("Calculation",
                           "the mass of type %1 (%2) is too small for the integration "
                           "step %3"),
                {std::to_string(cause.type),
                 number(program.project
                            .masses[static_cast<std::size_t>(std::clamp(cause.type, 0, MaxTypes))]),
                 number(step)});
            break;
        case InstabilityCause::Source::Step:
            text = filled(
                translated("Calculation", "the integration step %1 is too large for these forces"),
                {number(step)});
            break;
    }
    if (bath != 1.0)
        text = filled(translated("Calculation", "%1, with the bath at %2 times the setup's"),
                      {text, number(bath)});
    return text;
}

}  // namespace

// The motion became unstable: when, the likely cause, and what to change where.
void showUnstableNote(ProgramState& program, const UnstableError& error, double bath) {
    const std::string time =
        filled(translated("Calculation", "The calculation stopped at time %1."),
               {screenNumber(error.time(), 3)});
    const InstabilityCause& cause = error.cause();
    std::string advice;
    switch (cause.source) {
        case InstabilityCause::Source::Step:
            advice = translated("Calculation", "Choose a smaller step in \"Advanced setup\".");
            break;
        case InstabilityCause::Source::Damping:
            advice = translated("Calculation",
                                "Choose a smaller damping or step in \"Advanced setup\".");
            break;
        case InstabilityCause::Source::Mass:
            advice = filled(
                translated("Calculation", "Give type %1 a larger mass in \"Show/Edit project\"."),
                {std::to_string(cause.type)});
            break;
    }
    NoteBox(program.toolkit, time,
            filled(translated("Calculation", "The motion became unstable: %1."),
                   {shownCause(cause, program, bath)}),
            advice, translated("Calculation", "The files keep every frame written before."), 0, 0);
}

namespace {

// The reasons the model gives for a project it cannot calculate, for the translators: the
// note shows them in the chosen language (translatedReason), the command line in English.
[[maybe_unused]] constexpr const char* ProjectReasons[] = {
    QT_TRANSLATE_NOOP("Reasons", "the number of types is negative"),
    QT_TRANSLATE_NOOP("Reasons", "%1 particle types, at most %2 are allowed"),
    QT_TRANSLATE_NOOP("Reasons", "type %1 has a negative particle count"),
    QT_TRANSLATE_NOOP("Reasons", "type %1 has a mass that is not a number"),
    QT_TRANSLATE_NOOP("Reasons", "type %1 has a mass of %2"),
    QT_TRANSLATE_NOOP("Reasons", "type %1 has a diameter that is not a number"),
    QT_TRANSLATE_NOOP("Reasons", "type %1 has a diameter of %2, diameters run from %3 to %4"),
    QT_TRANSLATE_NOOP("Reasons", "%1 particles in all, at most %2 are allowed"),
    QT_TRANSLATE_NOOP("Reasons", "a force coefficient is not a number"),
};

}  // namespace

// Whether the project and the setup can be calculated; when not, a note says why.
bool calculable(ProgramState& program) {
    if (const auto problem = projectProblem(program.project)) {
        NoteBox(program.toolkit, translated("Calculation", "This project cannot be calculated:"),
                translatedReason("Reasons", *problem), "", "", 0, 0);
        return false;
    }
    try {
        checkCalculable(program.settings, program.settingsLines);
    } catch (const FileError& error) {
        showFileErrorNote(
            program.toolkit,
            translated("Calculation", "The calculation cannot start; see \"Advanced setup\".")
                .c_str(),
            error);
        return false;
    }
    return true;
}

}  // namespace zentova

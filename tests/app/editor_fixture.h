#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/controltag.h"
#include "app/editfields.h"
#include "app/forceseditor.h"
#include "app/mainwindow.h"
#include "app/projecteditor.h"
#include "canvas/canvas.h"
#include "canvas/primitives.h"
#include "support/scriptedpump.h"
#include "support/tempfiles.h"
#include "view3d/focusframe.h"

namespace zentova::testing {

// Records the captions the editors give the window; nothing else is asked of it.
struct CaptionShell : Shell {
    std::vector<std::string> captions;
    void setCaption(const std::string& caption) override { captions.push_back(caption); }
    std::string caption() const override { return captions.empty() ? "Zentova" : captions.back(); }
    int clientWidth() const override { return 800; }
    int clientHeight() const override { return 600; }
    void movePointerTo(int, int) override {}
    void setHandCursor(bool) override {}
    void enableTimer2(bool) override {}
    bool restartWith(const std::string&) override { return false; }
    bool openDocument(const std::string&) override { return true; }
    [[noreturn]] void terminate() override { throw std::logic_error("terminate"); }
};

// The editors on a window of their own, over an 800 x 600 canvas, in a folder of their own
// (the current directory while they live), with a scripted pump and fake dialogs.
struct EditorWorld {
    TempDir dir;
    std::filesystem::path previousFolder = std::filesystem::current_path();
    std::unique_ptr<ProgramState> program = std::make_unique<ProgramState>();
    Canvas canvas{800, 600};
    CaptionShell shell;
    ScriptedPump pump;
    QWidget window;
    std::array<QPushButton*, 13> button{};
    std::array<QLineEdit*, 22> edit{};
    std::array<QGroupBox*, 5> box{};
    FieldControls fields;
    std::unique_ptr<ForcesEditor> forces;
    std::unique_ptr<ProjectEditor> editor;
    std::vector<std::optional<Rgb>> colourAnswers;  // what the colour dialog returns, in turn
    std::vector<Rgb> colourPresets;                 // where it was opened
    std::vector<std::optional<std::string>> saveAnswers;
    std::vector<std::string> proposedNames;
    FileChooser files;
    long long cursorMs = 0;

    EditorWorld() {
        std::filesystem::current_path(dir.path());
        program->toolkit.mainCanvas = &canvas;
        program->toolkit.random = &program->random;
        program->random.fixedSeed = 5;
        program->random.seed = 5;
        MeasureScreen(program->toolkit, 800, 600);
        window.resize(800, 600);
        // As the main window makes them: hidden and disabled.
        const auto hidden = [](QWidget* control) {
            control->hide();
            control->setEnabled(false);
        };
        for (std::size_t n = 1; n <= 12; ++n) {
            button[n] = new FocusFramed<QPushButton>(&window);
            setTag(button[n], 0);
            hidden(button[n]);
        }
        for (std::size_t n = 1; n <= 21; ++n) hidden(edit[n] = new FocusFramed<QLineEdit>(&window));
        for (std::size_t n = 1; n <= 4; ++n) hidden(box[n] = new QGroupBox(&window));
        fields = makeFieldControls(&window, edit, button[1]);
        forces = std::make_unique<ForcesEditor>(box[1], button[5], fields);
        ProjectControls controls{box[2], box[3], button[6], button[7], button[8], button[9], {}};
        for (std::size_t n = 11; n <= 19; ++n) controls.edit[n] = edit[n];
        editor = std::make_unique<ProjectEditor>(
            controls,
            [this](Rgb initial) {
                colourPresets.push_back(initial);
                std::optional<Rgb> answer;
                if (!colourAnswers.empty()) {
                    answer = colourAnswers.front();
                    colourAnswers.erase(colourAnswers.begin());
                }
                return answer;
            },
            *forces);
        files.open = [](const std::string&) { return std::optional<std::string>(); };
        files.save = [this](const std::string&, const std::string& proposed) {
            proposedNames.push_back(proposed);
            std::optional<std::string> answer;
            if (!saveAnswers.empty()) {
                answer = saveAnswers.front();
                saveAnswers.erase(saveAnswers.begin());
            }
            return answer;
        };
    }
    ~EditorWorld() { std::filesystem::current_path(previousFolder); }

    // Runs `action` `gapMs` after the previous scripted action: the editors' waits let the
    // fake clock run on, so the actions come in order, each in its own pump call.
    void then(long long gapMs, std::function<void()> action) {
        cursorMs += gapMs;
        pump.afterMs(cursorMs, [action = std::move(action)](InputState&) { action(); });
    }
    // A control's click, as its handler records it.
    void press(QObject* control, long long gapMs = 200) {
        then(gapMs, [control] { setTag(control, 1); });
    }
    // The click that ends the last wait (the summary, a note, a plot's panel).
    void click(long long gapMs = 200) {
        cursorMs += gapMs;
        pump.afterMs(cursorMs, [](InputState& in) { in.mouseButtonState = 1; });
    }
    void type(QLineEdit* field, const char* text, long long gapMs = 50) {
        then(gapMs, [field, text] { field->setText(text); });
    }

    void editProject(bool existing) { editor->EditProject(existing, *program, shell, files); }
};

}  // namespace zentova::testing

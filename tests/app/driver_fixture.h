#pragma once

#include <unistd.h>

#include <QGroupBox>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/driver.h"
#include "canvas/canvas.h"
#include "canvas/primitives.h"
#include "support/scriptedpump.h"
#include "support/tempfiles.h"
#include "view3d/viewwindow.h"

namespace zentova::testing {

// The process ending, as the fake shell reports it.
struct ProcessEnded {};

// Records what the driver asks of the window and the process.
struct FakeShell : Shell {
    std::vector<std::string> captions{"Zentova"};
    std::vector<std::string> restarts;
    std::vector<std::string> documents;
    bool timer2 = false;
    bool restartWorks = true;
    bool viewerWorks = true;
    bool hand = false;
    std::function<void()> onMenu;  // run when the menu starts waiting for a choice

    void setCaption(const std::string& caption) override { captions.push_back(caption); }
    std::string caption() const override { return captions.back(); }
    int clientWidth() const override { return 800; }
    int clientHeight() const override { return 600; }
    // The window's move event reports where the pointer went.
    void movePointerTo(int x, int y) override {
        Input().mouseX = x;
        Input().mouseY = y;
    }
    void setHandCursor(bool on) override {
        hand = on;
        if (on && onMenu) onMenu();
    }
    void enableTimer2(bool enabled) override { timer2 = enabled; }
    bool restartWith(const std::string& path) override {
        restarts.push_back(path);
        return restartWorks;
    }
    bool openDocument(const std::string& path) override {
        documents.push_back(path);
        return viewerWorks;
    }
    [[noreturn]] void terminate() override { throw ProcessEnded{}; }
};

// A program of its own in a folder of its own (the current directory while it lives), with
// a canvas of 800 x 600, a scripted pump and fake dialogs.
struct DriverWorld {
    TempDir dir;
    std::filesystem::path previousFolder = std::filesystem::current_path();
    std::unique_ptr<ProgramState> program = std::make_unique<ProgramState>();
    Canvas canvas{800, 600};
    FakeShell shell;
    ScriptedPump pump;
    QWidget window;
    TForm2 view;
    QGroupBox* box = new QGroupBox(&window);
    std::optional<Rgb> chosenColour;
    std::unique_ptr<SetupDialog> setup =
        std::make_unique<SetupDialog>(box, [this](Rgb) { return chosenColour; });
    std::vector<std::optional<std::string>> openAnswers;
    std::vector<std::optional<std::string>> saveAnswers;
    std::vector<std::string> proposedNames;
    FileChooser files;

    DriverWorld() {
        std::filesystem::current_path(dir.path());
        program->toolkit.mainCanvas = &canvas;
        program->toolkit.random = &program->random;
        program->random.fixedSeed = 99;
        program->random.seed = 99;
        files.open = [this](const std::string&) { return next(openAnswers); };
        files.save = [this](const std::string&, const std::string& proposed) {
            proposedNames.push_back(proposed);
            return next(saveAnswers);
        };
    }
    ~DriverWorld() { std::filesystem::current_path(previousFolder); }

    MainDriver driver(const std::string& argument = "") {
        return MainDriver(*program, shell, view, files, *setup, argument);
    }

    // The point inside item k (from 1) of the menu the driver draws on this canvas.
    static QPoint item(int k) {
        return {800 / 2 - 160 + 15 * (k - 1) + 5, 120 + 30 * (k - 1) + 15};
    }

    // A click as a person makes it, `delayMs` from now: the pointer moves onto item k, the
    // button goes down and comes up 100 ms later, so the polling loop sees it.
    void press(int k, long long delayMs = 100) {
        const QPoint p = item(k);
        const long long now = pump.clockMs();
        pump.afterMs(now + delayMs / 2, [p](InputState& in) {
            in.mouseX = p.x();
            in.mouseY = p.y();
        });
        pump.afterMs(now + delayMs, [](InputState& in) { in.mouseButtonState = 1; });
        pump.afterMs(now + delayMs + 100, [](InputState& in) { in.mouseButtonState = 0; });
    }
    // Chooses item k as soon as the menu waits; later menus get nothing.
    void chooseOnce(int k) {
        shell.onMenu = [this, k] {
            shell.onMenu = nullptr;
            press(k);
        };
    }
    // Clicks, in place, `count` times 400 ms apart from now: each dismisses a note.
    void dismissNotes(int count) {
        const long long now = pump.clockMs();
        for (int i = 1; i <= count; ++i) {
            pump.afterMs(now + 400 * i, [](InputState& in) { in.mouseButtonState = 1; });
            pump.afterMs(now + 400 * i + 100, [](InputState& in) { in.mouseButtonState = 0; });
        }
    }
    // Dismisses the next note (or cover) with a click in the pump call after `ms` of waiting.
    void clickAfter(long long ms) {
        pump.afterMs(pump.clockMs() + ms, [](InputState& in) { in.mouseButtonState = 1; });
    }

  private:
    static std::optional<std::string> next(std::vector<std::optional<std::string>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

}  // namespace zentova::testing

#include "canvas/prompts.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <utility>

#include "canvas/decorative.h"
#include "canvas/keyboardhelp.h"
#include "canvas/primitives.h"
#include "canvas/screenitems.h"
#include "lang/language.h"
#include "pump/pump.h"

namespace zentova {

namespace {

constexpr std::size_t MaxPromptText = 160;

std::string cut(const std::string& text) {
    return text.substr(0, MaxPromptText);
}

// The question's panel of width `w` about (x, y) and its two ovals, YES and NO.
void drawQuestion(Toolkit& toolkit, Canvas& canvas, int x, int y, int w, const std::string& text,
                  const std::string& yes, const std::string& no) {
    TextPanel(toolkit, canvas, x - w / 2 - 20, y - 50, 250, 130, 120, text);
    OvalButton(canvas, x - 60, y + 40, 120, 120, 255, 1);
    OvalButton(canvas, x + 60, y + 40, 120, 120, 255, 1);
    ShadowText(canvas, x - 75, y + 33, yes, packColor(255, 255, 255));
    ShadowText(canvas, x + 50, y + 33, no, packColor(255, 255, 255));
}

// The answer a character gives without a focus frame: 1 yes (Y, y, Enter, and the first
// letter of the language's YES: J in German, T in Polish), 2 no (N, n), 0 none.
int answerOfCharacter(char c, char yesLetter) {
    const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == 'Y' || c == 13 || (upper == yesLetter && upper != 'N')) return 1;
    if (upper == 'N') return 2;
    return 0;
}

// The first letter of the language's YES, when it is a plain letter ("JA" gives J).
char yesLetterOf(const std::string& yes) {
    const unsigned char first = yes.empty() ? 0 : static_cast<unsigned char>(yes[0]);
    return first < 128 && std::isalpha(first) ? static_cast<char>(std::toupper(first)) : 'Y';
}

// Which oval holds the focus frame, and whether the frame shows yet.
struct OvalFocus {
    int focused = 0;
    bool framed = false;
};

// Each press in turn, so that fast ones are neither lost nor taken out of order, until one
// answers: Left, Right, Tab and Shift+Tab move the frame, Enter or Space answer the framed
// oval, any other key by its character. 0 when none answered; `pressed` when any came.
int answerOfPresses(Toolkit& toolkit, InputState& input, const QRect (&ovals)[2], OvalFocus& focus,
                    char yesLetter, bool& pressed) {
    Canvas& canvas = *toolkit.mainCanvas;
    int answer = 0;
    while (answer == 0 && !input.keys.empty()) {
        const KeyPress press = input.keys.take();
        pressed = true;
        const int key = press.key;
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Tab ||
            key == Qt::Key_Backtab) {
            copyPixels(toolkit.screenBackup, ovals[focus.focused], canvas.image(),
                       ovals[focus.focused].topLeft());
            focus.focused = 1 - focus.focused;
            focus.framed = true;
            PaintFocusFrame(canvas, ovals[focus.focused]);
            Screen().setPromptFocus(focus.focused);
        } else if (focus.framed &&
                   (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
            answer = focus.focused + 1;
        } else {
            answer = answerOfCharacter(press.character, yesLetter);
        }
    }
    return answer;
}

}  // namespace

bool Confirm(Toolkit& toolkit, const std::string& message) {
    return ConfirmAt(toolkit, toolkit.screenWidth / 2, toolkit.screenHeight / 2 - 70, message);
}

bool ConfirmAt(Toolkit& toolkit, int x, int y, const std::string& message) {
    Canvas& canvas = *toolkit.mainCanvas;
    const std::string text = cut(message);
    ProcessMessages();
    const PackedColor brush = canvas.brushColor();
    const PackedColor pen = canvas.penColor();

    const int w = canvas.textWidth(text);
    const std::string yes = translated("Prompts", "YES");
    const std::string no = translated("Prompts", "NO");
    const char yesLetter = yesLetterOf(yes);
    drawQuestion(toolkit, canvas, x, y, w, text, yes, no);

    InputState& input = Input();
    input.lastKey = '?';
    input.keys.clear();
    input.mouseButtonState = 0;
    SaveScreen(toolkit);
    // Around the two ovals; Left and Right move a focus frame between them (to NO first),
    // and once it shows, Enter or Space answer the framed one. Without a frame the keys are
    // the box's own: Y, y or Enter for YES, N or n for NO.
    const QRect ovals[2] = {QRect(x - 112, y + 14, 104, 52), QRect(x + 8, y + 14, 104, 52)};
    OvalFocus focus;
    ScreenItem said{
        ScreenRole::Dialog, text, QRect(x - w / 2 - 20, y - 50, w + 40, 130), true, false, {}};
    said.parts.push_back({ScreenRole::Button, yes, ovals[0], true, true, {}});
    said.parts.push_back({ScreenRole::Button, no, ovals[1], true, false, {}});
    Screen().setPrompt(said);
    int answer = 0;  // 1 yes, 2 no
    while (answer == 0) {
        input.mouseButtonState = 0;
        SleepMs(50);
        ProcessMessages();
        bool pressed = false;
        answer = answerOfPresses(toolkit, input, ovals, focus, yesLetter, pressed);
        // A key known only as the last one (set without a press recorded) answers as the box's
        // own poll reads it.
        if (answer == 0 && !pressed) answer = answerOfCharacter(input.lastKey, yesLetter);
        input.lastKey = '?';
        if (input.mouseButtonState != 0 && std::abs(input.mouseY - (y + 40)) < 20) {
            if (std::abs(input.mouseX - (x - 60)) < 30) answer = 1;
            if (std::abs(input.mouseX - (x + 60)) < 30) answer = 2;
        }
    }
    Screen().clearPrompt();
    canvas.setPenMode(PenMode::Copy);
    canvas.setBrushColor(brush);
    canvas.setPenColor(pen);
    ProcessMessages();
    return answer == 1;
}

void NoteBox(Toolkit& toolkit, const std::string& line1, const std::string& line2,
             const std::string& line3, const std::string& line4, int x, int y) {
    Canvas& canvas = *toolkit.mainCanvas;
    const std::string lines[4] = {cut(line1), cut(line2), cut(line3), cut(line4)};
    ProcessMessages();
    int w = 0;
    int h = 40;
    for (int i = 0; i < 4; ++i) {
        if (!lines[i].empty()) w = std::max(w, canvas.textWidth(lines[i]));
        if (i > 0 && !lines[i].empty()) h += 20;
    }
    if (x == 0) x = toolkit.screenWidth / 2 - w / 2 - 20;
    if (y == 0) y = toolkit.screenHeight / 2 - h / 2;
    SaveRect(toolkit, canvas, x - 15, y - 10, x + w + 35, y + h + 25);
    TextPanel(toolkit, canvas, x, y, 100, 100, 255, lines[0], lines[1], lines[2], lines[3]);
    std::string said = lines[0];
    for (int i = 1; i < 4; ++i)
        if (!lines[i].empty()) said += "\n" + lines[i];
    Screen().setPrompt({ScreenRole::Alert, said, QRect(x, y, w + 20, h + 15), true, false, {}});
    WaitClickOrKey();
    Input().keys.clear();
    Screen().clearPrompt();
    RestoreRect(toolkit, canvas, x - 15, y - 10, x + w + 35, y + h + 25);
}

std::string fileErrorPlace(const FileError& error) {
    return error.line() > 0 ? filled(translated("Prompts", "%1, line %2"),
                                     {error.file(), std::to_string(error.line())})
                            : error.file();
}

void showFileErrorNote(Toolkit& toolkit, const char* what, const FileError& error) {
    NoteBox(toolkit, what, fileErrorPlace(error), error.reason(), "", 0, 0);
}

}  // namespace zentova

#include "canvas/keyboardhelp.h"

#include <QtCore/qnamespace.h>

#include <QImage>
#include <algorithm>

#include "canvas/primitives.h"
#include "canvas/screenitems.h"
#include "pump/pump.h"

namespace zentova {

// The same rows stand in README.md, the manual and the man page.
const std::vector<KeyRow>& MainWindowKeys() {
    static const std::vector<KeyRow> rows{
        {"Up, Down, Tab, Shift+Tab", "move the focus frame along the menu's enabled items"},
        {"Enter or Space", "choose the item in the frame"},
        {"Y or Enter / N", "answer a question YES / NO"},
        {"Left, Right (then Enter or Space)", "move the frame between YES and NO (and answer)"},
        {"any key", "goes on from the cover, a note or a graph"},
        {"Tab, Shift+Tab", "move through an editor's fields and buttons in reading order"},
        {"Enter (in a field)", "the box's OK (Done, Particle type OK ?, Ready, done)"},
        {"Space or Enter (on a button)", "presses it"},
        {"F1 or ?", "the keyboard help"},
        {"Escape", "ends the program"},
    };
    return rows;
}

const std::vector<KeyRow>& ViewWindowKeys() {
    static const std::vector<KeyRow> rows{
        {"Left, Right", "Horizontal angle, one way or the other, while held"},
        {"Up, Down", "Vertical angle, one way or the other, while held"},
        {"+ or Page Up", "Zoom nearer, while held"},
        {"- or Page Down", "Zoom away, while held"},
        {"Home or O", "Original angle"},
        {"P or Space", "pause (the buttons still turn and zoom) and go on"},
        {"End or T", "Stop, or Terminate"},
        {"Enter", "once stopped: back to the menu, as a click"},
        {"Tab, then Space or Enter", "the button with the focus, as a click"},
        {"D", "a longer description of the picture"},
        {"G, S, R", "the Readings window, save the picture, record a movie"},
        {"H, C, B", "Calculate: kicks 1.25 x stronger, weaker, back to the setup's bath"},
        {"F1 or ?", "the keyboard help of the view; again to close it"},
        {"Escape", "closes that help, or ends a recording"},
    };
    return rows;
}

std::string KeyRowsText(const std::vector<KeyRow>& rows) {
    std::string text;
    for (const KeyRow& row : rows) text += row.first + "\t" + row.second + "\n";
    return text;
}

void PaintFocusFrame(Canvas& canvas, QRect box) {
    const PenMode mode = canvas.penMode();
    const PackedColor pen = canvas.penColor();
    const BrushStyle brush = canvas.brushStyle();
    canvas.setPenMode(PenMode::Copy);
    canvas.setBrushStyle(BrushStyle::Clear);
    const auto frame = [&](int inset, PackedColor color) {
        canvas.setPenColor(color);
        canvas.rectangle(box.left() + inset, box.top() + inset, box.right() + 1 - inset,
                         box.bottom() + 1 - inset);
    };
    frame(0, packColor(255, 255, 255));
    frame(1, packColor(0, 0, 0));
    frame(2, packColor(255, 255, 255));
    canvas.setBrushStyle(brush);
    canvas.setPenMode(mode);
    canvas.setPenColor(pen);
}

bool IsHelpKey(int key) {
    return key == Qt::Key_F1 || key == Qt::Key_Question;
}

void ShowKeyboardHelp(Toolkit& toolkit) {
    Canvas& canvas = *toolkit.mainCanvas;
    const std::vector<KeyRow>& rows = MainWindowKeys();
    int keysWidth = 0;
    int textWidth = 0;
    for (const KeyRow& row : rows) {
        keysWidth = std::max(keysWidth, canvas.textWidth(row.first));
        textWidth = std::max(textWidth, canvas.textWidth(row.second));
    }
    const std::string title = "Keys (any key or a click closes this help)";
    const int w = std::max(keysWidth + 20 + textWidth, canvas.textWidth(title)) + 40;
    const int h = 20 * static_cast<int>(rows.size()) + 60;
    const QRect panel(std::max(0, (toolkit.screenWidth - w) / 2),
                      std::max(0, (toolkit.screenHeight - h) / 2), w, h);
    const QImage under = canvas.image().copy(panel);
    const PackedColor brush = canvas.brushColor();
    const PackedColor pen = canvas.penColor();
    const PackedColor font = canvas.fontColor();

    canvas.setPenMode(PenMode::Copy);
    canvas.setBrushColor(packColor(0, 0, 0));
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setPenColor(packColor(255, 255, 255));
    canvas.rectangle(panel.left(), panel.top(), panel.right() + 1, panel.bottom() + 1);
    if (canvas.recorder()) canvas.recorder()->box(panel);
    canvas.setFontColor(packColor(255, 255, 255));
    canvas.textOut(panel.left() + 20, panel.top() + 12, title);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = panel.top() + 42 + 20 * static_cast<int>(i);
        canvas.textOut(panel.left() + 20, y, rows[i].first);
        canvas.textOut(panel.left() + 40 + keysWidth, y, rows[i].second);
    }

    ScreenItem said;
    said.role = ScreenRole::Alert;
    said.name = title + "\n" + KeyRowsText(rows);
    said.rect = panel;
    Screen().setPrompt(said);
    WaitClickOrKey();
    Input().keys.clear();
    Screen().clearPrompt();
    canvas.draw(panel.left(), panel.top(), under);
    if (canvas.recorder()) canvas.recorder()->restored(panel);
    canvas.setBrushColor(brush);
    canvas.setPenColor(pen);
    canvas.setFontColor(font);
}

}  // namespace zentova

#include "canvas/keyboardhelp.h"

#include <QtCore/qnamespace.h>

#include <QImage>
#include <QtGlobal>
#include <algorithm>

#include "canvas/primitives.h"
#include "canvas/screenitems.h"
#include "lang/language.h"
#include "pump/pump.h"

namespace zentova {

// The same rows stand in README.md, the manual and the man page.
const std::vector<KeyRow>& MainWindowKeys() {
    static const std::vector<KeyRow> rows{
        {QT_TRANSLATE_NOOP("Keys", "Up, Down, Tab, Shift+Tab"),
         QT_TRANSLATE_NOOP("Keys", "move the focus frame along the menu's enabled items")},
        {QT_TRANSLATE_NOOP("Keys", "Enter or Space"),
         QT_TRANSLATE_NOOP("Keys", "choose the item in the frame")},
        {QT_TRANSLATE_NOOP("Keys", "Y or Enter / N"),
         QT_TRANSLATE_NOOP("Keys", "answer a question YES / NO")},
        {QT_TRANSLATE_NOOP("Keys", "Left, Right (then Enter or Space)"),
         QT_TRANSLATE_NOOP("Keys", "move the frame between YES and NO (and answer)")},
        {QT_TRANSLATE_NOOP("Keys", "any key"),
         QT_TRANSLATE_NOOP("Keys", "goes on from the cover, a note or a graph")},
        {QT_TRANSLATE_NOOP("Keys", "Tab, Shift+Tab"),
         QT_TRANSLATE_NOOP("Keys", "move through an editor's fields and buttons in reading order")},
        {QT_TRANSLATE_NOOP("Keys", "Enter (in a field)"),
         QT_TRANSLATE_NOOP("Keys", "the box's OK (Done, Particle type OK ?, Ready, done)")},
        {QT_TRANSLATE_NOOP("Keys", "Space or Enter (on a button)"),
         QT_TRANSLATE_NOOP("Keys", "presses it")},
        {QT_TRANSLATE_NOOP("Keys", "F1 or ?"), QT_TRANSLATE_NOOP("Keys", "the keyboard help")},
        {QT_TRANSLATE_NOOP("Keys", "Escape"), QT_TRANSLATE_NOOP("Keys", "ends the program")},
    };
    return rows;
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
    const std::vector<KeyRow> rows = TranslatedKeys(MainWindowKeys());
    int keysWidth = 0;
    int textWidth = 0;
    for (const KeyRow& row : rows) {
        keysWidth = std::max(keysWidth, canvas.textWidth(row.first));
        textWidth = std::max(textWidth, canvas.textWidth(row.second));
    }
    const std::string title = translated("Keys", "Keys (any key or a click closes this help)");
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

#include "app/menu.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/menufocus.h"
#include "canvas/decorative.h"
#include "canvas/keyboardhelp.h"
#include "canvas/primitives.h"
#include "canvas/screenitems.h"
#include "pump/pump.h"

namespace zentova {

namespace {

constexpr int IdleRestMs = 10;

constexpr PackedColor White = packColor(255, 255, 255);
constexpr PackedColor Black = packColor(0, 0, 0);

// Where item i answers to the pointer; all four bounds are exclusive.
bool insideItem(int mouseX, int mouseY, int x, int y, int right, int i) {
    return mouseX > x + 15 * i && mouseX < right + 15 * i && mouseY > y + 30 * i &&
           mouseY < y + 30 * i + 30;
}

// Twenty rows in the exclusive-or pen: drawn once it shows, drawn again it is gone. It grows
// by 10 per item while the boxes move by 15, so it ends short of the lower boxes' right edges.
void drawBand(Canvas& canvas, int x, int y, int right, int i) {
    for (int k = 1; k <= 20; ++k)
        DrawLine(canvas, x + 15 * i + 5, y + 30 * i + k, right + 10 * i - 5, y + 30 * i + k);
}

std::string shortened(const std::string& text, std::size_t length) {
    return text.size() > length ? text.substr(0, length) : text;
}

}  // namespace

void MovePointerTo(PointerControl& pointer, int x, int y) {
    pointer.movePointerTo(x, y);
}

namespace {

// The menu's boxes, in one style for all, its items and its title. The negative left edge
// keeps the shine off the boxes.
void drawMenu(Toolkit& toolkit, Canvas& canvas, int x, int y, int right, int n,
              const std::string& title, Rgb color, const MenuItems& items,
              const MenuDisabled& disabled) {
    const int style = 1 + randomBelow(toolkit, DecorativeStyleCount);
    for (int i = 0; i < n; ++i)
        DecorativeBox(toolkit, canvas, -(x + 15 * i), y + 30 * i - 5, right + 15 * i,
                      y + 30 * i + 25, color.r, color.g, color.b, style);
    for (int i = 0; i < n; ++i) {
        const auto item = static_cast<std::size_t>(i);
        ShadowText(canvas, x + 15 * i + 10, y + 30 * i + 3, shortened(items[item], 255),
                   disabled[item] ? Black : White);
    }
    ShadowText(canvas, x - 15, y - 30, shortened(title, 160), White);
}

// One look at the items under the pointer: the band blinks over the item there, twice
// unless `take` chooses it after the first. False when the pointer is over no item.
template <typename Take>
bool blinkUnderPointer(Canvas& canvas, const InputState& input, int x, int y, int right, int n,
                       const int& choice, Take take) {
    bool overAnItem = false;
    for (int i = 0; i < n; ++i) {
        if (!insideItem(input.mouseX, input.mouseY, x, y, right, i)) continue;
        overAnItem = true;
        drawBand(canvas, x, y, right, i);
        SleepMs(20);
        ProcessMessages();
        take(i);
        if (choice == 0) {
            drawBand(canvas, x, y, right, i);
            SleepMs(20);
            ProcessMessages();
            take(i);
        }
    }
    return overAnItem;
}

// Every key since the last look, in order, until one chooses: fast presses each move the
// focus frame. The band's pen is set again after each.
void takeKeys(Toolkit& toolkit, Canvas& canvas, InputState& input, MenuFocus& focus, int& choice) {
    while (choice == 0 && !input.keys.empty()) {
        const int key = input.keys.take().key;
        canvas.setPenMode(PenMode::Copy);
        if (IsHelpKey(key)) ShowKeyboardHelp(toolkit);
        choice = focus.onKey(toolkit, canvas, key);
        canvas.setPenMode(PenMode::Xor);
        SetPenRGB(canvas, 0, 0, 255);
    }
}

}  // namespace

void MainMenu(Toolkit& toolkit, Canvas& canvas, PointerControl& pointer, int x, int y,
              const std::string& title, Rgb color, const MenuItems& items,
              const MenuDisabled& disabled, int& choice) {
    int n = 0;
    int w = 0;
    while (n < MenuShownItems && !items[static_cast<std::size_t>(n)].empty()) {
        w = std::max(w, canvas.textWidth(shortened(items[static_cast<std::size_t>(n)], 255)));
        ++n;
    }
    if (n == 0) return;
    const int right = x + w + 20;

    drawMenu(toolkit, canvas, x, y, right, n, title, color, items, disabled);

    choice = 0;
    MovePointerTo(pointer, x + 30, y + 10);
    pointer.setHandCursor(true);
    SaveScreen(toolkit);
    // Item i's box, where the keyboard's focus frame goes.
    const auto box = [&](int i) {
        return QRect(QPoint(x + 15 * i, y + 30 * i - 5), QPoint(right + 15 * i, y + 30 * i + 24));
    };
    MenuFocus focus(disabled, n, box);
    std::vector<ScreenItem> said;
    for (int i = 0; i < n; ++i) {
        const auto item = static_cast<std::size_t>(i);
        said.push_back({ScreenRole::Button, items[item], box(i), !disabled[item], false, {}});
    }
    Screen().setMenu(said, focus.item());
    InputState& input = Input();
    input.keys.clear();
    // A click counts only if the button is still down when a test sees it after a pump; one
    // on a disabled item or outside every item starts the wait again.
    const auto take = [&](int i) {
        if (input.mouseButtonState != 0 && !disabled[static_cast<std::size_t>(i)]) choice = i + 1;
    };
    while (choice == 0) {
        input.mouseButtonState = 0;
        canvas.setPenMode(PenMode::Xor);
        SetPenRGB(canvas, 0, 0, 255);
        while (input.mouseButtonState == 0 && choice == 0) {
            ProcessMessages();
            const bool overAnItem = blinkUnderPointer(canvas, input, x, y, right, n, choice, take);
            ProcessMessages();
            // Every key since the last look, in order: fast presses each move the frame.
            takeKeys(toolkit, canvas, input, focus, choice);
            // With the pointer away from the items nothing blinks; a short rest keeps the
            // wait from spinning a processor core.
            if (!overAnItem) SleepMs(IdleRestMs);
        }
    }
    Screen().clearMenu();
    pointer.setHandCursor(false);
    canvas.setPenMode(PenMode::Copy);
    ProcessMessages();
    // Also removes a band left showing when the click came during its first half.
    RestoreScreen(toolkit);
}

}  // namespace zentova

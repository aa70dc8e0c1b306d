// The keyboard on the painted screens, and what assistive technology reads of them.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <vector>

#include "app/accessiblescreen.h"
#include "app/menu.h"
#include "app/summary.h"
#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "support/pixels.h"
#include "support/scriptedpump.h"

namespace zentova {
namespace {

using testing::ScriptedPump;

// The menu shows the hand once it is drawn and waits: the script starts then.
struct NoPointer : PointerControl {
    std::function<void()> onHand;
    void movePointerTo(int, int) override {}
    void setHandCursor(bool hand) override {
        if (hand) onHand();
    }
};

// The painted screen of a window that answers with the screen's accessible interface.
struct Painted {
    Canvas canvas{640, 480};
    RandomSource random{testing::seedGiving(13, 2), {}};
    Toolkit toolkit;
    QWidget window;
    Painted() {
        toolkit.mainCanvas = &canvas;
        toolkit.random = &random;
        MeasureScreen(toolkit, 640, 480);
        InstallScreenAccessibility(&window);
    }
    QAccessibleInterface* access() { return QAccessible::queryAccessibleInterface(&window); }
    // The focused item's name, as a screen reader asks for it.
    QString focused() {
        QAccessibleInterface* focus = access()->focusChild();
        return focus ? focus->text(QAccessible::Name) : QString();
    }
};

// Presses in one pump, as keys pressed faster than the wait looks arrive together.
ScriptedPump::Step keys(std::vector<KeyPress> presses) {
    return [presses](InputState& in) {
        for (const KeyPress& p : presses) in.keys.push(p);
    };
}
ScriptedPump::Step key(int code) {
    return keys({{code, 0}});
}

TEST(Keyboard, MenuFocusSkipsDisabledItemsAndTheKeysChoose) {
    struct Case {
        std::vector<int> keys;
        int choice;
        const char* focusAfterFirstKey;
    };
    // "Retrieve project" is disabled: the focus passes it by, round the ends too.
    const Case cases[] = {
        {{Qt::Key_Down, Qt::Key_Space}, 3, "Show/Edit project"},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}, 1, "Show/Edit project"},
        {{Qt::Key_Up, Qt::Key_Return}, 3, "Show/Edit project"},
        {{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return}, 1, "Show/Edit project"},
    };
    for (const Case& c : cases) {
        Painted screen;
        ScriptedPump pump;
        MenuItems items{"New project", "Retrieve project", "Show/Edit project"};
        MenuDisabled disabled{};
        disabled[1] = true;
        QStringList names, seen;
        QImage drawn;
        std::vector<QImage> after;  // the screen after each key
        NoPointer pointer;
        pointer.onHand = [&] {
            pump.then([&](InputState&) {
                drawn = screen.canvas.image();
                QAccessibleInterface* a = screen.access();
                for (int i = 0; i < a->childCount(); ++i)
                    names << a->child(i)->text(QAccessible::Name) +
                                 (a->child(i)->state().disabled ? " (disabled)" : "");
                seen << screen.focused();
            });
            for (const int code : c.keys) {
                pump.then(key(code)).then([&](InputState&) {});
                pump.then([&](InputState&) {
                    seen << screen.focused();
                    after.push_back(screen.canvas.image());
                });
            }
        };
        int choice = 0;
        MainMenu(screen.toolkit, screen.canvas, pointer, 100, 100, "Main menu", {120, 160, 0},
                 items, disabled, choice);
        EXPECT_EQ(choice, c.choice);
        EXPECT_EQ(names,
                  QStringList({"New project", "Retrieve project (disabled)", "Show/Edit project"}));
        EXPECT_EQ(seen.value(0), "New project");
        // A moved focus is framed in white on its box; before any key nothing is.
        const auto corner = [](const QImage& image, int i) {
            return image.pixel(100 + 15 * i, 100 + 30 * i - 5);
        };
        EXPECT_NE(corner(drawn, 0), qRgb(255, 255, 255));
        EXPECT_NE(corner(drawn, 2), qRgb(255, 255, 255));
        if (c.keys.size() > 1) {
            EXPECT_EQ(seen.value(1), c.focusAfterFirstKey);
            const int item = seen.value(1) == "New project" ? 0 : 2;
            EXPECT_EQ(corner(after.at(0), item), qRgb(255, 255, 255));
        }
        // Once it has moved on, the box it left is as the menu drew it.
        if (c.keys.size() == 3) {
            EXPECT_EQ(corner(after.at(1), 2), corner(drawn, 2));
            EXPECT_EQ(corner(after.at(1), 0), qRgb(255, 255, 255));
        }
        EXPECT_EQ(screen.access()->childCount(), 0);  // the menu is gone
    }
}

// Before a key has shown the frame, Enter and Space at the menu choose nothing; presses
// faster than the menu looks (10 ms apart, a held key's repeats) each move the frame.
TEST(Keyboard, MenuKeysChooseOnlyAFramedItemAndFastPressesEachCount) {
    Painted screen;
    ScriptedPump pump;
    MenuItems items{"New project", "Retrieve project", "Show/Edit project",
                    "Save as",     "Calculate",        "Show history"};
    MenuDisabled disabled{};
    NoPointer pointer;
    QImage unframed;
    QString focusThen;
    pointer.onHand = [&] {
        pump.then(keys({{Qt::Key_Return, 13}, {Qt::Key_Space, ' '}, {Qt::Key_Enter, 13}}));
        pump.idle(3);
        pump.then([&](InputState&) {
            unframed = screen.canvas.image();
            focusThen = screen.focused();
        });
        pump.then(
            keys({{Qt::Key_Down, 0}, {Qt::Key_Down, 0}, {Qt::Key_Down, 0}, {Qt::Key_Down, 0}}));
        pump.idle(3);
        pump.then(key(Qt::Key_Return));
    };
    int choice = 0;
    MainMenu(screen.toolkit, screen.canvas, pointer, 100, 100, "Main menu", {120, 160, 0}, items,
             disabled, choice);
    EXPECT_EQ(choice, 5);  // "Calculate"
    ASSERT_FALSE(unframed.isNull());
    EXPECT_NE(unframed.pixel(100, 95), qRgb(255, 255, 255));  // no frame on "New project"
    EXPECT_EQ(focusThen, "New project");
}

// The box's own keys answer without a frame (Y, y, N, n, Enter); Space answers only the
// framed button, and presses that come together are taken in order.
TEST(Keyboard, QuestionKeysWithoutAFrameAreTheBoxsOwn) {
    struct Case {
        std::vector<std::vector<KeyPress>> pumps;
        bool yes;
    };
    const Case cases[] = {
        {{{{Qt::Key_Space, ' '}}, {{Qt::Key_N, 'n'}}}, false},
        {{{{Qt::Key_Space, ' '}, {Qt::Key_Y, 'Y'}}}, true},
        {{{{Qt::Key_Return, 13}}}, true},
        {{{{Qt::Key_Right, 0}, {Qt::Key_Return, 13}}}, false},
        {{{{Qt::Key_Right, 0}, {Qt::Key_Left, 0}, {Qt::Key_Space, ' '}}}, true},
        {{{{Qt::Key_Y, 'y'}, {Qt::Key_Right, 0}}}, true},
    };
    for (const Case& c : cases) {
        Painted screen;
        ScriptedPump pump;
        // Once the question is there, one group of presses a pump.
        std::size_t next = 0;
        int unanswered = 0;
        pump.thenRepeat([&](InputState& in) {
            if (next == c.pumps.size() && ++unanswered > 50)
                throw std::runtime_error("the keys gave no answer");
            if (screen.access()->childCount() == 0 || next == c.pumps.size()) return;
            for (const KeyPress& p : c.pumps[next++]) in.keys.push(p);
        });
        EXPECT_EQ(Confirm(screen.toolkit, "Overwrite ?"), c.yes) << c.pumps.size();
    }
}

TEST(Keyboard, QuestionIsADialogWhoseFocusTheArrowsMoveAndNoteAnAlert) {
    Painted screen;
    ScriptedPump pump;
    QString dialog, alert;
    QStringList focus;
    // The prompt pumps as it paints: the script waits until the question is there.
    int stage = 0;
    pump.thenRepeat([&](InputState& in) {
        if (screen.access()->childCount() == 0) return;
        QAccessibleInterface* box = screen.access()->child(0);
        switch (stage++) {
            case 0:
                dialog = box->text(QAccessible::Name) + "|" + QString::number(box->role()) + "|" +
                         box->child(0)->text(QAccessible::Name) + "|" +
                         box->child(1)->text(QAccessible::Name);
                focus << screen.focused();
                break;
            case 1:
                in.keys.push({Qt::Key_Right, 0});
                break;
            case 2:
                focus << screen.focused();
                break;
            default:
                in.keys.push({Qt::Key_Return, 13});
        }
    });
    EXPECT_FALSE(Confirm(screen.toolkit, "Save the new force coefficients ?"));
    EXPECT_EQ(dialog, QString("Save the new force coefficients ?|%1|YES|NO")
                          .arg(static_cast<int>(QAccessible::Dialog)));
    EXPECT_EQ(focus, QStringList({"YES", "NO"}));

    pump.thenRepeat([&](InputState& in) {
        if (screen.access()->childCount() == 0) return;
        QAccessibleInterface* note = screen.access()->child(0);
        if (note->role() == QAccessible::AlertMessage) alert = note->text(QAccessible::Name);
        in.lastKey = ' ';
    });
    NoteBox(screen.toolkit, "This project has no file yet.", "", "Save it first.", "", 0, 0);
    EXPECT_EQ(alert, "This project has no file yet.\nSave it first.");
    EXPECT_EQ(screen.access()->childCount(), 0);
}

TEST(Keyboard, TheSummaryReadsAsTextWhileAProjectIsLoaded) {
    Painted screen;
    Project project;
    project.name = "Salt";
    project.typeCount = 1;
    project.particleCount = 4;
    project.ae = 1.0;
    project.ag = 0.5;
    project.counts[1] = 4;
    project.masses[1] = 1.5;
    project.charges[1] = 1;
    ProjectSource source;
    source.path = "salt.zpr";
    source.loaded = true;
    ShowProject(screen.toolkit, project, source);
    QAccessibleInterface* summary = screen.access()->child(0);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->role(), QAccessible::StaticText);
    EXPECT_EQ(summary->text(QAccessible::Name),
              "Salt. File salt.zpr. 1 parlicle types. 4 total particles. Force coefficients: 1  "
              "0.5  0. Type 1 (4). Mass 1.500  charge 1");
    source.loaded = false;
    ShowProject(screen.toolkit, project, source);
    EXPECT_EQ(screen.access()->childCount(), 0);
}

}  // namespace
}  // namespace zentova

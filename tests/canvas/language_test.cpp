// The 2-D toolkit in the class's language: questions, file notes, the keyboard help and the
// numbers of the plotter; English as it always was.

#include "lang/language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/axisnumbers.h"
#include "canvas/keyboardhelp.h"
#include "canvas/plotter.h"
#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "canvas/screenitems.h"
#include "files/fileerror.h"
#include "lang/catalogues.h"
#include "support/chosenlanguage.h"
#include "support/pixels.h"
#include "support/scriptedpump.h"

namespace zentova {
namespace {

using testing::ChosenLanguage;
using testing::ScriptedPump;

struct QuestionScreen {
    Canvas canvas{800, 600};
    RandomSource random{7, {}};
    Toolkit toolkit;
    ScriptedPump pump;
    QuestionScreen() {
        toolkit.mainCanvas = &canvas;
        toolkit.random = &random;
        MeasureScreen(toolkit, 800, 600);
        ClearScreen(toolkit, canvas, 0, 0, 0);
    }
};

// What a question says and paints in each language, and that Y still answers it.
TEST(QuestionLanguage, TheOvalsReadTheLanguagesYesAndNo) {
    struct Case {
        const char* code;
        const char* yes;
        const char* no;
    };
    const Case cases[] = {{"en", "YES", "NO"}, {"de", "JA", "NEIN"}, {"pl", "TAK", "NIE"}};
    QImage englishPicture;
    for (const Case& c : cases) {
        const ChosenLanguage language(c.code);
        QuestionScreen s;
        std::vector<std::string> buttons;
        QImage painted;
        s.pump.afterMs(50, [&](InputState& in) {
            const std::vector<ScreenItem> items = Screen().items();
            for (const ScreenItem& part : items.front().parts) buttons.push_back(part.name);
            painted = s.canvas.image().copy();
            in.lastKey = 'y';
        });
        EXPECT_TRUE(ConfirmAt(s.toolkit, 400, 300, "Sure ?")) << c.code;
        EXPECT_EQ(buttons, (std::vector<std::string>{c.yes, c.no})) << c.code;
        if (englishPicture.isNull())
            englishPicture = painted;
        else
            EXPECT_NE(painted, englishPicture) << c.code << " paints English words";
    }
}

// The first letter of the language's YES answers it too (J for JA); N stays NO everywhere,
// and English takes only its own Y.
TEST(QuestionLanguage, TheLanguagesYesLetterAnswersYes) {
    const struct {
        const char* code;
        char key;
        bool yes;
    } cases[] = {{"de", 'j', true},  {"de", 'J', true}, {"pl", 't', true},  {"fr", 'o', true},
                 {"es", 's', true},  {"de", 'y', true}, {"pl", 'n', false}, {"en", 'j', false},
                 {"en", 't', false}, {"de", 't', false}};
    for (const auto& c : cases) {
        const ChosenLanguage language(c.code);
        QuestionScreen s;
        const char key = c.key;
        s.pump.afterMs(50, [key](InputState& in) { in.lastKey = key; });
        s.pump.afterMs(500, [](InputState& in) { in.lastKey = 'n'; });
        EXPECT_EQ(ConfirmAt(s.toolkit, 400, 300, "Sure ?"), c.yes) << c.code << " " << c.key;
        EXPECT_EQ(s.pump.clockMs() >= 500, !c.yes && c.key != 'n') << c.code << " " << c.key;
    }
}

TEST(QuestionLanguage, AFileNoteNamesTheLineInTheLanguage) {
    const struct {
        const char* code;
        const char* place;
    } cases[] = {
        {"en", "run.zpr, line 3"}, {"de", "run.zpr, Zeile 3"}, {"pl", "run.zpr, wiersz 3"}};
    for (const auto& c : cases) {
        const ChosenLanguage language(c.code);
        EXPECT_EQ(fileErrorPlace(FileError("run.zpr", 3, "bad number")), c.place) << c.code;
    }
}

// Every row of the main window's keyboard help goes through the catalogue: the
// pseudo-language changes each of them, English none.
TEST(KeysLanguage, EveryRowOfTheKeyboardHelpIsTranslated) {
    const std::vector<KeyRow>& table = MainWindowKeys();
    {
        const ChosenLanguage language("en");
        EXPECT_EQ(TranslatedKeys(table), table);
    }
    {
        const ChosenLanguage language("en-XA");
        const std::vector<KeyRow> shown = TranslatedKeys(table);
        ASSERT_EQ(shown.size(), table.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_NE(shown[i].first, table[i].first);
            EXPECT_NE(shown[i].second, table[i].second);
        }
    }
    const ChosenLanguage german("de");
    EXPECT_EQ(TranslatedKeys(MainWindowKeys())[1],
              KeyRow("Eingabe oder Leertaste", "den Punkt im Rahmen wählen"));
}

// The main window's keyboard help stands in the middle of a drawing area sized for the
// English one: no language's panel may be wider.
TEST(KeysLanguage, NoLanguagesHelpIsWiderThanTheEnglishOne) {
    const auto panelWidth = [](const std::string& code) {
        const ChosenLanguage language(code.c_str());
        QuestionScreen s;
        const QImage before = s.canvas.image().copy();
        QRect panel;
        s.pump.afterMs(50, [&](InputState& in) {
            panel = testing::changedArea(before, s.canvas.image());
            in.lastKey = ' ';
        });
        ShowKeyboardHelp(s.toolkit);
        return panel.width();
    };
    const int english = panelWidth("en");
    ASSERT_GT(english, 400);
    for (const std::string& code : installedLanguages())
        EXPECT_LE(panelWidth(code), english) << code;
}

TEST(PlotterLanguage, NumbersOnScreenTakeTheLanguagesSeparator) {
    const struct {
        const char* code;
        const char* written;
        const char* shown;
    } cases[] = {
        {"en", "  -1.2500", "  -1.2500"},
        {"de", "  -1.2500", "  -1,2500"},
        {"fr", "0.5", "0,5"},
        {"pl", "1e-05", "1e-05"},
        {"de", "12", "12"},
        {"de", "1.5e+06", "1,5e+06"},
    };
    for (const auto& c : cases) {
        const ChosenLanguage language(c.code);
        EXPECT_EQ(withScreenSeparator(c.written), c.shown) << c.code << " " << c.written;
    }
    // Ties rounded as printf rounds them in the files, to even: English stays as it was.
    const ChosenLanguage german("de");
    EXPECT_EQ(screenNumber(1234.0625, 3), "1234,062");
    EXPECT_EQ(screenNumber(88.5, 0), "88");
    EXPECT_EQ(screenNumber(-0.25, 1), "-0,2");
}

}  // namespace
}  // namespace zentova

// The main window in the chosen language: the menu, the summary and the caption in German
// with a decimal comma, English exactly as always, the examples' names translated on screen
// but never in their files, and every summary row inside its panel in every language.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/examplenames.h"
#include "app/fileops.h"
#include "app/openedfile.h"
#include "app/summary.h"
#include "canvas/screenitems.h"
#include "driver_fixture.h"
#include "files/projectfile.h"
#include "lang/language.h"
#include "support/pixels.h"

namespace zentova {
namespace {

using testing::DriverWorld;
using testing::ProcessEnded;
using testing::readBytes;

// Chooses a language as --language does, and goes back to the desktop's afterwards.
class ChosenLanguage : public ::testing::Test {
  protected:
    void TearDown() override {
        ::unsetenv(LanguageVariable);
        installLanguage();
    }
    static void choose(const std::string& code) {
        ::setenv(LanguageVariable, code.c_str(), 1);
        ASSERT_EQ(installLanguage(), code);
    }
};

Project crystal() {
    Project p;
    p.name = "Ionic crystal 2+/1-";
    p.typeCount = 2;
    p.ae = 1.0;
    p.ag = 0.5;
    p.ar = 0.0001;
    p.counts = {0, 3, 2};
    p.masses = {0, 1.5, 2.0};
    p.charges = {0, 1, -1};
    p.diameters = {0, 6.0, 6.0};
    p.colors[1] = {255, 0, 0};
    p.colors[2] = {0, 0, 255};
    return p;
}

struct Shown {
    std::vector<std::string> menu;
    std::string summary;
};

// Starts the driver on the project file, reads what the waiting menu says to a screen
// reader, then chooses "Exit".
Shown showMenu(DriverWorld& w, const std::string& project) {
    Shown shown;
    MainDriver driver = w.driver(project);
    driver.startUp();
    w.shell.onMenu = [&] {
        w.shell.onMenu = nullptr;
        w.pump.afterMs(w.pump.clockMs() + 40, [&](InputState&) {
            for (const ScreenItem& item : Screen().items()) {
                if (item.role == ScreenRole::Button) shown.menu.push_back(item.name);
            }
            shown.summary = Screen().summaryText();
        });
        w.press(11, 200);
    };
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    return shown;
}

TEST_F(ChosenLanguage, TheMenuTheSummaryAndTheCaptionComeOutInTheChosenLanguage) {
    struct Case {
        const char* language;
        std::vector<std::string> menu;
        const char* summary;
        const char* caption;
    };
    const Case cases[] = {
        {"de",
         {"Neues Projekt", "Projekt öffnen", "Projekt zeigen/ändern", "Speichern unter",
          "Berechnen", "Verlauf zeigen", "Endzustand zeigen", "Kräfte zeigen/festlegen",
          "Erweiterte Einstellungen", "Hilfe/Handbuch", "Beenden"},
         "Ionenkristall 2+/1-. Datei zen1.zpr. 2 Teilchentypen. 5 Teilchen insgesamt. "
         "Kraftkoeffizienten: 1  0,5  0,0001. Typ 1 (3). m = 1,500  q = 1. Typ 2 (2). "
         "m = 2,000  q = -1",
         "Zentova - Projekt: Ionenkristall 2+/1-   Datei zen1.zpr"},
        // English is the program's own wording, typos included.
        {"en",
         {"New project", "Retrieve project", "Show/Edit project", "Save as", "Calculate",
          "Show history", "Show final state", "Show/define forces", "Advanced setup", "Help/Manual",
          "Exit"},
         "Ionic crystal 2+/1-. File zen1.zpr. 2 parlicle types. 5 total particles. "
         "Force coefficients: 1  0.5  0.0001. Type 1 (3). Mass 1.500  charge 1. Type 2 (2). "
         "Mass 2.000  charge -1",
         "Zentova - Project : Ionic crystal 2+/1-   File zen1.zpr"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        choose(c.language);
        DriverWorld w;
        saveProjectFile("zen1.zpr", crystal());
        const std::string file = readBytes("zen1.zpr");
        const Shown shown = showMenu(w, "zen1.zpr");
        EXPECT_EQ(shown.menu, c.menu);
        EXPECT_EQ(shown.summary, c.summary);
        EXPECT_EQ(w.shell.captions.back(), c.caption);
        EXPECT_EQ(readBytes("zen1.zpr"), file) << "showing a name changed its file";
    }
}

TEST_F(ChosenLanguage, OnlyTheShippedNamesOfTheExamplesAreTranslated) {
    choose("de");
    EXPECT_EQ(shownProjectName("Salt crystal (demo)"), "Salzkristall (Demo)");
    EXPECT_EQ(shownProjectName("Core and shell"), "Kern und Hülle");
    // A name of the user's, or a shipped one changed in the editor, is shown as typed.
    EXPECT_EQ(shownProjectName("Salt crystal"), "Salt crystal");
    EXPECT_EQ(shownProjectName("core and shell"), "core and shell");
    EXPECT_EQ(shownProjectName("?"), "?");

    // A copy saved from an example keeps the English name its file had.
    DriverWorld w;
    w.program->project = crystal();
    w.program->source.loaded = true;
    w.program->source.path = "crystal.zpr";
    w.saveAnswers = {std::string("copy.zpr")};
    ASSERT_TRUE(SaveProjectAs(*w.program, w.shell, w.files));
    EXPECT_EQ(readBytes("copy.zpr").substr(0, 21), "Ionic crystal 2+/1-\r\n");
    EXPECT_EQ(w.shell.captions.back(), "Zentova - Projekt: Ionenkristall 2+/1-   Datei copy.zpr");
}

// Scripts read the terminal's lines: only the note on screen changes with the language.
TEST_F(ChosenLanguage, AMissingProjectIsToldInTheLanguageOnScreenAndInEnglishToTheTerminal) {
    choose("de");
    const OpenedFile lone = projectForOpenedFile("/nowhere/gamma.his");
    EXPECT_EQ(lone.message,
              "gamma.his belongs to the project gamma.zpr, which is not in the same folder.");
    EXPECT_EQ(lone.problem, (std::array<std::string, 4>{
                                "gamma.his gehört zum Projekt gamma.zpr,",
                                "das nicht im selben Ordner liegt.",
                                "Das Projekt neben seine Dateien legen",
                                "oder im Menü ein anderes öffnen.",
                            }));
}

TEST_F(ChosenLanguage, CountedTextsTakeEachLanguagesPluralForms) {
    struct Case {
        const char* language;
        int count;
        const char* types;
    };
    // Polish: 1; 2 to 4 but not 12 to 14; the rest. French counts 0 with 1.
    const Case cases[] = {
        {"pl", 1, "1 typ cząstek"},         {"pl", 3, "3 typy cząstek"},
        {"pl", 5, "5 typów cząstek"},       {"pl", 12, "12 typów cząstek"},
        {"pl", 22, "22 typy cząstek"},      {"de", 1, "1 Teilchentyp"},
        {"de", 2, "2 Teilchentypen"},       {"fr", 0, "0 type de particules"},
        {"fr", 2, "2 types de particules"}, {"en", 1, "1 parlicle types"},
    };
    for (const Case& c : cases) {
        choose(c.language);
        EXPECT_EQ(translated("Summary", "%n parlicle types", nullptr, c.count), c.types)
            << c.language << " " << c.count;
    }
}

// The panel is 197 pixels wide whatever the language: a row that reaches its last columns
// has been cut at the edge.
TEST_F(ChosenLanguage, EverySummaryRowStaysInsideThePanel) {
    constexpr PackedColor Text = packColor(220, 220, 220);
    const char* examples[] = {"Ionic crystal 2+/1-", "Gravity collapse",     "Like charges repel",
                              "Core and shell",      "Plasma of five kinds", "Showpiece: 200",
                              "Salt crystal (demo)"};
    for (const char* language : {"en", "de", "fr", "es", "it", "pl", "pt_BR"}) {
        choose(language);
        for (const char* name : examples) {
            Canvas canvas(400, 500);
            Toolkit toolkit;
            toolkit.mainCanvas = &canvas;
            MeasureScreen(toolkit, 400, 500);
            Project project = crystal();
            project.name = name;
            project.typeCount = 5;
            project.particleCount = 200;
            project.counts = {0, 40, 40, 40, 40, 40};
            project.masses = {0, 10.0, 200.5, 0.125, 16.0, 39.95};
            project.charges = {0, -2, 2, 1, -1, 0};
            ProjectSource source;
            source.loaded = true;
            source.path = "zen5.zpr";
            ShowProject(toolkit, project, source);
            for (int row = 1; row <= 5 + 2 * project.typeCount + 1; ++row) {
                const QRect edge(196, row * 17 - 1, 4, 17);
                EXPECT_EQ(testing::countColor(canvas.image(), edge, Text), 0)
                    << language << ", row " << row << " of: " << Screen().summaryText();
            }
        }
    }
}

}  // namespace
}  // namespace zentova

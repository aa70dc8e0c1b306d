// What the key D says of a picture, on particles placed by hand.

#include "runs/description.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <array>
#include <string>
#include <vector>

#include "lang/catalogues.h"
#include "support/chosenlanguage.h"
#include "view3d/viewwindow.h"

namespace zentova {
namespace {

using testing::ChosenLanguage;

TEST(Description, SaysHowSpreadTheParticlesAreAndWhetherTheTypesMix) {
    const ChosenLanguage english("en");
    Project project;
    project.masses[1] = 1.0;
    project.masses[2] = 2.5;
    struct Case {
        std::vector<double> xs;  // on the x axis
        std::vector<int> types;
        const char* said;
    };
    // Radius of gyration sqrt((9 + 1 + 1 + 9) / 4) = 2.24; the centres -2 and 2 (4 apart,
    // separated), or both 0 (mixed).
    const Case cases[] = {
        {{-3, -1, 1, 3},
         {1, 1, 2, 2},
         "4 particles of 2 types: 2 of type 1 (mass 1), 2 of type 2 (mass 2.5). Radius of "
         "gyration 2.24 in a cube of half edge 10. The types are separated: the centres of "
         "types 1 and 2 lie 4 apart."},
        {{-3, -1, 1, 3},
         {1, 2, 2, 1},
         "4 particles of 2 types: 2 of type 1 (mass 1), 2 of type 2 (mass 2.5). Radius of "
         "gyration 2.24 in a cube of half edge 10. The types are mixed: the centres of types "
         "1 and 2 lie 0 apart."},
        {{5, 7},
         {1, 1},
         "2 particles of 1 type: 2 of type 1 (mass 1). Radius of gyration 1 "
         "in a cube of half edge 10."},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.xs.size());
        const ParticlePlaces places{[n] { return n; },
                                    [&](int p, int axis) { return axis == 0 ? c.xs[p - 1] : 0.0; },
                                    [&](int p) { return c.types[p - 1]; }};
        EXPECT_EQ(DescribeParticles(project, places, 10.0), c.said);
    }
}

// A replay gives its frame's places once, before the first frame is read: the key D then
// describes the frame shown, not the empty one there was at the start.
TEST(Description, AFramesPlacesFollowTheFrameShown) {
    const ChosenLanguage english("en");
    Project project;
    project.typeCount = 1;
    project.masses[1] = 1.0;
    Frame frame;
    const ParticlePlaces places = framePlaces(frame);
    EXPECT_EQ(DescribeParticles(project, places, 10.0), "No particles are shown.");
    frame.count = 2;
    frame.types[1] = frame.types[2] = 1;
    frame.positions[3 * 1] = 5;
    frame.positions[3 * 2] = 7;
    EXPECT_EQ(DescribeParticles(project, places, 10.0),
              "2 particles of 1 type: 2 of type 1 (mass 1). Radius of gyration 1 in a cube of "
              "half edge 10.");
}

// Polish counts types in three forms (1; 2 to 4; 5 and more) and writes a decimal comma.
TEST(Description, PolishCountsTheTypesInItsThreeForms) {
    const ChosenLanguage polish("pl");
    Project project;
    for (int t = 1; t <= 5; ++t) project.masses[static_cast<std::size_t>(t)] = 2.5;
    struct Case {
        std::vector<int> types;
        const char* start;
    };
    const Case cases[] = {
        {{1, 1}, "Liczba cząstek: 2, 1 typ: typ 1: 2 (masa 2,5)."},
        {{1, 2}, "Liczba cząstek: 2, 2 typy: typ 1: 1 (masa 2,5), typ 2: 1 (masa 2,5)."},
        {{1, 2, 3, 4}, "Liczba cząstek: 4, 4 typy: "},
        {{1, 2, 3, 4, 5}, "Liczba cząstek: 5, 5 typów: "},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.types.size());
        const ParticlePlaces places{[n] { return n; },
                                    [](int p, int axis) { return axis == 0 ? 1.5 * p : 0.0; },
                                    [&](int p) { return c.types[p - 1]; }};
        const std::string said = DescribeParticles(project, places, 10.0);
        EXPECT_EQ(said.substr(0, std::string(c.start).size()), c.start) << said;
        EXPECT_NE(said.find("w sześcianie o połowie krawędzi 10."), std::string::npos) << said;
    }
}

// The calculation's status line: in English exactly the readings line and the bath as the
// files' reports write them; in German with decimal commas.
TEST(ReadingsOnScreen, EnglishAsTheReportsGermanWithCommas) {
    const Readings cases[] = {
        {1.5, 3, 1234.4, 0.012345}, {0.0, 0, 0.0, 0.0}, {1234.0625, 120000, 88.5, 1.5e6}};
    {
        const ChosenLanguage english("en");
        for (const Readings& r : cases) {
            EXPECT_EQ(readingsOnScreen(r, 1.25), formatReadings(r) + "   " + formatBath(1.25));
            EXPECT_EQ(readingsOnScreen(r, 0.8), formatReadings(r) + "   " + formatBath(0.8));
        }
        EXPECT_EQ(timeText(0.25), "t = 0.250");
    }
    const ChosenLanguage german("de");
    EXPECT_EQ(readingsOnScreen(cases[0], 1.25),
              "t = 1,500   Bilder 3   1234 Schritte/s   mittl. kin. Energie 0,012345 je Teilchen   "
              "Bad x 1,25");
    EXPECT_EQ(readingsOnScreen(cases[2], 1.0),
              "t = 1234,062   Bilder 120000   88 Schritte/s   mittl. kin. Energie 1,5e+06 je "
              "Teilchen   Bad x 1,00");
    EXPECT_EQ(timeText(0.25), "t = 0,250");
}

// The status line is one strip across the view window: a busy run's readings take no more
// of it in any language than in English.
TEST(ReadingsOnScreen, ABusyRunsLineFitsTheStatusLineInEveryLanguage) {
    const Readings busy{1234.567, 123456, 12345, 1.2346e5};
    const auto width = [&busy](const std::string& code) {
        const ChosenLanguage language(code.c_str());
        TForm2 window;
        const auto* line = window.findChild<QLabel*>("StatusLine");
        const QString text = QString::fromStdString(readingsOnScreen(busy, 1.25));
        return line ? QFontMetrics(line->font()).horizontalAdvance(text) : 0;
    };
    const int english = width("en");
    ASSERT_GT(english, 400);
    for (const std::string& code : installedLanguages()) EXPECT_LE(width(code), english) << code;
}

}  // namespace
}  // namespace zentova

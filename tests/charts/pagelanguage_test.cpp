// The analysis page and the Readings window in the chosen language: the words and the
// numbers of the page follow it, the CSV files beside it never do.

#include <gtest/gtest.h>

#include <QChartView>
#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "charts/analyse.h"
#include "charts/analysesections.h"
#include "charts/analysispage.h"
#include "charts/plot.h"
#include "charts/readingswindow.h"
#include "lang/language.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

namespace fs = std::filesystem;

// Every test here and in the other files of this program reads English unless it chooses:
// the English catalogue holds the plural forms of the counted texts ("1 frame").
class EnglishFirst : public ::testing::Environment {
  public:
    void SetUp() override { choose("en"); }
    static void choose(const char* code) {
        ::setenv(LanguageVariable, code, 1);
        installLanguage();
    }
};
::testing::Environment* const English = ::testing::AddGlobalTestEnvironment(new EnglishFirst);

class PageLanguage : public ::testing::Test {
  protected:
    void TearDown() override { EnglishFirst::choose("en"); }
};

// A small g(r) with a lump and a clear peak, and two settled and one short heating stretch.
RadialDistribution lumpedRdf() {
    RadialDistribution rdf;
    rdf.edge = 100.0;
    rdf.binWidth = 0.5;
    PairDistribution pair;
    pair.typeA = pair.typeB = 1;
    pair.g = {0.0, 0.0, 1200.0, 300.0};
    pair.counts.assign(4, 0);
    pair.firstPeak = 1.25;
    pair.firstMinimum = 1.75;
    pair.coordinationAB = pair.coordinationBA = 4.5;
    rdf.pairs.push_back(pair);
    rdf.gyrationRadius = std::sqrt(3.0 / 5.0) * 10.0;
    return rdf;
}

std::vector<BathHold> someHolds() {
    std::vector<BathHold> holds(3);
    holds[0] = {1.0, 0.015, 1.5, 100, 50, 10.0, true};
    holds[1] = {1.5625, 1.515, 1.515, 1, 1, 10.9, false};
    holds[2] = {9.31, 1.53, 2.6, 72, 36, 81.2, true};
    return holds;
}

Project oneType() {
    Project p;
    p.typeCount = 1;
    p.counts[1] = 10;
    p.colors[1] = {255, 128, 0};
    return p;
}

TEST_F(PageLanguage, WordsAndNumbersFollowTheLanguageAndTheCsvNever) {
    struct Case {
        const char* code;
        const char* htmlLang;
        const char* heading;       // the g(r) section's
        const char* shortStretch;  // the heating words' count of one frame
        const char* lumpShare;     // "0.42 %" as the language writes it
    };
    const Case cases[] = {
        {"en", "en", "How far apart the particles sit: g(r)", "x 1.56 (1 frame, from t = 1.515)",
         "0.42 %"},
        {"de", "de", "Wie weit die Teilchen auseinander sitzen: g(r)",
         "x 1,56 (1 Bild, ab t = 1,515)", "0,42 %"},
        {"pl", "pl", "Jak daleko od siebie są cząstki: g(r)", "x 1,56 (1 klatka, od t = 1,515)",
         "0,42 %"},
        {"pt_BR", "pt-BR", "A que distância as partículas ficam: g(r)",
         "x 1,56 (1 quadro, a partir de t = 1,515)", "0,42 %"},
    };
    EnglishFirst::choose("en");
    const Section rdfEnglish = rdfSection(lumpedRdf(), oneType());
    const Section heatingEnglish = heatingSection(someHolds());
    for (const Case& c : cases) {
        EnglishFirst::choose(c.code);
        ASSERT_EQ(chosenLanguage(), c.code);
        const Section rdf = rdfSection(lumpedRdf(), oneType());
        const Section heating = heatingSection(someHolds());
        EXPECT_EQ(rdf.heading, c.heading);
        EXPECT_NE(heating.extra.find(c.shortStretch), std::string::npos) << heating.extra;
        EXPECT_NE(rdf.extra.find(c.lumpShare), std::string::npos) << rdf.extra;
        // The files' numbers keep their point in every language.
        EXPECT_EQ(rdf.csv, rdfEnglish.csv) << c.code;
        EXPECT_EQ(heating.csv, heatingEnglish.csv) << c.code;
        const std::string page = pageOf("Salt", "", {rdf}, "");
        EXPECT_NE(page.find(std::string("<html lang=\"") + c.htmlLang + "\">"), std::string::npos)
            << c.code;
        EXPECT_NE(page.find("<h2>" + rdf.heading + "</h2>"), std::string::npos) << c.code;
    }
}

TEST_F(PageLanguage, TheFramesSentenceCountsInTheLanguagesPluralForms) {
    struct Case {
        const char* code;
        PageFrames used;
        const char* sentence;
    };
    const Case cases[] = {
        {"en",
         {12, 40, "1.500", "3.000"},
         "The structure and the wandering use 12 of the 40 frames, from t = 1.500 to t = 3.000."},
        {"en",
         {1, 1, "0.015", "0.015"},
         "The structure and the wandering use the one frame, at t = 0.015."},
        {"en",
         {4000, 4000, "0.015", "60.000", 2, 2000, 512},
         "The structure and the wandering use 4000 of the 4000 frames of 512 particles, from "
         "t = 0.015 to t = 60.000 (one in every 2, 2000 frames)."},
        {"de",
         {12, 40, "1.500", "3.000"},
         "Die Struktur und die Wanderung nutzen 12 der 40 Bilder, von t = 1,500 bis t = 3,000."},
        // Polish: after "z" (of) every count but one takes the same form.
        {"pl",
         {3, 3, "1.500", "3.000"},
         "Struktura i wędrówka korzystają z 3 z 3 klatek, od t = 1,500 do t = 3,000."},
    };
    for (const Case& c : cases) {
        EnglishFirst::choose(c.code);
        EXPECT_EQ(framesSentence(c.used), c.sentence) << c.code;
    }
    // The Polish count of one in the heating words, of a few and of many.
    EnglishFirst::choose("pl");
    const std::pair<int, const char*> counts[] = {
        {1, "1 klatka"}, {3, "3 klatki"}, {12, "12 klatek"}, {22, "22 klatki"}, {25, "25 klatek"}};
    for (const auto& [frames, words] : counts) {
        std::vector<BathHold> holds = someHolds();
        holds[1].frames = frames;
        EXPECT_NE(heatingSection(holds).extra.find(words), std::string::npos) << frames;
    }
}

// Under the pseudo-language every word of the page is accented: one left plain was never
// given to the translator. File names, options and the words g(r) and t are the page's own.
TEST_F(PageLanguage, ThePseudoLanguageLeavesNoWordOfThePagePlain) {
    EnglishFirst::choose(PseudoLanguage);
    ReadingsTable readings;
    readings.headerKnown = true;
    readings.types = {1};
    for (double e : {5.0, 100.0, 10.0, 10.0, 10.0, 10.0}) {
        ReadingsRow r;
        r.time = 0.015 * (readings.rows.size() + 1);
        r.meanKineticEnergy = e;
        r.typeKineticEnergy = {e};
        r.bathFactor = 1.0;
        readings.rows.push_back(r);
    }
    EnergyLines lines(readings.types);
    for (const ReadingsRow& r : readings.rows) lines.add(r);
    RadialDistribution rdf = lumpedRdf();
    rdf.pairs.push_back(rdf.pairs[0]);
    rdf.pairs[1].firstMinimum = 0.0;  // "no clear dip"
    rdf.pairs.push_back(rdf.pairs[0]);
    rdf.pairs[2].firstPeak = 0.0;  // "no clear peak"
    Displacement msd;
    msd.framesUsed = 1;  // the empty plot's words
    const std::vector<Section> sections = {rdfSection(rdf, oneType()), msdSection(msd, oneType()),
                                           energiesSection(lines, oneType()),
                                           heatingSection(someHolds())};
    PageFrames used{12, 40, "1.500", "3.000", 2, 6};
    const std::string notes = translated(
        "Analysis", "The box is not a cube: g(r) is normalised for a cube of its volume.");
    const std::string whole = pageOf("Ñ", framesSentence(used), sections, notes);
    const std::string page = whole.substr(whole.find("<body>"));  // the style sheet is no words
    // The words a reader sees: outside the tags, and the pictures' alternative texts.
    std::string words;
    bool inTag = false;
    for (std::size_t k = 0; k < page.size(); ++k) {
        if (page[k] == '<') inTag = true;
        if (!inTag) words += page[k];
        if (page.compare(k, 5, "alt=\"") == 0)
            words += " " + page.substr(k + 5, page.find('"', k + 5) - k - 5) + " ";
        if (page[k] == '>') inTag = false;
    }
    // A word is plain when none of its letters is accented; an entity (&quot;) is no word.
    std::vector<std::string> plain;
    std::string word;
    for (char c : words + " ") {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalpha(byte) || byte >= 0x80 || c == '.' || c == '-' || c == '_' || c == '&') {
            word += c;
            continue;
        }
        const bool accented = std::any_of(
            word.begin(), word.end(), [](char l) { return static_cast<unsigned char>(l) >= 0x80; });
        const bool own = word.find(".csv") != std::string::npos ||
                         word.find(".svg") != std::string::npos || word.starts_with("--") ||
                         word.starts_with("&") || word.size() < 3;
        if (!accented && !own) plain.push_back(word);
        word.clear();
    }
    EXPECT_TRUE(plain.empty()) << ::testing::PrintToString(plain);
}

TEST_F(PageLanguage, SpokenAndWrittenNumbersTakeTheLanguagesSeparator) {
    EnglishFirst::choose("de");
    EXPECT_EQ(spokenNumber(2.5).toStdString(), "2,5");
    EXPECT_EQ(spokenNumber(1.5e20).toStdString(), "1,5 mal 10 hoch 20");
    PlotContent content{"Titel", "x", "y", {{"Typ 1", {{0.5, 1.25}}, {}}}};
    EXPECT_EQ(plotInWords(content), "Titel, y gegen x: Typ 1 mit Höchstwert 1,25 bei 0,5.");
    EnglishFirst::choose("en");
    EXPECT_EQ(spokenNumber(2.5).toStdString(), "2.5");
    EXPECT_EQ(plotInWords(content), "Titel, y against x: Typ 1 highest 1.25 at 0.5.");
}

TEST_F(PageLanguage, TheReadingsWindowSaysItsReadingsInTheLanguage) {
    Project project = oneType();
    ReadingsRow row;
    row.time = 0.015;
    row.meanKineticEnergy = 2.5;
    row.typeKineticEnergy = {2.5};
    row.bathFactor = 1.0;
    const std::pair<const char*, const char*> cases[] = {
        {"en",
         "1 frame, from t = 0.015 to t = 0.015. At t = 0.015: all particles 2.5, type 1 "
         "2.5; bath x 1."},
        {"de",
         "1 Bild, von t = 0,015 bis t = 0,015. Bei t = 0,015: alle Teilchen 2,5, Typ 1 "
         "2,5; Bad x 1."},
    };
    for (const auto& [code, said] : cases) {
        EnglishFirst::choose(code);
        ReadingsWindow window(project);
        window.setRows({row});
        EXPECT_EQ(window.findChild<QChartView*>()->accessibleDescription().toStdString(), said)
            << code;
    }
}

// The whole command: an example's analysis under German (and the desktop's German locale)
// and under English writes the same CSV files byte for byte, a page in each language, and
// the same English lines.
TEST_F(PageLanguage, TheAnalysisFilesAreTheSameInEveryLanguage) {
    testing::TempDir dir;
    for (const char* ext : {".zpr", ".his", ".readings.csv"})
        fs::copy_file(std::string(ZENTOVA_SOURCE_DATA) + "/zen3" + ext, dir.file("p") + ext);
    std::map<std::string, std::map<std::string, std::string>> written;
    std::map<std::string, std::string> said;
    for (const char* code : {"en", "de"}) {
        // German as a German desktop has it: the C library's locale too, where there is one.
        if (std::string(code) == "de") std::setlocale(LC_ALL, "de_DE.UTF-8");
        EnglishFirst::choose(code);
        AnalyseOptions options;
        options.projectPath = dir.file("p.zpr");
        options.outFolder = dir.file(code);
        std::ostringstream err;
        ASSERT_EQ(runAnalysis(options, err), 0) << err.str();
        // The same lines but for the output folder's name and the time it took.
        std::string lines = err.str();
        lines = lines.substr(0, lines.rfind(" in "));
        for (std::size_t at; (at = lines.find(options.outFolder)) != std::string::npos;)
            lines.replace(at, options.outFolder.size(), "OUT");
        said[code] = lines;
        for (const auto& entry : fs::directory_iterator(options.outFolder))
            written[code][entry.path().filename().string()] = testing::readBytes(entry.path());
    }
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(written["en"].size(), written["de"].size());
    int csvFiles = 0;
    for (const auto& [name, bytes] : written["en"]) {
        if (fs::path(name).extension() != ".csv") continue;
        ++csvFiles;
        EXPECT_EQ(written["de"][name], bytes) << name;
    }
    EXPECT_GE(csvFiles, 5);
    EXPECT_EQ(said["de"], said["en"]);
    EXPECT_NE(written["de"]["index.html"].find("Was in „"), std::string::npos);
    EXPECT_NE(written["en"]["index.html"].find("What happened in \""), std::string::npos);
}

}  // namespace
}  // namespace zentova

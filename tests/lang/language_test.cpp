#include "lang/language.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lang/keyrows.h"
#include "lang/pseudo.h"

namespace zentova {
namespace {

// What a screen reader reads of a keyboard help: a line a row, the key and its meaning a tab
// apart, in the table's order.
TEST(KeyRowsText, PutsEachRowOnALineOfItsOwn) {
    EXPECT_EQ(KeyRowsText({{"F1 or ?", "help"}, {"Escape", "ends the program"}}),
              "F1 or ?\thelp\nEscape\tends the program\n");
    EXPECT_EQ(KeyRowsText({}), "");
}

TEST(PseudoLanguage, AccentsAndLengthensEachLineAndKeepsTheMarkers) {
    const QString text = pseudoText("Save %1 of %n\nsnapshot %L2");
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 2);
    // 13 characters become 19 (140 %, rounded up), 12 become 17.
    EXPECT_EQ(lines[0], QString::fromUtf8("Šåvé %1 öf %n······"));
    EXPECT_EQ(lines[1].size(), 17);
    EXPECT_TRUE(lines[1].startsWith(QString::fromUtf8("šñåpšhöt %L2")));
    EXPECT_EQ(pseudoText("100 %"), QString::fromUtf8("100 %··"));
    EXPECT_EQ(pseudoText(""), QString());
}

TEST(Filled, PutsEachValueOnceWhereverItsMarkerStands) {
    EXPECT_EQ(filled("%2 of %1", {"3", "frames"}), "frames of 3");
    // A value that reads like a marker is not filled again.
    EXPECT_EQ(filled("%1 and %2", {"%2", "x"}), "%2 and x");
    // A marker without its value stays, as does a percent sign.
    EXPECT_EQ(filled("%1 at 50 %, %3", {"a"}), "a at 50 %, %3");
}

TEST(TranslatedReason, TakesTheNumbersOutLooksUpAndPutsThemBack) {
    ::setenv(LanguageVariable, PseudoLanguage, 1);
    installLanguage();
    // The sentence looked up is the one with markers; the numbers come back as they were.
    EXPECT_EQ(translatedReason("Reasons", "type 12 has a mass of 0"),
              pseudoText("type %1 has a mass of %2")
                  .replace("%1", "12")
                  .replace("%2", "0")
                  .toStdString());
    EXPECT_EQ(translatedReason("Reasons",
                               "type 2 has a diameter of 1e+07, diameters run "
                               "from -1000000 to 1000000"),
              pseudoText("type %1 has a diameter of %2, diameters run from %3 to %4")
                  .replace("%1", "2")
                  .replace("%2", "1e+07")
                  .replace("%3", "-1000000")
                  .replace("%4", "1000000")
                  .toStdString());
    ::setenv(LanguageVariable, "en", 1);
    installLanguage();
    // Without a translation the reason stays as it came, digits inside words too.
    EXPECT_EQ(translatedReason("Reasons", "type 2 has a mass of 0.5"), "type 2 has a mass of 0.5");
    EXPECT_EQ(translatedReason("Reasons", "zen1.his:3: x2 is 1e300"), "zen1.his:3: x2 is 1e300");
    ::unsetenv(LanguageVariable);
    installLanguage();
}

TEST(CatalogueFor, TakesTheFirstDesktopLanguageOneCatalogueFits) {
    const std::vector<std::string> installed = {"de", "fr", "pt_BR"};
    struct Case {
        std::vector<std::string> desktop;
        const char* expected;
    };
    const Case cases[] = {
        {{"de-DE", "en-US"}, "de"},
        {{"de_AT"}, "de"},
        {{"pt"}, "pt_BR"},
        {{"pt-BR"}, "pt_BR"},
        {{"nl", "fr-CA"}, "fr"},
        {{"en-GB", "de"}, "en"},
        {{"C"}, "en"},
        {{"nl", "sv"}, "en"},
        {{}, "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(catalogueFor(c.desktop, installed), c.expected) << c.desktop.size();
}

// The chosen language decides the numbers on screen; files keep their point however the
// desktop's locale writes numbers.
class ChosenLanguage : public ::testing::Test {
  protected:
    void TearDown() override {
        ::unsetenv(LanguageVariable);
        installLanguage();
    }
    static std::string choose(const char* code) {
        ::setenv(LanguageVariable, code, 1);
        return installLanguage();
    }
};

TEST_F(ChosenLanguage, GermanWritesADecimalCommaAndReadsBothSeparators) {
    ASSERT_EQ(choose("de"), "de");
    EXPECT_EQ(chosenLanguage(), "de");
    EXPECT_EQ(screenNumber(0.015, 3), "0,015");
    EXPECT_EQ(screenNumber(12345.5, 1), "12345,5");  // never grouped
    EXPECT_EQ(screenNumber(-0.5, 2), "-0,50");
    double value = 0;
    EXPECT_TRUE(readScreenNumber("1,5", value));
    EXPECT_EQ(value, 1.5);
    EXPECT_TRUE(readScreenNumber(" 2.25 ", value));
    EXPECT_EQ(value, 2.25);
    EXPECT_FALSE(readScreenNumber("1.000,5x", value));
    EXPECT_FALSE(readScreenNumber("nan", value));
    EXPECT_EQ(value, 2.25);
}

TEST_F(ChosenLanguage, EnglishAndThePseudoLanguageKeepThePoint) {
    for (const char* code : {"en", PseudoLanguage}) {
        ASSERT_EQ(choose(code), code);
        EXPECT_EQ(screenNumber(1234.5, 3), "1234.500") << code;
        // Ties rounded as printf rounds them, as the screens always showed them.
        EXPECT_EQ(screenNumber(1234.0625, 3), "1234.062") << code;
        EXPECT_EQ(screenNumber(88.5, 0), "88") << code;
        double value = 0;
        EXPECT_TRUE(readScreenNumber("1234.5", value));
        EXPECT_EQ(value, 1234.5);
    }
    choose("en");
    EXPECT_EQ(translated("Menu", "Exit"), std::string("Exit")) << "English is the source";
    choose(PseudoLanguage);
    EXPECT_EQ(translated("Menu", "Exit"), std::string("Éxît··"));
    // Choosing again replaces the catalogue before.
    choose("en");
    EXPECT_EQ(translated("Menu", "Exit"), std::string("Exit"));
}

TEST_F(ChosenLanguage, TheDesktopsLocaleLeavesPrintfsPointAlone) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", 1.5);
    ASSERT_STREQ(text, "1,500") << "the locale should write a comma before the choice";
    choose("de");
    std::snprintf(text, sizeof text, "%.3f", 1.5);
    EXPECT_STREQ(text, "1.500");
    EXPECT_EQ(std::strtod("2.5", nullptr), 2.5);
    std::setlocale(LC_ALL, "C");
}

TEST(LanguageOption, IsTakenOutOfTheCommandLineWhereverItStands) {
    std::string words[] = {"zentova", "--calculate", "p.zpr", "--language",
                           "en",      "--steps",     "3",     "--language=en"};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    int argc = 8;
    ::unsetenv(LanguageVariable);
    EXPECT_EQ(takeLanguageOption(argc, argv.data()), "");
    ASSERT_EQ(argc, 5);
    EXPECT_STREQ(argv[3], "--steps");
    EXPECT_EQ(argv[5], nullptr);
    EXPECT_STREQ(std::getenv(LanguageVariable), "en");
    ::unsetenv(LanguageVariable);

    for (const char* bad : {"xx", "../../etc/passwd", "de;rm"}) {
        std::string second = bad;
        std::string first = "zentova";
        char* given[] = {first.data(), second.data(), nullptr};
        std::string flag = "--language";
        char* line[] = {first.data(), flag.data(), second.data(), nullptr};
        int count = 3;
        EXPECT_NE(takeLanguageOption(count, line).find("no catalogue for"), std::string::npos)
            << bad;
        EXPECT_EQ(std::getenv(LanguageVariable), nullptr);
        (void)given;
    }
    std::string first = "zentova", flag = "--language";
    char* missing[] = {first.data(), flag.data(), nullptr};
    int count = 2;
    EXPECT_EQ(takeLanguageOption(count, missing), "--language needs a language code");
}

}  // namespace
}  // namespace zentova

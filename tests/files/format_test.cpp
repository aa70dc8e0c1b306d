#include <gtest/gtest.h>

#include <limits>

#include "files/encoding.h"
#include "files/exampleguard.h"
#include "files/numformat.h"

namespace zentova {
namespace {

TEST(NumberFormat, ExponentialAndFixedForms) {
    EXPECT_EQ(formatReal(0.5), " 5.00000000000000E-0001");
    EXPECT_EQ(formatReal(-25.0), "-2.50000000000000E+0001");
    EXPECT_EQ(formatReal(-0.00123), "-1.23000000000000E-0003");
    EXPECT_EQ(formatReal(0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(formatReal(-0.0), " 0.00000000000000E+0000");
    // Rounding to 15 digits may carry into the exponent.
    EXPECT_EQ(formatReal(9.999999999999999), " 1.00000000000000E+0001");
    EXPECT_EQ(formatReal(-1.5e-300), "-1.50000000000000E-0300");
    // Subnormal: the exact value of the nearest double to 1e-320.
    EXPECT_EQ(formatReal(1e-320), " 9.99988867182683E-0321");
    EXPECT_EQ(formatReal(std::numeric_limits<double>::quiet_NaN()).size(), 23u);
    // The largest doubles round down, not up past the largest double: the file must read back.
    EXPECT_EQ(formatReal(-std::numeric_limits<double>::max()), "-1.79769313486231E+0308");
    EXPECT_EQ(formatReal(1.79769313486231e308), " 1.79769313486231E+0308");

    EXPECT_EQ(formatFixed(0.5), "   0.500");
    EXPECT_EQ(formatFixed(-0.5), "  -0.500");
    EXPECT_EQ(formatFixed(-1234.5678), "-1234.568");
    EXPECT_EQ(formatFixed(12345.678), "12345.678");
}

TEST(NumberFormat, MessageAndCsvFormsAsPrintfWritesThem) {
    // Ties of the exact binary value round to even; %g drops trailing zeros and switches to
    // the exponent form below 1e-4 and from 10^digits on.
    EXPECT_EQ(formatDecimals(0.125, 2), "0.12");
    EXPECT_EQ(formatDecimals(-0.0005, 3), "-0.001");  // the double lies just above 0.0005
    EXPECT_EQ(formatDecimals(1.5, 0), "2");
    EXPECT_EQ(formatSignificant(0.5, 6), "0.5");
    EXPECT_EQ(formatSignificant(1234567.0, 6), "1.23457e+06");
    EXPECT_EQ(formatSignificant(0.0001, 3), "0.0001");
    EXPECT_EQ(formatSignificant(0.00001, 3), "1e-05");
    EXPECT_EQ(formatSignificant(400.0, 15), "400");
}

// A number the user gave, in a message: its decimals while it is of a sensible size, and
// no more than the digits that give it back beyond.
TEST(NumberFormat, BriefFormForNumbersFromTheUser) {
    EXPECT_EQ(formatBrief(0.75, 3), "0.750");
    EXPECT_EQ(formatBrief(-2.5, 3), "-2.500");
    EXPECT_EQ(formatBrief(999999999999999.0, 3), "999999999999999.000");
    EXPECT_EQ(formatBrief(1e15, 3), "1e+15");
    EXPECT_EQ(formatBrief(1e308, 3), "1e+308");
    EXPECT_EQ(formatBrief(-1.5e300, 3), "-1.5e+300");
}

// What LAMMPS's files and the manifest are written with: each number reads back exactly,
// in as few characters as that takes.
TEST(NumberFormat, ShortestFormThatReadsBackExactly) {
    EXPECT_EQ(formatShortest(0.1), "0.1");
    EXPECT_EQ(formatShortest(100.0), "100");
    EXPECT_EQ(formatShortest(-2.5), "-2.5");
    EXPECT_EQ(formatShortest(0.00001), "1e-05");
    EXPECT_EQ(formatShortest(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(formatShortest(1e300), "1e+300");
}

TEST(Encoding, Windows1252AndUtf8) {
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC 5 \xE2\x80\x9Cok\xE2\x80\x9D";
    const std::string cp1252 = "Caf\xE9 \x80 5 \x93ok\x94";
    EXPECT_EQ(utf8ToCp1252(utf8), cp1252);
    EXPECT_EQ(cp1252ToUtf8(cp1252), utf8);
    // 0x81 has no character in Windows-1252.
    EXPECT_EQ(cp1252ToUtf8("a\x81z"), "a\xEF\xBF\xBDz");
    // A character outside Windows-1252 and a malformed byte each become one "?".
    EXPECT_EQ(utf8ToCp1252("a\xE4\xB8\xADz"), "a?z");
    EXPECT_EQ(utf8ToCp1252("a\xFFz\xC3"), "a?z?");
    EXPECT_EQ(cp1252ToUtf8(""), "");
}

TEST(ExampleGuard, AMarkerAnywhereInThePathRefuses) {
    struct Case {
        const char* path;
        bool example;
    };
    const Case cases[] = {
        {"zen3.zpr", true},
        {"/home/ann/projects/zen6.zpr", true},
        {"./zen2.Zpr", true},
        {"zen4.backup.zpr", true},
        {"zen1.", true},
        {"zen5.zpr", true},
        // Folders are searched as well as the file name.
        {"/data/zen1.d/alpha.zpr", true},
        {"zen3.d/alpha.zpr", true},
        {"frozen1.zpr", true},
        {"/home/ann/azen2.old/beta.zpr", true},
        // The search is case-sensitive and wants the point after the digit.
        {"/home/ann/Zen3.zpr", false},
        {"ZEN2.zpr", false},
        {"zEn5.zpr", false},
        {"zen3", false},
        {"zen3s/alpha.zpr", false},
        {"zen33.zpr", false},
        {"zen7.zpr", false},
        {"zen0.zpr", false},
        {"zen.zpr", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isExampleProjectPath(c.path), c.example) << c.path;
}

}  // namespace
}  // namespace zentova

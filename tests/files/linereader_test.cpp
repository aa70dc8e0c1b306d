#include "files/linereader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files/fileio.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::fileErrorOf;

TEST(LineReader, TokensBlankLinesAndLineEnds) {
    std::istringstream in(
        "first line  \r\n\r\n   \t\n  +12 trailing text\r\n-7\n\t1.5e2\tx\n.25\n-0\r\n  \n");
    LineReader reader(in, "t.dat");
    EXPECT_EQ(reader.readLine("a name"), "first line  ");
    EXPECT_EQ(reader.readInt("an integer"), 12);
    EXPECT_EQ(reader.line(), 4);
    EXPECT_EQ(reader.readInt("an integer"), -7);
    EXPECT_EQ(reader.readReal("a real number"), 150.0);
    EXPECT_EQ(reader.readReal("a real number"), 0.25);
    EXPECT_EQ(reader.readReal("a real number"), 0.0);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(fileErrorOf([&] { reader.readInt("the particle count of type 3"); }),
              "t.dat:10: unexpected end of file, expected the particle count of type 3");
}

// The splitter the LAMMPS readers share: blanks and tabs, however many, between tokens.
TEST(LineTokens, SplitAtBlanksAndTabsAlone) {
    using Tokens = std::vector<std::string_view>;
    EXPECT_EQ(fileio::tokensOf(""), Tokens{});
    EXPECT_EQ(fileio::tokensOf(" \t "), Tokens{});
    EXPECT_EQ(fileio::tokensOf("ITEM: BOX BOUNDS ff"), (Tokens{"ITEM:", "BOX", "BOUNDS", "ff"}));
    EXPECT_EQ(fileio::tokensOf("\t1  2\t\t3 "), (Tokens{"1", "2", "3"}));
    EXPECT_EQ(fileio::tokensOf("a,b;c\r"), Tokens{"a,b;c\r"});
}

// A value the program wrote reads back only whole, finite and as written: no "+", no
// infinity, nothing after it.
TEST(LineTokens, FiniteRealsReadBackWholeAndAsWritten) {
    double value = 0.0;
    EXPECT_TRUE(fileio::parseFiniteReal("-1.5e-3", value));
    EXPECT_EQ(value, -1.5e-3);
    EXPECT_TRUE(fileio::parseFiniteReal("0.30000000000000004", value));
    EXPECT_EQ(value, 0.1 + 0.2);
    for (const char* refused : {"", "+1", "1x", " 1", "inf", "nan", "1e400", "--1"})
        EXPECT_FALSE(fileio::parseFiniteReal(refused, value)) << refused;
}

TEST(LineReader, RefusesMalformedNumbersNamingTheLine) {
    const auto firstError = [](const std::string& text, bool integer) {
        std::istringstream in("x\n" + text + "\n");
        LineReader reader(in, "alpha.zpr");
        reader.readLine("a name");
        return fileErrorOf([&] {
            if (integer)
                reader.readInt("an integer");
            else
                reader.readReal("a real number");
        });
    };
    EXPECT_EQ(firstError("abc", false), "alpha.zpr:2: expected a real number, found \"abc\"");
    EXPECT_EQ(firstError("1.5abc", false), "alpha.zpr:2: expected a real number, found \"1.5abc\"");
    EXPECT_EQ(firstError("nan", false), "alpha.zpr:2: expected a real number, found \"nan\"");
    EXPECT_EQ(firstError("1e999", false),
              "alpha.zpr:2: expected a real number, found \"1e999\" (out of range)");
    EXPECT_EQ(firstError("+-1", false), "alpha.zpr:2: expected a real number, found \"+-1\"");
    EXPECT_EQ(firstError("1.5", true), "alpha.zpr:2: expected an integer, found \"1.5\"");
    EXPECT_EQ(firstError("2147483648", true),
              "alpha.zpr:2: expected an integer, found \"2147483648\" (out of range)");
    EXPECT_EQ(firstError(std::string("1\0\x01", 3), true),
              "alpha.zpr:2: expected an integer, found \"1??\"");
    EXPECT_EQ(firstError("\n\n-2147483648", true), "(no FileError)");
}

TEST(LineReader, OverlongLineIsRefusedWithoutReadingItWhole) {
    const std::string limit(LineReader::MaxLineLength, 'a');
    std::istringstream fits(limit + "\r\n" + limit);
    LineReader fitting(fits, "f");
    EXPECT_EQ(fitting.readLine("a line").size(), LineReader::MaxLineLength);
    EXPECT_EQ(fitting.readLine("a line").size(), LineReader::MaxLineLength);

    std::istringstream huge("1\n" + std::string(10'000'000, 'x') + "\n2\n");
    LineReader reader(huge, "huge.zpr");
    reader.readInt("an integer");
    EXPECT_EQ(fileErrorOf([&] { reader.readLine("the name"); }),
              "huge.zpr:2: line longer than 4194304 characters");
    // Only one bounded chunk was taken from the stream.
    const auto taken = huge.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    EXPECT_LE(taken, static_cast<std::streamoff>(2 + LineReader::MaxLineLength + 2));
}

}  // namespace
}  // namespace zentova

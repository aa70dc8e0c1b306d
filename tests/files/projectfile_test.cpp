#include "files/projectfile.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::fileErrorOf;

const std::string AlphaFile =
    "Alpha\r\n"
    " 1.00000000000000E+0000\r\n"
    " 5.00000000000000E-0001\r\n"
    " 2.00000000000000E+0000\r\n"
    "1\r\n"
    "10\r\n"
    " 1.00000000000000E+0000\r\n"
    "-1\r\n"
    " 6.00000000000000E+0000\r\n"
    "255\r\n"
    "0\r\n"
    "0\r\n";

Project alpha() {
    Project project;
    project.name = "Alpha";
    project.ae = 1.0;
    project.ag = 0.5;
    project.ar = 2.0;
    project.typeCount = 1;
    project.particleCount = 10;
    project.counts[1] = 10;
    project.masses[1] = 1.0;
    project.charges[1] = -1;
    project.diameters[1] = 6.0;
    project.colors[1] = {255, 0, 0};
    return project;
}

Project parse(const std::string& text) {
    std::istringstream in(text);
    return readProject(in, "alpha.zpr");
}

// The Alpha file with line `number` (1-based) replaced.
std::string alphaWithLine(int number, const std::string& line) {
    std::istringstream in(AlphaFile);
    std::string out, current;
    for (int n = 1; std::getline(in, current); ++n) out += (n == number ? line : current) + "\n";
    return out;
}

TEST(ProjectFile, AlphaExampleByteForByte) {
    EXPECT_EQ(formatProject(alpha()), AlphaFile);
    EXPECT_EQ(parse(AlphaFile), alpha());
    EXPECT_EQ(projectWindowTitle(alpha(), "/tmp/a.zpr"),
              "Zentova - Project : Alpha   File /tmp/a.zpr");
}

TEST(ProjectFile, RoundTripsAndLenientReading) {
    Project project = alpha();
    project.name = "  \xC3\x84lpha, b\xC3\xA9ta & \xE2\x82\xAC-test (2nd try!)  ";
    project.typeCount = 2;
    project.particleCount = 10;
    project.counts[2] = 0;
    project.masses[2] = -0.25;
    project.diameters[2] = 1.0e-7;
    project.colors[2] = {1, 2, 3};

    testing::TempDir dir;
    const std::string path = dir.file("beta.zpr");
    saveProjectFile(path, project);
    const std::string bytes = testing::readBytes(path);
    EXPECT_EQ(bytes.substr(0, bytes.find('\r')), "  \xC4lpha, b\xE9ta & \x80-test (2nd try!)  ");
    EXPECT_EQ(loadProjectFile(path), project);
    saveProjectFile(path, project);
    EXPECT_EQ(testing::readBytes(path), bytes);

    // Blank lines, LF line ends, text after numbers, colours stored as bytes.
    EXPECT_EQ(parse(alphaWithLine(6, "\n\n  10 particles")), alpha());
    EXPECT_EQ(parse(alphaWithLine(10, "300 red-ish")).colors[1].r, 44);
    const Project empty = parse("Nothing\n0\n0\n0\n0\n");
    EXPECT_EQ(empty.typeCount, 0);
    EXPECT_EQ(empty.particleCount, 0);
    EXPECT_EQ(parse(std::string("Al\0ph\x01", 6) + AlphaFile.substr(5)).name, "Al?ph?");
}

// Projects saved by other editors: CR alone as line end, a UTF-8 name (with or without a
// byte-order mark), a name far longer than a screen. Saving writes Windows-1252 and CR LF.
TEST(ProjectFile, ReadsProjectsSavedElsewhere) {
    std::string crOnly = AlphaFile;
    std::erase(crOnly, '\n');
    EXPECT_EQ(parse(crOnly), alpha());

    const std::string zurich = "Z\xC3\xBCrich \xE2\x82\xAC";  // "Zürich €" in UTF-8
    const std::string rest = AlphaFile.substr(AlphaFile.find('\r'));
    EXPECT_EQ(parse(zurich + rest).name, zurich);
    EXPECT_EQ(parse("\xEF\xBB\xBF" + zurich + rest).name, zurich);
    EXPECT_EQ(parse("\xEF\xBB\xBF" + AlphaFile), alpha());
    EXPECT_EQ(parse("Z\xFCrich \x80" + rest).name, zurich);  // Windows-1252, as before
    // Not UTF-8 after all (a lone lead byte, an overlong form): Windows-1252.
    EXPECT_EQ(parse("Z\xC3rich" + rest).name, "Z\xC3\x83rich");
    EXPECT_EQ(parse("\xC0\xAF" + rest).name, "\xC3\x80\xC2\xAF");
    Project named = alpha();
    named.name = zurich;
    EXPECT_EQ(formatProject(named).substr(0, 10), "Z\xFCrich \x80\r\n");
    // A name that begins with the bytes of a mark ("ï»¿€" in Windows-1252) comes back whole.
    named.name = "\xC3\xAF\xC2\xBB\xC2\xBF\xE2\x82\xAC";
    EXPECT_EQ(parse(formatProject(named)).name, named.name);

    const std::string longName(100'000, 'n');
    EXPECT_EQ(parse(longName + rest).name, longName);
}

// Whatever finite value the editor may save is read back; only the counts are limited. The
// lines of each mass and diameter are noted for messages about them.
TEST(ProjectFile, TakesAnyFiniteMassAndDiameterAndNotesTheirLines) {
    for (const auto& [line, text] : {std::pair{7, "0.0"}, {9, "2000000"}, {9, "-3e300"}}) {
        std::istringstream in(alphaWithLine(line, text));
        ProjectFileLines lines;
        const Project read = readProject(in, "alpha.zpr", &lines);
        EXPECT_EQ(line == 7 ? read.masses[1] : read.diameters[1], std::stod(text)) << text;
        EXPECT_EQ(lines.mass[1], 7);
        EXPECT_EQ(lines.diameter[1], 9);
    }
}

TEST(ProjectFile, RefusesBadInputNamingTheLine) {
    const auto error = [](const std::string& text) { return fileErrorOf([&] { parse(text); }); };
    EXPECT_EQ(error(AlphaFile.substr(0, AlphaFile.find("255"))),
              "alpha.zpr:10: unexpected end of file, expected the red colour component of type 1");
    EXPECT_EQ(error(alphaWithLine(2, "abc")),
              "alpha.zpr:2: expected the strong attraction coefficient ae, found \"abc\"");
    EXPECT_EQ(error(alphaWithLine(7, "nan")),
              "alpha.zpr:7: expected the mass of type 1, found \"nan\"");
    EXPECT_EQ(error(alphaWithLine(9, "inf")),
              "alpha.zpr:9: expected the diameter of type 1, found \"inf\"");
    EXPECT_EQ(error(alphaWithLine(6, "-5")),
              "alpha.zpr:6: type 1 has a negative particle count (-5)");
    EXPECT_EQ(error(alphaWithLine(5, "1000000000")),
              "alpha.zpr:5: 1000000000 particle types, at most 20 are allowed");
    EXPECT_EQ(error(alphaWithLine(5, "-1")),
              "alpha.zpr:5: a negative number of particle types (-1)");
    EXPECT_EQ(error(alphaWithLine(5, "2") + "195\n1\n0\n1\n0\n0\n0\n"),
              "alpha.zpr:13: 205 particles in all, at most 200 are allowed");
    EXPECT_EQ(error(std::string(10'000'000, 'A') + "\r\n" + AlphaFile),
              "alpha.zpr:1: line longer than 4194304 characters");
    std::string garbage;
    for (int i = 0; i < 4000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
    EXPECT_EQ(error(garbage).rfind("alpha.zpr:2: expected the strong attraction coefficient ae, "
                                   "found \"????????tcRA0",
                                   0),
              0u)
        << error(garbage);

    testing::TempDir dir;
    Project kept = alpha();
    EXPECT_EQ(fileErrorOf([&] { kept = loadProjectFile(dir.file("missing.zpr")); }),
              dir.file("missing.zpr") + ": cannot open: No such file or directory");
    EXPECT_EQ(kept, alpha());
}

}  // namespace
}  // namespace zentova

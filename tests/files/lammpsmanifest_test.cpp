// The manifest an export leaves beside LAMMPS's files: read back exactly, and a file that is
// not one refused with the line at fault.

#include "files/lammpsmanifest.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files/fileerror.h"

namespace zentova {
namespace {

LammpsManifest sample() {
    LammpsManifest m;
    m.projectFile = "my\nrun.zpr";
    m.projectName = "Salt, 2+/1-";
    m.stem = "my_run";
    m.particlesPerCube = 3;
    m.replicate = {2, 1, 1};
    m.particles = 6;
    m.low = {0, -1, 0};
    m.high = {200, 101, 100};
    m.step = 5e-5;
    m.frameInterval = 300;
    m.startTime = 0.1 + 0.2;  // not a short decimal: written to read back exactly
    m.types = {{2, 0.05, 7, {255, 80, 80}}, {0, 1, 4.5, {0, 0, 0}}, {4, 3.5, 8, {40, 200, 60}}};
    return m;
}

LammpsManifest parse(const std::string& text) {
    std::istringstream in(text);
    return parseLammpsManifest(in, "manifest.x");
}

TEST(LammpsManifest, ReadsBackWhatItWrote) {
    const LammpsManifest m = sample();
    const LammpsManifest back = parse(formatLammpsManifest(m));
    EXPECT_EQ(back.projectFile, "my?run.zpr");  // one line, whatever the name held
    EXPECT_EQ(back.projectName, m.projectName);
    EXPECT_EQ(back.stem, m.stem);
    EXPECT_EQ(back.particlesPerCube, 3);
    EXPECT_EQ(back.replicate, m.replicate);
    EXPECT_EQ(back.particles, 6);
    EXPECT_EQ(back.low, m.low);
    EXPECT_EQ(back.high, m.high);
    EXPECT_EQ(back.step, 5e-5);
    EXPECT_EQ(back.frameInterval, 300);
    EXPECT_EQ(back.startTime, 0.1 + 0.2);
    ASSERT_EQ(back.types.size(), 3u);
    EXPECT_EQ(back.types[2].count, 4);
    EXPECT_EQ(back.types[2].mass, 3.5);
    EXPECT_EQ(back.types[1].diameter, 4.5);
    EXPECT_EQ(back.types[2].colour, (Rgb{40, 200, 60}));
    // CR LF line ends, as an editor on another system may leave them, read the same.
    std::string crlf;
    for (char c : formatLammpsManifest(m))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(parse(crlf).types[0].colour, (Rgb{255, 80, 80}));
}

TEST(LammpsManifest, RefusesWhatIsNotOneNamingTheLine) {
    const std::string good = formatLammpsManifest(sample());
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"", "manifest.x: not a manifest of --export-lammps: it is empty"},
        {"ITEM: TIMESTEP\n0\n", "manifest.x:1: not a manifest of --export-lammps"},
        {replaced("zentova_lammps_export 1", "zentova_lammps_export 2"),
         "manifest.x:2: a manifest of another version (2)"},
        {replaced("particles 6", "particles 6x"),
         "manifest.x:8: expected a whole number, found \"6x\""},
        {replaced("box 0 200", "box 0 nan"), "manifest.x:9: expected a real number, found \"nan\""},
        {replaced("box 0 200", "box 200 0"), "manifest.x:9: a box with no room along an axis"},
        {replaced("replicate 2 1 1", "replicate 2 1"),
         "manifest.x:7: \"replicate\" takes 3 values, found 2"},
        {replaced("replicate 2 1 1", "replicate 0 1 1"),
         "manifest.x:7: \"replicate\" must be from 1 to 20, found 0"},
        {replaced("replicate 2 1 1", "replicate 2 2 1"),
         "manifest.x: the manifest says 6 particles, not 3 per cube in 4 cubes"},
        {replaced("type 3 4", "type 3 5"),
         "manifest.x: the manifest's types hold 7 particles, not 6"},
        {replaced("type 2 0", "type 3 0"), "manifest.x:17: type 3 out of order"},
        {replaced("type 1 2 0.05 7 255 80 80", "type 1 2 0.05 7 256 80 80"),
         "manifest.x:16: \"type\" must be from 0 to 255, found 256"},
        {replaced("types 3", "types 4"), "manifest.x: the manifest names 4 types but lists 3"},
        {replaced("step 5e-05\n", ""), "manifest.x: the manifest has no \"step\" line"},
        {replaced("stem my_run", "stem my_run\nstem other"),
         "manifest.x:6: \"stem\" a second time"},
        {replaced("stem my_run", "colour 1"),
         "manifest.x:5: \"colour\" is not a line of a manifest"},
    };
    for (const Case& c : cases) {
        try {
            parse(c.text);
            ADD_FAILURE() << "read: " << c.text;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

// The types counted in the whole box (three cubes of two particles each, here), as the
// view and the analysis show them.
TEST(LammpsManifest, GivesItsTypesAsTheRunsProject) {
    LammpsManifest m = sample();
    m.types = {{2, 1.0, 8.0, Rgb{255, 0, 0}}, {4, 2.0, 12.0, Rgb{0, 255, 0}}};
    const Project project = projectOfRun(m);
    EXPECT_EQ(project.name, "Salt, 2+/1-");
    EXPECT_EQ(project.typeCount, 2);
    EXPECT_EQ(project.particleCount, 6);
    EXPECT_EQ(project.counts[1], 2);
    EXPECT_EQ(project.counts[2], 4);
    EXPECT_EQ(project.masses[2], 2.0);
    EXPECT_EQ(project.diameters[1], 8.0);
    EXPECT_EQ(project.colors[2].g, 255);
    EXPECT_EQ(project.colors[1].g, 0);
}

}  // namespace
}  // namespace zentova

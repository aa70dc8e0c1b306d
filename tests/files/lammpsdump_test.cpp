// A LAMMPS run's dump read back against the export's manifest: what LAMMPS writes
// read right, a cut end left out with a note, and a dump of something else refused with the
// file and line.

#include "files/lammpsdump.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <sstream>

#include "files/fileerror.h"
#include "lammps_fixture.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

LammpsManifest manifest() {
    return testing::fourParticleManifest();
}

// A frame as LAMMPS writes it, ids 3 1 4 2 (a run on several ranks sorts nothing unless told).
std::string frame(long long step, bool timed = true, const std::string& atoms = "") {
    std::string s = "ITEM: UNITS\nlj\n";
    if (timed) s += "ITEM: TIME\n" + std::to_string(step * 0.001) + "\n";
    s += "ITEM: TIMESTEP\n" + std::to_string(step) +
         "\nITEM: NUMBER OF ATOMS\n4\nITEM: BOX BOUNDS ff ff ff\n"
         "0.0000000000000000e+00 1.0000000000000000e+02\n0 100\n0 100\n"
         "ITEM: ATOMS id type x y z vx vy vz\n";
    return s + (atoms.empty() ? "3 1 30 31 32 -3 0 0\n"
                                "1 1 10 11 12 -1 0 0\n"
                                "4 2 40 41 42 -4 0 0\n"
                                "2 1 20 21 22 -2 0 0\n"
                              : atoms);
}

struct Read {
    std::vector<LammpsFrame> frames;
    std::string note;
};

Read readAll(const std::string& text) {
    std::istringstream in(text);
    const LammpsManifest m = manifest();
    LammpsDumpReader reader(in, "dump.s", m);
    Read read;
    for (LammpsFrame f; reader.next(f);) read.frames.push_back(f);
    read.note = reader.note();
    return read;
}

std::string refusal(const std::string& text) {
    try {
        readAll(text);
    } catch (const FileError& e) {
        return e.what();
    }
    return "(read)";
}

TEST(LammpsDump, PutsParticlesInTheOrderOfTheirIdsAndTakesTheTime) {
    // The second frame has no ITEM: TIME (a dump without time yes): its step tells it. The
    // third names its columns in another order and has no velocities.
    const Read read = readAll(frame(0) + frame(300, false) +
                              "ITEM: TIMESTEP\n600\nITEM: NUMBER OF ATOMS\n4\n"
                              "ITEM: BOX BOUNDS ff ff ff\n0 100\n0 100\n0 100\n"
                              "ITEM: ATOMS type x y z id\n2 4 4 4 4\n1 1 1 1 1\n"
                              "1 2 2 2 2\n1 3 3 3 3\n");
    EXPECT_EQ(read.note, "");
    ASSERT_EQ(read.frames.size(), 3u);
    const LammpsFrame& first = read.frames[0];
    EXPECT_EQ(first.types, (std::vector<int>{1, 1, 1, 2}));
    EXPECT_EQ(first.positions,
              (std::vector<double>{10, 11, 12, 20, 21, 22, 30, 31, 32, 40, 41, 42}));
    EXPECT_EQ(first.velocities[9], -4.0);
    EXPECT_DOUBLE_EQ(first.time, 1.0);  // the manifest's start time + the run's
    EXPECT_EQ(read.frames[1].step, 300);
    EXPECT_DOUBLE_EQ(read.frames[1].time, 1.3);
    EXPECT_EQ(read.frames[2].types, (std::vector<int>{1, 1, 1, 2}));
    EXPECT_EQ(read.frames[2].positions[3], 2.0);
    EXPECT_EQ(read.frames[2].velocities, std::vector<double>(12, 0.0));
}

TEST(LammpsDump, LeavesOutALastFrameCutShortAndSaysWhere) {
    const std::string whole = frame(0) + frame(300);
    // Frame two starts on line 18 (each frame has 17 lines).
    for (const std::size_t cut : {whole.size() - 1, whole.size() - 10, whole.find("ITEM: BOX", 200),
                                  whole.find("NUMBER", 200) + 3}) {
        SCOPED_TRACE(cut);
        const Read read = readAll(whole.substr(0, cut));
        EXPECT_EQ(read.frames.size(), 1u);
        EXPECT_EQ(read.note, "dump.s:18: the last frame is cut short and left out");
    }
    // Whole, with or without blank lines at the end: nothing to say.
    EXPECT_EQ(readAll(whole + "\n\n").frames.size(), 2u);
    EXPECT_EQ(readAll(whole + "\n\n").note, "");
}

TEST(LammpsDump, RefusesWhatIsNotThisExportsRunWithFileAndLine) {
    const std::string good = frame(0);
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {replaced(good, "ATOMS\n4", "ATOMS\n8"),
         "dump.s:8: a dump of another export: 8 atoms, the manifest's 4"},
        {good + replaced(frame(300), "ATOMS\n4", "ATOMS\n3"),
         "dump.s:25: the atom count changes to 3 from 4"},
        {replaced(good, "0 100\n0 100", "0 100\n0 200"),
         "dump.s:12: a dump of another export: its box runs from 0 to 200 along z, the "
         "manifest's from 0 to 100"},
        {replaced(good, "ff ff ff\n", "ff ff ff xy xz yz\n"),
         "dump.s:9: a dump of another export: a tilted box, which no export makes"},
        {replaced(good, "lj", "metal"),
         "dump.s:2: a dump of another export: its units are \"metal\", the export's lj"},
        {replaced(good, "4 2 40", "4 1 40"),
         "dump.s:1: a dump of another export: 4 atoms of type 1 in this frame, the manifest's 3"},
        {replaced(good, "4 2 40", "4 4 40"),
         "dump.s:16: type \"4\" is none of the 3 types of the manifest"},
        {replaced(good, "1 1 10 11", "1 1 nan 11"),
         "dump.s:15: expected the x position, found \"nan\""},
        {replaced(good, "1 1 10 11 12", "1 1 10 11 300.5"),
         "dump.s:15: atom 1 is at z = 300.5, far outside the box (0 to 100)"},
        {replaced(good, "2 1 20", "1 1 20"), "dump.s:17: id 1 a second time"},
        {replaced(good, "2 1 20", "5 1 20"), "dump.s:17: expected an id from 1 to 4, found \"5\""},
        {replaced(good, "3 1 30 31 32 -3 0 0", "3 1 30 31 32 -3 0"),
         "dump.s:14: expected 8 values, found 7"},
        {frame(300) + frame(300), "dump.s:23: step 300 does not follow step 300"},
        {replaced(good, "ITEM: ATOMS id type", "ITEM: ATOMS type"),
         "dump.s:13: the atoms have no \"id\" column"},
        {"3\nSalt\nH 1 2 3\n", "dump.s:1: expected an ITEM: line of a LAMMPS dump, found \"3\""},
    };
    for (const Case& c : cases) EXPECT_EQ(refusal(c.text), c.message);
}

TEST(LammpsDump, ReadsACompressedDump) {
    testing::TempDir dir;
    const std::string text = frame(0) + frame(300);
    const std::string path = dir.file("dump.s.gz");
    gzFile out = gzopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    gzwrite(out, text.data(), static_cast<unsigned>(text.size()));
    gzclose(out);
    const LammpsManifest m = manifest();
    for (const std::string& name : {path, dir.file("plain")}) {
        if (name == dir.file("plain")) testing::writeBytes(name, text);
        const auto in = openMaybeCompressed(name);
        LammpsDumpReader reader(*in, name, m);
        int frames = 0;
        for (LammpsFrame f; reader.next(f);) ++frames;
        EXPECT_EQ(frames, 2) << name;
        EXPECT_EQ(reader.note(), "");
    }
    // Cut inside its compressed data, as a run still writing it leaves it: the frame cut
    // short is left out. Damaged inside: refused, naming the file.
    const std::string packed = testing::readBytes(path);
    testing::writeBytes(path, packed.substr(0, packed.size() * 3 / 4));
    {
        const auto in = openMaybeCompressed(path);
        LammpsDumpReader reader(*in, path, m);
        int frames = 0;
        for (LammpsFrame f; reader.next(f);) ++frames;
        EXPECT_LE(frames, 1);
        EXPECT_NE(reader.note().find("the last frame is cut short and left out"),
                  std::string::npos);
    }
    std::string damaged = packed;
    for (std::size_t k = 20; k < 40; ++k) damaged[k] = static_cast<char>(damaged[k] ^ 0x5a);
    testing::writeBytes(path, damaged);
    const std::string message = testing::fileErrorOf([&] {
        const auto in = openMaybeCompressed(path);
        LammpsDumpReader reader(*in, path, m);
        for (LammpsFrame f; reader.next(f);) {
        }
    });
    EXPECT_NE(message.find(path + ": "), std::string::npos) << message;
}

}  // namespace
}  // namespace zentova

// A LAMMPS run brought back, replayed in the view window on a scripted pump.

#include "runs/runreplay.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <filesystem>
#include <sstream>

#include "charts/readingswindow.h"
#include "files/lammpslog.h"
#include "files/lammpsmanifest.h"
#include "runs_fixture.h"
#include "view3d/scene.h"

namespace zentova {
namespace {

using testing::RunsWorld;
using testing::writeBytes;

// 300 particles of two types in two cubes, `frames` frames 300 steps apart; a frame with
// `strangeType` gives its last particle that type.
std::string dump(int frames, int strangeType = 0) {
    std::string s;
    for (int f = 0; f < frames; ++f) {
        s += "ITEM: TIMESTEP\n" + std::to_string(300 * f) +
             "\nITEM: NUMBER OF ATOMS\n300\nITEM: BOX BOUNDS ff ff ff\n0 200\n0 100\n0 100\n"
             "ITEM: ATOMS id type x y z\n";
        for (int id = 1; id <= 300; ++id) {
            const int type = id == 300 && strangeType && f == frames - 1 ? strangeType
                             : id <= 100                                 ? 1
                                                                         : 2;
            s += std::to_string(id) + " " + std::to_string(type) + " " +
                 std::to_string(id % 199 + 0.5) + " 50 50\n";
        }
    }
    return s;
}

LammpsRun runIn(const std::string& folder) {
    LammpsRun run;
    LammpsManifest& m = run.manifest;
    m.stem = "big";
    m.particlesPerCube = 150;
    m.replicate = {2, 1, 1};
    m.particles = 300;
    m.low = {0, 0, 0};
    m.high = {200, 100, 100};
    m.step = 5e-5;
    m.frameInterval = 300;
    m.types = {{100, 1.0, 8.0, Rgb{255, 0, 0}}, {200, 2.0, 12.0, Rgb{0, 255, 0}}};
    std::filesystem::create_directory(folder);
    writeBytes(folder + "/manifest.big", formatLammpsManifest(m));
    run.folder = folder;
    run.dumpPath = folder + "/dump.big";
    run.logPath = folder + "/log.lammps";
    return run;
}

// To the end (a whole dump, or one whose last frame is cut short), or to the frame before
// one the manifest refuses: the status says where it ended and why, and a refusal is handed
// back; "Terminate" and a click end it with the window hidden.
TEST(RunReplay, PlaysToTheEndOrTheRefusedFrameThenWaitsForTerminateAndAClick) {
    struct Case {
        std::string text;
        long long frames;
        std::string status;
        std::string refusal;
    };
    const std::string whole = dump(3);
    const Case cases[] = {
        {whole, 3, "Final state reached, t = 0.030   frame 3", ""},
        {whole.substr(0, whole.size() - 2000), 2,
         "Final state reached, t = 0.015   frame 2   run/dump.big:619: the last frame is cut "
         "short and left out",
         ""},
        // Frames of 9 + 300 lines: the third one's last atom is on line 2 x 309 + 309.
        {dump(3, 7), 2, "Stopped at t = 0.015   frame 2   run/dump.big:",
         "run/dump.big:927: type \"7\" is none of the 2 types of the manifest"},
    };
    for (const Case& c : cases) {
        RunsWorld w;
        const LammpsRun run = runIn("run");
        writeBytes(run.dumpPath, c.text);
        QString status;
        w.pump.afterMs(250, [&](InputState&) { status = w.view.statusLine()->text(); });
        w.pump.afterMs(300, [&](InputState&) { w.view.setTag(ViewButton::Stop, 1); });
        w.pump.afterMs(600, [](InputState& in) { in.mainWindowTag = 1; });
        Settings settings;
        double viewDistance = InitialViewDistance;
        std::string refusal = "not told";
        EXPECT_EQ(RunReplay(w.view, run, settings, viewDistance, 1280, &refusal), c.frames);
        EXPECT_EQ(status.toStdString().substr(0, c.status.size()), c.status);
        EXPECT_EQ(refusal, c.refusal);
        EXPECT_FALSE(w.view.isVisible());
    }
}

// The key G opens the Readings window with the log's rows at the dump's frames.
TEST(RunReplay, TheKeyGShowsTheLogsReadings) {
    RunsWorld w;
    const LammpsRun run = runIn("run");
    writeBytes(run.dumpPath, dump(3));
    const std::string log =
        "LAMMPS (29 Sep 2021)\nStep Time KinEng PotEng TotEng v_gyration v_kinetic v_kinetic1 "
        "v_kinetic2 v_speed v_far v_bath \n"
        "0 0 0 -5 -5 40 0 0 0 0 70 1\n"
        "300 0.015 9 -6 3 41 9 8 12 16 71 1\n"
        "600 0.03 10 -6 4 42 10 9 13 17 72 1\n"
        "Loop time of 0.1 on 1 procs for 600 steps with 300 atoms\n";
    writeBytes(run.logPath, log);
    std::istringstream in(log);
    const std::size_t expected = parseLammpsLog(in, run.manifest).rows.size();
    ASSERT_GT(expected, 0u);
    int shown = -1;
    w.pump.afterMs(100, [&](InputState&) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, "g");
        QCoreApplication::sendEvent(&w.view, &press);
    });
    w.pump.afterMs(200, [&](InputState&) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* readings = dynamic_cast<ReadingsWindow*>(widget))
                shown = readings->rowCount();
    });
    w.pump.afterMs(300, [&](InputState&) { w.view.setTag(ViewButton::Stop, 1); });
    w.pump.afterMs(600, [](InputState& input) { input.mainWindowTag = 1; });
    Settings settings;
    double viewDistance = InitialViewDistance;
    EXPECT_EQ(RunReplay(w.view, run, settings, viewDistance, 1280), 3);
    EXPECT_EQ(shown, static_cast<int>(expected));
}

}  // namespace
}  // namespace zentova

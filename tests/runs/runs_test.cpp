// The three runs as the window drives them: the calculation's questions and files, its stop
// by an unstable motion, and the displays meeting damaged files. The view draws nothing on
// the test platform; the runs' polling and files are the same.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "calc/stepper.h"
#include "canvas/screenitems.h"
#include "charts/plot.h"
#include "charts/readingswindow.h"
#include "files/atomicfile.h"
#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/readingsreader.h"
#include "files/trajectory.h"
#include "model/placement.h"
#include "runs/displays.h"
#include "runs_fixture.h"
#include "support/chosenlanguage.h"
#include "support/pixels.h"
#include "view3d/viewwindow.h"

namespace zentova {
namespace {

using testing::readBytes;
using testing::RunsWorld;
using testing::writeBytes;

Project ions() {
    Project p;
    p.name = "Ions";
    p.typeCount = 2;
    p.ae = 1.0;
    p.ar = 1.0;
    p.counts = {0, 4, 4};
    p.masses = {0, 1.0, 2.0};
    p.charges = {0, 1, -1};
    p.diameters = {0, 6.0, 6.0};
    return p;
}

struct RunWorld : RunsWorld {
    RunWindows windows{view, [] {}};
    RunWorld() {
        MeasureScreen(program->toolkit, 800, 600);
        program->project = ions();
        saveProjectFile("ions.zpr", program->project);
        setProjectPath(program->source, "ions.zpr");
        PlaceParticles(program->project, program->source, program->particles, program->random,
                       50.0);
    }
    // "Stop" after about `pumps` pump calls of the running loop, then a click on the view.
    void stopAfter(int pumps) {
        pump.at(pumps, [this](InputState&) { view.setTag(ViewButton::Stop, 1); });
        pump.at(pumps + 40, [](InputState& in) { in.viewWindowTag = 1; });
    }
    void answer(long long atMs, char key) {
        pump.afterMs(atMs, [key](InputState& in) { in.lastKey = key; });
    }
    std::vector<Frame> frames() {
        std::istringstream in(readBytes("ions.his"));
        TrajectoryReader reader(in, "ions.his");
        std::vector<Frame> out;
        Frame f;
        while (reader.readFrame(f)) out.push_back(f);
        return out;
    }
};

// A new run; paused by a right click and stopped, the view's status line says what the run
// waits for. The readings go to their file a line per frame, and the key G shows them as
// they come.
TEST(CalculationRunInTheWindow, ANewRunWritesFramesAndTheMatchingFinalState) {
    RunWorld w;
    QString paused;
    QString stopped;
    QString saidPaused;
    bool keysToTheWindow = false;
    QString saidStopped;
    w.pump.at(300, [&](InputState&) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, "g");
        QApplication::sendEvent(&w.view, &key);
    });
    int shownPoints = -1;
    QString spoken;
    std::size_t linesThen = 0;
    w.pump.at(1990, [&](InputState&) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* readings = dynamic_cast<ReadingsWindow*>(window);
                readings && readings->isVisible()) {
                shownPoints = readings->rowCount();
                for (const QWidget* part : readings->findChildren<QWidget*>())
                    if (part->accessibleName().startsWith("Kinetic energy"))
                        spoken = part->accessibleDescription();
            }
        linesThen = loadReadings("ions.readings.csv").rows.size();
    });
    w.pump.at(500, [](InputState& in) { in.mouseButtonState = 2; });
    w.pump.at(510, [&](InputState& in) {
        paused = w.view.statusLine()->text();
        saidPaused = w.view.accessibleDescription();
        keysToTheWindow = w.view.focusWidget() == &w.view;
        in.lastKey = 'x';
    });
    w.pump.at(2000, [&w](InputState&) { w.view.setTag(ViewButton::Stop, 1); });
    w.pump.at(2030, [&](InputState&) {
        stopped = w.view.statusLine()->text();
        saidStopped = w.view.accessibleDescription();
    });
    w.pump.at(2040, [](InputState& in) { in.viewWindowTag = 1; });
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
    EXPECT_EQ(paused, "Paused: click or press a key on the main window to go on");
    EXPECT_EQ(stopped, "Stopped: click to return to the menu");
    EXPECT_TRUE(keysToTheWindow) << "a button, not the view, would take Space";
    // A screen reader hears the same at once, and which key goes back.
    EXPECT_TRUE(saidPaused.endsWith("paused, a click or key on the main window goes on"))
        << saidPaused.toStdString();
    EXPECT_EQ(saidStopped.toStdString(),
              "Calculation of 8 particles; Stopped: click to return to the menu; waiting, Enter "
              "or a click returns to the menu");
    const auto frames = w.frames();
    ASSERT_GE(frames.size(), 2u);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        EXPECT_EQ(frames[k].count, 8);
        EXPECT_NEAR(frames[k].time, 0.015 * (k + 1), 1e-9);
    }
    const FinalState last = loadFinalStateFile("ions.sta");
    EXPECT_NEAR(last.time, frames.back().time, 1e-9);
    EXPECT_GT(w.pump.sleepCalls(), 0);  // the closing wait polled until the click

    const ReadingsTable readings = loadReadings("ions.readings.csv");
    ASSERT_EQ(readings.rows.size(), frames.size());
    for (std::size_t k = 0; k < frames.size(); ++k)
        EXPECT_NEAR(readings.rows[k].time, frames[k].time, 1e-9);
    EXPECT_GE(linesThen, 1u);
    EXPECT_EQ(shownPoints, static_cast<int>(linesThen)) << "the Readings window after G";
    // A screen reader hears the frames shown and the last one's readings.
    const ReadingsRow& shown = readings.rows[linesThen - 1];
    EXPECT_TRUE(spoken.startsWith(QString("%1 frame").arg(linesThen))) << spoken.toStdString();
    EXPECT_TRUE(
        spoken.contains(QString("all particles %1").arg(spokenNumber(shown.meanKineticEnergy))))
        << spoken.toStdString();
    EXPECT_TRUE(spoken.endsWith("bath x 1.")) << spoken.toStdString();
}

// Closing the view window ends the run as "Stop" does, and the run does not then wait for
// a click on a window that is gone. The run reports where its time went.
TEST(CalculationRunInTheWindow, ClosingTheViewStopsTheRunAtOnce) {
    RunWorld w;
    CalculationTimes times;
    w.windows.times = &times;
    w.pump.at(1500, [&w](InputState&) { w.view.close(); });
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
    EXPECT_FALSE(w.view.isVisible());
    EXPECT_EQ(w.pump.sleepCalls(), 0) << "waited for a click after the view was closed";
    EXPECT_GE(w.frames().size(), 1u);
    EXPECT_TRUE(fileExists("ions.sta"));

    EXPECT_GE(times.steps, 700);  // two pumps per step
    EXPECT_GT(times.redraws, 0);
    EXPECT_GT(times.integrationSeconds, 0.0);
    EXPECT_LE(times.integrationSeconds + times.drawingSeconds, times.totalSeconds);
}

TEST(CalculationRunInTheWindow, ExistingTrajectoryIsOverwrittenOrContinuedAsAnswered) {
    RunWorld w;
    w.stopAfter(1400);
    CalculationRun(*w.program, w.windows);
    const std::string first = readBytes("ions.his");
    const double lastTime = w.frames().back().time;
    ASSERT_FALSE(first.empty());

    // NO, then YES: the new frames follow the old ones and the time goes on.
    w.view.setTag(ViewButton::Stop, 0);
    w.answer(w.pump.clockMs() + 50, 'n');
    w.answer(w.pump.clockMs() + 100, 'y');
    w.stopAfter(w.pump.pumpCalls() + 1400);
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
    const std::string appended = readBytes("ions.his");
    EXPECT_EQ(appended.substr(0, first.size()), first);
    const auto frames = w.frames();
    const std::size_t old = std::count(first.begin(), first.end(), '\n') / (2 + 4 * 8);
    ASSERT_GT(frames.size(), old);
    EXPECT_NEAR(frames[old].time, lastTime + 0.015, 1e-9);

    // YES: placed anew, the old trajectory emptied before the first new frame.
    w.view.setTag(ViewButton::Stop, 0);
    w.answer(w.pump.clockMs() + 50, 'y');
    w.stopAfter(w.pump.pumpCalls() + 800);
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
    ASSERT_FALSE(w.frames().empty());
    EXPECT_NEAR(w.frames().front().time, 0.015, 1e-9);

    // NO and NO: the program ends, nothing is written.
    w.answer(w.pump.clockMs() + 50, 'n');
    w.answer(w.pump.clockMs() + 100, 'n');
    const std::string before = readBytes("ions.his");
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::EndProgram);
    EXPECT_EQ(readBytes("ions.his"), before);
}

TEST(CalculationRunInTheWindow, AFinalStateOfAnotherProjectIsRefusedBeforeAnyStep) {
    RunWorld w;
    writeBytes("ions.his", "");
    Project other = ions();
    other.counts[2] = 5;
    ParticleState placed;
    ProjectSource source;
    RandomSource random;
    PlaceParticles(other, source, placed, random, 50.0);
    writeFinalStateFile("ions.sta", 9, 1.5, placed);
    const std::string sta = readBytes("ions.sta");
    w.answer(50, 'n');
    w.answer(100, 'y');
    w.dismissNotes(3);
    const ParticleState before = w.program->particles;
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
    EXPECT_EQ(readBytes("ions.his"), "");
    EXPECT_EQ(readBytes("ions.sta"), sta);
    EXPECT_EQ(w.program->particles.state, before.state);
    // The note stood on a screen cleared of the question: nothing of its YES and NO ovals
    // came back when the note went.
    const QImage& screen = w.canvas.image();
    EXPECT_EQ(testing::countColor(
                  screen, QRect(screen.width() / 2 - 120, screen.height() / 2 - 60, 240, 60),
                  packColor(100, 100, 100)),
              0);
}

TEST(CalculationRunInTheWindow, AFinalStateOlderThanTheLastFrameAppendsNothing) {
    RunWorld w;
    std::string his;
    appendFrameText(his, 8, 0.015, w.program->particles);
    appendFrameText(his, 8, 0.030, w.program->particles);
    writeBytes("ions.his", his);
    writeFinalStateFile("ions.sta", 8, 0.015, w.program->particles);  // an old copy put back
    const std::string sta = readBytes("ions.sta");
    w.answer(50, 'n');
    w.answer(100, 'y');
    w.dismissNotes(3);
    std::string note;
    w.pump.afterMs(350, [&](InputState&) {
        for (const ScreenItem& item : Screen().items())
            if (item.role == ScreenRole::Alert) note = item.name;
    });
    const ParticleState before = w.program->particles;
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
    EXPECT_EQ(note,
              "The trajectory goes on past the final state.\n"
              "Its last frame: t = 0.030; the final state: t = 0.015.\n"
              "Nothing was appended: new frames would go back in time.\n"
              "Answer YES to \"Overwrite\" to start afresh.");
    EXPECT_EQ(readBytes("ions.his"), his);
    EXPECT_EQ(readBytes("ions.sta"), sta);
    EXPECT_EQ(w.program->particles.state, before.state);
    EXPECT_FALSE(w.view.isVisible());
}

// The same refusal for a German class: its questions and its note in German, the times with
// a decimal comma; the files as they were.
TEST(CalculationRunInTheWindow, TheQuestionsAndTheNoteSpeakTheClasssLanguage) {
    const testing::ChosenLanguage german("de");
    RunWorld w;
    std::string his;
    appendFrameText(his, 8, 0.015, w.program->particles);
    appendFrameText(his, 8, 0.030, w.program->particles);
    writeBytes("ions.his", his);
    writeFinalStateFile("ions.sta", 8, 0.015, w.program->particles);
    std::vector<std::string> said;
    const auto listen = [&](InputState&) {
        for (const ScreenItem& item : Screen().items())
            if (item.role == ScreenRole::Alert || item.role == ScreenRole::Dialog)
                said.push_back(item.name);
    };
    w.pump.afterMs(40, listen);
    w.answer(50, 'n');
    w.pump.afterMs(90, listen);
    w.answer(100, 'y');
    w.dismissNotes(3);
    w.pump.afterMs(350, listen);
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
    ASSERT_EQ(said.size(), 3u);
    EXPECT_EQ(said[0], "Alte Trajektoriendatei überschreiben?");
    EXPECT_EQ(said[1], "An alte Trajektoriendatei anhängen?");
    EXPECT_EQ(said[2],
              "Die Trajektorie reicht über den Endzustand hinaus.\n"
              "Ihr letztes Bild: t = 0,030; der Endzustand: t = 0,015.\n"
              "Nichts wurde angehängt: Neue Bilder gingen in der Zeit zurück.\n"
              "Mit JA bei „Überschreiben“ beginnt alles von vorn.");
    EXPECT_EQ(readBytes("ions.his"), his);
}

TEST(CalculationRunInTheWindow, AnUnstableMotionStopsWithTheFilesOfTheLastFrame) {
    RunWorld w;
    w.program->settings.integrationStep = 0.05;
    w.program->project.ag = 1e6;
    saveProjectFile("ions.zpr", w.program->project);
    w.dismissNotes(1);
    EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
    for (double v : w.program->particles.state) ASSERT_TRUE(std::isfinite(v));
    for (const Frame& f : w.frames())
        for (int j = 3; j < 3 * 9; ++j) EXPECT_TRUE(std::isfinite(f.positions[j]));
    EXPECT_FALSE(w.view.isVisible());
}

// The note names the likely cause: in English in the stepper's own words, in German in
// German, with the numbers as the class writes them.
TEST(CalculationRunInTheWindow, AnUnstableMotionsCauseIsSaidInTheClasssLanguage) {
    for (const char* code : {"en", "de"}) {
        const testing::ChosenLanguage language(code);
        RunWorld w;
        w.program->settings.integrationStep = 0.05;
        w.program->project.ag = 1e6;
        saveProjectFile("ions.zpr", w.program->project);
        const InstabilityCause cause =
            likelyInstabilityCause(w.program->project, w.program->settings);
        std::string note;
        w.pump.afterMs(390, [&](InputState&) {
            for (const ScreenItem& item : Screen().items())
                if (item.role == ScreenRole::Alert) note = item.name;
        });
        w.dismissNotes(1);
        EXPECT_EQ(CalculationRun(*w.program, w.windows), RunOutcome::Finished);
        const std::string said = note.substr(note.find('\n') + 1);
        if (std::string(code) == "en") {
            EXPECT_EQ(said.substr(0, said.find('\n')),
                      "The motion became unstable: " + cause.text + ".");
        } else {
            ASSERT_EQ(cause.source, InstabilityCause::Source::Step);
            EXPECT_EQ(said.substr(0, said.find('\n')),
                      "Die Bewegung wurde instabil: Der Zeitschritt 0,05 ist für diese Kräfte zu "
                      "groß.");
        }
    }
}

// To its end, or to the last whole frame of a file cut short (a frame head alone at the end,
// or a frame cut inside a particle): "Final state reached", then "Terminate" and a click.
TEST(HistoryPlaybackInTheWindow, PlaysToTheEndAndWaitsForTerminateThenAClick) {
    for (const std::string& cut : {std::string(), std::string("8\r\n   0.090\r\n"),
                                   std::string("8\r\n   0.090\r\n   1.000\r\n")}) {
        SCOPED_TRACE(::testing::PrintToString(cut));
        RunWorld w;
        std::string his;
        appendFrameText(his, 8, 0.03, w.program->particles);
        appendFrameText(his, 8, 0.06, w.program->particles);
        writeBytes("ions.his", his + cut);
        w.pump.afterMs(300,
                       [&](InputState&) { w.view.setTag(ViewButton::Stop, 1); });  // "Terminate"
        w.pump.afterMs(600, [](InputState& in) { in.mainWindowTag = 1; });
        QImage shown;
        QString waiting;
        QString saidAtEnd;
        QString saidWaiting;
        w.pump.afterMs(250, [&](InputState&) {
            shown = w.canvas.image().copy();
            saidAtEnd = w.view.accessibleDescription();
        });
        w.pump.afterMs(500, [&](InputState&) {
            waiting = w.view.statusLine()->text();
            saidWaiting = w.view.accessibleDescription();
        });
        HistoryPlayback(*w.program, w.windows);
        ASSERT_FALSE(shown.isNull());
        EXPECT_GT(testing::countColor(shown, QRect(0, 560, 250, 30), packColor(255, 255, 255)), 30)
            << "no \"Final state reached\"";
        EXPECT_NEAR(w.program->particles.time, 0.06, 1e-12);
        EXPECT_FALSE(w.view.isVisible());
        const std::string leftOut =
            cut.empty() ? std::string() : "ions.his: the frame cut short at line 69 was left out";
        EXPECT_EQ(waiting.toStdString(), "Final state reached: click to return" +
                                             (cut.empty() ? std::string() : " (" + leftOut + ")"));
        // The screen reader hears the end, its time, and the keys: Terminate, then back.
        EXPECT_EQ(saidAtEnd.toStdString(),
                  "History of 8 particles; Final state reached, t = 0.060   frame 2" +
                      (cut.empty() ? std::string() : "   " + leftOut) +
                      "; the picture stays, End or T terminates");
        EXPECT_EQ(saidWaiting.toStdString(), "History of 8 particles; " + waiting.toStdString() +
                                                 "; waiting, Enter or a click returns to the menu");
    }
}

TEST(HistoryPlaybackInTheWindow, ADamagedFileEndsWithANoteAndTheViewHidden) {
    // A frame of nine particles is of another project: the project has eight.
    ParticleState nine;
    for (int p = 1; p <= 9; ++p) nine.type[p] = 1;
    std::string foreign;
    appendFrameText(foreign, 9, 0.030, nine);
    for (const std::string& damage : {std::string("8\r\n   0.030\r\n   1.000\r\nabc\r\n"),
                                      std::string("250\r\n   0.030\r\n"), foreign}) {
        RunWorld w;
        std::string his;
        appendFrameText(his, 8, 0.015, w.program->particles);
        writeBytes("ions.his", his + damage);
        w.dismissNotes(1);
        // Should the frame be shown after all, the replay still ends.
        w.pump.afterMs(2000, [&](InputState&) { w.view.setTag(ViewButton::Stop, 1); });
        w.pump.afterMs(2300, [](InputState& in) { in.mainWindowTag = 1; });
        HistoryPlayback(*w.program, w.windows);
        EXPECT_FALSE(w.view.isVisible());
        EXPECT_GE(w.pump.clockMs(), 400) << "no note for " << damage;
        EXPECT_EQ(w.program->particles.time, 0.015) << "the damaged frame was shown";
    }
}

TEST(FinalStateDisplayInTheWindow, ABrokenFileLeavesTheSharedStateAlone) {
    RunWorld w;
    writeBytes("ions.sta", "250\r\n 0.00000000000000E+0000\r\n");
    const ParticleState before = w.program->particles;
    w.dismissNotes(1);
    FinalStateDisplay(*w.program, w.windows);
    EXPECT_EQ(w.program->particles.state, before.state);
    EXPECT_EQ(w.program->particles.type, before.type);
    EXPECT_FALSE(w.view.isVisible());

    // A good one is taken into the shared state and shown until "Terminate" and a click.
    RunWorld good;
    ParticleState moved = good.program->particles;
    moved.position(3, 1) = 12.5;
    writeFinalStateFile("ions.sta", 8, 2.25, moved);
    good.pump.afterMs(200, [&](InputState&) { good.view.setTag(ViewButton::Stop, 1); });
    good.pump.afterMs(400, [](InputState& in) { in.viewWindowTag = 1; });
    FinalStateDisplay(*good.program, good.windows);
    EXPECT_EQ(good.program->particles.position(3, 1), 12.5);
    EXPECT_EQ(good.program->particles.time, 2.25);
}

}  // namespace
}  // namespace zentova

// The main driver: start-up with and without a project, the cover, the menu's disabled
// items, and what each choice leads to (notes, the example guard, restart, exit).

#include <gtest/gtest.h>

#include <filesystem>

#include "canvas/screenitems.h"
#include "driver_fixture.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "model/placement.h"
#include "support/pixels.h"

namespace zentova {
namespace {

using testing::countColor;
using testing::DriverWorld;
using testing::ProcessEnded;
using testing::readBytes;
using testing::writeBytes;

Project demo() {
    Project p;
    p.name = "Demo";
    p.typeCount = 2;
    p.ae = 1.0;
    p.counts = {0, 3, 2};
    p.masses = {0, 1.0, 2.0};
    p.charges = {0, 1, -1};
    p.diameters = {0, 6.0, 6.0};
    p.colors[1] = {255, 0, 0};
    p.colors[2] = {0, 0, 255};
    return p;
}

constexpr int Enabled = 0;
std::vector<int> disabledList(const MenuDisabled& flags) {
    std::vector<int> out;
    for (int i = 0; i < 11; ++i)
        if (flags[i]) out.push_back(i + 1);
    return out;
}

TEST(MainDriverStart, WithoutProjectShowsTheCoverAndDisablesProjectItems) {
    DriverWorld w;
    QImage cover(100, 60, QImage::Format_RGB32);
    cover.fill(QColor(10, 200, 30));
    cover.save("okla.bmp", "BMP");
    QImage shown;
    w.pump.afterMs(60, [&](InputState& in) {
        shown = w.canvas.image().copy();
        in.mouseButtonState = 1;
    });
    MainDriver driver = w.driver();
    driver.startUp();

    ASSERT_FALSE(shown.isNull()) << "the cover did not wait for a click";
    EXPECT_EQ(fromQRgb(shown.pixel(400, 300)), packColor(10, 200, 30));  // centred bitmap
    EXPECT_EQ(fromQRgb(shown.pixel(10, 10)), packColor(0, 0, 0));
    EXPECT_GT(countColor(shown, QRect(320, 50, 200, 30), packColor(0, 255, 255)), 20);
    EXPECT_GT(countColor(shown, QRect(330, 560, 200, 30), packColor(192, 192, 192)), 20);
    EXPECT_FALSE(w.program->source.loaded);
    EXPECT_EQ(w.program->project.name, "?");
    EXPECT_EQ(disabledList(driver.disabledItems()), (std::vector<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(w.program->settings.integrationStep, 0.00005);
    EXPECT_EQ(w.program->settings.backgroundColor, (Rgb{0, 0, 255}));
    static_cast<void>(Enabled);
}

TEST(MainDriverStart, WithProjectSkipsTheCoverAndEnablesByTheFilesThatExist) {
    DriverWorld w;
    saveProjectFile("demo.zpr", demo());
    Settings s;
    s.integrationStep = 0.0002;
    saveSettingsFile(SettingsFileName, s);
    MainDriver driver = w.driver("demo.zpr");
    driver.startUp();

    EXPECT_EQ(w.pump.sleepCalls(), 0);  // no cover to wait on
    EXPECT_TRUE(w.program->source.loaded);
    EXPECT_EQ(w.program->source.baseName, "demo");
    EXPECT_EQ(w.program->project.particleCount, 5);
    EXPECT_EQ(w.program->project.neighbourCount, 4);
    EXPECT_EQ(w.shell.captions.back(), "Zentova - Project : Demo   File demo.zpr");
    EXPECT_EQ(w.program->settings.integrationStep, 0.0002);
    EXPECT_EQ(disabledList(driver.disabledItems()), (std::vector<int>{6, 7}));
    writeBytes("demo.his", "");
    EXPECT_EQ(disabledList(driver.disabledItems()), (std::vector<int>{7}));
    writeBytes("demo.sta", "");
    EXPECT_TRUE(disabledList(driver.disabledItems()).empty());
}

TEST(MainDriverStart, UnreadableInputsAreShownAndLeaveDefaults) {
    DriverWorld w;
    writeBytes("bad.zpr", "Bad\r\n1\r\n2\r\nthree\r\n");
    writeBytes(SettingsFileName, "garbage\r\n");
    w.dismissNotes(3);  // the work folder, the settings, then the project
    QImage firstNote;
    w.pump.afterMs(60, [&](InputState&) { firstNote = w.canvas.image().copy(); });
    MainDriver driver = w.driver("bad.zpr");
    driver.setStartUpNote({"The work folder could not be made:", "/home/u/Zentova",
                           "Read-only file system", "The program works in /tmp"});
    driver.startUp();
    EXPECT_GE(w.pump.clockMs(), 1200) << "each note took its click";

    EXPECT_FALSE(w.program->source.loaded);
    EXPECT_EQ(w.program->project.name, "?");
    EXPECT_EQ(w.shell.captions.back(), "Zentova");
    EXPECT_EQ(w.program->settings.integrationStep, 0.00005);
    // The note is a panel of (100, 100, 255) or its darkened form, somewhere mid-screen.
    ASSERT_FALSE(firstNote.isNull());
    EXPECT_GT(countColor(firstNote, QRect(0, 200, 800, 200), packColor(100, 100, 255)) +
                  countColor(firstNote, QRect(0, 200, 800, 200), packColor(90, 90, 245)),
              500);
}

TEST(MainDriverStart, AStepNoCalculationCanUseKeepsTheFileAndTheCalculationNamesItsLine) {
    DriverWorld w;
    saveProjectFile("demo.zpr", demo());
    writeBytes(SettingsFileName, "10\r\n20\r\n30\r\nNIE\r\nTAK\r\n\r\n0\r\n20\r\n\r\n");
    MainDriver driver = w.driver("demo.zpr");
    driver.startUp();
    EXPECT_EQ(w.pump.sleepCalls(), 0) << "a note waited at start-up";
    // The colours, fog and cube limits of the file apply, and the step it holds.
    EXPECT_EQ(w.program->settings.backgroundColor, (Rgb{10, 20, 30}));
    EXPECT_FALSE(w.program->settings.fogEnabled);
    EXPECT_TRUE(w.program->settings.showCubeLimits);
    EXPECT_EQ(w.program->settings.integrationStep, 0.0);

    w.chooseOnce(5);  // "Calculate"
    w.dismissNotes(1);
    std::string note;
    w.pump.afterMs(w.pump.clockMs() + 350, [&](InputState&) {
        for (const ScreenItem& item : Screen().items())
            if (item.role == ScreenRole::Alert) note = item.name;
    });
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    EXPECT_EQ(note,
              "The calculation cannot start; see \"Advanced setup\".\nsetupek.dat, line 7\n"
              "an integration step of 0 cannot be calculated with; it must be greater than 0");
    EXPECT_FALSE(std::filesystem::exists("demo.his"));
    EXPECT_FALSE(std::filesystem::exists("demo.sta"));
    EXPECT_EQ(w.shell.restarts, (std::vector<std::string>{"demo.zpr"}));
}

TEST(MainDriverMenu, ExitEndsTheProcessWithoutRestart) {
    DriverWorld w;
    MainDriver driver = w.driver();
    w.clickAfter(60);  // past the cover
    driver.startUp();
    w.chooseOnce(11);
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    EXPECT_TRUE(w.shell.restarts.empty());
}

TEST(MainDriverMenu, DisabledItemsCannotBeChosen) {
    DriverWorld w;
    MainDriver driver = w.driver();
    w.clickAfter(60);
    driver.startUp();
    // "Calculate" without a project is disabled: the click is ignored, "Exit" then works.
    w.shell.onMenu = [&w] {
        w.shell.onMenu = nullptr;
        w.press(5);
        w.press(11, 400);
    };
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
}

TEST(MainDriverMenu, RunsThatEndInARestartStartTheProgramAgainWithTheProject) {
    DriverWorld w;
    saveProjectFile("demo.zpr", demo());
    writeBytes("demo.his", "");
    MainDriver driver = w.driver("demo.zpr");
    driver.startUp();
    w.chooseOnce(8);  // "Show/define forces"
    w.dismissNotes(1);
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    EXPECT_EQ(w.shell.restarts, (std::vector<std::string>{"demo.zpr"}));
}

TEST(MainDriverMenu, ExamplesAreRefusedForCalculationAndStillRestart) {
    DriverWorld w;
    saveProjectFile("zen3.zpr", demo());
    MainDriver driver = w.driver("zen3.zpr");
    driver.startUp();
    w.chooseOnce(5);  // "Calculate"
    w.dismissNotes(1);
    // The refusal stands at (ScreenWidth / 2 - 150, 100) until the click.
    QImage refusal;
    w.pump.afterMs(350, [&](InputState&) { refusal = w.canvas.image().copy(); });
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    EXPECT_EQ(w.shell.restarts, (std::vector<std::string>{"zen3.zpr"}));
    ASSERT_FALSE(refusal.isNull());
    EXPECT_GT(countColor(refusal, QRect(250, 100, 400, 90), packColor(100, 100, 255)) +
                  countColor(refusal, QRect(250, 100, 400, 90), packColor(90, 90, 245)),
              2000);
}

TEST(MainDriverMenu, AFailedRestartIsReportedAndTheMenuGoesOn) {
    DriverWorld w;
    saveProjectFile("demo.zpr", demo());
    MainDriver driver = w.driver("demo.zpr");
    driver.startUp();
    w.shell.restartWorks = false;
    w.chooseOnce(8);    // "Show/define forces"
    w.dismissNotes(2);  // "not available yet", then the failed restart
    EXPECT_EQ(driver.menuPass(), 8);
    EXPECT_EQ(w.shell.restarts.size(), 1u);
}

TEST(MainDriverMenu, AProjectWithoutAFileIsNotCalculatedNorRestarted) {
    DriverWorld w;
    MainDriver driver = w.driver();
    w.clickAfter(60);
    driver.startUp();
    w.program->project = demo();
    PlaceParticles(w.program->project, w.program->source, w.program->particles, w.program->random,
                   50.0);    // made in the editor, never saved
    writeBytes(".his", "");  // what a file-less run would have written
    EXPECT_EQ(disabledList(driver.disabledItems()), (std::vector<int>{6, 7}));
    w.chooseOnce(5);
    w.dismissNotes(1);
    EXPECT_EQ(driver.menuPass(), 5);
    EXPECT_TRUE(w.shell.restarts.empty());
    EXPECT_FALSE(std::filesystem::exists(".sta"));
}

TEST(MainDriverMenu, HelpOpensTheManualAndRepaintsUntilTheNextChoice) {
    DriverWorld w;
    writeBytes("Zentova.html", "<html></html>");
    MainDriver driver = w.driver();
    w.clickAfter(60);
    driver.startUp();
    w.chooseOnce(10);
    EXPECT_EQ(driver.menuPass(), 10);
    EXPECT_EQ(w.shell.documents, (std::vector<std::string>{"Zentova.html"}));
    EXPECT_TRUE(w.shell.timer2);
    w.chooseOnce(11);
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    EXPECT_FALSE(w.shell.timer2);

    // No viewer: a note says where the manual is, and nothing is repainted over it.
    w.shell.viewerWorks = false;
    QImage note;
    w.shell.onMenu = [&] {
        w.shell.onMenu = nullptr;
        w.press(10);
        w.pump.afterMs(w.pump.clockMs() + 600, [&](InputState&) {
            note = w.canvas.image().copy();
            w.clickAfter(100);
        });
    };
    EXPECT_EQ(driver.menuPass(), 10);
    EXPECT_FALSE(w.shell.timer2);
    ASSERT_FALSE(note.isNull());
    EXPECT_GT(countColor(note, QRect(0, 200, 800, 200), packColor(100, 100, 255)), 500);

    // A missing manual is handed to the desktop all the same, without a note of the program's
    // own: the choice returns at once, with nothing to click away.
    std::filesystem::remove("Zentova.html");
    for (const bool viewerWorks : {true, false}) {
        w.shell.viewerWorks = viewerWorks;
        w.shell.documents.clear();
        w.chooseOnce(10);
        EXPECT_EQ(driver.menuPass(), 10);
        EXPECT_EQ(w.shell.documents, (std::vector<std::string>{"Zentova.html"}));
        EXPECT_TRUE(w.shell.timer2);
    }
}

}  // namespace
}  // namespace zentova

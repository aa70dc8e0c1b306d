// "Advanced setup", "Retrieve project" and "Save as", driven through the scripted pump with
// fake file and colour dialogs.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/fileops.h"
#include "driver_fixture.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"

namespace zentova {
namespace {

using testing::DriverWorld;
using testing::readBytes;
using testing::writeBytes;

Project twoTypes() {
    Project p;
    p.name = "Pair";
    p.typeCount = 2;
    p.ae = 0.5;
    p.ag = 0.5;
    p.counts = {0, 60, 40};
    p.masses = {0, 1.0, 2.0};
    p.diameters = {0, 6.0, 6.0};
    p.particleCount = 100;
    return p;
}

// Runs the setup dialog; `steps` act on it at 100 ms intervals once it is open.
void runSetup(DriverWorld& w, std::vector<std::function<void()>> steps) {
    long long at = 100;
    for (auto& step : steps) {
        w.pump.afterMs(at, [step](InputState&) { step(); });
        at += 100;
    }
    w.setup->run(w.program->toolkit, w.program->settings, w.program->project, SettingsFileName);
}

TEST(AdvancedSetup, ReadyStoresTheValuesAndWritesTheWholeFile) {
    DriverWorld w;
    SetupDialog& d = *w.setup;
    w.chosenColour = Rgb{10, 20, 30};
    runSetup(w, {[&] {
                     EXPECT_EQ(d.Edit20->text(), "5e-05");  // the values as they stand
                     EXPECT_EQ(d.Edit21->text(), "20");
                     EXPECT_TRUE(w.box->isEnabled());  // open
                     d.Edit20->setText("0.0002");
                     d.Edit21->setText("12.5");
                     d.CheckBox1->setChecked(false);
                 },
                 [&] { d.Button11->click(); }, [&] { d.Button10->click(); }});
    Settings expected;
    expected.integrationStep = 0.0002;
    expected.dampingCoefficient = 12.5;
    expected.fogEnabled = false;
    expected.backgroundColor = {10, 20, 30};
    EXPECT_EQ(readBytes(SettingsFileName), formatSettings(expected));
    EXPECT_EQ(w.program->settings.integrationStep, 0.0002);
    EXPECT_FALSE(w.program->settings.fogEnabled);
    EXPECT_FALSE(w.box->isEnabled());
}

TEST(AdvancedSetup, AnyNumberIsTakenAndTextThatIsNoneIsKeptOutWithAHint) {
    DriverWorld w;
    SetupDialog& d = *w.setup;
    QString hint;
    runSetup(w, {[&] {
                     d.Edit20->setText("fast");
                     d.Edit21->setText("inf");
                 },
                 [&] { d.Button10->click(); },
                 [&] {
                     hint = d.hint->text();
                     EXPECT_EQ(d.Edit20->text(), "5e-05");  // the previous value is back
                     EXPECT_EQ(d.Edit21->text(), "20");
                     // 0 and below are numbers: a calculation says when it cannot use them.
                     d.Edit20->setText("-0.001");
                     d.Edit21->setText("0");
                 },
                 [&] { d.Button10->click(); }});
    EXPECT_TRUE(hint.contains("\"fast\" is not a number")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("\"inf\" is not a number")) << hint.toStdString();
    EXPECT_EQ(w.program->settings.integrationStep, -0.001);
    EXPECT_EQ(w.program->settings.dampingCoefficient, 0.0);
    Settings read;
    loadSettingsFile(SettingsFileName, read);
    EXPECT_EQ(read.integrationStep, -0.001);
    EXPECT_EQ(read.dampingCoefficient, 0.0);
}

TEST(AdvancedSetup, AFileHoldingADampingOf0OpensAndClosesAndIsLeftAloneUnchanged) {
    DriverWorld w;
    SetupDialog& d = *w.setup;
    Settings held;
    held.dampingCoefficient = 0.0;
    saveSettingsFile(SettingsFileName, held);
    loadSettingsFile(SettingsFileName, w.program->settings);
    struct stat before {};
    ASSERT_EQ(::stat(SettingsFileName, &before), 0);
    runSetup(w, {[&] { EXPECT_EQ(d.Edit21->text(), "0"); }, [&] { d.Button10->click(); }});
    EXPECT_FALSE(w.box->isEnabled()) << "Ready did not close the box";
    EXPECT_TRUE(d.hint->text().isEmpty()) << d.hint->text().toStdString();
    EXPECT_EQ(w.program->settings.dampingCoefficient, 0.0);
    // Nothing changed: the file is the same file, not a rewritten copy.
    struct stat after {};
    ASSERT_EQ(::stat(SettingsFileName, &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(readBytes(SettingsFileName), formatSettings(held));
}

TEST(AdvancedSetup, AFileInAnotherFormGetsItsEightLinesEvenWithNothingChanged) {
    DriverWorld w;
    writeBytes(SettingsFileName, "0\n0\n255\nTAK\nTAK\n5e-5\n0\n");
    loadSettingsFile(SettingsFileName, w.program->settings);
    runSetup(w, {[&] { w.setup->Button10->click(); }});
    Settings held;
    held.dampingCoefficient = 0.0;
    EXPECT_EQ(readBytes(SettingsFileName), formatSettings(held));
}

TEST(AdvancedSetup, BackToDefaultsUsesTheStepRuleAndACancelledColourChangesNothing) {
    DriverWorld w;
    SetupDialog& d = *w.setup;
    w.program->settings.backgroundColor = {1, 2, 3};
    w.chosenColour = std::nullopt;  // the colour dialog is cancelled
    Rgb afterCancel{};
    runSetup(w, {[&] { d.Button11->click(); },
                 [&] { afterCancel = w.program->settings.backgroundColor; },
                 [&] { d.Button12->click(); },
                 [&] {
                     EXPECT_EQ(d.Edit20->text(), "0.0001");  // no particles: 0.0001
                     w.program->project = twoTypes();
                     d.Button12->click();
                     EXPECT_EQ(d.Edit20->text(), "1e-05");  // 100 particles, ae + ag = 1
                 },
                 [&] { d.Button10->click(); }});
    EXPECT_EQ(afterCancel, (Rgb{1, 2, 3}));
    EXPECT_EQ(w.program->settings.backgroundColor, DefaultBackgroundColor);
    EXPECT_EQ(w.program->settings.integrationStep, 0.00001);
    EXPECT_EQ(w.program->settings.dampingCoefficient, 20.0);
}

TEST(SaveProjectAs, WritesUnderTheChosenNameAndProposesItNextTime) {
    DriverWorld w;
    w.program->project = twoTypes();
    setProjectPath(w.program->source, "old.zpr");
    w.program->source.loaded = true;
    w.saveAnswers = {std::string("pair.zpr"), std::nullopt};
    SaveProjectAs(*w.program, w.shell, w.files);
    EXPECT_EQ(readBytes("pair.zpr"), formatProject(twoTypes()));
    EXPECT_EQ(w.program->source.path, "pair.zpr");
    EXPECT_EQ(w.program->source.baseName, "pair");
    EXPECT_EQ(w.shell.captions.back(), "Zentova - Project : Pair   File pair.zpr");

    SaveProjectAs(*w.program, w.shell, w.files);  // cancelled
    EXPECT_EQ(w.proposedNames, (std::vector<std::string>{"", "pair.zpr"}));
    EXPECT_EQ(w.program->source.path, "pair.zpr");
}

TEST(SaveProjectAs, ExampleNamesAndUnwritableFoldersKeepThePreviousPath) {
    DriverWorld w;
    w.program->project = twoTypes();
    setProjectPath(w.program->source, "mine.zpr");
    w.saveAnswers = {std::string("lessons/zen3.zpr"), std::string("no/such/folder/x.zpr")};
    w.dismissNotes(2);
    SaveProjectAs(*w.program, w.shell, w.files);
    EXPECT_EQ(w.program->source.path, "mine.zpr");
    EXPECT_FALSE(std::filesystem::exists("lessons/zen3.zpr"));
    SaveProjectAs(*w.program, w.shell, w.files);
    EXPECT_EQ(w.program->source.path, "mine.zpr");
    EXPECT_EQ(w.program->source.baseName, "mine");
    EXPECT_EQ(w.pump.clockMs() >= 400, true) << "no note was shown";
}

TEST(RetrieveProject, LoadsAnyProjectAndKeepsEverythingOnCancelOrError) {
    DriverWorld w;
    saveProjectFile("zen1.zpr", twoTypes());
    writeBytes("broken.zpr", "Broken\r\n1\r\n1\r\n1\r\n25\r\n");
    w.openAnswers = {std::string("zen1.zpr"), std::nullopt, std::string("broken.zpr")};
    RetrieveProject(*w.program, w.shell, w.files);
    EXPECT_TRUE(w.program->source.loaded);
    EXPECT_EQ(w.program->source.path, "zen1.zpr");
    EXPECT_EQ(w.program->project.particleCount, 100);
    EXPECT_EQ(w.program->project.neighbourCount, 20);
    EXPECT_EQ(w.program->particles.type[61], 2);

    RetrieveProject(*w.program, w.shell, w.files);  // cancelled: the path stays
    EXPECT_EQ(w.program->source.path, "zen1.zpr");

    w.dismissNotes(1);
    RetrieveProject(*w.program, w.shell, w.files);  // 25 types: refused with a note
    EXPECT_EQ(w.program->source.path, "zen1.zpr");
    EXPECT_EQ(w.program->project.name, "Pair");
    EXPECT_GE(w.pump.clockMs(), 400);
}

}  // namespace
}  // namespace zentova

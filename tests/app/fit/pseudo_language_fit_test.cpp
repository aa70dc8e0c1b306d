// Every painted screen in the pseudo-language (each text accented and 40 % longer): no text
// may cross the box it stands in or the window's edge, and none may be left in English. The
// screens are driven as the program drives them, through the main driver on a scripted
// pump; the widgets over the canvas are measured where they stand.

#include <gtest/gtest.h>

#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/controltag.h"
#include "app/driver_fixture.h"
#include "app/editfields.h"
#include "app/forceseditor.h"
#include "app/projecteditor.h"
#include "canvas/screenitems.h"
#include "files/projectfile.h"
#include "fitcheck.h"
#include "lang/language.h"
#include "model/placement.h"
#include "view3d/focusframe.h"

namespace zentova {
namespace {

using testing::DriverWorld;
using testing::FitRecorder;
using testing::ProcessEnded;

// The language the screens are checked in: the pseudo-language, or the shipped language
// ZENTOVA_FIT_LANGUAGE names.
std::string checkedLanguage() {
    const char* given = std::getenv("ZENTOVA_FIT_LANGUAGE");
    return given && *given ? given : PseudoLanguage;
}

// The whole program reads the language, chosen as a user would.
class PseudoLanguageChosen : public ::testing::Environment {
  public:
    void SetUp() override {
        setenv(LanguageVariable, checkedLanguage().c_str(), 1);
        ASSERT_EQ(installLanguage(), checkedLanguage());
    }
};
[[maybe_unused]] auto* const pseudoLanguageChosen =
    ::testing::AddGlobalTestEnvironment(new PseudoLanguageChosen);

// The driver's world with the editors in place, and a recorder on its canvas.
struct FitWorld : DriverWorld {
    std::array<QPushButton*, 13> button{};
    std::array<QLineEdit*, 22> edit{};
    std::array<QGroupBox*, 5> boxes{};
    FieldControls fields;
    std::unique_ptr<ForcesEditor> forces;
    std::unique_ptr<ProjectEditor> editor;
    FitRecorder fit{800, 600};

    FitWorld() {
        MeasureScreen(program->toolkit, 800, 600);
        window.resize(800, 600);
        canvas.setRecorder(&fit);
        fit.setPseudo(checkedLanguage() == PseudoLanguage);
        fit.own(dir.path());
        // The force law's coefficients go by their symbols in every language, as in the
        // project file.
        for (const char* symbol : {"ae", "ag", "ar"}) fit.own(symbol);
        const auto hidden = [](QWidget* control) {
            control->hide();
            control->setEnabled(false);
        };
        for (std::size_t n = 1; n <= 12; ++n) {
            button[n] = new FocusFramed<QPushButton>(&window);
            setTag(button[n], 0);
            hidden(button[n]);
        }
        for (std::size_t n = 1; n <= 21; ++n) hidden(edit[n] = new FocusFramed<QLineEdit>(&window));
        for (std::size_t n = 1; n <= 4; ++n) hidden(boxes[n] = new QGroupBox(&window));
        fields = makeFieldControls(&window, edit, button[1]);
        forces = std::make_unique<ForcesEditor>(boxes[1], button[5], fields);
        ProjectControls controls{boxes[2],  boxes[3],  button[6], button[7],
                                 button[8], button[9], {}};
        for (std::size_t n = 11; n <= 19; ++n) controls.edit[n] = edit[n];
        editor = std::make_unique<ProjectEditor>(
            controls, [](Rgb) { return std::optional<Rgb>(); }, *forces);
    }
    ~FitWorld() { canvas.setRecorder(nullptr); }

    MainDriver started(const std::string& argument = "") {
        MainDriver made = driver(argument);
        made.setEditors(editor.get(), forces.get());
        if (argument.empty()) {
            pump.afterMs(50, [this](InputState&) { shot("title"); });
            clickAfter(60);  // past the title
        }
        fit.setScreen("title");
        made.startUp();
        fit.setScreen("menu");
        return made;
    }
    // `action` `ms` after now, in a pump call of its own.
    void after(long long ms, std::function<void()> action) {
        pump.afterMs(pump.clockMs() + ms, [action = std::move(action)](InputState&) { action(); });
    }
    void widgets(const std::string& screen) {
        fit.setScreen(screen);
        fit.checkWidgets(window);
        shot(screen);
    }
    // With ZENTOVA_FIT_SHOTS=FOLDER, the screen as it stands, widgets over the canvas, as
    // FOLDER/NAME.bmp: to look at what the offences name.
    void shot(const std::string& name) {
        const char* folder = std::getenv("ZENTOVA_FIT_SHOTS");
        if (!folder) return;
        QImage picture = canvas.image().copy();
        QPainter painter(&picture);
        window.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        painter.end();
        std::string file = name;
        std::replace(file.begin(), file.end(), ' ', '-');
        saveImageBmp(picture, std::string(folder) + "/" + file + ".bmp");
    }
    void expectFits() {
        EXPECT_GT(fit.textsSeen(), 0) << "nothing was painted";
        EXPECT_TRUE(fit.offences().empty()) << fit.offences().size() << " offences:\n"
                                            << fit.report();
        if (!fit.widths().empty())
            std::cout << "Too wide at 140 % (fit in every shipped language):\n" << fit.widths();
    }
};

Project twoTypes(const char* name) {
    Project p;
    p.name = name;
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

TEST(PseudoLanguageFit, TheTitleAndTheMenuWithoutAProject) {
    FitWorld w;
    MainDriver driver = w.started();
    w.fit.setScreen("menu without a project");
    w.chooseOnce(Item::Exit);
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    w.expectFits();
}

TEST(PseudoLanguageFit, TheMenuAndTheSummaryOfAProject) {
    FitWorld w;
    w.fit.own("Qz");
    w.fit.own("qz.zpr");
    saveProjectFile("qz.zpr", twoTypes("Qz"));
    MainDriver driver = w.started("qz.zpr");
    w.fit.setScreen("menu and summary");
    w.shell.onMenu = [&] {
        w.shell.onMenu = nullptr;
        w.shot("menu and summary");
        w.press(Item::Exit);
    };
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    w.expectFits();
}

TEST(PseudoLanguageFit, TheNotes) {
    FitWorld w;
    w.fit.own("zen3.zpr");
    w.fit.own("Qz");
    saveProjectFile("zen3.zpr", twoTypes("Qz"));
    MainDriver driver = w.started("zen3.zpr");
    // An example refused for the calculation.
    w.fit.setScreen("example refused");
    w.chooseOnce(Item::Calculate);
    w.dismissNotes(1);
    w.after(350, [&] { w.shot("example refused"); });
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    // The manual without a viewer.
    w.fit.setScreen("manual without a viewer");
    w.shell.viewerWorks = false;
    w.shell.onMenu = [&] {
        w.shell.onMenu = nullptr;
        w.press(Item::HelpManual);
        w.after(600, [&] { w.clickAfter(100); });
    };
    EXPECT_EQ(driver.menuPass(), Item::HelpManual);
    // The keys' help over the menu.
    w.fit.setScreen("keys' help");
    w.shell.onMenu = [&] {
        w.shell.onMenu = nullptr;
        w.after(100, [] { Input().keys.push({Qt::Key_F1, 0}); });
        w.after(500, [&] {
            w.shot("keys' help");
            w.clickAfter(100);
        });
        w.after(1200, [&] { w.press(Item::Exit); });
    };
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    w.expectFits();
}

TEST(PseudoLanguageFit, TheNotesOfAProjectWithoutAFile) {
    FitWorld w;
    MainDriver driver = w.started();
    w.program->project = twoTypes("Qz");
    w.fit.own("Qz");
    PlaceParticles(w.program->project, w.program->source, w.program->particles, w.program->random,
                   50.0);
    w.fit.setScreen("calculation without a file");
    w.chooseOnce(Item::Calculate);
    w.dismissNotes(1);
    EXPECT_EQ(driver.menuPass(), Item::Calculate);
    w.expectFits();
}

// The questions before a calculation over an old trajectory, both answered NO, and the note
// on a project that cannot be calculated: no run starts, so no view is drawn.
TEST(PseudoLanguageFit, TheQuestionsAndNotesBeforeACalculation) {
    FitWorld w;
    w.fit.own("Qz");
    w.fit.own("qz.zpr");
    w.fit.own("zero.zpr");
    saveProjectFile("qz.zpr", twoTypes("Qz"));
    testing::writeBytes("qz.his", "");
    Project massless = twoTypes("Qz");
    massless.masses[2] = 0.0;
    saveProjectFile("zero.zpr", massless);
    int questions = 0;
    bool asked = false;
    w.pump.thenRepeat([&](InputState& in) {
        bool question = false;
        for (const ScreenItem& item : Screen().items())
            question = question || item.role == ScreenRole::Dialog;
        if (question && !asked) {
            ++questions;
            w.shot("question before a calculation " + std::to_string(questions));
            in.lastKey = 'n';
        }
        asked = question;
    });
    {
        MainDriver driver = w.started("qz.zpr");
        w.fit.setScreen("questions before a calculation");
        w.chooseOnce(Item::Calculate);
        EXPECT_THROW(driver.menuPass(), ProcessEnded);
    }
    EXPECT_EQ(questions, 2) << "overwrite, then append";
    {
        MainDriver driver = w.started("zero.zpr");
        w.fit.setScreen("a project that cannot be calculated");
        w.chooseOnce(Item::Calculate);
        w.after(1000, [&] {
            w.shot("a project that cannot be calculated");
            w.clickAfter(10);
        });
        EXPECT_THROW(driver.menuPass(), ProcessEnded);
    }
    w.expectFits();
}

TEST(PseudoLanguageFit, TheProjectEditorWithItsHints) {
    FitWorld w;
    MainDriver driver = w.started();
    ProjectEditor& e = *w.editor;
    w.fit.own("Qz");
    w.fit.own("qz.zpr");
    w.saveAnswers = {w.dir.file("qz.zpr")};
    w.shell.onMenu = [&] {
        w.shell.onMenu = nullptr;
        w.fit.setScreen("project editor");
        w.press(Item::NewProject);
        w.after(400, [&] {
            w.widgets("project box");
            e.Edit11->setText("Qz");
            e.Edit12->setText("25");  // too many types: a hint
            setTag(e.Button6, 1);
        });
        w.after(800, [&] {
            w.widgets("project box with its hint");
            e.Edit12->setText("1");
            e.Edit13->setText("1");
            setTag(e.Button6, 1);
        });
        w.after(1200, [&] {
            w.widgets("type box");
            e.Edit16->setText("-3");  // a negative count: a hint
            e.Edit17->setText("0");   // no mass: a hint
            setTag(e.Button8, 1);
        });
        w.after(1600, [&] {
            w.widgets("type box with its hints");
            e.Edit16->setText("3");
            e.Edit17->setText("1");
            e.Edit18->setText("1");
            setTag(e.Button8, 1);
        });
        w.after(2000, [&] { w.clickAfter(100); });
    };
    EXPECT_EQ(driver.menuPass(), Item::NewProject);
    w.expectFits();
}

TEST(PseudoLanguageFit, TheForcesEditorItsPlotAndTheQuestionAfter) {
    FitWorld w;
    w.fit.own("Qz");
    w.fit.own("qz.zpr");
    saveProjectFile("qz.zpr", twoTypes("Qz"));
    MainDriver driver = w.started("qz.zpr");
    w.shell.onMenu = [&] {
        w.shell.onMenu = nullptr;
        w.fit.setScreen("forces editor");
        w.press(Item::ShowDefineForces);
        w.after(400, [&] {
            w.widgets("forces editor");
            w.edit[1]->setText("2");
            setTag(w.button[1], 1);  // "done": the plot
        });
        w.after(800, [&] {
            w.widgets("forces editor with its plot");
            for (std::size_t i = 1; i <= 3; ++i) w.edit[i]->setText("0");
            setTag(w.button[1], 1);  // a flat curve: its panel waits
        });
        w.after(1200, [&] { w.clickAfter(10); });
        w.after(1600, [&] {
            setTag(w.forces->Button5, 1);
            setTag(w.button[1], 1);
            w.fit.setScreen("question after the forces editor");
        });
        w.after(2300, [&] { w.shot("question after the forces editor"); });
        w.after(2400, [] { Input().lastKey = 'n'; });
    };
    EXPECT_THROW(driver.menuPass(), ProcessEnded);
    w.expectFits();
}

TEST(PseudoLanguageFit, TheSetupDialog) {
    FitWorld w;
    MainDriver driver = w.started();
    w.shell.onMenu = [&] {
        w.shell.onMenu = nullptr;
        w.fit.setScreen("setup");
        w.press(Item::AdvancedSetup);
        w.after(400, [&] {
            w.widgets("setup");
            w.setup->Edit20->setText("x");  // not a number: a hint
            w.setup->Button10->click();
        });
        w.after(800, [&] {
            w.widgets("setup with its hint");
            w.setup->Edit20->setText("0.0001");
            w.setup->Button10->click();
        });
    };
    EXPECT_EQ(driver.menuPass(), Item::AdvancedSetup);
    w.expectFits();
}

TEST(PseudoLanguageFit, TheViewWindowsButtons) {
    FitWorld w;
    // As a run shows them.
    for (const ViewButton b : ViewButtons) w.view.button(b)->show();
    w.fit.setScreen("view window");
    w.fit.checkWidgets(w.view);
    EXPECT_TRUE(w.fit.offences().empty()) << w.fit.offences().size() << " offences:\n"
                                          << w.fit.report();
    if (!w.fit.widths().empty()) std::cout << "Too wide at 140 %:\n" << w.fit.widths();
}

// The check itself, on cases worked out by hand.
TEST(FitCheck, EnglishIsTwoPlainLettersInARowOutsideTheUsersNames) {
    const std::vector<std::string> own = {"Salt", "/tmp/a/salt.zpr"};
    const struct {
        const char* text;
        bool english;
    } cases[] = {
        {"Exit", true},
        {"Éxît··", false},                // the pseudo-language's
        {"Fîlé /tmp/a/salt.zpr", false},  // translated, with a user's path
        {"/tmp/a/salt.zpr", false},       // the path alone
        {"Salt", false},
        {"Salt 2 types", true},
        {"2.5000000E+09", false},  // a number with one letter
        {"1  0.5  0.001", false},
        {"x", false},
    };
    for (const auto& c : cases) EXPECT_EQ(testing::leftInEnglish(c.text, own), c.english) << c.text;
}

TEST(FitCheck, ATextBelongsToTheTopBoxItStartsInAndTheWindowHoldsAll) {
    FitRecorder fit(800, 600);
    fit.setPseudo(false);  // a shipped language's: crossing is an offence
    fit.setScreen("s");
    fit.own("Qz");
    fit.box(QRect(100, 100, 200, 50));
    fit.box(QRect(120, 110, 50, 20));          // on top of the first
    fit.text("Qz", QRect(130, 112, 30, 16));   // inside the top box
    fit.text("Qz", QRect(200, 112, 120, 16));  // starts in the lower box only: 21 px right
    fit.text("Qz", QRect(130, 112, 45, 16));   // crosses the top box by 5 px
    fit.text("Qz", QRect(790, 590, 20, 16));   // no box: the window's edge
    const std::vector<std::string> expected = {
        "s: \"Qz\" crosses its box (100, 100) to (300, 150) by 20 px right",
        "s: \"Qz\" crosses its box (120, 110) to (170, 130) by 5 px right",
        "s: \"Qz\" crosses the window's edge by 10 px right, 6 px below",
    };
    EXPECT_EQ(fit.offences(), expected);
    // A box painted over and painted back is gone, then there again.
    fit.saved(QRect(0, 0, 800, 600));
    fit.cleared();
    fit.text("Qz", QRect(200, 112, 120, 16));
    EXPECT_EQ(fit.offences().size(), 3u);
    fit.restored(QRect(0, 0, 800, 600));
    fit.setScreen("t");
    fit.text("Qz", QRect(200, 112, 120, 16));
    EXPECT_EQ(fit.offences().size(), 4u);
}

TEST(FitCheck, AWidgetsTextMustFitItAndTheWidgetItsParent) {
    QWidget top;
    top.resize(300, 200);
    auto* narrow = new QPushButton("Qz Qz Qz Qz Qz Qz", &top);
    narrow->setObjectName("Narrow");
    narrow->setGeometry(10, 10, 40, 25);
    auto* wide = new QPushButton("Qz", &top);
    wide->setObjectName("Wide");
    wide->setGeometry(10, 40, 200, 25);
    auto* outside = new QPushButton("Qz", &top);
    outside->setObjectName("Outside");
    outside->setGeometry(250, 40, 100, 25);
    FitRecorder fit(800, 600);
    fit.setPseudo(false);
    fit.own("Qz");
    fit.setScreen("s");
    fit.checkWidgets(top);
    ASSERT_EQ(fit.offences().size(), 2u) << fit.report();
    EXPECT_TRUE(
        fit.offences()[0].starts_with("s: \"Qz Qz Qz Qz Qz Qz\" is wider than its "
                                      "QPushButton Narrow by "));
    EXPECT_EQ(fit.offences()[1], "s: QPushButton Outside crosses its parent's edge by 50 px right");
}

}  // namespace
}  // namespace zentova

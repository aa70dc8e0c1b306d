// The editors and the setup box in the class's language: German shows a decimal comma and
// reads a comma or a point alike, English shows and takes what it always did, and the
// project file is the same whichever language it was entered in.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/forceseditor.h"
#include "app/projecteditor.h"
#include "app/setupdialog.h"
#include "canvas/screenitems.h"
#include "editor_fixture.h"
#include "lang/catalogues.h"
#include "lang/language.h"

namespace zentova {
namespace {

using testing::EditorWorld;

class EditorLanguage : public ::testing::Test {
  protected:
    void TearDown() override {
        ::unsetenv(LanguageVariable);
        installLanguage();
    }
    static void choose(const char* code) {
        ::setenv(LanguageVariable, code, 1);
        ASSERT_EQ(installLanguage(), code);
    }
};

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(EditorLanguage, GermanShowsACommaAndReadsBothEnglishKeepsItsPoint) {
    struct Shown {
        double value;
        const char* field;        // a field of the editors
        const char* coefficient;  // beside the force plot
        const char* setup;        // in the setup box
    };
    struct Typed {
        const char* text;
        std::optional<double> read;
    };
    struct Case {
        const char* language;
        std::vector<Shown> shown;
        std::vector<Typed> typed;
    };
    const Case cases[] = {
        {"de",
         {{1.5, "1,5", "1,5000", "1,5"},
          {-0.00005, "-5e-05", "-0,0001", "-5e-05"},
          {2.5e9, "2500000000", "2,5000000E+09", "2500000000"},
          {20.0, "20", "20,0000", "20"}},
         {{"1,5", 1.5},
          {"1.5", 1.5},
          {" 0,25", 0.25},
          {"1,5e-3", 0.0015},
          {"1,5,0", std::nullopt},
          {"1,5 ", std::nullopt},  // the fields' rules stay: nothing after the number
          {"eins", std::nullopt}}},
        {"en",
         {{1.5, "1.5", "1.5000", "1.5"},
          {-0.00005, "-5e-05", "-0.0001", "-5e-05"},
          {20.0, "20", "20.0000", "20"}},
         {{"1.5", 1.5}, {"1,5", std::nullopt}, {" 0.25", 0.25}, {"+2", 2.0}}},
    };
    for (const Case& c : cases) {
        choose(c.language);
        for (const Shown& s : c.shown) {
            EXPECT_EQ(screenFieldText(s.value), s.field) << c.language;
            EXPECT_EQ(coefficientText(s.value), s.coefficient) << c.language;
            EXPECT_EQ(generalText(s.value), s.setup) << c.language;
        }
        for (const Typed& t : c.typed)
            EXPECT_EQ(parseScreenRealField(t.text), t.read) << c.language << " " << t.text;
    }
}

// A new project of two types, every real typed as `point` and `comma` say (a language with
// a decimal comma takes either), saved; the file's bytes. In German the mass 0 is refused
// with the hint in German first.
std::string enteredAndSaved(const std::string& point, const std::string& comma,
                            std::vector<std::string>& seen) {
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    w.saveAnswers = {w.dir.file("salt.zpr")};
    w.then(200, [&] {
        seen.push_back(e.GroupBox2->title().toStdString());
        seen.push_back(e.Edit11->text().toStdString());
        e.Edit11->setText("Salt");
        e.Edit12->setText("2");
        e.Edit13->setText(QString::fromStdString("1" + comma + "5"));
        e.Edit14->setText(QString::fromStdString("0" + point + "25"));
        e.Edit15->setText("1e-3");
        setTag(e.Button6, 1);
    });
    w.then(200, [&] {
        seen.push_back(e.Button8->text().toStdString());
        e.Edit16->setText("3");
        e.Edit17->setText(QString::fromStdString("0" + comma + "0"));
        e.Edit18->setText("1");
        e.Edit19->setText(QString::fromStdString("6" + comma + "5"));
        setTag(e.Button8, 1);
    });
    w.then(200, [&] {
        seen.push_back(e.massHint->text().toStdString());
        // The refusal emptied the box.
        e.Edit16->setText("3");
        e.Edit17->setText(QString::fromStdString("1" + comma + "5"));
        e.Edit18->setText("1");
        e.Edit19->setText(QString::fromStdString("6" + comma + "5"));
        setTag(e.Button8, 1);
    });
    w.then(200, [&] {
        e.Edit16->setText("2");
        e.Edit17->setText(QString::fromStdString("2" + point + "5"));
        e.Edit18->setText("-1");
        e.Edit19->setText("8");
        setTag(e.Button8, 1);
    });
    w.click();
    w.editProject(false);
    seen.push_back(w.shell.captions.empty() ? "" : w.shell.captions.front());
    return bytesOf(w.dir.file("salt.zpr"));
}

TEST_F(EditorLanguage, AProjectEnteredInGermanIsSavedByteForByteAsInEnglish) {
    std::vector<std::string> english;
    choose("en");
    const std::string inEnglish = enteredAndSaved(".", ".", english);
    std::vector<std::string> german;
    choose("de");
    const std::string inGerman = enteredAndSaved(".", ",", german);
    ASSERT_FALSE(inEnglish.empty());
    EXPECT_EQ(inGerman, inEnglish);
    EXPECT_NE(inEnglish.find(" 1.50000000000000E+0000\r\n"), std::string::npos) << inEnglish;
    EXPECT_EQ(english,
              (std::vector<std::string>{"Project data", "New project", "Particle type 1 OK ?",
                                        "a number, not 0", "Zentova - Project : Salt"}));
    EXPECT_EQ(german,
              (std::vector<std::string>{"Projektdaten", "Neues Projekt", "Teilchentyp 1 OK?",
                                        "eine Zahl, nicht 0", "Zentova - Projekt : Salt"}));
}

TEST_F(EditorLanguage, AGermanStoredProjectShowsCommasAndAMistypedMassKeepsTheBox) {
    choose("de");
    EditorWorld w;
    ProjectEditor& e = *w.editor;
    Project& p = w.program->project;
    p.name = "Salz";
    p.typeCount = 1;
    p.ae = 1.5;
    p.ag = 0.25;
    p.counts = {0, 2};
    p.masses = {0, 2.5};
    p.diameters = {0, 8.5};
    w.program->source.loaded = true;
    w.then(200, [&] {
        EXPECT_EQ(e.Edit13->text(), "1,5");
        EXPECT_EQ(e.Edit14->text(), "0,25");
        EXPECT_EQ(e.Edit15->text(), "0");
        setTag(e.Button6, 1);
    });
    w.then(200, [&] {
        EXPECT_EQ(e.Edit17->text(), "2,5");
        EXPECT_EQ(e.Edit19->text(), "8,5");
        e.Edit17->setText("2,5kg");  // not a number: the box stays open, without a word
        setTag(e.Button8, 1);
    });
    w.then(200, [&] {
        EXPECT_TRUE(e.GroupBox3->isVisibleTo(&w.window));
        EXPECT_EQ(e.massHint->text(), "");
        e.Edit17->setText("3,25");
        setTag(e.Button8, 1);
    });
    w.click();
    w.editProject(true);
    EXPECT_EQ(p.masses[1], 3.25);
    EXPECT_EQ(p.diameters[1], 8.5);
}

TEST_F(EditorLanguage, TheGermanForcesEditorShowsCommasReadsBothAndNamesThePairInGerman) {
    choose("de");
    EditorWorld w;
    ForcesEditor& f = *w.forces;
    Project& p = w.program->project;
    p.typeCount = 4;
    p.counts = {0, 1, 1, 1, 1};
    p.masses = {0, 1.0, 2.0, 3.0, 4.0};
    p.charges = {0, 1, -1, 2, 0};
    p.diameters = {0, 6.0, 6.0, 10.0, 2.0};
    p.ae = 1.5;
    std::string said;
    w.then(100, [&] {
        EXPECT_EQ(f.ComboBox2->itemText(3), "Typ 4");
        EXPECT_EQ(w.edit[1]->text(), "1,5");
        EXPECT_EQ(w.fields.button1->text(), "fertig");
        w.edit[2]->setText("0,25");
        w.edit[3]->setText("0.002");
        f.ComboBox2->setCurrentIndex(3);
        setTag(w.button[1], 1);
    });
    w.then(100, [&] {
        for (const ScreenItem& item : Screen().items())
            if (item.name.starts_with("Kraft")) said = item.name;
        EXPECT_EQ(w.edit[2]->text(), "0,25");
        EXPECT_EQ(w.edit[3]->text(), "0,002");
        setTag(f.Button5, 1);
        setTag(w.button[1], 1);
    });
    f.EditForces(w.program->toolkit, p, 50.0);
    EXPECT_EQ(p.ag, 0.25);
    EXPECT_EQ(p.ar, 0.002);
    EXPECT_TRUE(
        said.starts_with("Kraft zwischen Typ 1 und Typ 4 über dem Abstand, 0,1 bis "
                         "40,0, für ae = 1,5000, ag = 0,2500, ar = 0,0020"))
        << said;
}

TEST_F(EditorLanguage, GermanSetupShowsCommasTakesEitherAndRefusesInGerman) {
    choose("de");
    EditorWorld w;
    SetupDialog d(new QGroupBox(&w.window), [](Rgb) { return std::optional<Rgb>(); });
    Settings& settings = w.program->settings;
    settings.dampingCoefficient = 12.5;
    QString hint;
    w.then(100, [&] {
        EXPECT_EQ(d.Edit21->text(), "12,5");
        EXPECT_EQ(d.Button10->text(), "Fertig");
        d.Edit20->setText("0,0002");
        d.Edit21->setText("schnell");
        d.Button10->click();
    });
    w.then(100, [&] {
        hint = d.hint->text();
        EXPECT_EQ(d.Edit21->text(), "12,5");
        d.Edit21->setText("7.5");
        d.Button10->click();
    });
    d.run(w.program->toolkit, settings, w.program->project, "setupek.dat");
    EXPECT_EQ(hint.toStdString(), "„schnell“ ist keine Zahl; die Dämpfung bleibt 12,5.");
    EXPECT_EQ(settings.integrationStep, 0.0002);
    EXPECT_EQ(settings.dampingCoefficient, 7.5);
    // The file keeps its point.
    EXPECT_NE(bytesOf("setupek.dat").find(" 7.50000000000000E+0000"), std::string::npos);
}

// Under the pseudo-language every text the editors and the setup box give their controls
// is accented: one left plain English never went through the translation.
TEST_F(EditorLanguage, EveryTextOfTheEditorsAndTheSetupBoxIsTranslated) {
    choose(PseudoLanguage);
    EditorWorld w;
    QGroupBox* setupBox = new QGroupBox(&w.window);
    SetupDialog setup(setupBox, [](Rgb) { return std::optional<Rgb>(); });
    std::vector<QString> texts;
    for (QWidget* control : w.window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(control)) texts.push_back(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(control)) texts.push_back(button->text());
        if (auto* box = qobject_cast<QGroupBox*>(control)) texts.push_back(box->title());
        texts.push_back(control->accessibleName());
        texts.push_back(control->accessibleDescription());
    }
    int checked = 0;
    for (const QString& text : texts) {
        if (text.isEmpty()) continue;
        ++checked;
        bool accented = false;
        for (const QChar c : text) accented = accented || c.unicode() > 127;
        EXPECT_TRUE(accented) << text.toStdString();
    }
    // Captions, buttons, titles, the fields' names and the lists' descriptions.
    EXPECT_GE(checked, 30);
}

// The boxes keep the design's pixels in every shipped language: each caption, title, hint and
// button text fits its control, the longest texts they take included (type 20, the hints).
TEST_F(EditorLanguage, EveryShippedTranslationFitsItsControl) {
    std::vector<std::string> languages = installedLanguages();
    ASSERT_GE(languages.size(), 6u);
    languages.push_back("en");  // the design's own texts fit: the measure is fair
    for (const std::string& language : languages) {
        choose(language.c_str());
        EditorWorld w;
        ProjectEditor& e = *w.editor;
        ForcesEditor& f = *w.forces;
        QGroupBox* setupBox = new QGroupBox(&w.window);
        SetupDialog setup(setupBox, [](Rgb) { return std::optional<Rgb>(); });
        const auto said = [](const std::string& text) { return QString::fromStdString(text); };
        // The texts the editors set while they run, at their longest.
        e.Button8->setText(
            said(filled(translated("ProjectEditor", "Particle type %1 OK ?"), {"20"})));
        e.GroupBox3->setTitle(
            said(filled(translated("ProjectEditor", "Patricles of type %1 - parameters"), {"20"})));
        e.typeCountHint->setText(said(translated("ProjectEditor", "at most 20 types")));
        e.countHint->setText(said(translated("ProjectEditor", "at most 200 in all")));
        e.massHint->setText(said(translated("ProjectEditor", "a number, not 0")));
        w.window.ensurePolished();
        for (QWidget* control : w.window.findChildren<QWidget*>()) control->ensurePolished();

        struct Shown {
            QString text;
            QFont font;
            int room;  // the pixels it has
        };
        std::vector<Shown> texts;
        for (QLabel* label : w.window.findChildren<QLabel*>())
            if (label->parentWidget() == e.GroupBox2 || label->parentWidget() == e.GroupBox3)
                texts.push_back({label->text(), label->font(), label->contentsRect().width()});
        for (QPushButton* button : {e.Button6, e.Button7, e.Button8, e.Button9, f.Button5})
            texts.push_back({button->text(), button->font(), button->width() - 8});
        for (QGroupBox* box : {e.GroupBox2, e.GroupBox3, f.GroupBox1})
            texts.push_back({box->title(), box->font(), box->width() - 20});
        // The list entries beside their arrow, the field captions in their 25 characters.
        texts.push_back({said(filled(translated("ForcesEditor", "Type%1"), {"20"})),
                         f.ComboBox2->font(), f.ComboBox2->width() - 30});
        for (const char* caption : {"Strong attraction", "Weak attraction", "Repelling"}) {
            const QString text = said(translated("ForcesEditor", caption));
            EXPECT_LE(text.size(), 25) << language << " " << caption;
            texts.push_back({text, w.fields.label[1]->font(), w.fields.label[1]->width()});
        }
        for (const Shown& shown : texts)
            EXPECT_LE(QFontMetrics(shown.font).horizontalAdvance(shown.text), shown.room)
                << language << " \"" << shown.text.toStdString() << "\"";
        // The setup box's rows are laid out in its fixed size.
        const QSize needed = setupBox->layout()->minimumSize();
        EXPECT_LE(needed.width(), setupBox->width()) << language;
        EXPECT_LE(needed.height(), setupBox->height()) << language;
    }
}

}  // namespace
}  // namespace zentova

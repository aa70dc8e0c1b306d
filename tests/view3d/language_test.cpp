// The view window in the class's language: its buttons, title, status and the time drawn
// into pictures; English as it always was.

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "lang/catalogues.h"
#include "support/chosenlanguage.h"
#include "view3d/offscreen.h"
#include "view3d/viewkeys.h"
#include "view3d/viewwindow.h"
#include "view_fixture.h"

namespace zentova::test {
namespace {

using zentova::testing::ChosenLanguage;

constexpr ViewButton Row[5] = {ViewButton::HorizontalAngle, ViewButton::VerticalAngle,
                               ViewButton::OriginalAngle, ViewButton::Zoom, ViewButton::Stop};

std::string captions(TForm2& window) {
    std::string text;
    for (const ViewButton b : Row) text += window.button(b)->text().toStdString() + "|";
    return text;
}

TEST(ViewLanguage, TheButtonsAndTheTitleSpeakTheChosenLanguage) {
    struct Case {
        const char* code;
        const char* captions;
        const char* title;
    };
    const Case cases[] = {
        {"en", "Horizontal angle|Vertical angle|Original angle|Zoom|Stop|", "Simulation run"},
        {"de", "Horizontalwinkel|Vertikalwinkel|Ausgangswinkel|Zoom|Stopp|", "Simulationslauf"},
        {"pl", "Kąt poziomy|Kąt pionowy|Kąt początkowy|Przybliżenie|Stop|", "Przebieg symulacji"},
    };
    for (const Case& c : cases) {
        const ChosenLanguage language(c.code);
        TForm2 window;
        EXPECT_EQ(captions(window), c.captions) << c.code;
        EXPECT_EQ(window.windowTitle().toStdString(), c.title) << c.code;
    }
}

// The buttons are 109 pixels wide whatever the language: a caption must fit inside the
// button's frame and margins, as the longest English one does.
TEST(ViewLanguage, EveryLanguagesCaptionsFitTheirButtons) {
    std::vector<std::string> codes = installedLanguages();
    codes.push_back("en");
    for (const std::string& code : codes) {
        const ChosenLanguage language(code.c_str());
        TForm2 window;
        for (const ViewButton b : Row) {
            QPushButton* button = window.button(b);
            const int room = button->width() - 12;  // the frame and a margin on each side
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), room)
                << code << ": " << button->text().toStdString();
        }
        window.button(ViewButton::Stop)
            ->setText(QString::fromStdString(translated("View", "Terminate")));
        QPushButton* stop = window.button(ViewButton::Stop);
        EXPECT_LE(QFontMetrics(stop->font()).horizontalAdvance(stop->text()), stop->width() - 12)
            << code << ": " << stop->text().toStdString();
    }
}

// The view's keyboard help lies over the picture, centred: no language's panel may be wider
// than the English one, which the window was made to hold.
TEST(ViewLanguage, NoLanguagesKeyHelpIsWiderThanTheEnglishOne) {
    const auto panelWidth = [](const std::string& code) {
        const ChosenLanguage language(code.c_str());
        TForm2 window;
        ToggleViewKeyHelp(window);
        const auto* panel = window.findChild<QLabel*>("KeyHelp");
        return panel ? panel->width() : 0;
    };
    const int english = panelWidth("en");
    ASSERT_GT(english, 300);
    for (const std::string& code : installedLanguages())
        EXPECT_LE(panelWidth(code), english) << code;
}

// What the status line puts before the readings while a run pauses or records takes no more
// of the line in any language than in English, so that the readings still show.
TEST(ViewLanguage, ThePausedAndRecordingPrefixesAreNoWiderThanEnglish) {
    const auto widths = [](const std::string& code) {
        const ChosenLanguage language(code.c_str());
        TForm2 window;
        const QFontMetrics metrics(window.findChild<QLabel*>("StatusLine")->font());
        return std::pair{metrics.horizontalAdvance(QString::fromStdString(
                             translated("View", "Paused: P or Space goes on"))),
                         metrics.horizontalAdvance(QString::fromStdString(
                             translated("View", "Recording: %n frames", nullptr, 12345)))};
    };
    const auto english = widths("en");
    for (const std::string& code : installedLanguages()) {
        const auto shown = widths(code);
        EXPECT_LE(shown.first, english.first) << code;
        EXPECT_LE(shown.second, english.second) << code;
    }
}

TEST(ViewLanguage, TheStatusSaysPausedAndRecordingInTheChosenLanguage) {
    const ChosenLanguage language("de");
    TForm2 window;
    window.setRunPhase(RunPhase::Advancing);
    window.setPaused(true);
    EXPECT_EQ(window.liveDescription().toStdString(), "angehalten, P setzt fort");
    window.setRunPhase(RunPhase::Returning);
    EXPECT_EQ(window.liveDescription().toStdString(),
              "wartet, Eingabe oder ein Klick führt zurück zum Menü");
}

// The movie and snapshot commands draw the time into pictures a class sees: with the
// language's decimal comma, and in English exactly as before.
TEST(ViewLanguage, TheTimeInAPictureTakesTheLanguagesSeparator) {
    const auto drawn = [](const char* code) {
        const ChosenLanguage language(code);
        QImage picture(200, 60, QImage::Format_RGB32);
        picture.fill(Qt::black);
        drawTimeText(picture, 1.5, false);
        return picture;
    };
    const QImage english = drawn("en");
    const QImage german = drawn("de");
    const QImage polish = drawn("pl");
    EXPECT_NE(english, german);
    EXPECT_EQ(german, polish) << "both write t = 1,500";
    EXPECT_EQ(english, drawn("en")) << "English is drawn the same every time";
}

// Every row of the view's keyboard help goes through the catalogue: the pseudo-language
// changes each of them, English none.
TEST(ViewLanguage, EveryRowOfTheKeyboardHelpIsTranslated) {
    const std::vector<KeyRow>& table = ViewWindowKeys();
    {
        const ChosenLanguage language("en");
        EXPECT_EQ(TranslatedKeys(table), table);
    }
    const ChosenLanguage language("en-XA");
    const std::vector<KeyRow> shown = TranslatedKeys(table);
    ASSERT_EQ(shown.size(), table.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_NE(shown[i].first, table[i].first);
        EXPECT_NE(shown[i].second, table[i].second);
    }
}

}  // namespace
}  // namespace zentova::test

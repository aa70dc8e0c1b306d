// "Help/Manual" in the chosen language: its own manual where one is shipped, else the
// English one.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/driver_fixture.h"
#include "lang/language.h"

namespace zentova {
namespace {

using namespace zentova::testing;

struct ChosenLanguage {
    explicit ChosenLanguage(const char* code) {
        ::setenv(LanguageVariable, code, 1);
        installLanguage();
    }
    ~ChosenLanguage() {
        ::setenv(LanguageVariable, "en", 1);
        installLanguage();
        ::unsetenv(LanguageVariable);
    }
};

TEST(MainDriverMenu, HelpOpensTheManualOfTheChosenLanguage) {
    struct Case {
        const char* language;
        const char* manual;
    };
    // French is installed but ships no manual here: the English one opens.
    const Case cases[] = {
        {"de", "Zentova.de.html"}, {"fr", "Zentova.html"}, {"en", "Zentova.html"}};
    for (const Case& c : cases) {
        ChosenLanguage chosen(c.language);
        ASSERT_EQ(chosenLanguage(), c.language) << "the catalogues are built";
        DriverWorld w;
        writeBytes("Zentova.html", "<html lang=\"en\"></html>");
        writeBytes("Zentova.de.html", "<html lang=\"de\"></html>");
        MainDriver driver = w.driver();
        w.clickAfter(60);
        driver.startUp();
        w.chooseOnce(10);
        EXPECT_EQ(driver.menuPass(), 10);
        EXPECT_EQ(w.shell.documents, (std::vector<std::string>{c.manual})) << c.language;
    }
}

}  // namespace
}  // namespace zentova

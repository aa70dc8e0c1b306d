#pragma once

// The interface's language chosen for the length of one test, and English again after it.

#include <cstdlib>

#include "lang/catalogues.h"
#include "lang/language.h"

namespace zentova::testing {

class ChosenLanguage {
  public:
    explicit ChosenLanguage(const char* code) {
        ::setenv(LanguageVariable, code, 1);
        installLanguage();
    }
    ~ChosenLanguage() {
        ::setenv(LanguageVariable, "en", 1);
        installLanguage();
        ::unsetenv(LanguageVariable);
    }
    ChosenLanguage(const ChosenLanguage&) = delete;
    ChosenLanguage& operator=(const ChosenLanguage&) = delete;
};

}  // namespace zentova::testing

#pragma once

// The language of the interface: the catalogues of translated texts, which one the class
// reads, and numbers on screen as the class writes them. Files never pass through here:
// they are written with a point whatever the language.

#include <initializer_list>
#include <string>

#include "lang/catalogues.h"

namespace zentova {

// The catalogue for the first of the desktop's languages ("de-AT", "pt_BR", "C") that one
// of the installed fits: the same code, else the same language ("de_AT" takes de, "pt"
// takes pt_BR). "en" when English comes first or nothing fits.
std::string catalogueFor(const std::vector<std::string>& desktop,
                         const std::vector<std::string>& installed);

// Chooses the interface's language, --language's if given, else the first of the desktop's
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that has a catalogue, and installs its catalogue
// and Qt's own. Call once, after the application object is made. Returns the code chosen
// ("en" when none fits). Keeps the C library's numbers with a point, which Qt's start
// would otherwise hand to the desktop's locale.
std::string installLanguage();

// The code installLanguage chose ("en" before it runs).
std::string chosenLanguage();

// The text `source` of `context` in the chosen language, as UTF-8; `count` fills "%n" and
// picks the plural form. `disambiguation` tells apart two texts that read alike in
// English. (The arguments are those of Qt's own, so that lupdate finds every text.)
std::string translated(const char* context, const char* source,
                       const char* disambiguation = nullptr, int count = -1);

// `text` with its markers %1 to %9 replaced by `values` in one pass, so that a value that
// itself holds "%2" stays as it is. A translation may put the markers in any order.
std::string filled(const std::string& text, std::initializer_list<std::string> values);

// A reason the layers below the windows give in English (they serve the command line too),
// in the chosen language: its numbers are taken out as %1, %2, ..., the sentence that is
// left is looked up in `context` (the sentences marked there with QT_TRANSLATE_NOOP), and
// the numbers put back with the language's separator. Unchanged when no translation has it.
std::string translatedReason(const char* context, const std::string& english);

// A number on screen as the class writes it: fixed with `decimals` digits after the
// separator of the chosen language ("0,015" in German), never grouped.
std::string screenNumber(double value, int decimals);

// The chosen language's decimal separator: "." in English, "," in German.
std::string screenDecimalSeparator();

// A number already written with a point (as printf writes it) given the chosen language's
// separator: "0.015" becomes "0,015" in German.
std::string withScreenSeparator(std::string digits);

// A number typed into an editor: with the chosen language's separator or with a point.
// False when the text is not a number.
bool readScreenNumber(const std::string& text, double& value);

}  // namespace zentova

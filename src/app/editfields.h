#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>
#include <span>
#include <string>

#include "canvas/toolkit.h"
#include "model/project.h"

namespace zentova {

// The main-window controls the field entry borrows: caption labels Label1..Label10, the title
// label Label11, the fields Edit1..Edit10 and Button1 as the OK button. Index 0 is unused.
struct FieldControls {
    std::array<QLabel*, 12> label{};
    std::array<QLineEdit*, 11> edit{};
    QPushButton* button1 = nullptr;
};

// Creates Label1..Label11 on `window`, hidden and disabled, and puts them, the fields and
// the button at their places in the form: captions at x 30, fields at x 240.
// `edits` holds the fields at their numbers (index 0 unused).
FieldControls makeFieldControls(QWidget* window, std::span<QLineEdit* const> edits,
                                QPushButton* button1);

// Ten texts, one per field.
using FieldTexts = std::array<std::string, 10>;

// A column of labelled fields painted over the canvas on a decorative box, and a wait until
// Button1 is pressed (its tag becomes 1) or Enter is pressed anywhere. There is no cancel:
// the values are always read back (each cut to 255 characters).
// - count > 0 puts the title at y 40, count < 0 near the bottom (ScreenHeight - n * 25 - 100);
//   fields follow 25 pixels apart, the button 30 below the last one. |count| > 100 leaves
//   out the box (n = |count| - 100). At most ten fields are shown.
// - Captions are padded or cut to 25 characters. Values after the n-th come back empty.
// - The screen, the controls' places and Label1's colour are as they were afterwards; the
//   scratch bitmap file and the screen backup are overwritten.
void EditFields(Toolkit& toolkit, FieldControls& controls, int count, const std::string& title,
                const FieldTexts& captions, FieldTexts& values);

// The colour a label is painted in, and painting it.
Rgb labelColour(const QLabel* label);
void setLabelColour(QLabel* label, Rgb colour);

// Field texts of the editors, parsed whole: leading blanks are allowed, an empty field or
// any character after the number is not. A real must be finite.
std::optional<std::int32_t> parseIntegerField(const std::string& text);
std::optional<double> parseRealField(const std::string& text);

// Numbers as the editors put them into fields: integers plainly, reals in the shortest
// general form of up to 15 significant digits, "." as the decimal point.
std::string fieldText(double value);
std::string fieldText(std::int32_t value);

// (A number's text as the chosen language writes it: withScreenSeparator, lang/language.h.)
// A typed number's text with the chosen language's separator turned back into the point, so
// that "1,5" and "1.5" read alike in German; in English a comma stays a comma (and refused).
std::string withPointSeparator(std::string text);

// The editors' reals on screen and typed: fieldText and parseRealField with the chosen
// language's decimal separator, which the field takes as well as the point.
std::string screenFieldText(double value);
std::optional<double> parseScreenRealField(const std::string& text);

}  // namespace zentova

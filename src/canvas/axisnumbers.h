#pragma once

#include <string>

namespace zentova {

// Number forms of the labels: fixed point with `decimals` decimals, right-aligned in `width`
// characters; and the shortest general form of up to `digits` significant digits. Both
// always write "." as the decimal point.
std::string fixedText(double value, int width, int decimals);
std::string generalNumber(double value, int digits);

// A number written with a point ("0.5", "  -1.2500", "1e-05") as the class reads it on
// screen: the chosen language's decimal separator in place of the point.
std::string onScreen(std::string text);

// `text` with spaces in front up to `width` characters.
std::string padLeft(std::string text, int width);

}  // namespace zentova

#pragma once

#include <string>

namespace zentova {

// Number forms of the labels: fixed point with `decimals` decimals, right-aligned in `width`
// characters; and the shortest general form of up to `digits` significant digits. Both
// always write "." as the decimal point.
std::string fixedText(double value, int width, int decimals);
std::string generalNumber(double value, int digits);

// `text` with spaces in front up to `width` characters.
std::string padLeft(std::string text, int width);

}  // namespace zentova

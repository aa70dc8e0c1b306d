#pragma once

#include <string>

namespace zentova {

// The 23-character exponential form of the project, final-state and settings files:
// sign position (blank or "-"), one digit, ".", 14 digits, "E", exponent sign, 4 digits.
// 1 -> " 1.00000000000000E+0000", -0.00123 -> "-1.23000000000000E-0003".
std::string formatReal(double value);
void appendReal(std::string& out, double value);

// Fixed point with 3 decimals, right-aligned in at least 8 characters:
// 0.5 -> "   0.500", -1234.5678 -> "-1234.568".
std::string formatFixed(double value);
void appendFixed(std::string& out, double value);

// A number for a message or a CSV field, as printf's "%.*f" (`decimals` after the point) and
// "%.*g" (`digits` significant, trailing zeros dropped) give it, always with a ".":
// formatDecimals(0.5, 3) -> "0.500", formatSignificant(1234567, 6) -> "1.23457e+06".
std::string formatDecimals(double value, int decimals);
std::string formatSignificant(double value, int digits);

// A number for a message that may come from the user: formatDecimals below BriefLimit, the
// shortest form that reads back as the value beyond (1e308 -> "1e+308", not 309 digits).
inline constexpr double BriefLimit = 1e15;
std::string formatBrief(double value, int decimals);

// The shortest text that reads back as the same double: 0.1 -> "0.1", 1e-05 -> "1e-05".
std::string formatShortest(double value);

// Plain decimal integer.
void appendInt(std::string& out, long long value);

// Line end of every file the program writes.
inline constexpr const char* LineEnd = "\r\n";

}  // namespace zentova

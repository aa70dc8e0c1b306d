#include "files/numformat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace zentova {

// std::to_chars rather than printf: printf follows the C locale, which a GUI toolkit may
// switch to one with a decimal comma.

void appendReal(std::string& out, double value) {
    constexpr std::size_t width = 23;
    if (!std::isfinite(value)) {
        // Never written by the program on purpose; every reader refuses it.
        const char* text = std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF";
        const std::string_view word(text);
        out.append(width - word.size(), ' ');
        out += word;
        return;
    }
    if (value == 0.0) {  // negative zero too: its sign position is a blank
        out += " 0.00000000000000E+0000";
        return;
    }
    // Rounded to 15 digits, the largest doubles would become 1.79769313486232E+0308, which
    // lies beyond the largest double and no reader takes back; round them down instead.
    constexpr double largestWritable = 1.79769313486231e308;
    if (std::fabs(value) > largestWritable) value = std::copysign(largestWritable, value);
    std::array<char, 40> digits;
    const char* const begin = digits.data();
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                          std::fabs(value), std::chars_format::scientific, 14)
                                .ptr;
    // to_chars gives "d.ddddddddddddddde+dd"; the file wants "E" and four exponent digits.
    const char* const e = std::find(begin, end, 'e');
    out += value < 0 ? '-' : ' ';
    out.append(begin, e);
    out += 'E';
    out += e[1];
    const auto exponentDigits = static_cast<std::size_t>(end - (e + 2));
    if (exponentDigits < 4) out.append(4 - exponentDigits, '0');
    out.append(e + 2, end);
}

std::string formatReal(double value) {
    std::string out;
    appendReal(out, value);
    return out;
}

void appendFixed(std::string& out, double value) {
    constexpr std::size_t width = 8;
    std::array<char, 340> digits;  // the largest double has 309 integer digits
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                   std::chars_format::fixed, 3)
                         .ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    if (length < width) out.append(width - length, ' ');
    out.append(digits.data(), length);
}

std::string formatFixed(double value) {
    std::string out;
    appendFixed(out, value);
    return out;
}

void appendInt(std::string& out, long long value) {
    std::array<char, 24> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out.append(digits.data(), end);
}

namespace {

std::string formatWith(double value, std::chars_format format, int precision) {
    std::array<char, 400> text{};  // room for the longest fixed form of a double
    const auto [end, ec] =
        std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    return ec == std::errc() ? std::string(text.data(), end) : std::string();
}

}  // namespace

std::string formatDecimals(double value, int decimals) {
    return formatWith(value, std::chars_format::fixed, decimals);
}

std::string formatSignificant(double value, int digits) {
    return formatWith(value, std::chars_format::general, digits);
}

std::string formatBrief(double value, int decimals) {
    if (std::fabs(value) < BriefLimit || !std::isfinite(value))
        return formatDecimals(value, decimals);
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

std::string formatShortest(double value) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

}  // namespace zentova

#include "canvas/axisnumbers.h"

#include <charconv>

#include "lang/language.h"

namespace zentova {

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string fixedText(double value, int width, int decimals) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    const std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : "?";
    return padLeft(text, width);
}

std::string generalNumber(double value, int digits) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

}  // namespace zentova

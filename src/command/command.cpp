#include "command/command.h"

#include <algorithm>
#include <iostream>

namespace zentova {

std::string escapeControls(std::string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += "\\x";
            out += Hex[byte >> 4];
            out += Hex[byte & 0xf];
        }
    }
    return out;
}

std::string shellWord(std::string_view word) {
    std::string text(word);
    if (text.empty()) return "''";
    if (text.front() == '-') text = "./" + text;
    const auto plain = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view("/._-+,:@%").find(c) != std::string_view::npos;
    };
    if (std::all_of(text.begin(), text.end(), plain)) return text;
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void tell(std::ostream& err, std::string_view message) {
    // A file name may hold a line end or a terminal's escape: the message stays one line,
    // and says it.
    err << "zentova: " << escapeControls(message) << '\n';
}

int usageError(const std::string& message) {
    tell(std::cerr, message);
    std::cerr << "try \"zentova --help\"\n";
    return 1;
}

}  // namespace zentova

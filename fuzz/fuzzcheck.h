#pragma once

// What every reader target checks besides the sanitizers: a refused file gets one short,
// printable message that names the file; an accepted file holds only values the program
// can use; and what the program writes from them reads back to the same text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "files/fileerror.h"

namespace zentova::fuzz {

inline constexpr const char* FileName = "fuzzed";

// Stops the run; libFuzzer keeps the input that got here.
[[noreturn]] inline void failed(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

inline void require(bool condition, const char* what) {
    if (!condition) failed(what);
}

inline std::istringstream input(const std::uint8_t* data, std::size_t size) {
    return std::istringstream(std::string(reinterpret_cast<const char*>(data), size));
}

// The message is shown on the canvas and printed on a terminal: one line, no control
// characters, not swollen by a huge input, and it says which file.
inline void checkMessage(const FileError& error) {
    const std::string text = error.what();
    require(text.rfind(std::string(FileName) + ":", 0) == 0, "the message does not name the file");
    require(text.size() < 400, "the message is longer than 400 characters");
    for (const char c : text)
        require(static_cast<unsigned char>(c) >= 0x20, "the message holds a control character");
}

inline void requireFinite(double value, const char* what) {
    require(std::isfinite(value), what);
}

}  // namespace zentova::fuzz

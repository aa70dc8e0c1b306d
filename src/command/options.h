#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "command/command.h"

namespace zentova {

// The one reader of every command's options: each command lists its options in a table,
// one entry each, and the reader walks the arguments in order against it.

// One option: its word, how many arguments after it are its values, and what it does with
// them. A word ending in '=' (such as "--report=") takes the rest of its own argument as
// its one value instead.
struct Option {
    std::string_view word;
    int values = 0;
    // The refusal when the values are missing or `take` refuses them: WORD needs NEEDS.
    std::string needs;
    // Stores the values; false refuses them. A refusal worded otherwise throws UsageError.
    std::function<bool(std::span<const std::string> values)> take;
    // The command is done once this option is taken (--help, --version).
    bool ends = false;
};

// Reads `arguments` in order against `options`; an argument that names no option goes to
// `positional`, which returns false to refuse it (no `positional`: every such argument is
// refused). A refusal throws UsageError: "UNKNOWN \"ARGUMENT\"" or "WORD needs NEEDS".
// Returns false when an option that ends the command was taken.
bool readOptions(std::span<const std::string> arguments, std::span<const Option> options,
                 std::string_view unknown,
                 const std::function<bool(const std::string&)>& positional = {});

// An option without values that sets `on`.
Option flag(std::string_view word, bool& on);

// An option whose one value is kept as it is, such as a folder.
Option textOption(std::string_view word, std::string& value, std::string needs);

// An option whose one value is a finite real number; `needs` says what it is ("a number").
template <typename Target>
Option realOption(std::string_view word, Target& target, std::string needs) {
    return {word, 1, std::move(needs), [&target](std::span<const std::string> values) {
                double value = 0.0;
                if (!parseNumber(values[0], value)) return false;
                target = value;
                return true;
            }};
}

// An option whose one value is a whole number of type T from `lowest` to `highest`:
// "WORD needs a whole number from LOWEST to HIGHEST" and `note` after it when refused.
template <typename T, typename Target>
Option wholeOption(std::string_view word, Target& target, T lowest, T highest,
                   std::string_view note = {}) {
    return {word, 1,
            "a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest) +
                std::string(note),
            [&target, lowest, highest](std::span<const std::string> values) {
                T value{};
                if (!parseNumber(values[0], value) || value < lowest || value > highest)
                    return false;
                target = value;
                return true;
            }};
}

}  // namespace zentova

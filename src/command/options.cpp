#include "command/options.h"

#include <algorithm>

namespace zentova {

namespace {

bool inlineValue(std::string_view word) {
    return !word.empty() && word.back() == '=';
}

// The option `argument` names: its own word, or a word ending in '=' it begins with.
const Option* optionNamed(std::span<const Option> options, std::string_view argument) {
    const auto exact = std::find_if(options.begin(), options.end(), [&](const Option& o) {
        return !inlineValue(o.word) && o.word == argument;
    });
    if (exact != options.end()) return &*exact;
    const auto inlined = std::find_if(options.begin(), options.end(), [&](const Option& o) {
        return inlineValue(o.word) && argument.starts_with(o.word);
    });
    return inlined != options.end() ? &*inlined : nullptr;
}

}  // namespace

bool readOptions(std::span<const std::string> arguments, std::span<const Option> options,
                 std::string_view unknown,
                 const std::function<bool(const std::string&)>& positional) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const Option* option = optionNamed(options, argument);
        if (!option) {
            if (!positional || !positional(argument))
                throw UsageError(std::string(unknown) + " \"" + argument + "\"");
            continue;
        }
        bool taken = false;
        if (inlineValue(option->word)) {
            const std::string value = argument.substr(option->word.size());
            taken = option->take(std::span(&value, 1));
        } else {
            const std::size_t count = static_cast<std::size_t>(option->values);
            const std::size_t available = std::min(count, arguments.size() - i - 1);
            taken = available == count && option->take(arguments.subspan(i + 1, count));
            i += available;
        }
        if (!taken) throw UsageError(std::string(option->word) + " needs " + option->needs);
        if (option->ends) return false;
    }
    return true;
}

Option flag(std::string_view word, bool& on) {
    return {word, 0, "", [&on](std::span<const std::string>) { return on = true; }};
}

Option textOption(std::string_view word, std::string& value, std::string needs) {
    return {word, 1, std::move(needs), [&value](std::span<const std::string> values) {
                value = values[0];
                return true;
            }};
}

}  // namespace zentova

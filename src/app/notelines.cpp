#include "app/notelines.h"

#include <algorithm>

namespace zentova {

std::array<std::string, 4> noteLines(const std::string& text) {
    std::array<std::string, 4> lines;
    std::size_t start = 0;
    for (std::string& line : lines) {
        if (start > text.size()) break;
        const std::size_t end = std::min(text.find('\n', start), text.size());
        line = text.substr(start, end - start);
        start = end + 1;
    }
    return lines;
}

}  // namespace zentova

#include "command/command.h"

#include <iostream>

namespace zentova {

void tell(std::ostream& err, std::string_view message) {
    err << "zentova: " << message << '\n';
}

int usageError(const std::string& message) {
    tell(std::cerr, message);
    std::cerr << "try \"zentova --help\"\n";
    return 1;
}

}  // namespace zentova

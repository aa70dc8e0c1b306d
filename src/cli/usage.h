#pragma once

namespace zentova {

// The text of --help.
extern const char* const UsageText;

}  // namespace zentova

#pragma once

#include <string>
#include <string_view>

namespace zentova {

// Project names are Windows-1252 in the file and UTF-8 inside the program.
// Bytes without a character in Windows-1252 become U+FFFD.
std::string cp1252ToUtf8(std::string_view text);
// Characters without a Windows-1252 byte become "?".
std::string utf8ToCp1252(std::string_view text);

}  // namespace zentova

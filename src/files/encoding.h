#pragma once

#include <string>
#include <string_view>

namespace zentova {

// Project names are Windows-1252 in the file and UTF-8 inside the program.
// Bytes without a character in Windows-1252 become U+FFFD.
std::string cp1252ToUtf8(std::string_view text);
// Characters without a Windows-1252 byte become "?".
std::string utf8ToCp1252(std::string_view text);

// True when `text` is well-formed UTF-8: no stray or missing continuation bytes, no
// overlong forms, no surrogates, nothing past U+10FFFF.
bool isUtf8(std::string_view text);

// A line of text from a file a user may have brought from elsewhere, as UTF-8: taken as
// UTF-8 when it is well-formed UTF-8 and not plain ASCII (saved by a UTF-8 editor), else as
// Windows-1252 (the program's own files). Windows-1252 text that happens to be well-formed
// UTF-8 as well ("Ã©") is rare in a name and is read as UTF-8.
std::string fileTextToUtf8(std::string_view text);

}  // namespace zentova

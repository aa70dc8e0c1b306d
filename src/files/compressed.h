#pragma once

#include <istream>
#include <memory>
#include <string>

namespace zentova {

// A file opened for reading as a stream: plain, or gzip-compressed when its name ends in
// ".gz". Only a regular file is opened. Throws FileError ("cannot open: ...").
std::unique_ptr<std::istream> openMaybeCompressed(const std::string& path);

}  // namespace zentova

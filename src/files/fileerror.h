#pragma once

#include <stdexcept>
#include <string>

#include "command/programerror.h"

namespace zentova {

// A failure to read or write one of the program's files. what() reads
// "FILE:LINE: REASON", or "FILE: REASON" when no line applies.
class FileError : public ProgramError {
  public:
    FileError(const std::string& file, int line, const std::string& reason);
    const std::string& file() const { return m_file; }
    int line() const { return m_line; }
    const std::string& reason() const { return m_reason; }

  private:
    std::string m_file;
    int m_line;
    std::string m_reason;
};

}  // namespace zentova

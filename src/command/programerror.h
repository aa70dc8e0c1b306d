#pragma once

#include <stdexcept>

namespace zentova {

// The one family of the program's own failures: a refused argument (UsageError), a file
// (FileError), an unstable motion, a busy trajectory, a movie's encoder, a missing OpenGL.
// what() is the message as the user reads it; a command tells it after "zentova: ".
class ProgramError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zentova

#include "runs/notes.h"

#include "canvas/prompts.h"

namespace zentova {

void showFileErrorNote(Toolkit& toolkit, const char* what, const FileError& error) {
    const std::string where =
        error.line() > 0 ? error.file() + ", line " + std::to_string(error.line()) : error.file();
    NoteBox(toolkit, what, where, error.reason(), "", 0, 0);
}

}  // namespace zentova

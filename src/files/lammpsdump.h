#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "files/compressed.h"
#include "files/lammpsmanifest.h"

namespace zentova {

// One frame of a LAMMPS run's custom dump, put in the order of the particles' ids.
struct LammpsFrame {
    long long step = 0;
    double time = 0.0;               // the model's: the manifest's start time + the run's
    std::vector<int> types;          // types[id - 1]
    std::vector<double> positions;   // x, y, z per particle, in the box's coordinates
    std::vector<double> velocities;  // vx, vy, vz per particle; zeros when the dump has none
};

// Reads the custom dump of a run of an export frame by frame, checked against the export's
// manifest: a frame's atom count, its types and their counts, and its box must be the
// manifest's (a dump of another export is refused, naming what differs); ids may come in
// any order, each once; `ITEM: UNITS` and `ITEM: TIME` are read where they stand. A value
// that is not a finite number, a change of the atom count, a type the manifest does not
// know or a position farther outside the box than the box is long is refused: FileError
// with the file and line. A last frame cut short by the end of the file is left out, and
// note() says where it began.
class LammpsDumpReader {
  public:
    LammpsDumpReader(std::istream& in, std::string fileName, const LammpsManifest& manifest);

    // The next whole frame; false at the end of the dump. Throws FileError.
    bool next(LammpsFrame& frame);

    // "FILE:LINE: the last frame is cut short and left out", or empty.
    const std::string& note() const { return m_note; }
    int line() const { return m_line; }

  private:
    // What a frame's items say before its atoms.
    struct Head {
        long long step = -1;
        long long count = -1;
        bool timed = false;
        double time = 0.0;
        bool boxed = false;
    };
    // Where the atoms' columns stand; -1 when missing.
    struct Columns {
        std::size_t width = 0;
        int id = -1, type = -1, position[3] = {-1, -1, -1}, velocity[3] = {-1, -1, -1};
        bool moving = false;  // all three velocities there
    };

    bool frameBegins();
    const std::string& take();
    Head readHead();
    void readItem(const std::string& item, Head& head);
    void readBox(std::string_view name);
    Columns readColumns() const;
    void readAtoms(const Head& head, const Columns& columns, LammpsFrame& frame);
    void readAtom(const Columns& columns, long long count, LammpsFrame& frame,
                  std::vector<long long>& perType);
    [[noreturn]] void fail(const std::string& reason) const;
    [[noreturn]] void other(const std::string& what) const;

    std::istream& m_in;
    std::string m_fileName;
    const LammpsManifest& m_manifest;
    int m_line = 0;
    std::string m_note;
    std::string m_text;
    bool m_pending = false;  // m_text holds a line not yet taken
    long long m_lastStep = -1;
    int m_frameLine = 0;  // where the frame being read began
    bool m_ended = true;  // the line last read had its line end
};

}  // namespace zentova

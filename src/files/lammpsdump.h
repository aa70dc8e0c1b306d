#pragma once

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "files/lammpsmanifest.h"
#include "files/readings.h"

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
    std::istream& m_in;
    std::string m_fileName;
    const LammpsManifest& m_manifest;
    int m_line = 0;
    std::string m_note;
    std::string m_text;
    bool m_pending = false;  // m_text holds a line not yet taken
    long long m_lastStep = -1;
};

// A file opened for reading as a stream: plain, or gzip-compressed when its name ends in
// ".gz". Only a regular file is opened. Throws FileError ("cannot open: ...").
std::unique_ptr<std::istream> openMaybeCompressed(const std::string& path);

// Reads a run's log.lammps into readings, checked against the manifest: the thermo tables
// of every run in it (a WARNING inside a table is passed over, a run's first row repeating
// the last one's step replaces it), the rows at the model's frames (step a whole number of
// frame intervals, from the first) in the readings file's columns. A table without the
// export's columns, a row that is not one (cut short, a value not a finite number) or a
// step that goes back is left out, the first such line in badLine; a log cut before "Loop
// time" keeps its whole rows.
ReadingsTable parseLammpsLog(std::istream& in, const LammpsManifest& manifest);

}  // namespace zentova

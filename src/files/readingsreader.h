#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "files/readings.h"

namespace zentova {

// A readings file as read back: its types (from the header), its lines, and where it stops
// making sense.
struct ReadingsTable {
    bool headerKnown = false;
    std::vector<int> types;
    std::vector<ReadingsRow> rows;
    int badLine = 0;  // first line left out as not a line of readings; 0 when none was
};

// Reads the header and every line of readings; files written before the bath could change
// have no bath_factor column, and their rows read as the setup's bath (1). A line is left out (and
// the first such named in badLine) when it is not one: fields missing or not numbers, a frame
// number that is not a whole number from 1, one that does not increase from the line before, a time
// earlier than the line before, a line longer than the readers take, or a last line cut
// short. The lines after it still count. Of two lines out of order with each other where the
// one before both fits either, the one the next sound line does not follow goes (the second
// when none comes): a single absurd line (a time of 1e300) goes alone. Never throws for the
// content.
ReadingsTable parseReadings(std::istream& in);

// A readings file read line by line, as parseReadings reads it, holding one line at a time.
class ReadingsReader {
  public:
    // Reads the header.
    explicit ReadingsReader(std::istream& in);
    bool headerKnown() const { return m_headerKnown; }
    const std::vector<int>& types() const { return m_types; }
    // The next line of readings, the lines that are not left out (see parseReadings); false at
    // the end of the file. A row is given once the row after it has shown that it was not
    // the odd one of two out of order, so the reader reads a row ahead.
    bool next(ReadingsRow& row);
    // The first line left out, or 0; final once next() has returned false.
    int badLine() const { return m_badLine; }

  private:
    struct Held {
        ReadingsRow row;
        int line = 0;
    };
    void leaveOut(int line);
    // Takes the next sound row in; true when a row is ready to give (in `m_ready`).
    bool take(ReadingsRow&& row, int line);

    std::istream& m_in;
    bool m_headerKnown = false;
    std::vector<int> m_types;
    std::size_t m_columns = 0;
    bool m_withBath = false;
    int m_lineNo = 1;
    int m_badLine = 0;
    std::optional<ReadingsRow> m_given;  // the last row given
    std::optional<Held> m_kept;          // the row kept last, not yet given
    std::optional<Held> m_challenger;    // a row out of order with m_kept but not with m_given
    ReadingsRow m_ready;
    bool m_ended = false;
};

// The rows of a readings file that belong to a trajectory's frames, found as the frames go
// by in their order: a row belongs to its frame number when its time is the frame's as
// written (see keepTrajectoryRows).
class FrameReadings {
  public:
    explicit FrameReadings(ReadingsReader& reader);
    // Frame `number` (from 1, each once, increasing) at `time`: its row, or null; rows
    // passed over are counted as matching no frame. The row lasts until the next call.
    const ReadingsRow* frame(long long number, double time);
    // Whether a row waits to be matched: before the first frame, whether the file has any.
    bool rowWaiting() const { return m_pending && !m_done; }
    // After the last frame: the rows left match none. Returns how many rows matched none.
    std::size_t finish();

  private:
    ReadingsReader& m_reader;
    ReadingsRow m_row;
    bool m_pending = false;  // m_row holds a row not yet matched
    bool m_done = false;     // m_row went by with its frame
    std::size_t m_foreign = 0;
};

// Drops the rows that do not belong to the trajectory whose frames are at `frameTimes`: a
// frame number beyond its frames, or a time other than its frame's as written. Returns how
// many went.
std::size_t keepTrajectoryRows(ReadingsTable& table, const std::vector<double>& frameTimes);

// Reads the readings file at `path`; an empty table when it cannot be opened or is not a
// regular file.
ReadingsTable loadReadings(const std::string& path);

}  // namespace zentova

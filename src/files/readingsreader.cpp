#include "files/readingsreader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string_view>
#include <utility>

#include "files/atomicfile.h"
#include "files/fileio.h"
#include "files/linereader.h"
#include "files/trajectory.h"
#include "model/bathschedule.h"
#include "model/limits.h"

namespace zentova {

namespace {

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

}  // namespace

namespace {

// One line of at most LineReader::MaxLineLength characters, without its line end (LF, or
// CR LF). A longer line is read to its end but not kept: `tooLong` says so. `ended` is
// false for a last line the file cut off before its line end. False at the end of the file.
bool readLine(std::istream& in, std::string& line, bool& tooLong, bool& ended) {
    line.clear();
    tooLong = false;
    ended = false;
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (c == '\n') {
            ended = true;
            break;
        }
        if (line.size() < LineReader::MaxLineLength)
            line.push_back(static_cast<char>(c));
        else
            tooLong = true;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

// A frame number as the writer writes it: decimal digits alone, at least 1.
bool parseFrameNumber(std::string_view text, long long& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty() &&
           text[0] != '-' && value >= 1;
}

bool knownHeader(std::vector<std::string_view> names, std::vector<int>& types) {
    if (!names.empty() && names.back() == BathColumn) names.pop_back();
    constexpr std::size_t FixedColumns = 6;
    if (names.size() < FixedColumns || names[0] != "time" ||
        (names[1] != "frame" && names[1] != "frames") || names[2] != "mean_kinetic_energy" ||
        names[names.size() - 3] != "mean_speed" ||
        names[names.size() - 2] != "radius_of_gyration" ||
        names.back() != "largest_distance_from_centre")
        return false;
    const std::string_view prefix = TypeColumnPrefix;
    for (std::size_t k = 3; k + 3 < names.size(); ++k) {
        int type = 0;
        const std::string_view name = names[k];
        if (name.substr(0, prefix.size()) != prefix) return false;
        const auto [ptr, ec] =
            std::from_chars(name.data() + prefix.size(), name.data() + name.size(), type);
        // The types in increasing order, each once, as readingsTypes lists them.
        if (ec != std::errc() || ptr != name.data() + name.size() || type < 1 || type > MaxTypes ||
            (!types.empty() && type <= types.back()))
            return false;
        types.push_back(type);
    }
    return true;
}

// One line of readings under a header of `columns` names, the last of them the bath's when
// `withBath`; false when it is not one.
bool parseRow(const std::vector<std::string_view>& fields, std::size_t columns, bool withBath,
              ReadingsRow& row) {
    if (fields.size() != columns || !fileio::parseFiniteReal(fields[0], row.time) ||
        !parseFrameNumber(fields[1], row.frame))
        return false;
    if (withBath) {
        // The bounds of --bath: a factor beyond them was never the program's.
        if (!fileio::parseFiniteReal(fields[--columns], row.bathFactor) ||
            !(row.bathFactor >= 0.0) || row.bathFactor > MaxBathFactor)
            return false;
        if (row.bathFactor == 0.0) row.bathFactor = 0.0;  // "-0" reads as 0
    }
    std::vector<double> values(columns - 2);
    for (std::size_t k = 2; k < columns; ++k)
        if (!fileio::parseFiniteReal(fields[k], values[k - 2])) return false;
    row.meanKineticEnergy = values.front();
    row.typeKineticEnergy.assign(values.begin() + 1, values.end() - 3);
    row.meanSpeed = values[values.size() - 3];
    row.radiusOfGyration = values[values.size() - 2];
    row.largestDistance = values.back();
    return true;
}

}  // namespace

namespace {

// True when `row` may follow `before` in a file: a later frame, at no earlier time.
bool follows(const ReadingsRow& before, const ReadingsRow& row) {
    return row.frame > before.frame && row.time >= before.time;
}

}  // namespace

ReadingsReader::ReadingsReader(std::istream& in) : m_in(in) {
    std::string line;
    bool tooLong = false;
    bool ended = false;
    if (!readLine(in, line, tooLong, ended)) return;
    const std::vector<std::string_view> names = splitFields(line);
    if (tooLong || !knownHeader(names, m_types)) {
        m_types.clear();
        m_badLine = 1;
        return;
    }
    m_headerKnown = true;
    m_columns = names.size();
    m_withBath = names.back() == BathColumn;
}

void ReadingsReader::leaveOut(int line) {
    if (m_badLine == 0 || line < m_badLine) m_badLine = line;
}

// A row out of order with the row kept last but in order with the one before it: one of the
// two is odd (a time of 1e300, a frame far beyond the run), and the next sound row tells
// which. Without that, a single absurd row would leave out every row after it.
bool ReadingsReader::take(ReadingsRow&& row, int line) {
    if (m_challenger) {
        if (follows(m_kept->row, row)) {
            leaveOut(m_challenger->line);
        } else if (follows(m_challenger->row, row)) {
            // The row kept last was the odd one.
            leaveOut(m_kept->line);
            m_kept = std::move(m_challenger);
        } else {
            leaveOut(line);
            return false;
        }
        m_challenger.reset();
    } else if (m_kept && !follows(m_kept->row, row)) {
        if (!m_given || follows(*m_given, row))
            m_challenger = Held{std::move(row), line};
        else
            leaveOut(line);
        return false;
    }
    const bool ready = m_kept.has_value();
    if (ready) {
        m_ready = m_kept->row;
        m_given = m_kept->row;
    }
    m_kept = Held{std::move(row), line};
    return ready;
}

bool ReadingsReader::next(ReadingsRow& row) {
    if (!m_headerKnown) return false;
    std::string line;
    bool tooLong = false;
    bool ended = false;
    while (!m_ended && readLine(m_in, line, tooLong, ended)) {
        ++m_lineNo;
        // A line that is not one of readings is left out, and so is one that does not follow
        // the rows before it (a frame again, or an earlier time); the rows after it still
        // count. A last line without its line end may be a write cut short: it does not count.
        ReadingsRow read;
        if (!ended || tooLong || !parseRow(splitFields(line), m_columns, m_withBath, read)) {
            leaveOut(m_lineNo);
            continue;
        }
        if (take(std::move(read), m_lineNo)) {
            row = m_ready;
            return true;
        }
    }
    m_ended = true;
    // Nothing came to decide: the row kept stays, as the earlier of the two.
    if (m_challenger) {
        leaveOut(m_challenger->line);
        m_challenger.reset();
    }
    if (!m_kept) return false;
    row = std::move(m_kept->row);
    m_kept.reset();
    return true;
}

ReadingsTable parseReadings(std::istream& in) {
    ReadingsReader reader(in);
    ReadingsTable table;
    table.headerKnown = reader.headerKnown();
    table.types = reader.types();
    ReadingsRow row;
    while (reader.next(row)) table.rows.push_back(row);
    table.badLine = reader.badLine();
    return table;
}

namespace {

bool fitsFrameTime(const ReadingsRow& row, double frameTime) {
    return std::abs(row.time - frameTime) <= WrittenTimeRounding;
}

}  // namespace

FrameReadings::FrameReadings(ReadingsReader& reader) : m_reader(reader) {
    m_pending = m_reader.next(m_row);
}

const ReadingsRow* FrameReadings::frame(long long number, double time) {
    // The row of the frame before went by with it, taken or not.
    if (m_done) m_pending = m_reader.next(m_row);
    m_done = false;
    while (m_pending && m_row.frame < number) {
        ++m_foreign;
        m_pending = m_reader.next(m_row);
    }
    if (!m_pending || m_row.frame != number) return nullptr;
    m_done = true;
    if (!fitsFrameTime(m_row, time)) {
        ++m_foreign;
        return nullptr;
    }
    return &m_row;
}

std::size_t FrameReadings::finish() {
    if (m_done) m_pending = m_reader.next(m_row);
    m_done = false;
    for (; m_pending; m_pending = m_reader.next(m_row)) ++m_foreign;
    return m_foreign;
}

std::size_t keepTrajectoryRows(ReadingsTable& table, const std::vector<double>& frameTimes) {
    const auto fits = [&](const ReadingsRow& row) {
        return row.frame <= static_cast<long long>(frameTimes.size()) &&
               fitsFrameTime(row, frameTimes[static_cast<std::size_t>(row.frame - 1)]);
    };
    const std::size_t before = table.rows.size();
    std::erase_if(table.rows, [&](const ReadingsRow& row) { return !fits(row); });
    return before - table.rows.size();
}

ReadingsTable loadReadings(const std::string& path) {
    // A FIFO or a device in its place would keep the reader waiting.
    if (!isRegularFile(path)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return parseReadings(in);
}

}  // namespace zentova

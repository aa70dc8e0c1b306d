#include "files/lammpslog.h"

#include <cctype>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "files/fileerror.h"
#include "files/fileio.h"

namespace zentova {

namespace {

using Tokens = std::vector<std::string_view>;

// The columns of the current thermo table: step, time, the readings; -1 when missing.
struct Columns {
    std::size_t width = 0;
    int step = -1, time = -1, kinetic = -1, speed = -1, gyration = -1, far = -1, bath = -1;
    std::vector<int> typeKinetic;
};

int columnOf(const Tokens& names, std::string_view name) {
    for (std::size_t k = 0; k < names.size(); ++k)
        if (names[k] == name) return static_cast<int>(k);
    return -1;
}

// The thermo tables of a log as they go by, their rows kept in the readings.
class ThermoTables {
  public:
    explicit ThermoTables(const LammpsManifest& manifest) : m_manifest(manifest) {
        m_table.headerKnown = true;
        for (std::size_t t = 0; t < manifest.types.size(); ++t)
            if (manifest.types[t].count > 0) m_table.types.push_back(static_cast<int>(t + 1));
    }

    // One line of the log, `ended` when it had its line end.
    void take(const std::string& line, bool ended, int lineNo) {
        const Tokens t = fileio::tokensOf(line);
        if (t.empty()) return;
        if (t[0] == "Step") {
            header(t, lineNo);
            return;
        }
        if (!m_inTable) return;
        if (line.rfind("Loop time", 0) == 0) {
            m_inTable = false;
            return;
        }
        if (t[0].rfind("WARNING", 0) == 0) return;
        std::vector<double> values(t.size());
        bool numbers = t.size() == m_columns.width && ended;
        for (std::size_t k = 0; numbers && k < t.size(); ++k)
            numbers = fileio::parseReal(t[k], values[k]) == fileio::ParseResult::Ok;
        if (numbers)
            row(values, lineNo);
        else
            notARow(t, ended, lineNo);
    }

    void leaveOut(int at) {
        if (m_table.badLine == 0) m_table.badLine = at;
    }

    ReadingsTable& table() { return m_table; }

  private:
    // A table's header: its rows are read only when it has every column of the export's.
    void header(const Tokens& t, int lineNo) {
        m_columns = Columns{};
        m_columns.width = t.size();
        m_columns.step = columnOf(t, "Step");
        m_columns.time = columnOf(t, "Time");
        m_columns.kinetic = columnOf(t, "v_kinetic");
        m_columns.speed = columnOf(t, "v_speed");
        m_columns.gyration = columnOf(t, "v_gyration");
        m_columns.far = columnOf(t, "v_far");
        m_columns.bath = columnOf(t, "v_bath");
        bool complete = m_columns.time >= 0 && m_columns.kinetic >= 0 && m_columns.speed >= 0 &&
                        m_columns.gyration >= 0 && m_columns.far >= 0;
        for (int type : m_table.types) {
            m_columns.typeKinetic.push_back(columnOf(t, "v_kinetic" + std::to_string(type)));
            complete = complete && m_columns.typeKinetic.back() >= 0;
        }
        m_inTable = complete;
        if (!complete) leaveOut(lineNo);
    }

    // Text that is not a row ends the table (an ERROR, the run's summary); a cut or broken
    // row is left out.
    void notARow(const Tokens& t, bool ended, int lineNo) {
        if (t.size() != m_columns.width || !ended) {
            if (!ended || std::isdigit(static_cast<unsigned char>(t[0][0])))
                leaveOut(lineNo);
            else
                m_inTable = false;
        } else {
            leaveOut(lineNo);
        }
    }

    // A row of numbers: kept when it stands at one of the model's frames.
    void row(const std::vector<double>& values, int lineNo) {
        const auto at = [&](int column) { return values[static_cast<std::size_t>(column)]; };
        const double step = at(m_columns.step);
        const double interval = static_cast<double>(m_manifest.frameInterval);
        if (step < interval || step > 9e15 || std::fmod(step, interval) != 0.0) return;
        ReadingsRow row;
        row.frame = static_cast<long long>(step / interval);
        row.time = m_manifest.startTime + at(m_columns.time);
        row.meanKineticEnergy = at(m_columns.kinetic);
        for (int column : m_columns.typeKinetic) row.typeKineticEnergy.push_back(at(column));
        row.meanSpeed = at(m_columns.speed);
        row.radiusOfGyration = at(m_columns.gyration);
        row.largestDistance = at(m_columns.far);
        if (m_columns.bath >= 0) row.bathFactor = at(m_columns.bath);
        if (!std::isfinite(row.time)) {
            leaveOut(lineNo);
            return;
        }
        keep(row, lineNo);
    }

    void keep(const ReadingsRow& row, int lineNo) {
        std::vector<ReadingsRow>& rows = m_table.rows;
        const std::size_t kept = rows.size();
        if (kept > 0 && row.frame == rows.back().frame) {
            // A run's first row repeats the last one's step; it takes its place only where
            // its time still follows the row before, or the times would go back.
            if (kept == 1 || row.time >= rows[kept - 2].time)
                rows.back() = row;
            else
                leaveOut(lineNo);
        } else if (!rows.empty() &&
                   (row.frame < rows.back().frame || row.time < rows.back().time)) {
            leaveOut(lineNo);
        } else {
            rows.push_back(row);
        }
    }

    const LammpsManifest& m_manifest;
    ReadingsTable m_table;
    Columns m_columns;
    bool m_inTable = false;
};

}  // namespace

ReadingsTable parseLammpsLog(std::istream& in, const LammpsManifest& manifest) {
    ThermoTables tables(manifest);
    std::string line;
    int lineNo = 0;
    bool ended = true;
    try {
        while (fileio::nextLine(in, line, "log", lineNo, &ended)) tables.take(line, ended, lineNo);
    } catch (const FileError&) {
        // A line longer than any log's, or a failed read: the rest goes.
        tables.leaveOut(lineNo + 1);
    }
    return std::move(tables.table());
}

}  // namespace zentova

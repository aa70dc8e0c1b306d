// The readings file's parser on arbitrary bytes, as an append and the analysis read it.

#include <cmath>
#include <vector>

#include "files/readingsreader.h"
#include "fuzzcheck.h"
#include "model/limits.h"

using namespace zentova;

namespace {

void checkTable(const ReadingsTable& table) {
    fuzz::require(table.headerKnown || table.rows.empty(), "rows without a header");
    for (std::size_t k = 0; k < table.types.size(); ++k)
        fuzz::require(table.types[k] >= 1 && table.types[k] <= MaxTypes &&
                          (k == 0 || table.types[k] > table.types[k - 1]),
                      "a type column out of range or order");
    for (std::size_t k = 0; k < table.rows.size(); ++k) {
        const ReadingsRow& row = table.rows[k];
        fuzz::require(row.frame >= 1, "a frame number below 1");
        fuzz::require(
            k == 0 || (row.frame > table.rows[k - 1].frame && row.time >= table.rows[k - 1].time),
            "rows that do not follow each other");
        fuzz::require(row.typeKineticEnergy.size() == table.types.size(),
                      "a row with other columns than the header");
        for (double value : {row.time, row.meanKineticEnergy, row.meanSpeed, row.radiusOfGyration,
                             row.largestDistance, row.bathFactor})
            fuzz::requireFinite(value, "a value that is not finite");
        for (double value : row.typeKineticEnergy)
            fuzz::requireFinite(value, "a value that is not finite");
    }
}

// The table as an append writes it back.
std::string written(const ReadingsTable& table) {
    std::string text = readingsHeader(table.types) + '\n';
    for (const ReadingsRow& row : table.rows) text += formatReadingsRow(row);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzz::input(data, size);
    ReadingsTable table = parseReadings(in);
    checkTable(table);
    if (!table.headerKnown) return 0;

    // Written back, every row reads again, and a second round changes no byte.
    const std::string once = written(table);
    std::istringstream again(once);
    const ReadingsTable reread = parseReadings(again);
    fuzz::require(reread.headerKnown && reread.badLine == 0, "written rows do not read back");
    fuzz::require(reread.rows.size() == table.rows.size(), "the number of rows changed");
    fuzz::require(written(reread) == once, "a second round through the file changed the text");

    // Against a trajectory of a few frames, 0.03 apart: what is kept matches it.
    std::vector<double> times;
    for (int k = 0; k < 40; ++k) times.push_back(0.03 * k);
    // Read a line at a time as the frames go by, the same rows match.
    auto lines = fuzz::input(data, size);
    ReadingsReader reader(lines);
    FrameReadings streamed(reader);
    std::vector<long long> matched;
    for (int k = 0; k < 40; ++k)
        if (const ReadingsRow* r = streamed.frame(k + 1, times[k])) matched.push_back(r->frame);
    const std::size_t foreign = streamed.finish();
    fuzz::require(keepTrajectoryRows(table, times) == foreign,
                  "rows matched a line at a time differ");
    fuzz::require(matched.size() == table.rows.size(), "rows matched a line at a time differ");
    for (const ReadingsRow& row : table.rows)
        fuzz::require(row.frame <= 40 && std::abs(row.time - times[row.frame - 1]) <= 0.0005,
                      "a kept row matches no frame");
    return 0;
}

// A LAMMPS run's log on arbitrary bytes, read into readings against a small export's manifest.

#include "files/lammpslog.h"
#include "fuzzcheck.h"

using namespace zentova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LammpsManifest m = [] {
        LammpsManifest manifest;
        manifest.particles = 4;
        manifest.frameInterval = 300;
        manifest.startTime = 2.5;
        manifest.types = {{3, 1, 6, {}}, {0, 1, 6, {}}, {1, 2, 8, {}}};
        return manifest;
    }();
    auto in = fuzz::input(data, size);
    const ReadingsTable table = parseLammpsLog(in, m);
    fuzz::require(table.types == std::vector<int>({1, 3}), "types other than those with particles");
    for (std::size_t k = 0; k < table.rows.size(); ++k) {
        const ReadingsRow& row = table.rows[k];
        fuzz::require(row.frame >= 1, "a frame number below 1");
        fuzz::require(
            k == 0 || (row.frame > table.rows[k - 1].frame && row.time >= table.rows[k - 1].time),
            "rows that do not follow each other");
        fuzz::require(row.typeKineticEnergy.size() == 2, "a row with other columns than the types");
        for (double value : {row.time, row.meanKineticEnergy, row.meanSpeed, row.radiusOfGyration,
                             row.largestDistance, row.bathFactor})
            fuzz::requireFinite(value, "a value that is not finite");
        for (double value : row.typeKineticEnergy)
            fuzz::requireFinite(value, "a value that is not finite");
    }
    return 0;
}

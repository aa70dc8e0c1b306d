#include <cmath>

#include "analysis/structure.h"
#include "analysis/wandering.h"
#include "files/numformat.h"

namespace zentova {

namespace {

std::string number(double value) {
    return formatSignificant(std::isfinite(value) ? value : 0.0, 6);
}

}  // namespace

std::string radialDistributionCsv(const RadialDistribution& rdf) {
    std::string out = "r";
    for (const PairDistribution& p : rdf.pairs) {
        out += ",g_";
        out += std::to_string(p.typeA);
        out += '_';
        out += std::to_string(p.typeB);
    }
    out += '\n';
    for (int k = 0; k < rdf.bins(); ++k) {
        out += number((k + 0.5) * rdf.binWidth);
        for (const PairDistribution& p : rdf.pairs) {
            out += ',';
            out += number(p.g[k]);
        }
        out += '\n';
    }
    return out;
}

std::string coordinationCsv(const RadialDistribution& rdf) {
    std::string out =
        "type_a,type_b,first_peak,first_minimum,neighbours_b_of_a,neighbours_a_of_b\n";
    for (const PairDistribution& p : rdf.pairs) {
        out += std::to_string(p.typeA) + ',' + std::to_string(p.typeB) + ',';
        if (p.firstPeak <= 0.0)
            out += std::string(NoClearPeak) + ",,,";
        else if (p.firstMinimum <= 0.0)
            out += number(p.firstPeak) + ',' + NoClearDip + ",,";
        else
            out += number(p.firstPeak) + ',' + number(p.firstMinimum) + ',' +
                   number(p.coordinationAB) + ',' + number(p.coordinationBA);
        out += '\n';
    }
    return out;
}

namespace {

// A table of lines against x: a header of a name + type number per column, then a row per x.
std::string columnsCsv(const char* x, const std::vector<std::string>& names,
                       const std::vector<int>& types, const std::vector<double>& xs,
                       const std::vector<std::vector<double>>& columns) {
    std::string out = x;
    for (std::size_t c = 0; c < types.size(); ++c) {
        out += ',';
        out += names[c];
        out += std::to_string(types[c]);
    }
    out += '\n';
    for (std::size_t k = 0; k < xs.size(); ++k) {
        out += number(xs[k]);
        for (const auto& column : columns) {
            out += ',';
            out += number(k < column.size() ? column[k] : 0.0);
        }
        out += '\n';
    }
    return out;
}

}  // namespace

std::string displacementCsv(const Displacement& msd) {
    return columnsCsv("lag", std::vector<std::string>(msd.types.size(), "msd_type_"), msd.types,
                      msd.lags, msd.perType);
}

std::string densityCsv(const DensityProfile& profile) {
    std::vector<double> xs(profile.density.empty() ? 0 : profile.density[0].size());
    for (std::size_t k = 0; k < xs.size(); ++k) xs[k] = (k + 0.5) * profile.binWidth;
    std::vector<int> types = profile.types;
    std::vector<std::vector<double>> columns = profile.density;
    types.insert(types.end(), profile.types.begin(), profile.types.end());
    columns.insert(columns.end(), profile.share.begin(), profile.share.end());
    std::vector<std::string> names(profile.types.size(), "density_type_");
    names.resize(types.size(), "share_type_");
    return columnsCsv("r", names, types, xs, columns);
}

}  // namespace zentova

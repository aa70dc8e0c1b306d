#include "model/bathschedule.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/integrator.h"

namespace zentova {

namespace {

bool parseValue(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

std::string quoted(std::string_view text) {
    std::string q(1, '"');
    q.append(text);
    q.push_back('"');
    return q;
}

}  // namespace

double kickSpanFor(double factor) {
    if (factor == 1.0) return KickSpan;
    return KickSpan * std::sqrt(factor);
}

double bathFactorOfLevel(int level) {
    if (level <= BathOffLevel) return 0.0;
    if (level > HighestBathLevel) level = HighestBathLevel;
    // Powers of 1.5625 = 25/16 up to the 11th are exact; the others are rounded.
    double power = 1.0;
    for (int k = 0; k < std::abs(level); ++k) power *= BathStep;
    return level >= 0 ? power : 1.0 / power;
}

double bathFactorAt(const BathSchedule& schedule, double time) {
    double factor = 1.0;
    for (const BathChange& change : schedule) {
        if (change.time > time) break;
        factor = change.factor;
    }
    return factor;
}

ParsedBathSchedule parseBathSchedule(std::string_view text) {
    ParsedBathSchedule parsed;
    const auto refuse = [&](const std::string& why) {
        parsed.schedule.clear();
        parsed.error = why;
        return parsed;
    };
    if (text.empty()) return refuse("needs TIME:FACTOR pairs, e.g. 0:1,2:4,4:1");
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view pair = text.substr(start, comma - start);
        const std::size_t colon = pair.find(':');
        BathChange change;
        if (colon == std::string_view::npos || !parseValue(pair.substr(0, colon), change.time) ||
            !parseValue(pair.substr(colon + 1), change.factor))
            return refuse(quoted(pair) + " is not TIME:FACTOR (two numbers, e.g. 2.5:4)");
        // "-0" is 0: written back as it came, it would read as a negative time or factor.
        if (change.time == 0.0) change.time = 0.0;
        if (change.factor == 0.0) change.factor = 0.0;
        if (change.time < 0.0) return refuse(quoted(pair) + ": the time must be 0 or later");
        if (!(change.factor >= 0.0 && change.factor <= MaxBathFactor)) {
            char bound[32];
            std::snprintf(bound, sizeof bound, "%g", MaxBathFactor);
            return refuse(quoted(pair) + ": the factor must be from 0 to " + bound);
        }
        if (!parsed.schedule.empty() && !(change.time > parsed.schedule.back().time))
            return refuse(quoted(pair) + ": the times must increase");
        parsed.schedule.push_back(change);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parsed;
}

bool isSetupBath(const BathSchedule& schedule) {
    for (const BathChange& change : schedule)
        if (change.factor != 1.0) return false;
    return true;
}

}  // namespace zentova

#include "model/settings.h"

namespace zentova {

void DefaultStepRule(Settings& settings, const Project& project) {
    const std::int32_t n = sumOfCounts(project);
    if (n == 0) {
        settings.integrationStep = 0.0001;
        return;
    }
    long double c = static_cast<long double>(project.ae) + project.ag;
    if (c < 0.1L) c = 0.1L;
    settings.integrationStep = static_cast<double>(0.00002L / c * 50.0L / n);
}

}  // namespace zentova

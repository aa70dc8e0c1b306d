#include "app/summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "canvas/canvas.h"
#include "canvas/decorative.h"
#include "canvas/primitives.h"
#include "canvas/pump.h"

namespace zentova {

namespace {

// Locale-free, whatever the process locale says about decimal points.
std::string general(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

std::string fixed3(double value) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string coefficientLine(const Project& project) {
    return general(project.ae) + "  " + general(project.ag) + "  " + general(project.ar);
}

void ShowProject(Toolkit& toolkit, const Project& project, const ProjectSource& source) {
    if (!source.loaded) return;
    Canvas& canvas = *toolkit.mainCanvas;
    ProcessMessages();
    constexpr int h = 17;
    constexpr PackedColor text = packColor(220, 220, 220);
    const int n = std::clamp(project.typeCount, 0, MaxTypes);

    FillBlackRect(canvas, 3, 13, 200, 34 * n + 127);
    SetPenRGB(canvas, 255, 255, 255);
    OutlineRect(canvas, 3, 13, 200, 34 * n + 127);

    ShadowText(canvas, 10, 1 * h, project.name, text);
    ShadowText(canvas, 10, 2 * h, "File " + source.path, text);
    ShadowText(canvas, 10, 3 * h, std::to_string(project.typeCount) + " parlicle types", text);
    ShadowText(canvas, 10, 4 * h, std::to_string(project.particleCount) + " total particles", text);
    ShadowText(canvas, 10, 5 * h, "Force coefficients:", text);
    ShadowText(canvas, 10, 6 * h, coefficientLine(project), text);

    for (int t = 1; t <= n; ++t) {
        const auto type = static_cast<std::size_t>(t);
        const Rgb color = project.colors[type];
        SetPenRGB(canvas, color.r, color.g, color.b);
        SetBrushRGB(canvas, color.r, color.g, color.b);
        // Big particles would spill out of the panel.
        const double rounded = std::nearbyint(project.diameters[type]);
        const int radius = !(rounded < 16.0) ? 16 : rounded > 0.0 ? static_cast<int>(rounded) : 0;
        const int y = (5 + 2 * t) * h;
        canvas.ellipse(20 - radius, y + 8 - radius, 20 + radius, y + 8 + radius);
        ShadowText(canvas, 40, y,
                   "Type " + std::to_string(t) + " (" + std::to_string(project.counts[type]) + ")",
                   text);
        ShadowText(canvas, 10, y + h,
                   "Mass " + fixed3(project.masses[type]) + "  charge " +
                       std::to_string(project.charges[type]),
                   text);
    }
}

}  // namespace zentova

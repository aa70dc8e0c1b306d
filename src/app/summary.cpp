#include "app/summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "canvas/canvas.h"
#include "canvas/decorative.h"
#include "canvas/primitives.h"
#include "canvas/screenitems.h"
#include "pump/pump.h"

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

// The panel's inside ends 3 pixels short of its right edge, at x 200.
constexpr int PanelTextEnd = 197;

// `text` as it fits between `x` and the panel's edge: whole, or cut with "..." behind.
std::string fitted(const Canvas& canvas, int x, std::string text) {
    const int room = PanelTextEnd - x;
    if (canvas.textWidth(text) <= room) return text;
    while (!text.empty()) {
        // A whole UTF-8 character at a time.
        do text.pop_back();
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80);
        if (canvas.textWidth(text + "...") <= room) break;
    }
    return text + "...";
}

// The file row: the whole path when it fits, else the file's name.
std::string fileRow(const Canvas& canvas, int x, const std::string& path) {
    if (path.empty()) return "No file yet";
    const std::string whole = "File " + path;
    if (canvas.textWidth(whole) <= PanelTextEnd - x) return whole;
    return fitted(canvas, x, "File " + std::filesystem::path(path).filename().string());
}

}  // namespace

std::string coefficientLine(const Project& project) {
    return general(project.ae) + "  " + general(project.ag) + "  " + general(project.ar);
}

void ShowProject(Toolkit& toolkit, const Project& project, const ProjectSource& source) {
    if (!source.loaded) {
        Screen().setSummary({});
        return;
    }
    Canvas& canvas = *toolkit.mainCanvas;
    ProcessMessages();
    constexpr int h = 17;
    constexpr PackedColor text = packColor(220, 220, 220);
    const int n = std::clamp(project.typeCount, 0, MaxTypes);

    FillBlackRect(canvas, 3, 13, 200, 34 * n + 127);
    SetPenRGB(canvas, 255, 255, 255);
    OutlineRect(canvas, 3, 13, 200, 34 * n + 127);

    // Every row is cut to the panel: white text beyond it would stand on a light background.
    std::vector<std::string> said;  // the rows whole, for a screen reader
    const auto row = [&](int x, int y, const std::string& line) {
        ShadowText(canvas, x, y, fitted(canvas, x, line), text);
        said.push_back(line);
    };
    row(10, 1 * h, project.name);
    ShadowText(canvas, 10, 2 * h, fileRow(canvas, 10, source.path), text);
    said.push_back(source.path.empty() ? "No file yet" : "File " + source.path);
    row(10, 3 * h, std::to_string(project.typeCount) + " parlicle types");
    row(10, 4 * h, std::to_string(project.particleCount) + " total particles");
    row(10, 5 * h, "Force coefficients:");
    row(10, 6 * h, coefficientLine(project));

    for (int t = 1; t <= n; ++t) {
        const auto type = static_cast<std::size_t>(t);
        const Rgb color = project.colors[type];
        SetPenRGB(canvas, color.r, color.g, color.b);
        SetBrushRGB(canvas, color.r, color.g, color.b);
        // A disc fits its own row: a bigger one would cover the mass rows above and below.
        const double rounded = std::nearbyint(project.diameters[type]);
        const int radius = !(rounded < DiscRadiusLimit) ? DiscRadiusLimit
                           : rounded > 0.0              ? static_cast<int>(rounded)
                                                        : 0;
        const int y = (5 + 2 * t) * h;
        canvas.ellipse(20 - radius, y + 8 - radius, 20 + radius, y + 8 + radius);
        row(40, y, "Type " + std::to_string(t) + " (" + std::to_string(project.counts[type]) + ")");
        row(10, y + h,
            "Mass " + fixed3(project.masses[type]) + "  charge " +
                std::to_string(project.charges[type]));
    }
    Screen().setSummary(said, QRect(3, 13, 198, 34 * n + 115));
}

}  // namespace zentova

#include "app/summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/examplenames.h"
#include "canvas/canvas.h"
#include "canvas/decorative.h"
#include "canvas/primitives.h"
#include "canvas/screenitems.h"
#include "lang/language.h"
#include "pump/pump.h"

namespace zentova {

namespace {

std::string general(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return withScreenSeparator(std::string(buffer, result.ptr));
}

std::string fixed3(double value) {
    return screenNumber(value, 3);
}

// The panel's inside ends at column 199; its outline stands on column 200.
constexpr int PanelInsideEnd = 200;

// A row of the panel in ShadowText, clipped at the panel's edge: the text is never changed,
// but white letters beyond the panel would stand on the light background.
void panelRow(Canvas& canvas, int x, int y, const std::string& text, PackedColor colour) {
    const QRect band = QRect(0, y - 1, PanelInsideEnd, canvas.textHeight("Xj") + 2)
                           .intersected(canvas.image().rect());
    if (band.isEmpty()) return;
    Canvas row(canvas.image().copy(band));
    row.setFontSize(canvas.fontSize());
    ShadowText(row, x - band.x(), y - band.y(), text, colour);
    copyPixels(row.image(), row.image().rect(), canvas.image(), band.topLeft());
    // The whole text as asked for, so that a test sees what the clipping cut off.
    if (canvas.recorder())
        canvas.recorder()->text(text, QRect(x, y, canvas.textWidth(text), canvas.textHeight(text)));
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
    if (canvas.recorder())
        canvas.recorder()->box(QRect(QPoint(3, 13), QPoint(PanelInsideEnd - 1, 34 * n + 126)));

    std::vector<std::string> said;  // the rows whole, for a screen reader
    const auto row = [&](int x, int y, const std::string& line) {
        panelRow(canvas, x, y, line, text);
        said.push_back(line);
    };
    row(10, 1 * h, shownProjectName(project.name));
    row(10, 2 * h, filled(translated("Summary", "File %1"), {source.path}));
    //: A row of the summary's panel, which holds about 185 pixels: keep it short.
    row(10, 3 * h, translated("Summary", "%n parlicle types", nullptr, project.typeCount));
    //: A row of the summary's panel, which holds about 185 pixels: keep it short.
    row(10, 4 * h, translated("Summary", "%n total particles", nullptr, project.particleCount));
    row(10, 5 * h, translated("Summary", "Force coefficients:"));
    row(10, 6 * h, coefficientLine(project));

    // The discs first: a large one reaches into the rows above and below it, whose text is
    // then written over it and stays readable.
    for (int t = 1; t <= n; ++t) {
        const auto type = static_cast<std::size_t>(t);
        const Rgb color = project.colors[type];
        SetPenRGB(canvas, color.r, color.g, color.b);
        SetBrushRGB(canvas, color.r, color.g, color.b);
        const double rounded = std::nearbyint(project.diameters[type]);
        const int radius = !(rounded < DiscRadiusLimit) ? DiscRadiusLimit
                           : rounded > 0.0              ? static_cast<int>(rounded)
                                                        : 0;
        const int y = (5 + 2 * t) * h;
        canvas.ellipse(20 - radius, y + 8 - radius, 20 + radius, y + 8 + radius);
    }
    for (int t = 1; t <= n; ++t) {
        const auto type = static_cast<std::size_t>(t);
        const int y = (5 + 2 * t) * h;
        row(40, y,
            filled(translated("Summary", "Type %1 (%2)"),
                   {std::to_string(t), std::to_string(project.counts[type])}));
        row(10, y + h,
            //: The panel holds about 185 pixels: "Mass 200.500  charge 2" just fits; a
            //: translation too long may use the symbols ("m = %1  q = %2").
            filled(translated("Summary", "Mass %1  charge %2"),
                   {fixed3(project.masses[type]), std::to_string(project.charges[type])}));
    }
    Screen().setSummary(said, QRect(3, 13, 198, 34 * n + 115));
}

}  // namespace zentova

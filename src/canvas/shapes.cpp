#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "canvas/canvas.h"

// The canvas's lines and shapes, drawn pixel by pixel as the program's own pen and brush draw
// them.

namespace zentova {

namespace {

// The columns of one row inside a box [left, right) x [top, bottom) whose corners are quarter
// ellipses of radii rx, ry: those whose pixel centres lie inside. Empty when xa >= xb.
struct Span {
    int xa = 0;
    int xb = 0;
    bool empty() const { return xa >= xb; }
};

Span rowSpan(double left, double top, double right, double bottom, double rx, double ry, int y) {
    if (right <= left || bottom <= top) return {};
    const double centre = y + 0.5;
    if (centre < top || centre > bottom) return {};
    double ey = 0.0;
    if (ry > 0.0 && centre < top + ry) ey = top + ry - centre;
    if (ry > 0.0 && centre > bottom - ry) ey = centre - (bottom - ry);
    if (ey > 0.0) {
        const double q = ey / ry;
        const double inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - q * q));
        left += inset;
        right -= inset;
    }
    return {static_cast<int>(std::ceil(left - 0.5)), static_cast<int>(std::floor(right - 0.5)) + 1};
}

}  // namespace

void Canvas::lineTo(int x, int y) {
    const QPoint to(x, y);
    if (m_penWidth > 1)
        wideLine(m_penPosition, to);
    else
        thinLine(m_penPosition, to);
    m_penPosition = to;
}

void Canvas::thinLine(QPoint from, QPoint to) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int n = std::max(std::abs(dx), std::abs(dy));
    const QRgb pen = toQRgb(m_penColor);
    const QRgb gap = toQRgb(m_brushColor);
    // Step i of n lies at from + (i / n) * (to - from), rounded half up.
    const auto along = [n](int start, int delta, int i) {
        const long long twice = 2LL * i * delta + n;
        const long long q = twice >= 0 ? twice / (2LL * n) : -((-twice + 2LL * n - 1) / (2LL * n));
        return start + static_cast<int>(q);
    };
    for (int i = 0; i < n; ++i) {
        const int px = along(from.x(), dx, i);
        const int py = along(from.y(), dy, i);
        if (m_penStyle == PenStyle::Solid || i % 6 < 3)
            plot(px, py, pen);
        else if (m_brushStyle == BrushStyle::Solid)
            plot(px, py, gap);
    }
}

void Canvas::wideLine(QPoint from, QPoint to) {
    // A round pen: a disc of the pen's diameter at every step, both ends included. Each pixel
    // is drawn once so that exclusive-or stays reversible.
    const double radius = m_penWidth / 2.0;
    const int reach = static_cast<int>(std::ceil(radius));
    std::vector<QPoint> disc;
    for (int oy = -reach; oy <= reach; ++oy)
        for (int ox = -reach; ox <= reach; ++ox)
            if (ox * ox + oy * oy <= radius * radius) disc.emplace_back(ox, oy);

    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int n = std::max(std::abs(dx), std::abs(dy));
    std::vector<QPoint> pixels;
    for (int i = 0; i <= n; ++i) {
        const double t = n == 0 ? 0.0 : static_cast<double>(i) / n;
        const QPoint centre(from.x() + static_cast<int>(std::lround(t * dx)),
                            from.y() + static_cast<int>(std::lround(t * dy)));
        for (const QPoint& offset : disc) pixels.push_back(centre + offset);
    }
    const auto before = [](QPoint a, QPoint b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    };
    std::sort(pixels.begin(), pixels.end(), before);
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    const QRgb pen = toQRgb(m_penColor);
    for (const QPoint& p : pixels) plot(p.x(), p.y(), pen);
}

void Canvas::shape(int x1, int y1, int x2, int y2, double rx, double ry) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    rx = std::min(rx, (x2 - x1) / 2.0);
    ry = std::min(ry, (y2 - y1) / 2.0);
    // The outline is the part of the shape outside the same shape shrunk by the pen width,
    // so outline and inside never share a pixel.
    const int w = m_penWidth;
    const QRgb pen = toQRgb(m_penColor);
    const QRgb brush = toQRgb(m_brushColor);
    const bool fill = m_brushStyle == BrushStyle::Solid;
    for (int y = std::max(y1, 0); y < std::min(y2, m_image.height()); ++y) {
        const Span outer = rowSpan(x1, y1, x2, y2, rx, ry, y);
        if (outer.empty()) continue;
        Span inner = rowSpan(x1 + w, y1 + w, x2 - w, y2 - w, std::max(rx - w, 0.0),
                             std::max(ry - w, 0.0), y);
        inner.xa = std::max(inner.xa, outer.xa);
        inner.xb = std::min(inner.xb, outer.xb);
        if (inner.empty()) {
            span(y, outer.xa, outer.xb, pen);
            continue;
        }
        span(y, outer.xa, inner.xa, pen);
        if (fill) span(y, inner.xa, inner.xb, brush);
        span(y, inner.xb, outer.xb, pen);
    }
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    shape(x1, y1, x2, y2, 0.0, 0.0);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const QRgb brush = toQRgb(m_brushColor);
    for (int y = y1; y < y2; ++y) span(y, x1, x2, brush);
}

void Canvas::roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
    shape(x1, y1, x2, y2, std::abs(cornerWidth) / 2.0, std::abs(cornerHeight) / 2.0);
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    shape(x1, y1, x2, y2, std::abs(x2 - x1) / 2.0, std::abs(y2 - y1) / 2.0);
}

void Canvas::polygon(std::span<const QPoint> points) {
    if (points.empty()) return;
    const std::size_t count = points.size();
    if (m_brushStyle == BrushStyle::Solid && count >= 3) {
        int top = points[0].y();
        int bottom = top;
        for (const QPoint& p : points) {
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        const QRgb brush = toQRgb(m_brushColor);
        std::vector<double> crossings;
        for (int y = std::max(top, 0); y < std::min(bottom, m_image.height()); ++y) {
            const double centre = y + 0.5;
            crossings.clear();
            for (std::size_t i = 0; i < count; ++i) {
                const QPoint a = points[i];
                const QPoint b = points[(i + 1) % count];
                if ((a.y() <= centre) == (b.y() <= centre)) continue;
                crossings.push_back(a.x() + (centre - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
                span(y, static_cast<int>(std::ceil(crossings[k] - 0.5)),
                     static_cast<int>(std::ceil(crossings[k + 1] - 0.5)), brush);
        }
    }
    const QPoint saved = m_penPosition;
    moveTo(points[count - 1].x(), points[count - 1].y());
    for (const QPoint& p : points) lineTo(p.x(), p.y());
    m_penPosition = saved;
}

}  // namespace zentova

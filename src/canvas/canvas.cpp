#include "canvas/canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "files/atomicfile.h"
#include "files/fileerror.h"

namespace zentova {

namespace {

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;

QImage rgb32(QImage image) {
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

QFont canvasFont(int points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    // Whole pixels, rounded up: 10 points -> 14 pixels, a line of 16.
    font.setPixelSize(std::max(1, (points * 4 + 2) / 3));
    // Colour-keyed text needs glyph pixels of exactly one colour; kerning would make widths
    // differ from the sum of the letters.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    // Unhinted outlines keep the heavy, evenly spaced letters of a system font; hinting thins
    // them to one-pixel stems and rounds each advance on its own.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

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

void copyPixels(const QImage& source, QRect from, QImage& target, QPoint to) {
    const QPoint offset = to - from.topLeft();
    const QRect destination = (from & source.rect()).translated(offset) & target.rect();
    if (destination.isEmpty()) return;
    const QPoint corner = destination.topLeft() - offset;
    const std::size_t bytes = static_cast<std::size_t>(destination.width()) * sizeof(QRgb);
    for (int row = 0; row < destination.height(); ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(corner.y() + row));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(destination.y() + row));
        std::memmove(out + destination.x(), in + corner.x(), bytes);
    }
}

void resizeKeeping(QImage& image, int width, int height) {
    if (image.width() == width && image.height() == height &&
        image.format() == QImage::Format_RGB32)
        return;
    if (width <= 0 || height <= 0) {
        image = QImage();
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(White);
    if (!image.isNull()) copyPixels(rgb32(image), image.rect(), resized, QPoint(0, 0));
    image = resized;
}

Canvas::Canvas() : m_font(canvasFont(DefaultFontSize)) {}

Canvas::Canvas(int width, int height, PackedColor fill)
    : m_image(width, height, QImage::Format_RGB32), m_font(canvasFont(DefaultFontSize)) {
    m_image.fill(toQRgb(fill));
}

Canvas::Canvas(QImage image)
    : m_image(rgb32(std::move(image))), m_font(canvasFont(DefaultFontSize)) {}

void Canvas::resize(int width, int height) {
    if (width == this->width() && height == this->height()) return;
    QImage resized(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    resized.fill(Black);
    copyPixels(m_image, m_image.rect(), resized, QPoint(0, 0));
    m_image = resized;
}

void Canvas::setFontSize(int points) {
    if (points == m_fontSize) return;
    m_fontSize = points;
    m_font = canvasFont(points);
}

void Canvas::plot(int x, int y, QRgb value) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return;
    auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    if (m_penMode == PenMode::Xor)
        line[x] ^= value & 0x00FFFFFFu;
    else
        line[x] = value;
}

void Canvas::span(int y, int xa, int xb, QRgb value) {
    if (y < 0 || y >= m_image.height()) return;
    xa = std::max(xa, 0);
    xb = std::min(xb, m_image.width());
    if (xa >= xb) return;
    auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    if (m_penMode == PenMode::Xor) {
        for (int x = xa; x < xb; ++x) line[x] ^= value & 0x00FFFFFFu;
    } else {
        std::fill(line + xa, line + xb, value);
    }
}

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

PackedColor Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return InvalidColor;
    return fromQRgb(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

void Canvas::setPixel(int x, int y, PackedColor color) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return;
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = toQRgb(color);
}

void Canvas::textOut(int x, int y, const std::string& text) {
    if (text.empty() || m_image.isNull()) return;
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics(m_font);
    if (m_brushStyle == BrushStyle::Solid) {
        const PenMode mode = m_penMode;  // text ignores the pen mode
        m_penMode = PenMode::Copy;
        fillRect(x, y, x + metrics.horizontalAdvance(string), y + metrics.height());
        m_penMode = mode;
    }
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(m_font);
    painter.setPen(QColor::fromRgb(toQRgb(m_fontColor)));
    painter.drawText(QPoint(x, y + metrics.ascent()), string);
}

int Canvas::textWidth(const std::string& text) const {
    return QFontMetrics(m_font).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int Canvas::textHeight(const std::string&) const {
    return QFontMetrics(m_font).height();
}

void Canvas::draw(int x, int y, const QImage& image) {
    copyPixels(rgb32(image), image.rect(), m_image, QPoint(x, y));
}

void Canvas::drawTransparent(int x, int y, const QImage& image, PackedColor key) {
    const QImage source = rgb32(image);
    const QRgb skip = toQRgb(key) & 0x00FFFFFFu;
    for (int row = 0; row < source.height(); ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= m_image.height()) continue;
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* out = reinterpret_cast<QRgb*>(m_image.scanLine(ty));
        for (int column = 0; column < source.width(); ++column) {
            const int tx = x + column;
            if (tx < 0 || tx >= m_image.width() || (in[column] & 0x00FFFFFFu) == skip) continue;
            out[tx] = in[column] | 0xFF000000u;
        }
    }
}

bool Canvas::loadBmp(const std::string& path) {
    QImage loaded;
    if (!loaded.load(QString::fromStdString(path), "BMP")) return false;
    m_image = rgb32(std::move(loaded));
    return true;
}

bool Canvas::saveBmp(const std::string& path) const {
    return saveImageBmp(m_image, path);
}

bool saveImageBmp(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) return false;
    try {
        writeFileAtomically(path,
                            std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return true;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace zentova

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
    if (m_recorder)
        m_recorder->text(text, QRect(x, y, metrics.horizontalAdvance(string), metrics.height()));
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

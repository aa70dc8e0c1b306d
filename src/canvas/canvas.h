#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <span>
#include <string>

namespace zentova {

// A colour packed as 0x00BBGGRR: red in the low byte, then green, then blue.
using PackedColor = std::uint32_t;

// What pixel() reports for a point outside the image; its three components read as 255.
inline constexpr PackedColor InvalidColor = 0xFFFFFFFFu;

constexpr PackedColor packColor(int red, int green, int blue) {
    return static_cast<PackedColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(PackedColor color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int greenOf(PackedColor color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int blueOf(PackedColor color) {
    return static_cast<int>((color >> 16) & 0xFF);
}

// Conversion to and from the pixels of an RGB32 image (0xFFRRGGBB).
constexpr QRgb toQRgb(PackedColor color) {
    return 0xFF000000u | ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}
constexpr PackedColor fromQRgb(QRgb pixel) {
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

enum class PenMode { Copy, Xor };
enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };

// Copies the part of `source` inside `from` to `target` with its top-left corner at `to`,
// clipped to both images (both RGB32).
void copyPixels(const QImage& source, QRect from, QImage& target, QPoint to);

// Resizes an RGB32 image, keeping the pixels that fit; new pixels are white. The same size
// keeps everything, as the off-screen copies rely on.
void resizeKeeping(QImage& image, int width, int height);

// Told what a screen paints, for the tests that look at a screen's words and the boxes
// around them (a longer language must still fit). A canvas without one pays one pointer
// test per text or box and paints the same pixels either way.
class PaintRecorder {
  public:
    virtual ~PaintRecorder() = default;
    // A text and the rectangle it takes: its top-left corner and the font's width and
    // height of it, in the canvas's pixels.
    virtual void text(const std::string& text, QRect where) = 0;
    // A frame painted around text: a panel, a note or question box, a menu box, a button.
    virtual void box(QRect where) = 0;
    // The whole drawing area painted over: what was on it is gone.
    virtual void cleared() {}
    // An area kept aside, and later painted back as it was kept.
    virtual void saved(QRect) {}
    virtual void restored(QRect) {}
};

// An RGB32 image with the drawing rules the program was designed on:
// - a rectangle (x1, y1, x2, y2) covers columns x1 .. x2 - 1 and rows y1 .. y2 - 1, the same for
//   ellipses, rounded rectangles and fills;
// - a line covers its start point but not its end point, so a chain of lines touches every
//   joint once;
// - shapes take their outline from the pen and their inside from the brush; pen mode Xor
//   flips the bits of the pen or brush colour into the pixels (twice restores them);
// - text is drawn without antialiasing, its top-left corner at the given point, over a box of
//   the brush colour unless the brush is clear;
// - a pen wider than one pixel is round: lines cover both ends, outlines grow inwards;
// - no antialiasing anywhere, so every pixel is exactly one of the colours involved.
// Keep no other QImage copy of a canvas alive while drawing: each drawing call would then
// copy the whole image before writing.
class Canvas {
  public:
    Canvas();
    Canvas(int width, int height, PackedColor fill = packColor(0, 0, 0));
    explicit Canvas(QImage image);  // converted to RGB32

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage& image() const { return m_image; }
    QImage& image() { return m_image; }
    // Keeps the pixels that fit; new pixels are black.
    void resize(int width, int height);

    void setPenColor(PackedColor color) { m_penColor = color; }
    PackedColor penColor() const { return m_penColor; }
    void setPenWidth(int width) { m_penWidth = width < 1 ? 1 : width; }
    int penWidth() const { return m_penWidth; }
    // Dotted lines are 3 pixels on, 3 off; the gaps take the brush colour unless the brush is
    // clear. Only lines of width 1 are dotted.
    void setPenStyle(PenStyle style) { m_penStyle = style; }
    PenStyle penStyle() const { return m_penStyle; }
    void setPenMode(PenMode mode) { m_penMode = mode; }
    PenMode penMode() const { return m_penMode; }
    void setBrushColor(PackedColor color) { m_brushColor = color; }
    PackedColor brushColor() const { return m_brushColor; }
    void setBrushStyle(BrushStyle style) { m_brushStyle = style; }
    BrushStyle brushStyle() const { return m_brushStyle; }
    void setFontColor(PackedColor color) { m_fontColor = color; }
    PackedColor fontColor() const { return m_fontColor; }

    // Font size in points at 96 dots per inch, rounded up to whole pixels. The font is
    // DejaVu Sans Bold; the default of 10 points gives a text height of 16 pixels, the line
    // of the classic system font the screens were laid out for.
    static constexpr int DefaultFontSize = 10;
    void setFontSize(int points);
    int fontSize() const { return m_fontSize; }
    const QFont& font() const { return m_font; }

    // Who is told what this canvas paints (none by default; the caller keeps it alive).
    void setRecorder(PaintRecorder* recorder) { m_recorder = recorder; }
    PaintRecorder* recorder() const { return m_recorder; }

    // Lines: the pen position moves to the end point, which is not drawn.
    void moveTo(int x, int y) { m_penPosition = QPoint(x, y); }
    void lineTo(int x, int y);
    QPoint penPosition() const { return m_penPosition; }

    void rectangle(int x1, int y1, int x2, int y2);  // pen outline, brush inside
    void fillRect(int x1, int y1, int x2, int y2);   // brush only, whatever its style
    // Corners are quarters of an ellipse cornerWidth wide and cornerHeight high.
    void roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void ellipse(int x1, int y1, int x2, int y2);  // inside the rectangle's pixels
    // Closed polygon: even-odd inside in the brush, the edges in the pen.
    void polygon(std::span<const QPoint> points);

    PackedColor pixel(int x, int y) const;           // InvalidColor outside
    void setPixel(int x, int y, PackedColor color);  // ignores the pen mode

    void textOut(int x, int y, const std::string& text);  // UTF-8, in the font colour
    int textWidth(const std::string& text) const;
    int textHeight(const std::string& text) const;  // the font's line height, whatever text

    // Copies an image with its top-left corner at (x, y), ignoring the pen mode.
    void draw(int x, int y, const QImage& image);
    // The same, leaving out the pixels of the key colour.
    void drawTransparent(int x, int y, const QImage& image, PackedColor key);

    // Windows bitmap files, whatever their name. Loading replaces the image and its size;
    // saving goes through saveImageBmp.
    bool loadBmp(const std::string& path);
    bool saveBmp(const std::string& path) const;

  private:
    void plot(int x, int y, QRgb value);
    void span(int y, int xa, int xb, QRgb value);  // columns xa .. xb - 1
    void thinLine(QPoint from, QPoint to);
    void wideLine(QPoint from, QPoint to);
    // Rectangles, rounded rectangles and ellipses are one shape: a box whose corners are
    // quarter ellipses of radii rx, ry (0 for square corners, half the box for an ellipse).
    void shape(int x1, int y1, int x2, int y2, double rx, double ry);

    QImage m_image;
    PackedColor m_penColor = packColor(0, 0, 0);
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
    PenMode m_penMode = PenMode::Copy;
    PackedColor m_brushColor = packColor(255, 255, 255);
    BrushStyle m_brushStyle = BrushStyle::Solid;
    PackedColor m_fontColor = packColor(0, 0, 0);
    int m_fontSize = DefaultFontSize;
    QFont m_font;
    QPoint m_penPosition;
    PaintRecorder* m_recorder = nullptr;
};

// Writes `image` as a Windows bitmap through the files' output writer (a temporary beside
// `path`, renamed when whole; never through a link). False when it cannot be written.
bool saveImageBmp(const QImage& image, const std::string& path);

}  // namespace zentova

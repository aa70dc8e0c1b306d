#include "canvas/primitives.h"

#include <QFileInfo>
#include <cassert>
#include <cmath>
#include <cstdlib>

#include "canvas/screenitems.h"
#include "pump/pump.h"

namespace zentova {

namespace {

// Colour arithmetic in extended precision, rounded to nearest with ties to even, as the
// pictures were designed with.
int scaled(long double factor, int component) {
    return static_cast<int>(std::nearbyintl(factor * component));
}

// The key colour of text scratch bitmaps.
constexpr PackedColor KeyRed = packColor(255, 0, 0);

// The scratch's ground is the key: a letter with ink at its corner ("É", "Î", "Ż") would
// otherwise make the letters the key and copy the red ground as a block.
void drawTextPass(Canvas& canvas, Canvas& scratch, int x, int y, const std::string& text,
                  PackedColor color) {
    scratch.setFontColor(color);
    scratch.textOut(0, 0, text);
    canvas.drawTransparent(x, y, scratch.image(), KeyRed);
}

}  // namespace

int randomBelow(Toolkit& toolkit, int k) {
    assert(toolkit.random);
    return static_cast<int>(RandomUniform(*toolkit.random) * k);
}

void MeasureScreen(Toolkit& toolkit, int clientWidth, int clientHeight) {
    toolkit.screenWidth = clientWidth;
    toolkit.screenHeight = clientHeight;
}

void SetBrushRGB(Canvas& canvas, int red, int green, int blue) {
    canvas.setBrushColor(packColor(red, green, blue));
}

void SetPenRGB(Canvas& canvas, int red, int green, int blue) {
    canvas.setPenColor(packColor(red, green, blue));
}

void ClearScreen(Toolkit& toolkit, Canvas& canvas, int red, int green, int blue) {
    SetBrushRGB(canvas, red, green, blue);
    SetPenRGB(canvas, red, green, blue);
    canvas.setPenMode(PenMode::Copy);
    canvas.setBrushStyle(BrushStyle::Solid);
    ProcessMessages();
    canvas.rectangle(0, 0, toolkit.screenWidth, toolkit.screenHeight);
    // The whole screen painted over: a screen reader no longer reads the summary either.
    if (&canvas == toolkit.mainCanvas) Screen().setSummary({});
    if (canvas.recorder()) canvas.recorder()->cleared();
}

void FillBlackRect(Canvas& canvas, int x1, int y1, int x2, int y2) {
    SetPenRGB(canvas, 0, 0, 0);
    SetBrushRGB(canvas, 0, 0, 0);
    canvas.rectangle(x1, y1, x2, y2);
}

void FillWhiteRect(Canvas& canvas, int x1, int y1, int x2, int y2) {
    SetPenRGB(canvas, 255, 255, 255);
    SetBrushRGB(canvas, 255, 255, 255);
    canvas.rectangle(x1, y1, x2, y2);
}

void GradientBackground(Toolkit& toolkit) {
    ColorGradientBackground(toolkit, packColor(255, 255, 255));
}

void ColorGradientBackground(Toolkit& toolkit, PackedColor color) {
    Canvas& canvas = *toolkit.mainCanvas;
    Screen().setSummary({});  // painted over, as ClearScreen says
    if (canvas.recorder()) canvas.recorder()->cleared();
    const int red = redOf(color);
    const int green = greenOf(color);
    const int blue = blueOf(color);
    const int direction = randomBelow(toolkit, 4);
    canvas.setPenMode(PenMode::Copy);
    // White brightens linearly; any other colour by the square root, which lifts the dark end.
    const bool white = (color & 0xFFFFFFu) == 0xFFFFFFu;
    const auto stripe = [&](int i, int c, int x1, int y1, int x2, int y2) {
        const long double ratio = static_cast<long double>(i) / c;
        const long double f = white ? ratio : (i == 0 ? 0.0L : std::sqrt(ratio));
        const int r = scaled(f, red);
        const int g = scaled(f, green);
        const int b = scaled(f, blue);
        SetPenRGB(canvas, r, g, b);
        SetBrushRGB(canvas, r, g, b);
        canvas.rectangle(x1, y1, x2, y2);
    };
    const int width = toolkit.screenWidth;
    const int height = toolkit.screenHeight;
    if (direction <= 1) {
        const int c = width / 5;
        for (int i = 0; i <= c; ++i) {
            const int column = direction == 0 ? i : c - i;
            if (column * 5 + 5 <= width) stripe(i, c, column * 5, 0, column * 5 + 5, height);
        }
    } else {
        const int c = height / 3;
        for (int i = 0; i <= c; ++i) {
            const int row = direction == 2 ? i : c - i;
            if (row * 3 + 3 <= height) stripe(i, c, 0, row * 3, width, row * 3 + 3);
        }
    }
}

void SaveScreen(Toolkit& toolkit) {
    if (toolkit.screenWidth < 2) return;
    resizeKeeping(toolkit.screenBackup, toolkit.screenWidth + 5, toolkit.screenHeight + 5);
    const QRect area(0, 0, toolkit.screenWidth, toolkit.screenHeight);
    copyPixels(toolkit.mainCanvas->image(), area, toolkit.screenBackup, QPoint(0, 0));
    if (toolkit.mainCanvas->recorder()) toolkit.mainCanvas->recorder()->saved(area);
}

void RestoreScreen(Toolkit& toolkit) {
    if (toolkit.screenWidth < 2) return;
    resizeKeeping(toolkit.screenBackup, toolkit.screenWidth + 5, toolkit.screenHeight + 5);
    const QRect area(0, 0, toolkit.screenWidth, toolkit.screenHeight);
    copyPixels(toolkit.screenBackup, area, toolkit.mainCanvas->image(), QPoint(0, 0));
    if (toolkit.mainCanvas->recorder()) toolkit.mainCanvas->recorder()->restored(area);
}

void DropSavedScreen(Toolkit& toolkit) {
    toolkit.screenBackup = QImage();
}

bool SaveScreenToFile(Toolkit& toolkit) {
    QImage copy;
    resizeKeeping(copy, toolkit.screenWidth + 5, toolkit.screenHeight + 5);
    const QRect area(0, 0, toolkit.screenWidth, toolkit.screenHeight);
    copyPixels(toolkit.mainCanvas->image(), area, copy, QPoint(0, 0));
    if (toolkit.mainCanvas->recorder()) toolkit.mainCanvas->recorder()->saved(area);
    return saveImageBmp(copy, ScratchBitmapFile);
}

bool RestoreScreenFromFile(Toolkit& toolkit) {
    QImage saved;
    if (!saved.load(QString::fromLatin1(ScratchBitmapFile), "BMP")) return false;
    saved = saved.convertToFormat(QImage::Format_RGB32);
    const QRect area(0, 0, toolkit.screenWidth, toolkit.screenHeight);
    copyPixels(saved, area, toolkit.mainCanvas->image(), QPoint(0, 0));
    if (toolkit.mainCanvas->recorder()) toolkit.mainCanvas->recorder()->restored(area);
    return true;
}

void ShowBitmapFile(Toolkit& toolkit, const std::string& name) {
    const QString path = QString::fromStdString(name.substr(0, 160));
    if (!QFileInfo::exists(path)) return;
    QImage bitmap;
    if (!bitmap.load(path, "BMP") && !bitmap.load(path)) return;
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    const int x = std::max(0, (toolkit.screenWidth - bitmap.width()) / 2);
    const int y = std::max(0, (toolkit.screenHeight - bitmap.height()) / 2);
    toolkit.mainCanvas->draw(x, y, bitmap);
}

void SaveRect(Toolkit& toolkit, Canvas& canvas, int x1, int y1, int x2, int y2) {
    resizeKeeping(toolkit.workBitmap, x2 - x1 + 1, y2 - y1 + 1);
    copyPixels(canvas.image(), QRect(x1, y1, x2 - x1, y2 - y1), toolkit.workBitmap, QPoint(0, 0));
    if (canvas.recorder()) canvas.recorder()->saved(QRect(x1, y1, x2 - x1, y2 - y1));
}

void RestoreRect(Toolkit& toolkit, Canvas& canvas, int x1, int y1, int x2, int y2) {
    resizeKeeping(toolkit.workBitmap, x2 - x1 + 1, y2 - y1 + 1);
    copyPixels(toolkit.workBitmap, QRect(0, 0, x2 - x1, y2 - y1), canvas.image(), QPoint(x1, y1));
    if (canvas.recorder()) canvas.recorder()->restored(QRect(x1, y1, x2 - x1, y2 - y1));
}

void ShadowText(Canvas& canvas, int x, int y, const std::string& text, PackedColor color) {
    if (text.empty()) return;
    // The text goes onto a red scratch bitmap first and is copied without its background, so
    // only the letters reach the canvas.
    Canvas scratch(canvas.textWidth(text), canvas.textHeight("Xj"), KeyRed);
    ProcessMessages();
    scratch.setFontSize(canvas.fontSize());
    scratch.setBrushColor(KeyRed);
    const bool bright = redOf(color) + greenOf(color) + blueOf(color) > 600;
    const PackedColor shadow = bright ? packColor(1, 2, 3) : packColor(240, 240, 240);
    const int k = bright ? 1 : -1;
    drawTextPass(canvas, scratch, x, y, text, shadow);
    ProcessMessages();
    drawTextPass(canvas, scratch, x - k, y - k, text, color);
    ProcessMessages();
    if (canvas.recorder())
        canvas.recorder()->text(text, QRect(x, y, scratch.width(), scratch.height()));
}

void CanvasText(Toolkit& toolkit, Canvas& canvas, int x, int y, const std::string& text,
                PackedColor color) {
    const bool turned = x < 0;
    x = std::abs(x);
    if (y < 0 || y > toolkit.screenHeight || x > toolkit.screenWidth) return;
    const PackedColor background = canvas.brushColor();
    Canvas scratch(canvas.textWidth(text) + 2, canvas.textHeight("Xj") + 2, background);
    scratch.setFontSize(canvas.fontSize());
    scratch.setBrushColor(background);
    scratch.setPenColor(background);
    scratch.setFontColor(color);
    scratch.textOut(0, 0, text);
    if (PaintRecorder* recorder = canvas.recorder()) {
        const QRect where(x, y, canvas.textWidth(text), canvas.textHeight(text));
        recorder->text(text, turned ? QRect(x, y, where.height(), where.width()) : where);
    }
    if (!turned) {
        canvas.drawTransparent(x, y, scratch.image(), background);
        return;
    }
    // A quarter turn clockwise: the top row of the text becomes the right-hand column.
    const QImage& flat = scratch.image();
    QImage upright(flat.height(), flat.width(), QImage::Format_RGB32);
    for (int row = 0; row < flat.height(); ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(flat.constScanLine(row));
        for (int column = 0; column < flat.width(); ++column)
            reinterpret_cast<QRgb*>(upright.scanLine(column))[flat.height() - 1 - row] = in[column];
    }
    canvas.draw(x, y, upright);
}

void WaitClickOrKey() {
    InputState& input = Input();
    input.mouseButtonState = 0;
    input.lastKey = '[';
    while (input.mouseButtonState == 0 && input.lastKey == '[') {
        SleepMs(60);
        ProcessMessages();
    }
    input.mouseButtonState = 0;
}

}  // namespace zentova

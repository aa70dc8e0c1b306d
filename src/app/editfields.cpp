#include "app/editfields.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "app/controltag.h"
#include "app/editorkeys.h"
#include "app/editorparts.h"
#include "canvas/canvas.h"
#include "canvas/decorative.h"
#include "canvas/primitives.h"
#include "lang/language.h"
#include "pump/pump.h"

namespace zentova {

namespace {

constexpr int CaptionLength = 25;
constexpr int MaxValueLength = 255;
constexpr int FieldCount = 10;

// The form's places of the borrowed controls; the entry moves them and puts them back.
constexpr int CaptionLeft = 30;
constexpr int CaptionWidth = 200;
constexpr int FieldLeft = 240;
constexpr int FieldWidth = 160;
constexpr int RowHeight = 21;

QString padded(const std::string& caption) {
    return (QString::fromStdString(caption) + QString(30, ' ')).left(CaptionLength);
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

FieldControls makeFieldControls(QWidget* window, std::span<QLineEdit* const> edits,
                                QPushButton* button1) {
    FieldControls controls;
    controls.button1 = button1;
    for (int i = 1; i <= 11; ++i) {
        auto* label = new QLabel(window);
        label->setObjectName(QString("Label%1").arg(i));
        label->setAutoFillBackground(true);
        label->setGeometry(CaptionLeft, 40 + 25 * (i % 11), CaptionWidth, RowHeight);
        setLabelColour(label, Rgb{192, 192, 192});
        setShownAndEnabled(label, false);
        controls.label[at(i)] = label;
    }
    for (int i = 1; i <= FieldCount; ++i) {
        controls.edit[at(i)] = edits[at(i)];
        edits[at(i)]->setGeometry(FieldLeft, 40 + 25 * i, FieldWidth, RowHeight);
        // A screen reader names the field by its caption.
        controls.label[at(i)]->setBuddy(edits[at(i)]);
    }
    button1->setGeometry(FieldLeft, 320, 130, 25);
    return controls;
}

Rgb labelColour(const QLabel* label) {
    const QColor c = label->palette().color(QPalette::Window);
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

void setLabelColour(QLabel* label, Rgb colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

namespace {

// Enables the title, the OK button and the first `n` rows (two at least), still hidden.
void enableFields(FieldControls& c, int n) {
    for (int i = 1; i <= FieldCount; ++i) {
        if (i <= 2 || i <= n) {
            c.label[at(i)]->setEnabled(true);
            c.edit[at(i)]->setEnabled(true);
        }
    }
    c.label[11]->setEnabled(true);
    c.button1->setEnabled(true);
}

// Stands the title, the captions and the fields of the first `rows` rows in a column from the
// top of the screen or up from its bottom, the captions in the first one's colour, and shows
// the first `n` fields with the OK button under the last. Returns that colour.
Rgb placeFields(Toolkit& toolkit, FieldControls& c, int n, int rows, bool top) {
    const int base = top ? 40 : toolkit.screenHeight - n * 25 - 100;
    c.label[11]->move(c.label[11]->x(), base);
    for (int i = 1; i <= rows; ++i) {
        c.label[at(i)]->move(c.label[at(i)]->x(), base + 25 * i);
        c.edit[at(i)]->move(c.edit[at(i)]->x(), base + 25 * i);
    }
    const Rgb colour = labelColour(c.label[1]);
    for (int i = 2; i <= 11; ++i) setLabelColour(c.label[at(i)], colour);

    c.edit[1]->show();
    c.edit[1]->setFocus(KeyboardFocusReason());
    c.button1->move(c.button1->x(), c.edit[1]->y() + 30);
    for (int i = 2; i <= n; ++i) {
        c.edit[at(i)]->show();
        c.button1->move(c.button1->x(), c.edit[at(i)]->y() + 30);
    }
    return colour;
}

// Waits for the OK button or Enter.
void waitForOk(FieldControls& c) {
    setTag(c.button1, 0);
    Input().lastKey = '[';
    while (tagOf(c.button1) == 0) {
        if (Input().lastKey == 13) break;
        ProcessMessages();
        SleepMs(10);
    }
}

// Hides every control of the entry again and puts the rows, the title and the button back
// where they stood.
void hideAndPutBack(FieldControls& c, int rows,
                    const std::array<int, FieldCount + 1>& rememberedTop, int titleTop,
                    QPoint buttonPlace) {
    for (int i = 1; i <= FieldCount; ++i) {
        setShownAndEnabled(c.label[at(i)], false);
        setShownAndEnabled(c.edit[at(i)], false);
    }
    setShownAndEnabled(c.label[11], false);
    setShownAndEnabled(c.button1, false);
    for (int i = 1; i <= rows; ++i) {
        c.label[at(i)]->move(c.label[at(i)]->x(), rememberedTop[at(i)]);
        c.edit[at(i)]->move(c.edit[at(i)]->x(), rememberedTop[at(i)]);
    }
    c.label[11]->move(c.label[11]->x(), titleTop);
    c.button1->move(buttonPlace);
}

}  // namespace

void EditFields(Toolkit& toolkit, FieldControls& c, int count, const std::string& title,
                const FieldTexts& captions, FieldTexts& values) {
    std::array<QString, FieldCount + 1> caption;
    for (int i = 1; i <= FieldCount; ++i) caption[at(i)] = padded(captions[at(i - 1)]);

    // The screen goes to the scratch bitmap file, which is part of what a field entry leaves
    // in the folder (see EditFields); the copy in memory serves when it cannot be written.
    const QImage before = toolkit.mainCanvas->image().copy();
    const bool savedToFile = SaveScreenToFile(toolkit);

    const bool top = count > 0;
    int n = static_cast<int>(std::min(std::llabs(static_cast<long long>(count)), 1000LL));
    for (int i = n + 1; i <= FieldCount; ++i) {
        values[at(i - 1)].clear();
        caption[at(i)].clear();
    }
    const bool plain = n > 100;
    if (plain) n -= 100;
    n = std::min(n, FieldCount);
    const int rows = n >= 6 ? 10 : 5;

    enableFields(c, n);

    std::array<int, FieldCount + 1> rememberedTop{};
    for (int i = 1; i <= rows; ++i) rememberedTop[at(i)] = c.edit[at(i)]->y();
    const int titleTop = c.label[11]->y();
    const QPoint buttonPlace = c.button1->pos();
    c.button1->move(c.edit[1]->x(), c.button1->y());

    const Rgb colour = placeFields(toolkit, c, n, rows, top);

    if (!plain) {
        DecorativeBox(toolkit, *toolkit.mainCanvas, c.label[1]->x() - 10, c.label[11]->y() - 18,
                      c.edit[1]->x() + c.edit[1]->width() + 14, c.button1->y() + 38, colour.r,
                      colour.g, colour.b, 1 + randomBelow(toolkit, 12));
    }
    SaveScreen(toolkit);

    const int shownLabels = std::max(n, 1);
    for (int i = 1; i <= shownLabels; ++i) c.label[at(i)]->show();
    c.label[11]->show();
    c.button1->show();
    c.label[11]->setText(QString::fromStdString(title));
    c.edit[1]->setFocus(KeyboardFocusReason());

    for (int i = 1; i <= rows; ++i) {
        c.label[at(i)]->setText(caption[at(i)]);
        c.edit[at(i)]->setText(QString::fromStdString(values[at(i - 1)]));
    }

    waitForOk(c);

    for (int i = 1; i <= rows; ++i)
        values[at(i - 1)] = c.edit[at(i)]->text().left(MaxValueLength).toStdString();

    hideAndPutBack(c, rows, rememberedTop, titleTop, buttonPlace);
    ProcessMessages();

    if (!savedToFile || !RestoreScreenFromFile(toolkit)) toolkit.mainCanvas->image() = before;
}

namespace {

// Where the number starts: after leading blanks and a plus sign (not followed by a minus).
std::optional<std::size_t> numberStart(const std::string& text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return std::nullopt;
    if (text[start] == '+') {
        ++start;
        if (start < text.size() && text[start] == '-') return std::nullopt;
    }
    return start;
}

}  // namespace

std::optional<std::int32_t> parseIntegerField(const std::string& text) {
    const std::optional<std::size_t> start = numberStart(text);
    if (!start) return std::nullopt;
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data() + *start, end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::optional<double> parseRealField(const std::string& text) {
    const std::optional<std::size_t> start = numberStart(text);
    if (!start) return std::nullopt;
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] =
        std::from_chars(text.data() + *start, end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string fieldText(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string fieldText(std::int32_t value) {
    return std::to_string(value);
}

namespace {

std::string replacedAll(std::string text, const std::string& from, const std::string& to) {
    if (from == to || from.empty()) return text;
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

std::string withPointSeparator(std::string text) {
    return replacedAll(std::move(text), screenDecimalSeparator(), ".");
}

std::string screenFieldText(double value) {
    return withScreenSeparator(fieldText(value));
}

std::optional<double> parseScreenRealField(const std::string& text) {
    return parseRealField(withPointSeparator(text));
}

}  // namespace zentova

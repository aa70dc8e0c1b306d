#include "charts/plot.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "files/fileerror.h"
#include "files/output.h"
#include "lang/language.h"

namespace zentova {

namespace {

// Axis bounds that hold every point, from 0 when all values are positive, with a little room.
std::pair<double, double> boundsOf(const PlotContent& content, bool x) {
    double low = 0.0, high = 0.0;
    bool any = false;
    for (const PlotLine& line : content.lines)
        for (const QPointF& p : line.points) {
            const double v = x ? p.x() : p.y();
            if (!std::isfinite(v)) continue;
            low = any ? std::min(low, v) : std::min(0.0, v);
            high = any ? std::max(high, v) : v;
            any = true;
        }
    if (!(high > low)) high = low + 1.0;
    // Room above the highest point, and beside the last one when points are marked, so
    // that no mark is cut in half at the plot's edge.
    const bool marked = std::any_of(content.lines.begin(), content.lines.end(),
                                    [](const PlotLine& l) { return l.marks != PointMarks::None; });
    if (!x || marked) high += 0.05 * (high - low);
    return {low, high};
}

// The round number (1, 2 or 5 times a power of ten) nearest above `step`.
double roundStep(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= step) return m * power;
    return 10.0 * power;
}

// Colours apart for readers with a colour vision deficiency too (Okabe and Ito's set), each
// at least 3:1 against the dark background, as a line must be to be seen: their dark blue
// (0, 114, 178) made light blue-violet for that; not their grey, which white and grey types
// take.
const QColor Palette[] = {QColor(230, 159, 0),  QColor(86, 180, 233),  QColor(0, 158, 115),
                          QColor(240, 228, 66), QColor(160, 160, 255), QColor(213, 94, 0),
                          QColor(204, 121, 167)};

// More lines than this get their legend in a column on the right, where names are not cut.
constexpr std::size_t MostLinesBelow = 6;

// The dark theme's plot area, which a line must stand apart from.
const QColor Background(46, 48, 58);

// Whether two colours look alike: a distance weighted for the eye ("redmean"), under a
// tenth of the distance from black to white.
double distance2(const QColor& a, const QColor& b) {
    const double r = (a.red() + b.red()) / 2.0;
    const double dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
    return (2.0 + r / 256.0) * dr * dr + 4.0 * dg * dg + (2.0 + (255.0 - r) / 256.0) * db * db;
}

bool alike(const QColor& a, const QColor& b) {
    return distance2(a, b) < 0.01 * 9.0 * 255.0 * 255.0;
}

// A point's mark, in pixels across: big enough to see a hollow one's hole at 800 pixels.
constexpr double MarkSize = 10.0;

// A number written with a point, as the chosen language writes it ("2,5" in German).
QString withScreenPoint(QString number) {
    return number.replace('.', QLocale().decimalPoint());
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

std::string plotInWords(const PlotContent& content) {
    QString words = text(filled(
        translated("Plot", "%1, %2 against %3"),
        {content.title.toStdString(), content.yLabel.toStdString(), content.xLabel.toStdString()}));
    // Three digits, whole numbers from 1000 on: said, "1.23e+03" is no help.
    const auto number = [](double value) {
        return withScreenPoint(std::fabs(value) >= 1000.0
                                   ? QString::number(std::round(value), 'f', 0)
                                   : QString::number(value, 'g', 3))
            .toStdString();
    };
    QString separator = ": ";
    for (const PlotLine& line : content.lines) {
        const auto top =
            std::max_element(line.points.begin(), line.points.end(),
                             [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        if (top == line.points.end()) continue;
        words +=
            separator + text(filled(translated("Plot", "%1 highest %2 at %3"),
                                    {line.name.toStdString(), number(top->y()), number(top->x())}));
        separator = "; ";
    }
    return (words + ".").toStdString();
}

std::vector<std::pair<QColor, Qt::PenStyle>> lineLooks(const PlotContent& content) {
    std::vector<std::pair<QColor, Qt::PenStyle>> looks;
    std::size_t unnamed = 0;
    for (const PlotLine& line : content.lines) {
        const QColor color =
            line.color.isValid() ? line.color : Palette[unnamed++ % std::size(Palette)];
        std::size_t style = 0;
        while (style < std::size(StyleCycle) && StyleCycle[style] != line.style) ++style;
        style %= std::size(StyleCycle);
        // Next style while the line would look like the background or an earlier line.
        for (std::size_t tries = 0; tries < std::size(StyleCycle); ++tries) {
            bool clash = StyleCycle[style] == Qt::SolidLine && alike(color, Background);
            for (const auto& [c, st] : looks)
                if (st == StyleCycle[style] && alike(c, color)) clash = true;
            if (!clash) break;
            style = (style + 1) % std::size(StyleCycle);
        }
        looks.emplace_back(color, StyleCycle[style]);
    }
    return looks;
}

QColor farthestColour(const std::vector<QColor>& candidates, const std::vector<QColor>& taken) {
    QColor best;
    double bestDistance = -1.0;
    for (const QColor& c : candidates) {
        double nearest = 1e300;
        for (const QColor& t : taken) nearest = std::min(nearest, distance2(c, t));
        if (nearest > bestDistance) {
            bestDistance = nearest;
            best = c;
        }
    }
    return best;
}

std::vector<QColor> plotPalette() {
    return std::vector<QColor>(std::begin(Palette), std::end(Palette));
}

void fitAxis(QValueAxis* axis, double low, double high) {
    axis->setRange(low, high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(roundStep((high - low) / 5.0));
}

namespace {

// A line's pen in its colour and dashes, or its marks as rings or discs of that colour.
void styleSeries(QXYSeries* series, const PlotLine& line,
                 const std::pair<QColor, Qt::PenStyle>& look, bool scatter) {
    QPen pen = series->pen();
    pen.setColor(look.first);
    pen.setWidthF(2.0);
    pen.setStyle(look.second);
    // Shorter dashes than the pen's own, so that the legend's short piece of a line
    // shows a gap or two too.
    if (look.second == Qt::DashLine) pen.setDashPattern({3, 2});
    if (look.second == Qt::DashDotLine) pen.setDashPattern({3, 2, 1, 2});
    if (look.second == Qt::DashDotDotLine) pen.setDashPattern({3, 2, 1, 2, 1, 2});
    if (scatter) {
        // A ring in the line's colour; a filled mark is a disc of it.
        auto* marks = static_cast<QScatterSeries*>(series);
        marks->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        marks->setMarkerSize(MarkSize);
        pen.setStyle(Qt::SolidLine);
        marks->setPen(pen);
        marks->setBrush(line.marks == PointMarks::Filled ? QBrush(look.first) : QBrush(Background));
    } else {
        series->setPen(pen);
        if (line.marks != PointMarks::None) {
            // A line's points are drawn larger than a scatter's marks of the same size.
            series->setPointsVisible(true);
            series->setMarkerSize(0.6 * MarkSize);
        }
    }
}
}  // namespace

QChart* makeChart(const PlotContent& content) {
    auto* chart = new QChart();
    chart->setTheme(QChart::ChartThemeDark);
    // Square and flat, to the picture's edges: no black corners in a page, no shadow to
    // blur at every repaint.
    chart->setDropShadowEnabled(false);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(6, 6, 6, 6));
    chart->setTitle(content.title);
    // The axes' numbers as the chosen language writes them ("2,5" in German).
    chart->setLocale(QLocale());
    chart->setLocalizeNumbers(true);
    QFont title = chart->titleFont();
    title.setPointSize(12);
    title.setBold(true);
    chart->setTitleFont(title);
    auto* xAxis = new QValueAxis(chart);
    auto* yAxis = new QValueAxis(chart);
    xAxis->setTitleText(content.xLabel);
    yAxis->setTitleText(content.yLabel);
    const auto [x0, x1] = boundsOf(content, true);
    const auto [y0, y1] = boundsOf(content, false);
    fitAxis(xAxis, x0, x1);
    yAxis->setRange(y0, y1);
    yAxis->applyNiceNumbers();
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    const auto looks = lineLooks(content);
    for (std::size_t k = 0; k < content.lines.size(); ++k) {
        const PlotLine& line = content.lines[k];
        const bool scatter = line.marks != PointMarks::None && !line.joined;
        QXYSeries* series = scatter ? static_cast<QXYSeries*>(new QScatterSeries(chart))
                                    : static_cast<QXYSeries*>(new QLineSeries(chart));
        series->setName(line.name);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.points.size()));
        for (const QPointF& p : line.points)
            if (std::isfinite(p.x()) && std::isfinite(p.y())) points.append(p);
        series->replace(points);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
        styleSeries(series, line, looks[k], scatter);
    }
    // The legend shows a piece of each line, dashes and all; many lines get a column beside.
    QLegend* legend = chart->legend();
    // One line shows its name too: "all particles (all of type 1)" says what it sums up.
    legend->setVisible(content.lines.size() > 1 ||
                       (content.lines.size() == 1 && !content.lines[0].name.isEmpty()));
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    legend->setAlignment(content.lines.size() > MostLinesBelow ? Qt::AlignRight : Qt::AlignBottom);
    return chart;
}

void savePlot(const PlotContent& content, OutputFile& png, OutputFile& svg, int width, int height) {
    // The chart laid out in a scene of its own, never shown: no window, no display.
    QGraphicsScene scene;
    QChart* chart = makeChart(content);
    scene.addItem(chart);
    chart->setPos(0, 0);
    chart->resize(width, height);
    scene.setSceneRect(0, 0, width, height);
    // The chart lays itself out on the events its new size posts.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QRectF area(0, 0, width, height);

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
    }
    QByteArray pngBytes;
    QBuffer pngBuffer(&pngBytes);
    pngBuffer.open(QIODevice::WriteOnly);
    if (!image.save(&pngBuffer, "PNG"))
        throw FileError(png.path(), 0, "the picture cannot be made");
    png.write(std::string_view(pngBytes.constData(), static_cast<std::size_t>(pngBytes.size())));

    QByteArray svgBytes;
    QBuffer svgBuffer(&svgBytes);
    svgBuffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svgBuffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setTitle(content.title);
    {
        QPainter painter(&generator);
        scene.render(&painter, area, area);
    }
    svg.write(std::string_view(svgBytes.constData(), static_cast<std::size_t>(svgBytes.size())));
}

QString spokenNumber(double value) {
    if (std::isnan(value)) return text(translated("Plot", "not a number"));
    if (std::isinf(value))
        return text(value > 0 ? translated("Plot", "infinite")
                              : translated("Plot", "minus infinite"));
    if (value == 0.0) return "0";
    // Rounded to four significant digits first, so that 9999.7 is said 10000, not 9999.
    const double rounded = QString::number(value, 'g', 4).toDouble();
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    if (magnitude < -6 || magnitude > 14) {
        const double mantissa = rounded / std::pow(10.0, magnitude);
        return text(filled(translated("Plot", "%1 times 10 to the %2"),
                           {spokenNumber(mantissa).toStdString(), std::to_string(magnitude)}));
    }
    QString digits = QString::number(rounded, 'f', std::max(0, 3 - magnitude));
    if (digits.contains('.')) {
        while (digits.endsWith('0')) digits.chop(1);
        if (digits.endsWith('.')) digits.chop(1);
    }
    // Read aloud in the chosen language, "2,5" is two point five to a German ear.
    return withScreenPoint(digits);
}

}  // namespace zentova

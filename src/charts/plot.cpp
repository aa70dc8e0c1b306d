#include "charts/plot.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "files/fileerror.h"
#include "files/output.h"

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
    if (!x) high += 0.05 * (high - low);
    return {low, high};
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
    xAxis->setRange(x0, x1);
    yAxis->setRange(y0, y1);
    xAxis->applyNiceNumbers();
    yAxis->applyNiceNumbers();
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (const PlotLine& line : content.lines) {
        auto* series = new QLineSeries(chart);
        series->setName(line.name);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.points.size()));
        for (const QPointF& p : line.points)
            if (std::isfinite(p.x()) && std::isfinite(p.y())) points.append(p);
        series->replace(points);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
        if (line.color.isValid() || line.dashed) {
            QPen pen = series->pen();
            if (line.color.isValid()) pen.setColor(line.color);
            pen.setWidthF(2.0);
            if (line.dashed) pen.setStyle(Qt::DashLine);
            series->setPen(pen);
        }
    }
    chart->legend()->setVisible(content.lines.size() > 1);
    chart->legend()->setAlignment(Qt::AlignBottom);
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

}  // namespace zentova

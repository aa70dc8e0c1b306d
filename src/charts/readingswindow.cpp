#include "charts/readingswindow.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "charts/plot.h"
#include "lang/language.h"

namespace zentova {

namespace {
QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
}  // namespace

QColor bathColour(const Project& project) {
    std::vector<QColor> taken{QColor(Qt::white)};
    for (int t : readingsTypes(project)) {
        const Rgb& c = project.colors[t];
        taken.emplace_back(c.r, c.g, c.b);
    }
    return farthestColour(plotPalette(), taken);
}

ReadingsWindow::ReadingsWindow(const Project& project, QWidget* parent)
    : QWidget(parent, Qt::Window), m_types(readingsTypes(project)) {
    setWindowTitle(text(translated("Readings", "Readings")));
    PlotContent content{text(translated("Readings", "Kinetic energy per particle")),
                        text(translated("Readings", "time (time units)")),
                        text(translated("Readings", "kinetic energy (energy units)")),
                        {}};
    content.lines.push_back(
        {text(translated("Readings", "all particles")), {}, QColor(Qt::white), Qt::DashLine});
    for (int t : m_types) {
        const Rgb& c = project.colors[t];
        content.lines.push_back(
            {text(filled(translated("Readings", "type %1"), {std::to_string(t)})),
             {},
             QColor(c.r, c.g, c.b)});
    }
    m_chart = makeChart(content);
    m_chart->legend()->setVisible(true);
    const auto series = m_chart->series();
    m_mean = static_cast<QLineSeries*>(series.at(0));
    for (qsizetype k = 1; k < series.size(); ++k)
        m_perType.push_back(static_cast<QLineSeries*>(series.at(k)));
    m_time = static_cast<QValueAxis*>(m_chart->axes(Qt::Horizontal).at(0));
    m_energy = static_cast<QValueAxis*>(m_chart->axes(Qt::Vertical).at(0));
    // The bath on the right, from 0: a step in it stands beside the energies it moves.
    m_bathAxis = new QValueAxis;
    m_bathAxis->setTitleText(text(translated("Readings", "bath (x the setup's)")));
    m_bathAxis->setLabelsBrush(m_energy->labelsBrush());
    m_bathAxis->setTitleBrush(m_energy->titleBrush());
    m_bathAxis->setGridLineVisible(false);
    m_bathAxis->setRange(0.0, 2.0);
    m_chart->addAxis(m_bathAxis, Qt::AlignRight);
    m_bath = new QLineSeries;
    m_bath->setName(text(translated("Readings", "bath")));
    // In a hue of its own: beside an orange type, an orange bath reads as that type's line.
    m_bath->setPen(QPen(bathColour(project), 2, Qt::DashDotLine));
    m_chart->addSeries(m_bath);
    m_bath->attachAxis(m_time);
    m_bath->attachAxis(m_bathAxis);
    m_chartView = new QChartView(m_chart, this);
    // What a screen reader says of the graph; its description gives the latest readings.
    m_chartView->setAccessibleName(
        text(translated("Readings", "Kinetic energy per particle against time")));
    m_note = new QLabel(this);
    m_note->setVisible(false);
    m_note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chartView, 1);
    layout->addWidget(m_note);
    resize(520, 380);
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, [this] { flush(); });
}

int ReadingsWindow::pointCount() const {
    return static_cast<int>(m_mean->count());
}

void ReadingsWindow::setNote(const QString& text) {
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

void ReadingsWindow::addRow(const ReadingsRow& row) {
    m_rows.push_back(row);
    // Said at once, drawn within FlushMs.
    m_chartView->setAccessibleDescription(spoken());
    if (!m_flushTimer.isActive()) m_flushTimer.start(FlushMs);
}

void ReadingsWindow::setRows(const std::vector<ReadingsRow>& rows) {
    m_rows = rows;
    m_flushTimer.stop();
    flush();
}

void ReadingsWindow::flush() {
    const std::size_t every =
        std::max<std::size_t>(1, (m_rows.size() + MostPoints - 1) / MostPoints);
    QList<QPointF> mean;
    QList<QPointF> bath;
    double hottest = 1.0;
    std::vector<QList<QPointF>> perType(m_perType.size());
    double first = m_rows.empty() ? 0.0 : m_rows.front().time;
    double last = first;
    double highest = 0.0;
    for (std::size_t k = 0; k < m_rows.size(); ++k) {
        const ReadingsRow& row = m_rows[k];
        first = std::min(first, row.time);
        last = std::max(last, row.time);
        if (std::isfinite(row.meanKineticEnergy))
            highest = std::max(highest, row.meanKineticEnergy);
        for (double e : row.typeKineticEnergy)
            if (std::isfinite(e)) highest = std::max(highest, e);
        hottest = std::max(hottest, row.bathFactor);
        if (k % every != 0 && k + 1 != m_rows.size()) continue;
        mean.append(QPointF(row.time, row.meanKineticEnergy));
        bath.append(QPointF(row.time, row.bathFactor));
        for (std::size_t t = 0; t < perType.size() && t < row.typeKineticEnergy.size(); ++t)
            perType[t].append(QPointF(row.time, row.typeKineticEnergy[t]));
    }
    // The energy axis grows in steps with room ahead, so that it seldom jumps.
    if (highest > m_energy->max() || m_energy->max() > 4.0 * highest + 1.0) {
        m_energy->setRange(0.0, highest * 1.25 + 1e-9);
        m_energy->applyNiceNumbers();
    }
    // Time runs to the last reading, never past it: a pupil reads the run's end at the edge.
    if (first != m_time->min() || last != m_time->max())
        fitAxis(m_time, first, std::max(last, first + 0.015));
    if (hottest * 1.25 > m_bathAxis->max()) {
        m_bathAxis->setRange(0.0, hottest * 1.25);
        m_bathAxis->applyNiceNumbers();
    }
    m_mean->replace(mean);
    m_bath->replace(bath);
    for (std::size_t t = 0; t < m_perType.size(); ++t) m_perType[t]->replace(perType[t]);
    m_chartView->setAccessibleDescription(spoken());
}

QString ReadingsWindow::spoken() const {
    if (m_rows.empty()) return text(translated("Readings", "No readings yet."));
    const ReadingsRow& last = m_rows.back();
    const auto number = [](double value) { return spokenNumber(value).toStdString(); };
    const int frames = static_cast<int>(m_rows.size());
    std::string said = filled(
        translated("Readings", "%n frames, from t = %1 to t = %2. At t = %2: all particles %3",
                   nullptr, frames),
        {screenNumber(m_rows.front().time, 3), screenNumber(last.time, 3),
         number(last.meanKineticEnergy)});
    for (std::size_t t = 0; t < m_types.size() && t < last.typeKineticEnergy.size(); ++t)
        said += filled(translated("Readings", ", type %1 %2"),
                       {std::to_string(m_types[t]), number(last.typeKineticEnergy[t])});
    return text(said + filled(translated("Readings", "; bath x %1."), {number(last.bathFactor)}));
}

}  // namespace zentova

#include "charts/readingswindow.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "charts/plot.h"

namespace zentova {

ReadingsWindow::ReadingsWindow(const Project& project, QWidget* parent)
    : QWidget(parent, Qt::Window), m_types(readingsTypes(project)) {
    setWindowTitle("Readings");
    PlotSpec spec{
        "Kinetic energy per particle", "time (time units)", "kinetic energy (energy units)", {}};
    spec.lines.push_back({"all particles", {}, QColor(Qt::white), true});
    for (int t : m_types) {
        const Rgb& c = project.colors[t];
        spec.lines.push_back({QString("type %1").arg(t), {}, QColor(c.r, c.g, c.b)});
    }
    m_chart = makeChart(spec);
    m_chart->legend()->setVisible(true);
    // Redrawn at every frame beside a running calculation: no blurred shadow to paint each
    // time, and no rounded corners to blend.
    m_chart->setDropShadowEnabled(false);
    m_chart->setBackgroundRoundness(0);
    const auto series = m_chart->series();
    m_mean = static_cast<QLineSeries*>(series.at(0));
    for (qsizetype k = 1; k < series.size(); ++k)
        m_perType.push_back(static_cast<QLineSeries*>(series.at(k)));
    m_time = static_cast<QValueAxis*>(m_chart->axes(Qt::Horizontal).at(0));
    m_energy = static_cast<QValueAxis*>(m_chart->axes(Qt::Vertical).at(0));
    m_chartView = new QChartView(m_chart, this);
    m_note = new QLabel(this);
    m_note->setVisible(false);
    m_note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chartView, 1);
    layout->addWidget(m_note);
    resize(520, 380);
}

int ReadingsWindow::pointCount() const {
    return static_cast<int>(m_mean->count());
}

void ReadingsWindow::setNote(const QString& text) {
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

void ReadingsWindow::extendAxes(const ReadingsRow& row) {
    if (!m_any) m_firstTime = row.time;
    m_lastTime = std::max(m_lastTime, row.time);
    double high = std::isfinite(row.meanKineticEnergy) ? row.meanKineticEnergy : 0.0;
    for (double e : row.typeKineticEnergy)
        if (std::isfinite(e)) high = std::max(high, e);
    m_any = true;
    // The axes grow in steps, so that most frames only add points.
    if (high > m_highest) {
        m_energy->setRange(0.0, high * 1.25);
        m_energy->applyNiceNumbers();
        m_highest = m_energy->max();
    }
    if (m_lastTime > m_time->max() || m_firstTime < m_time->min()) {
        const double span = std::max(m_lastTime - m_firstTime, 0.015);
        m_time->setRange(m_firstTime, m_firstTime + span * 1.5);
        m_time->applyNiceNumbers();
    }
}

void ReadingsWindow::addRow(const ReadingsRow& row) {
    extendAxes(row);
    m_mean->append(row.time, row.meanKineticEnergy);
    for (std::size_t k = 0; k < m_perType.size() && k < row.typeKineticEnergy.size(); ++k)
        m_perType[k]->append(row.time, row.typeKineticEnergy[k]);
}

void ReadingsWindow::setRows(const std::vector<ReadingsRow>& rows) {
    m_any = false;
    m_highest = 0.0;
    m_lastTime = 0.0;
    m_time->setRange(0.0, 0.0);
    QList<QPointF> mean;
    std::vector<QList<QPointF>> perType(m_perType.size());
    for (const ReadingsRow& row : rows) {
        extendAxes(row);
        mean.append(QPointF(row.time, row.meanKineticEnergy));
        for (std::size_t k = 0; k < perType.size() && k < row.typeKineticEnergy.size(); ++k)
            perType[k].append(QPointF(row.time, row.typeKineticEnergy[k]));
    }
    m_mean->replace(mean);
    for (std::size_t k = 0; k < m_perType.size(); ++k) m_perType[k]->replace(perType[k]);
}

}  // namespace zentova

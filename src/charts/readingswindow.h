#pragma once

#include <QWidget>
#include <vector>

#include "analysis/readings.h"
#include "model/project.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace zentova {

// The "Readings" window: the kinetic energy per particle of every type, and of all
// particles, against time, a point per frame. It only shows what it is given; closing it
// changes nothing else.
class ReadingsWindow : public QWidget {
  public:
    explicit ReadingsWindow(const Project& project, QWidget* parent = nullptr);

    // Shows these lines instead of those shown so far.
    void setRows(const std::vector<ReadingsRow>& rows);
    // Adds the line of one more frame.
    void addRow(const ReadingsRow& row);
    // A line of text under the graph (what the window lacks, or nothing).
    void setNote(const QString& text);

    int pointCount() const;

  private:
    void extendAxes(const ReadingsRow& row);

    std::vector<int> m_types;
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    QLabel* m_note = nullptr;
    QValueAxis* m_time = nullptr;
    QValueAxis* m_energy = nullptr;
    QLineSeries* m_mean = nullptr;
    std::vector<QLineSeries*> m_perType;
    double m_firstTime = 0.0;
    double m_lastTime = 0.0;
    double m_highest = 0.0;
    bool m_any = false;
};

}  // namespace zentova

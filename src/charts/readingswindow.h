#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "files/readings.h"
#include "model/project.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace zentova {

// The colour of the bath's line beside the project's types: of the plots' palette, the one
// least like white (all particles) and every type with particles.
QColor bathColour(const Project& project);

// The "Readings" window: the kinetic energy per particle of every type, and of all
// particles, against time, a point per frame, and the bath's factor on an axis of its own. It only
// shows what it is given; closing it changes nothing else. Beside a running calculation it costs
// little: the lines given are drawn once a second at most (each repaint beside the view costs a
// software-rendered calculation far more than its own few milliseconds), and a long run's lines
// with at most MostPoints points each (every k-th line, the last always).
class ReadingsWindow : public QWidget {
  public:
    explicit ReadingsWindow(const Project& project, QWidget* parent = nullptr);

    // Shows these lines instead of those shown so far.
    void setRows(const std::vector<ReadingsRow>& rows);
    // Adds the line of one more frame; it is drawn within FlushMs.
    void addRow(const ReadingsRow& row);
    // A line of text under the graph (what the window lacks, or nothing).
    void setNote(const QString& text);

    // The lines given so far.
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The points drawn of each line.
    int pointCount() const;

    static constexpr int FlushMs = 1000;
    static constexpr std::size_t MostPoints = 800;

    // The graph in words, for a screen reader: the frames shown and the latest readings.
    QString spoken() const;

  private:
    void flush();

    std::vector<int> m_types;
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    QLabel* m_note = nullptr;
    QValueAxis* m_time = nullptr;
    QValueAxis* m_energy = nullptr;
    QValueAxis* m_bathAxis = nullptr;
    QLineSeries* m_bath = nullptr;
    QLineSeries* m_mean = nullptr;
    std::vector<QLineSeries*> m_perType;
    std::vector<ReadingsRow> m_rows;
    QTimer m_flushTimer;
};

}  // namespace zentova

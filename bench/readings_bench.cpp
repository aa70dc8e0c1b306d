// The cost of the "Readings" window to a displayed calculation: one flush of the lines
// given (at most one a second while a calculation runs) and the repaint it causes, on a
// window already holding a short, a long and a very long run's lines. Run with
// QT_QPA_PLATFORM=offscreen (raster painting as on a screen).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cmath>

#include "charts/readingswindow.h"
#include "files/readings.h"

namespace {

zentova::Project showpiece() {
    zentova::Project p;
    p.typeCount = 5;
    for (int t = 1; t <= 5; ++t) {
        p.counts[t] = 40;
        p.masses[t] = t;
        p.colors[t] = {static_cast<std::uint8_t>(50 * t), 120, 200};
    }
    return p;
}

zentova::ReadingsRow rowAt(int frame) {
    zentova::ReadingsRow row;
    row.time = 0.015 * frame;
    row.frame = frame;
    row.meanKineticEnergy = 1000 + 300 * std::sin(frame * 0.1);
    for (int t = 0; t < 5; ++t)
        row.typeKineticEnergy.push_back(row.meanKineticEnergy * (1 + t * 0.2));
    return row;
}

void FlushAndRepaint(benchmark::State& state) {
    const zentova::Project project = showpiece();
    zentova::ReadingsWindow window(project);
    std::vector<zentova::ReadingsRow> rows;
    for (int f = 1; f <= state.range(0); ++f) rows.push_back(rowAt(f));
    window.setRows(rows);
    window.show();
    QCoreApplication::processEvents();
    int frame = static_cast<int>(state.range(0));
    for (auto _ : state) {
        // What a flush does with the lines so far, then the repaint it causes.
        rows.push_back(rowAt(++frame));
        window.setRows(rows);
        window.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(FlushAndRepaint)->Arg(10)->Arg(300)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

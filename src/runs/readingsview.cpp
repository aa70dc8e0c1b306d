#include "runs/readingsview.h"

#include <QGuiApplication>
#include <QScreen>

#include "charts/readingswindow.h"
#include "files/atomicfile.h"
#include "files/trajectory.h"
#include "lang/language.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

constexpr int Gap = 10;            // pixels between the view window and the readings window
constexpr int MinimumWidth = 380;  // the narrowest readings window whose graph still reads well

}  // namespace

ReadingsView::ReadingsView(TForm2& view, const Project& project, std::string readingsPath)
    : m_view(view), m_project(project), m_path(std::move(readingsPath)) {
    m_view.setReadingsOpener([this] { open(); });
}

ReadingsView::ReadingsView(TForm2& view, const Project& project, std::string path,
                           std::function<ReadingsTable()> source)
    : ReadingsView(view, project, std::move(path)) {
    m_source = std::move(source);
}

ReadingsView::~ReadingsView() {
    m_view.setReadingsOpener({});
}

bool ReadingsView::isOpen() const {
    return m_window && m_window->isVisible();
}

void ReadingsView::open() {
    const ReadingsTable table = m_source ? m_source() : loadReadings(m_path);
    const bool fits = table.headerKnown && table.types == readingsTypes(m_project);
    if (!m_window) m_window = std::make_unique<ReadingsWindow>(m_project);
    std::vector<ReadingsRow> rows;
    if (fits) rows = table.rows;
    if (m_replay || m_replayTime >= 0.0) {
        m_replay = true;
        m_fileRows = rows;
        rows.clear();
        for (m_shown = 0; m_shown < m_fileRows.size() &&
                          m_fileRows[m_shown].time <= m_replayTime + WrittenTimeRounding;
             ++m_shown)
            rows.push_back(m_fileRows[m_shown]);
    }
    m_window->setRows(rows);
    std::string note = m_note;
    if (!fits)
        note =
            fileExists(m_path)
                ? filled(translated("Calculation", "%1 is for other types or damaged."), {m_path})
                : filled(translated("Calculation", "There are no readings: %1 is missing."),
                         {m_path});
    m_window->setNote(QString::fromStdString(note));
    // Beside the view window, on its left where the screen has room, level with its bottom
    // so that the project's summary at the top of the main window stays in sight.
    const QRect frame = m_view.frameGeometry();
    const QRect screen = m_view.screen() ? m_view.screen()->availableGeometry() : QRect();
    // Narrower rather than over the view, as far as the graph stays readable.
    const int room = frame.left() - screen.left() - Gap;
    if (room < m_window->width() && room >= MinimumWidth)
        m_window->resize(room, m_window->height());
    const int x = std::max(screen.left(), frame.left() - m_window->width() - Gap);
    const int y = std::max(frame.top(), frame.bottom() - m_window->height());
    m_window->move(x, y);
    m_window->show();
    m_window->raise();
}

void ReadingsView::add(const ReadingsRow& row) {
    if (isOpen()) m_window->addRow(row);
}

void ReadingsView::showUpTo(double time) {
    m_replay = true;
    m_replayTime = time;
    if (!isOpen()) return;
    while (m_shown < m_fileRows.size() && m_fileRows[m_shown].time <= time + WrittenTimeRounding)
        m_window->addRow(m_fileRows[m_shown++]);
}

void ReadingsView::setNote(const std::string& text) {
    m_note = text;
    if (m_window) m_window->setNote(QString::fromStdString(text));
}

}  // namespace zentova

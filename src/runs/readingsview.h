#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/readingsreader.h"
#include "model/project.h"

namespace zentova {

class ReadingsWindow;
class TForm2;

// The "Readings" window of one run: the key G in the view opens it beside the view, with
// the lines of the readings file so far; the run then adds a line per frame. Nothing is
// made before the first G, so a run that never shows it pays nothing. Goes with the run.
class ReadingsView {
  public:
    ReadingsView(TForm2& view, const Project& project, std::string readingsPath);
    // A replay whose readings are not a readings file (a LAMMPS run's log): `source` gives
    // them when the window opens; `path` names the file they come from.
    ReadingsView(TForm2& view, const Project& project, std::string path,
                 std::function<ReadingsTable()> source);
    ~ReadingsView();
    ReadingsView(const ReadingsView&) = delete;
    ReadingsView& operator=(const ReadingsView&) = delete;

    // A calculation's frame: its line, shown when the window is open.
    void add(const ReadingsRow& row);
    // A replay's frame at `time`: the file's lines up to it, shown when the window is open.
    void showUpTo(double time);
    // Says why lines stop coming (a readings file given up).
    void setNote(const std::string& text);

    bool isOpen() const;
    ReadingsWindow* window() const { return m_window.get(); }

  private:
    void open();

    TForm2& m_view;
    Project m_project;
    std::string m_path;
    std::function<ReadingsTable()> m_source;
    std::unique_ptr<ReadingsWindow> m_window;
    bool m_replay = false;
    std::vector<ReadingsRow> m_fileRows;  // a replay's: the whole file
    std::size_t m_shown = 0;
    double m_replayTime = -1.0;
    std::string m_note;
};

}  // namespace zentova

#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "charts/analysesections.h"
#include "files/fileerror.h"
#include "files/output.h"

namespace zentova {

// The steps --analyse takes alike for a project and for a LAMMPS run.

// The files of one plot: its numbers, its picture and its drawing.
struct PlotFiles {
    OutputFile* csv = nullptr;
    OutputFile* png = nullptr;
    OutputFile* svg = nullptr;
};

// The output folder's files as one set of the output writer, each added (its temporary
// made) in the page's order before any frame is read, so that a folder that cannot take
// them fails at once; the page and its pictures appear together at finish().
class AnalysisFiles {
  public:
    // Makes `folder` and adds its files; the energies' and the heating curve's only when
    // asked (the latter dropped again should the bath turn out never to change).
    AnalysisFiles(const OutputPolicy& policy, std::string folder, bool energies, bool heating);

    PlotFiles rdf;
    OutputFile* coordination = nullptr;
    PlotFiles msd;
    PlotFiles density;
    PlotFiles energies;
    PlotFiles heating;

    // A plot's numbers and pictures written; its section kept for the page.
    void write(const PlotFiles& files, Section section);
    // The heating curve's files left out after all.
    void dropHeating();
    // index.html written (`framesText`: the sentence of the frames used, framesSentence)
    // and the whole set committed. Returns the closing line,
    // "analysis written to FOLDER/index.html in S s" counted from `started`.
    std::string finish(const std::string& projectName, const std::string& framesText,
                       const std::string& notes, std::chrono::steady_clock::time_point started);

  private:
    OutputSet m_outputs;
    std::string m_folder;
    OutputFile* m_page = nullptr;
    std::vector<Section> m_sections;

    OutputFile& add(const std::string& name);
    PlotFiles addPlot(const std::string& stem);
};

// How a number is shown in a message: formatBrief or formatDecimals.
using NumberText = std::string (*)(double value, int decimals);

// What was read and what is analysed: "N frames", and "the one frame, at t = T" or
// "K of the N frames, from t = A to t = B", with " (one in every S, M frames)" when thinned
// out. `particles` (" of P particles", or empty) follows the frames.
struct FramesUsed {
    std::string read;
    std::string analysed;
};
FramesUsed framesUsed(std::size_t total, std::size_t inRange,
                      const std::vector<std::size_t>& wanted, double first, double last,
                      const std::string& particles, NumberText shown);

// The failure of a range that holds no frame, naming the frames' own span.
FileError noFramesBetween(const std::string& path, std::optional<double> from,
                          std::optional<double> to, double first, double last, NumberText shown);

// 0, 1, ... n - 1: every frame held taken.
std::vector<std::size_t> everyFrame(std::size_t n);

}  // namespace zentova

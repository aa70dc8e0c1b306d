#include "charts/analysisfiles.h"

#include <cstdio>
#include <filesystem>

#include "charts/analysispage.h"
#include "charts/plot.h"

namespace zentova {

AnalysisFiles::AnalysisFiles(const OutputPolicy& policy, std::string folder, bool withEnergies,
                             bool withHeating)
    : m_outputs(policy), m_folder(std::move(folder)) {
    m_outputs.makeFolder(m_folder);
    rdf = addPlot("rdf");
    coordination = &add("coordination.csv");
    msd = addPlot("msd");
    density = addPlot("density");
    if (withEnergies) energies = addPlot("energies");
    if (withHeating) heating = addPlot("heating");
    m_page = &add("index.html");
}

OutputFile& AnalysisFiles::add(const std::string& name) {
    return m_outputs.add((std::filesystem::path(m_folder) / name).string());
}

PlotFiles AnalysisFiles::addPlot(const std::string& stem) {
    return PlotFiles{&add(stem + ".csv"), &add(stem + ".png"), &add(stem + ".svg")};
}

void AnalysisFiles::write(const PlotFiles& files, Section section) {
    files.csv->write(section.csv);
    savePlot(section.plot, *files.png, *files.svg);
    m_sections.push_back(std::move(section));
}

void AnalysisFiles::dropHeating() {
    for (OutputFile* f : {heating.csv, heating.png, heating.svg}) m_outputs.drop(*f);
    heating = PlotFiles{};
}

std::string AnalysisFiles::finish(const std::string& projectName, const std::string& framesText,
                                  const std::string& notes,
                                  std::chrono::steady_clock::time_point started) {
    m_page->write(pageOf(projectName, framesText, m_sections, notes));
    m_outputs.commit();
    char done[160];
    std::snprintf(
        done, sizeof done, "analysis written to %s/index.html in %.2f s", m_folder.c_str(),
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    return done;
}

FramesUsed framesUsed(std::size_t total, std::size_t inRange,
                      const std::vector<std::size_t>& wanted, double first, double last,
                      const std::string& particles, NumberText shown) {
    FramesUsed used;
    used.read = std::to_string(total) + (total == 1 ? " frame" : " frames");
    used.analysed = total == 1 ? "the one frame" + particles + ", at t = " + shown(first, 3)
                               : std::to_string(inRange) + " of the " + used.read + particles +
                                     ", from t = " + shown(first, 3) + " to t = " + shown(last, 3);
    if (wanted.size() < inRange)
        used.analysed += " (one in every " +
                         std::to_string(wanted.size() > 1 ? wanted[1] - wanted[0] : 1) + ", " +
                         std::to_string(wanted.size()) + " frames)";
    return used;
}

FileError noFramesBetween(const std::string& path, std::optional<double> from,
                          std::optional<double> to, double first, double last, NumberText shown) {
    return FileError(path, 0,
                     "has no frames from " + (from ? shown(*from, 3) : "the start") + " to " +
                         (to ? shown(*to, 3) : "the end") + " (its frames run from t = " +
                         shown(first, 3) + " to t = " + shown(last, 3) + ")");
}

std::vector<std::size_t> everyFrame(std::size_t n) {
    std::vector<std::size_t> all(n);
    for (std::size_t k = 0; k < n; ++k) all[k] = k;
    return all;
}

}  // namespace zentova

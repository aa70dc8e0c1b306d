#include "charts/analysesections.h"
#include "charts/analysispage.h"
#include "charts/analysiswords.h"
#include "lang/language.h"

namespace zentova {

using namespace pagewords;

namespace {

// A highest point this many times the second half's mean sets the scale alone.
constexpr double SpikeRatio = 3.0;

// A word on a spike of the mean kinetic energy that dwarfs the rest of the run: where it is,
// how high against the second half, and, when the bath was not raised then, where it came from.
std::string spikeWords(const EnergyLines& lines) {
    const std::vector<double>& energies = lines.meanEnergies;
    if (energies.size() < 4) return "";
    double sum = 0.0;
    for (std::size_t k = energies.size() / 2; k < energies.size(); ++k) sum += energies[k];
    const double level = sum / static_cast<double>(energies.size() - energies.size() / 2);
    const double highest = lines.highestEnergy;
    if (!(highest > SpikeRatio * level) || !(level > 0.0)) return "";
    const std::string at = fixed3(lines.highestTime);
    std::string words =
        lines.highestBath > lines.lowestBath
            ? filled(translated("Analysis",
                                "<b>The highest point</b>, %1 per particle at t = %2, is %3 "
                                "times the mean of the run's second half (%4); it came while "
                                "the bath was raised to x %5."),
                     {plain(highest), at, plain(highest / level), plain(level),
                      fixed2(lines.highestBath)})
            : filled(translated("Analysis",
                                "<b>The highest point</b>, %1 per particle at t = %2, is %3 "
                                "times the mean of the run's second half (%4): the bath was not "
                                "raised then, so it is energy of position turned into motion as "
                                "the particles' forces drew them together (into a lump) or "
                                "drove them apart, faster than the bath's damping took it "
                                "away."),
                     {plain(highest), at, plain(highest / level), plain(level)});
    return "<p>" + words + " " +
           translated("Analysis",
                      "It sets the plot's scale, so the rest of the run looks small beside it; "
                      "energies.csv holds every value.") +
           "</p>\n";
}

}  // namespace

Section energiesSection(const EnergyLines& lines, const Project& project) {
    Section s{
        "energies",
        translated("Analysis", "How lively the particles are: kinetic energy"),
        translated(
            "Analysis",
            "This graph shows the energy of motion (kinetic energy) of an average particle, of "
            "all of them and of each kind, as time goes on; it covers the whole run. Hotter "
            "means faster. Lines that go down mean the system cools down; lines that level off "
            "mean it has settled."),
        "",
        "",
        {text(translated("Analysis", "Kinetic energy")),
         text(translated("Analysis", "time (time units)")),
         text(translated("Analysis", "kinetic energy per particle (energy units)")),
         {}}};
    if (lines.types.size() == 1) {
        // All particles are of the one type: its line would be drawn over the same numbers.
        const int type = lines.types[0];
        PlotLine all{text(filled(translated("Analysis", "all particles (all of type %1)"),
                                 {std::to_string(type)})),
                     {},
                     typeColor(project, type)};
        for (const auto& [t, e] : lines.mean.points()) all.points.emplace_back(t, e);
        s.plot.lines.push_back(std::move(all));
    } else {
        PlotLine mean{
            text(translated("Analysis", "all particles")), {}, QColor(Qt::white), Qt::DashLine};
        for (const auto& [t, e] : lines.mean.points()) mean.points.emplace_back(t, e);
        s.plot.lines.push_back(std::move(mean));
        for (std::size_t k = 0; k < lines.types.size(); ++k) {
            PlotLine line{typeName(lines.types[k]), {}, typeColor(project, lines.types[k])};
            for (const auto& [t, e] : lines.perType[k].points()) line.points.emplace_back(t, e);
            s.plot.lines.push_back(std::move(line));
        }
    }
    s.extra = spikeWords(lines);
    return s;
}

namespace {

// The heating section's heading, words and numbers, its plot not yet drawn.
Section heatingHeading(const std::vector<BathHold>& holds) {
    return Section{
        "heating",
        translated("Analysis", "Heating and cooling: kinetic energy against the bath"),
        translated(
            "Analysis",
            "The run changed the bath's temperature (with the keys H, C and B, or with "
            "--bath). Each point is one stretch at one bath: across, how hot the bath was "
            "(1 = the setup's); up, the energy of motion an average particle settled at, the "
            "mean over the stretch's second half (in heating.csv, frames counts the whole "
            "stretch and frames_in_mean its second half). The line joins the settled "
            "stretches in the order of the run. The bath sets the temperature, so the settled "
            "points lie close to a straight line through zero; one far off it shows the "
            "particles heating themselves, as a lump does while it forms. Whether the particles "
            "melted shows in g(r) and the wandering: "
            "analyse each stretch with --from and --to."),
        "",
        heatingCsv(holds),
        {text(translated("Analysis", "Heating curve")),
         text(translated("Analysis", "bath (times the setup's temperature)")),
         text(translated("Analysis", "kinetic energy per particle (energy units)")),
         {}}};
}

// The words under the heating curve for the `count` stretches too short to settle, `named`
// as "x 0.50 (12 frames, from t = 1.000), ...".
std::string unsettledWords(const std::string& named, int count) {
    const std::initializer_list<std::string> values = {
        htmlEscape(named), fixed2(BathRelaxationTime), std::to_string(FewestFramesInMean)};
    return "<p>" +
           filled(count == 1
                      ? translated("Analysis",
                                   "<b>One stretch was too short to settle</b>, drawn hollow and "
                                   "not joined: bath %1. The particles had not yet followed its "
                                   "bath: its second half began less than the bath's relaxation "
                                   "time (%2 time units with the setup's damping) after its "
                                   "first frame, or held fewer than %3 frames. Their energies "
                                   "lag behind and show no melting point; hold a bath longer to "
                                   "measure it.")
                      : translated("Analysis",
                                   "<b>Some stretches were too short to settle</b>, drawn hollow "
                                   "and not joined: bath %1. The particles had not yet followed "
                                   "their baths: each one's second half began less than the "
                                   "bath's relaxation time (%2 time units with the setup's "
                                   "damping) after its first frame, or held fewer than %3 "
                                   "frames. Their energies lag behind and show no melting point; "
                                   "hold a bath longer to measure it."),
                  values) +
           "</p>\n";
}

}  // namespace

Section heatingSection(const std::vector<BathHold>& holds) {
    Section s = heatingHeading(holds);
    PlotLine settled{
        text(translated("Analysis", "settled, in the order of the run")), {}, QColor(255, 176, 0)};
    settled.marks = PointMarks::Filled;
    PlotLine unsettled{
        text(translated("Analysis", "too short to settle")), {}, QColor(255, 176, 0)};
    unsettled.marks = PointMarks::Hollow;
    unsettled.joined = false;
    std::string named;
    int count = 0;
    for (const BathHold& hold : holds) {
        (hold.settled ? settled : unsettled)
            .points.emplace_back(hold.factor, hold.meanKineticEnergy);
        if (hold.settled) continue;
        named += std::string(named.empty() ? "" : ", ") +
                 filled(translated("Analysis", "x %1 (%n frames, from t = %2)", nullptr,
                                   countOf(hold.frames)),
                        {fixed2(hold.factor), fixed3(hold.from)});
        ++count;
    }
    if (!settled.points.empty()) s.plot.lines.push_back(std::move(settled));
    if (count > 0) {
        s.plot.lines.push_back(std::move(unsettled));
        s.extra = unsettledWords(named, count);
    }
    return s;
}

}  // namespace zentova

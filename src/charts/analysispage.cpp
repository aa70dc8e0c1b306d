#include "charts/analysispage.h"

#include <algorithm>
#include <climits>

#include "charts/analysiswords.h"
#include "lang/language.h"

namespace zentova {

using namespace pagewords;

std::string framesSentence(const PageFrames& used) {
    const std::string from = withScreenSeparator(used.from), to = withScreenSeparator(used.to);
    const int frames = static_cast<int>(std::min<std::size_t>(used.frameCount, INT_MAX));
    if (used.particles < 0) {
        if (used.frameCount == 1)
            return filled(translated("Analysis",
                                     "The structure and the wandering use the one frame, at t = "
                                     "%1."),
                          {from});
        if (used.every == 0)
            return filled(translated("Analysis",
                                     "The structure and the wandering use %1 of the %n frames, "
                                     "from t = %2 to t = %3.",
                                     nullptr, frames),
                          {std::to_string(used.inRange), from, to});
        return filled(translated("Analysis",
                                 "The structure and the wandering use %1 of the %n frames, from "
                                 "t = %2 to t = %3 (one in every %4, %5 frames).",
                                 nullptr, frames),
                      {std::to_string(used.inRange), from, to, std::to_string(used.every),
                       std::to_string(used.analysed)});
    }
    const std::string particles = std::to_string(used.particles);
    if (used.frameCount == 1)
        return filled(translated("Analysis",
                                 "The structure and the wandering use the one frame of %1 "
                                 "particles, at t = %2."),
                      {particles, from});
    if (used.every == 0)
        return filled(translated("Analysis",
                                 "The structure and the wandering use %1 of the %n frames of %2 "
                                 "particles, from t = %3 to t = %4.",
                                 nullptr, frames),
                      {std::to_string(used.inRange), particles, from, to});
    return filled(translated("Analysis",
                             "The structure and the wandering use %1 of the %n frames of %2 "
                             "particles, from t = %3 to t = %4 (one in every %5, %6 frames).",
                             nullptr, frames),
                  {std::to_string(used.inRange), particles, from, to, std::to_string(used.every),
                   std::to_string(used.analysed)});
}

int countOf(long long count) {
    return static_cast<int>(std::clamp<long long>(count, 0, INT_MAX));
}

std::string pageLanguage() {
    std::string code = chosenLanguage();
    std::replace(code.begin(), code.end(), '_', '-');
    return code;
}

std::string pageOf(const std::string& projectName, const std::string& framesText,
                   const std::vector<Section>& sections, const std::string& notes) {
    const std::string name = htmlEscape(projectName);
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"" + pageLanguage() +
        "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        filled(translated("Analysis", "Zentova analysis of %1"), {name}) +
        "</title>\n<style>\nbody { font-family: sans-serif; max-width: 860px; margin: 2em auto; "
        "background: #fafafa; color: #222; }\nimg { width: 800px; max-width: 100%; border: 1px "
        "solid #888; }\ntable { border-collapse: collapse; }\ntd, th { border: 1px solid #aaa; "
        "padding: 2px 8px; text-align: right; }\np.files { font-size: 90%; color: #555; }\n"
        "</style>\n</head>\n<body>\n<h1>" +
        filled(translated("Analysis", "What happened in \"%1\""), {name}) + "</h1>\n<p>" +
        htmlEscape(framesText) + "</p>\n";
    if (!notes.empty())
        page += "<p><b>" + translated("Analysis", "Note:") + "</b> " + htmlEscape(notes) + "</p>\n";
    for (const Section& s : sections) {
        const std::string csv = "<a href=\"" + s.stem + ".csv\">" + s.stem + ".csv</a>";
        const std::string svg = "<a href=\"" + s.stem + ".svg\">" + s.stem + ".svg</a>";
        page += "<h2>" + htmlEscape(s.heading) + "</h2>\n<img src=\"" + s.stem + ".png\" alt=\"" +
                htmlEscape(plotInWords(s.plot)) + "\">\n<p>" + htmlEscape(s.words) + "</p>\n" +
                s.extra + "<p class=\"files\">" +
                filled(translated("Analysis", "Numbers: %1, picture: %2"), {csv, svg}) + "</p>\n";
    }
    page += "</body>\n</html>\n";
    return page;
}

}  // namespace zentova

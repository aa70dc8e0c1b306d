#include "charts/analysiswords.h"

#include <QLocale>

#include "files/numformat.h"
#include "lang/language.h"

namespace zentova::pagewords {

QColor typeColor(const Project& project, int type) {
    const Rgb& c = project.colors[type];
    return QColor(c.r, c.g, c.b);
}

QString typeName(int type) {
    return QString::fromStdString(
        filled(translated("Analysis", "type %1"), {std::to_string(type)}));
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string fixed2(double value) {
    return withScreenSeparator(formatDecimals(value, 2));
}

std::string fixed3(double value) {
    return withScreenSeparator(formatDecimals(value, 3));
}

std::string htmlEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";  // also safe inside an attribute, such as a picture's words
        else
            out += c;
    }
    return out;
}

std::string plain(double value) {
    if (value >= 100.0) return formatDecimals(value, 0);
    return withScreenSeparator(formatSignificant(value, 2));
}

}  // namespace zentova::pagewords

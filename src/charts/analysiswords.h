#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "model/project.h"

// The analysis page's ways of writing its numbers and names, shared by its sections.
namespace zentova::pagewords {

// A type's colour as the project sets it.
QColor typeColor(const Project& project, int type);
// "type 3" in the chosen language, a plot line's name.
QString typeName(int type);
QString text(const std::string& utf8);

std::string fixed2(double value);
std::string fixed3(double value);
// A number as a person reads it, to two significant digits (three from 100 up), no exponent.
std::string plain(double value);

std::string htmlEscape(const std::string& text);

}  // namespace zentova::pagewords

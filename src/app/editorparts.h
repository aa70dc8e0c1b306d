#pragma once

// The parts the project editor's boxes are built of: captions, hints, placed controls, the
// boxes' style, and the fields' text both ways.

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

namespace zentova {

// Shows and enables `control`, or hides and disables it, so a hidden control takes no key.
void setShownAndEnabled(QWidget* control, bool on);

// A caption named `name` at (x, y) in `box`.
QLabel* makeCaption(QWidget* box, const char* name, const std::string& text, int x, int y,
                    int width = 180);

// An empty hint line at (x, y) in `box`, for the reason a value is refused.
QLabel* makeHintLine(QWidget* box, int x, int y);

// Clears `hint` whenever the text of `field` becomes one that `right` accepts.
void clearWhenRight(QLineEdit* field, QLabel* hint, std::function<bool(const std::string&)> right);

// Moves `control` into `box` at (x, y), sized, and shows it with its box.
void placeInBox(QWidget* control, QWidget* box, int x, int y, int width, int height = 24);

// The style sheet of a box with the background `colour`.
QString boxStyle(const char* colour);

// A translated text (UTF-8) as a control takes it.
QString onScreen(const std::string& text);

// The text typed in a field.
std::string typedText(const QLineEdit* edit);
// A value as its field shows it, a real with the language's decimal separator.
QString asFieldText(double value);
QString asFieldText(std::int32_t value);

// Parses a field into `target`; false, with `target` unchanged, when it does not parse. A
// real takes the language's decimal separator or a point.
bool parseInto(const QLineEdit* edit, double& target);
bool parseInto(const QLineEdit* edit, std::int32_t& target);

}  // namespace zentova

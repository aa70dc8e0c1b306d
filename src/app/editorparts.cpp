#include "app/editorparts.h"

#include <optional>

#include "app/editfields.h"

namespace zentova {

void setShownAndEnabled(QWidget* control, bool on) {
    control->setVisible(on);
    control->setEnabled(on);
}

QLabel* makeCaption(QWidget* box, const char* name, const std::string& text, int x, int y,
                    int width) {
    auto* made = new QLabel(onScreen(text), box);
    made->setObjectName(name);
    made->setGeometry(x, y, width, 18);
    return made;
}

QLabel* makeHintLine(QWidget* box, int x, int y) {
    auto* made = new QLabel(box);
    made->setGeometry(x, y, 150, 18);
    made->setStyleSheet("color: #ffff80; font-weight: bold; font-size: 8pt;");
    return made;
}

void clearWhenRight(QLineEdit* field, QLabel* hint, std::function<bool(const std::string&)> right) {
    QObject::connect(field, &QLineEdit::textChanged,
                     [hint, right = std::move(right)](const QString& now) {
                         if (right(now.toStdString())) hint->clear();
                     });
}

void placeInBox(QWidget* control, QWidget* box, int x, int y, int width, int height) {
    control->setParent(box);
    control->setGeometry(x, y, width, height);
    setShownAndEnabled(control, true);  // shown with its box
}

QString boxStyle(const char* colour) {
    return QString(
               // The title takes the box's own font: a weight given to the title alone is
               // not applied. The box's font does not pass to the fields and buttons.
               "QGroupBox { background: %1; border: 2px solid #c0c0c0; font-weight: bold; }"
               "QGroupBox::title { subcontrol-origin: padding; left: 10px; top: 4px;"
               " color: white; }"
               "QLabel { color: white; font-weight: bold; }")
        .arg(colour);
}

QString onScreen(const std::string& text) {
    return QString::fromStdString(text);
}

std::string typedText(const QLineEdit* edit) {
    return edit->text().toStdString();
}
QString asFieldText(double value) {
    return QString::fromStdString(screenFieldText(value));
}
QString asFieldText(std::int32_t value) {
    return QString::fromStdString(fieldText(value));
}

bool parseInto(const QLineEdit* edit, double& target) {
    const std::optional<double> value = parseScreenRealField(typedText(edit));
    if (value) target = *value;
    return value.has_value();
}
bool parseInto(const QLineEdit* edit, std::int32_t& target) {
    const std::optional<std::int32_t> value = parseIntegerField(typedText(edit));
    if (value) target = *value;
    return value.has_value();
}

}  // namespace zentova

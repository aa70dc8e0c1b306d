#include "app/forceseditor.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "app/controltag.h"
#include "app/editorkeys.h"
#include "app/editorparts.h"
#include "canvas/axisnumbers.h"
#include "canvas/plotter.h"
#include "canvas/primitives.h"
#include "canvas/screenitems.h"
#include "lang/language.h"
#include "model/force.h"
#include "pump/pump.h"
#include "view3d/focusframe.h"

namespace zentova {

std::string coefficientText(double value) {
    char buffer[64];
    if (!(std::fabs(value) < 1e8)) {
        const auto wide =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 7);
        std::string text(buffer, wide.ptr);
        std::replace(text.begin(), text.end(), 'e', 'E');
        return withScreenSeparator(text);
    }
    // Eight significant digits first, then the four decimals: 1234567.891 shows 1234567.9000.
    const auto rounded =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 7);
    double kept = value;
    std::from_chars(buffer, rounded.ptr, kept);
    return withScreenSeparator(fixedText(kept, 0, 4));
}

std::string forceCurveDescription(int first, int second, double ae, double ag, double ar,
                                  const ForceSamples& samples) {
    const auto distance = [](std::size_t k) {
        return withScreenSeparator(fixedText(ForceSampleStep * static_cast<double>(k + 1), 0, 1));
    };
    const auto force = [](double value) { return withScreenSeparator(generalNumber(value, 4)); };
    const std::string plotted = filled(
        //: What a screen reader says of the force plot. %1, %2: the two types' numbers; %3, %4:
        //: the first and last distance; %5, %6, %7: the three coefficients.
        translated("ForcesEditor",
                   "Force between Type%1 and Type%2 against distance, %3 to %4, for ae = "
                   "%5, ag = %6, ar = %7"),
        {std::to_string(first), std::to_string(second), distance(0), distance(samples.size() - 1),
         coefficientText(ae), coefficientText(ag), coefficientText(ar)});
    const auto lowest = std::min_element(samples.begin(), samples.end());
    const auto highest = std::max_element(samples.begin(), samples.end());
    if (*lowest == *highest)
        //: %1: the plot's description above; %2: the force, the same at every distance.
        return filled(translated("ForcesEditor", "%1: %2 at every distance."),
                      {plotted, force(*lowest)});
    const auto at = [&](auto it) { return static_cast<std::size_t>(it - samples.begin()); };
    const std::string smallest = force(*lowest);
    const std::string smallestAt = distance(at(lowest));
    const std::string largest = force(*highest);
    const std::string largestAt = distance(at(highest));
    // A zero sample sits between the two signs: the change is counted across it.
    std::vector<std::string> changes;
    int sign = 0;
    std::size_t signedAt = 0;
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const int s = (samples[k] > 0.0) - (samples[k] < 0.0);
        if (s == 0) continue;
        if (sign != 0 && s != sign)
            changes.push_back(filled(translated("ForcesEditor", "between %1 and %2"),
                                     {distance(signedAt), distance(k)}));
        sign = s;
        signedAt = k;
    }
    //: %1: the plot's description; %2 the smallest force, at distance %3; %4 the largest,
    //: at distance %5. A positive force attracts.
    if (changes.empty())
        return filled(translated("ForcesEditor",
                                 "%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it "
                                 "does not change sign."),
                      {plotted, smallest, smallestAt, largest, largestAt});
    std::string where;
    for (std::size_t i = 0; i < changes.size(); ++i) where += (i ? ", " : "") + changes[i];
    // The places where the sign changes go in as one list, "between 0.2 and 0.4, between ...".
    //: As the text before, and %6 the list of "between %1 and %2" where the force changes sign.
    return filled(translated("ForcesEditor",
                             "%1 (positive attracts): smallest %2 at %3, largest "
                             "%4 at %5; it changes sign %6."),
                  {plotted, smallest, smallestAt, largest, largestAt, where});
}

ForcesEditor::ForcesEditor(QGroupBox* groupBox1, QPushButton* button5, FieldControls& fields)
    : GroupBox1(groupBox1), Button5(button5), m_fields(fields) {
    GroupBox1->setTitle(QString::fromStdString(translated("ForcesEditor", "Force between types:")));
    GroupBox1->setStyleSheet(
        "QGroupBox { background: #c0c0c0; border: 1px solid #808080; }"
        "QGroupBox::title { subcontrol-origin: padding; left: 8px; top: 2px; }");
    GroupBox1->setGeometry(452, 52, 281, 75);
    ComboBox1 = new FocusFramed<QComboBox>(GroupBox1);
    ComboBox2 = new FocusFramed<QComboBox>(GroupBox1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox2->setObjectName("ComboBox2");
    // Only the project's types can be chosen: the lists take no typed text.
    ComboBox1->setEditable(false);
    ComboBox2->setEditable(false);
    ComboBox1->setGeometry(16, 24, 113, 24);
    ComboBox2->setGeometry(152, 24, 105, 24);
    Button5->setText(
        QString::fromStdString(translated("ForcesEditor", "Terminate force parameters")));
    Button5->setGeometry(452, 16, 201, 25);
    QObject::connect(Button5, &QPushButton::clicked, [this] { Button5Click(); });
    // A screen reader names a list by its choice and its box's title; which list it is, it
    // reads from the description.
    ComboBox1->setAccessibleDescription(
        QString::fromStdString(translated("ForcesEditor", "The first type of the pair plotted")));
    ComboBox2->setAccessibleDescription(
        QString::fromStdString(translated("ForcesEditor", "The second type of the pair plotted")));
    GroupBox1->setAccessibleDescription(
        QString::fromStdString(translated("ForcesEditor",
                                          "After each done, the force between these two types is "
                                          "plotted against their distance")));
    // Tab goes down the column of fields to "done", then to the two lists and the way out.
    // The fields are the ones every field entry borrows, so all ten keep their order.
    std::vector<KeyStop> stops;
    for (int i = 1; i <= 10; ++i) stops.push_back({fields.edit[static_cast<std::size_t>(i)], {}});
    stops.push_back({fields.button1, {}});
    stops.push_back({ComboBox1, {}});
    stops.push_back({ComboBox2, {}});
    stops.push_back({Button5, {}});
    KeyboardOrder(GroupBox1, stops, fields.button1);
    setShownAndEnabled(GroupBox1, false);
    setShownAndEnabled(Button5, false);
}

void ForcesEditor::Button5Click() {
    setTag(Button5, 1);
    // It also ends the coefficient entry under way. A flat curve's panel waits for a click or
    // key in the main window, so a click here meanwhile is cleared before the next entry.
    setTag(m_fields.button1, 1);
}

int ForcesEditor::chosenType(const QComboBox* list, int typeCount) const {
    // The entry's place, not its words, which are the language's.
    const int type = list->currentIndex() + 1;
    return type >= 1 && type <= typeCount ? type : 1;
}

void ForcesEditor::plot(Toolkit& toolkit, const ForceSamples& samples, int first, int second,
                        double ae, double ag, double ar) {
    Canvas& canvas = *toolkit.mainCanvas;
    const int left = 100;
    const int top = 220;
    const int right = toolkit.screenWidth - 100;
    const int bottom = toolkit.screenHeight - 20;
    FillWhiteRect(canvas, left, top, right, bottom);
    if (canvas.recorder()) canvas.recorder()->box(QRect(left, top, right - left, bottom - top));
    // Written before the plot: a flat curve's panel then waits with the coefficients on show.
    const PackedColor black = packColor(0, 0, 0);
    const int textLeft = right - 150;
    ShadowText(canvas, textLeft, top + 10, "ae = " + coefficientText(ae), black);
    ShadowText(canvas, textLeft, top + 25, "ag = " + coefficientText(ag), black);
    ShadowText(canvas, textLeft, top + 40, "ar = " + coefficientText(ar), black);
    // Said before the plot too: a flat curve's panel waits.
    ScreenItem said;
    said.name = forceCurveDescription(first, second, ae, ag, ar, samples);
    said.rect = QRect(left, top, right - left, bottom - top);
    Screen().setGraph(said);

    PlotInput in;
    in.left = left + 10;
    in.top = top + 10;
    in.right = right - 10;
    in.bottom = bottom - 10;
    in.series1 = samples;
    in.series2 = samples;
    in.series3 = samples;
    in.autoScale = true;
    in.xMin = 0.0;
    in.xMax = ForceSampleStep * ForceSampleCount;
    in.style = 0;
    in.seriesNumber = 0;
    PlotGraph(toolkit, canvas, in);
}

namespace {

// The three coefficients as typed: a field that does not parse keeps its old value and
// stops the ones after it.
void takeCoefficients(const FieldTexts& values, double& ae, double& ag, double& ar) {
    if (const std::optional<double> v = parseScreenRealField(values[0])) {
        ae = *v;
        if (const std::optional<double> w = parseScreenRealField(values[1])) {
            ag = *w;
            if (const std::optional<double> x = parseScreenRealField(values[2])) ar = *x;
        }
    }
}

}  // namespace

void ForcesEditor::showTypeLists(int typeCount) {
    setShownAndEnabled(GroupBox1, true);
    GroupBox1->resize(GroupBox1->width(), 25 * typeCount + 50);
    GroupBox1->raise();
    ComboBox1->clear();
    ComboBox2->clear();
    for (int t = 1; t <= typeCount; ++t) {
        const QString entry = QString::fromStdString(
            //: An entry of the two type lists, 113 and 105 pixels wide; %1: the type's number.
            filled(translated("ForcesEditor", "Type%1"), {std::to_string(t)}));
        ComboBox1->addItem(entry);
        ComboBox2->addItem(entry);
    }
    ComboBox1->setCurrentIndex(typeCount >= 1 ? 0 : -1);
    ComboBox2->setCurrentIndex(typeCount >= 2 ? 1 : typeCount - 1);
    setShownAndEnabled(ComboBox2, true);
}

void ForcesEditor::EditForces(Toolkit& toolkit, Project& project, double cubeHalfSize) {
    const int typeCount = std::clamp(project.typeCount, 0, MaxTypes);
    bool entered = false;  // no plot before the first "done"
    double ae = project.ae;
    double ag = project.ag;
    double ar = project.ar;
    ForceSamples samples{};
    int plottedFirst = 1;  // the pair the samples are of
    int plottedSecond = 1;

    showTypeLists(typeCount);

    const FieldTexts captions = {translated("ForcesEditor", "Strong attraction"),
                                 translated("ForcesEditor", "Weak attraction"),
                                 translated("ForcesEditor", "Repelling")};
    for (;;) {
        ProcessMessages();
        GradientBackground(toolkit);
        if (entered && typeCount >= 1)
            plot(toolkit, samples, plottedFirst, plottedSecond, ae, ag, ar);

        FieldTexts values = {screenFieldText(ae), screenFieldText(ag), screenFieldText(ar)};
        setShownAndEnabled(Button5, true);
        Button5->raise();
        setTag(Button5, 0);
        setLabelColour(m_fields.label[1], Rgb{192, 192, 192});
        m_fields.button1->setText(QString::fromStdString(translated("ForcesEditor", "done")));
        EditFields(toolkit, m_fields, 3, translated("ForcesEditor", "Force parameters"), captions,
                   values);
        m_fields.button1->setText(
            QString::fromStdString(translated("ForcesEditor", "Horizontal angle")));
        entered = true;

        takeCoefficients(values, ae, ag, ar);
        const int first = chosenType(ComboBox1, typeCount);
        const int second = chosenType(ComboBox2, typeCount);
        if (tagOf(Button5) != 0) break;
        if (typeCount >= 1) {
            samples = forceSamples(project, cubeHalfSize, first, second, ag, ae, ar);
            plottedFirst = first;
            plottedSecond = second;
        }
        ProcessMessages();
    }

    setShownAndEnabled(GroupBox1, false);
    setShownAndEnabled(Button5, false);
    Screen().clearGraph();
    project.ag = ag;
    project.ae = ae;
    project.ar = ar;
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
}

}  // namespace zentova

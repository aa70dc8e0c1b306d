#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <array>
#include <optional>
#include <string>

#include "app/editfields.h"
#include "canvas/toolkit.h"
#include "model/forcecurve.h"
#include "model/project.h"

namespace zentova {

// A coefficient as written beside the plot: fixed point with 4 decimals after rounding to
// 8 significant digits; numbers from 1e8 on in exponent form; the language's separator.
std::string coefficientText(double value);

// What the plot of the force between types `first` and `second` shows, in words for a screen
// reader: the pair, the coefficients, the smallest and the largest force with their distances,
// and the pairs of neighbouring distances between which the force changes sign. Distances in
// cube units; a positive force attracts.
std::string forceCurveDescription(int first, int second, double ae, double ag, double ar,
                                  const ForceSamples& samples);

// "Show/define forces": the three force coefficients entered in a column of fields, and after
// each "done" the force between the two types chosen in the lists drawn against distance.
class ForcesEditor {
  public:
    // Builds the two type lists inside `groupBox1` and places the box and `button5` ("Terminate
    // force parameters"); both stay hidden and disabled until the editor runs. The coefficient
    // fields borrow `fields`, which must outlive the editor.
    ForcesEditor(QGroupBox* groupBox1, QPushButton* button5, FieldControls& fields);

    // Runs the editor until "Terminate force parameters"; then the project's ae, ag and ar
    // hold the values last entered, and the drawing area is black.
    void EditForces(Toolkit& toolkit, Project& project, double cubeHalfSize);

    QGroupBox* GroupBox1;  // "Force between types:", holding the two lists
    QPushButton* Button5;  // "Terminate force parameters"
    QComboBox* ComboBox1;  // the first type of the pair plotted
    QComboBox* ComboBox2;  // the second type

  private:
    // The box of the two type lists, sized for `typeCount` types, the first two chosen.
    void showTypeLists(int typeCount);
    void plot(Toolkit& toolkit, const ForceSamples& samples, int first, int second, double ae,
              double ag, double ar);
    int chosenType(const QComboBox* list, int typeCount) const;
    void Button5Click();  // "Terminate force parameters" clicked: ends the editor

    FieldControls& m_fields;
};

}  // namespace zentova

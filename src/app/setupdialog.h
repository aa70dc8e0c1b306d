#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>

#include "model/project.h"
#include "model/settings.h"

class QGridLayout;

namespace zentova {

struct Toolkit;

// Chooses a colour, starting from `initial`; nothing when the user cancels.
using ColourChooser = std::function<std::optional<Rgb>(Rgb initial)>;

// The "Advanced setup" box on the main window (GroupBox4): the integration step, the
// damping, fog, cube edges and the background colour of the 3-D view. "Ready" stores the
// values and rewrites the settings file.
class SetupDialog {
  public:
    // Builds the box's controls inside `box`; the box stays hidden and disabled until Run.
    SetupDialog(QGroupBox* box, ColourChooser chooseColour);

    // Opens the box, waits for "Ready" through the message pump, stores the values in
    // `settings` (any number typed; text that is not one is refused with a hint), writes
    // them to `settingsPath` unless it holds them already, and hides the box. A file that
    // cannot be written is shown in a note; the settings in memory keep the new values.
    void run(Toolkit& toolkit, Settings& settings, const Project& project,
             const std::string& settingsPath);

    // The controls, by their names.
    QLineEdit* Edit20 = nullptr;      // "Integration step"
    QLineEdit* Edit21 = nullptr;      // "Dumping coeff."
    QCheckBox* CheckBox1 = nullptr;   // "Enable fog"
    QCheckBox* CheckBox2 = nullptr;   // "Show cube limits"
    QPushButton* Button10 = nullptr;  // "Ready"
    QPushButton* Button11 = nullptr;  // "Background color"
    QPushButton* Button12 = nullptr;  // "Back to defaults"
    QLabel* Label22 = nullptr;        // the caption "Integration step"
    QLabel* Label23 = nullptr;        // the caption "Dumping coeff."
    QLabel* Panel2 = nullptr;         // shows the background colour
    QLabel* hint = nullptr;           // says why a typed value was not taken

  private:
    // Each control's object name, the name it is known by (Label22, Edit20, ...).
    void nameControls();
    // The controls in the box's rows, "Ready" at the bottom.
    void layOut(QGridLayout& grid);
    void Button11Click();  // "Background color": the colour dialog
    void Button12Click();  // "Back to defaults": every value of the box to its default
    void showValues();
    void showColour();
    // Takes the typed step and damping; false (with the hint shown) when one is no number.
    bool takeTypedValues();

    QGroupBox* m_box;
    ColourChooser m_chooseColour;
    Toolkit* m_toolkit = nullptr;
    Settings* m_settings = nullptr;
    const Project* m_project = nullptr;
};

// A number as the box shows it: at most 15 significant digits, with the chosen language's
// decimal separator (a point in English).
std::string generalText(double value);

}  // namespace zentova

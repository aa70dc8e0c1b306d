#include "app/setupdialog.h"

#include <QFont>
#include <QGridLayout>
#include <cmath>

#include "app/controltag.h"
#include "app/editfields.h"
#include "app/editorkeys.h"
#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "files/fileerror.h"
#include "files/numformat.h"
#include "files/settingsfile.h"
#include "lang/language.h"
#include "pump/pump.h"
#include "view3d/focusframe.h"

namespace zentova {

namespace {

// A typed number, when it is one: any finite value, 0 and below included. Whether a
// calculation can use it is the calculation's to say, when it starts.
std::optional<double> typedNumber(const QString& text) {
    bool ok = false;
    const QString typed = QString::fromStdString(withPointSeparator(text.toStdString()));
    const double value = typed.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::string generalText(double value) {
    return withScreenSeparator(formatSignificant(value, 15));
}

namespace {

QString said(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

SetupDialog::SetupDialog(QGroupBox* box, ColourChooser chooseColour)
    : m_box(box), m_chooseColour(std::move(chooseColour)) {
    box->setTitle(said(translated("Setup", "Advanced setup")));
    box->setStyleSheet(
        "QGroupBox { background: #800000; color: white; font-weight: bold;"
        " border: 2px solid #c0c0c0; margin-top: 18px; padding: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; color: white; }"
        "QLabel { color: white; font-weight: bold; } QCheckBox { font-weight: bold; }");
    auto* grid = new QGridLayout(box);
    Label22 = new QLabel(said(translated("Setup", "Integration step")), box);
    Edit20 = new FocusFramed<QLineEdit>(QString::fromStdString(withScreenSeparator("0.0001")), box);
    Label23 = new QLabel(said(translated("Setup", "Dumping coeff.")), box);
    Edit21 = new FocusFramed<QLineEdit>("20", box);
    CheckBox1 = new FocusFramed<QCheckBox>(said(translated("Setup", "Enable fog")), box);
    CheckBox2 = new FocusFramed<QCheckBox>(said(translated("Setup", "Show cube limits")), box);
    CheckBox1->setChecked(true);
    CheckBox2->setChecked(true);
    // White captions on the maroon box; the tick keeps its dark colour on the white square.
    for (QCheckBox* check : {CheckBox1, CheckBox2}) {
        QPalette palette = check->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        check->setPalette(palette);
    }
    Button11 = new FocusFramed<QPushButton>(said(translated("Setup", "Background color")), box);
    Panel2 = new QLabel(box);
    Panel2->setMinimumSize(60, 24);
    Panel2->setAutoFillBackground(true);
    Button12 = new FocusFramed<QPushButton>(said(translated("Setup", "Back to defaults")), box);
    Button10 = new FocusFramed<QPushButton>(said(translated("Setup", "Ready")), box);
    hint = new QLabel(box);
    hint->setStyleSheet("color: #ff6060; font-weight: bold;");
    hint->setWordWrap(true);
    nameControls();

    layOut(*grid);
    box->setFixedSize(340, 320);

    setTag(Button10, 0);
    QObject::connect(Button10, &QPushButton::clicked, [this] { setTag(Button10, 1); });
    QObject::connect(Button11, &QPushButton::clicked, [this] { Button11Click(); });
    QObject::connect(Button12, &QPushButton::clicked, [this] { Button12Click(); });
    KeyboardOrder(box,
                  {{Edit20, said(translated("Setup", "Integration step"))},
                   {Edit21, said(translated("Setup", "Dumping coeff."))},
                   {CheckBox1, {}},
                   {CheckBox2, {}},
                   {Button11, {}},
                   {Button12, {}},
                   {Button10, {}}},
                  Button10);
    box->hide();
    box->setEnabled(false);
}

void SetupDialog::nameControls() {
    Label22->setObjectName("Label22");
    Edit20->setObjectName("Edit20");
    Label23->setObjectName("Label23");
    Edit21->setObjectName("Edit21");
    CheckBox1->setObjectName("CheckBox1");
    CheckBox2->setObjectName("CheckBox2");
    Button10->setObjectName("Button10");
    Button11->setObjectName("Button11");
    Button12->setObjectName("Button12");
    Panel2->setObjectName("Panel2");
}

void SetupDialog::layOut(QGridLayout& grid) {
    grid.addWidget(Label22, 0, 0);
    grid.addWidget(Edit20, 0, 1);
    grid.addWidget(Label23, 1, 0);
    grid.addWidget(Edit21, 1, 1);
    grid.addWidget(CheckBox1, 2, 0, 1, 2);
    grid.addWidget(CheckBox2, 3, 0, 1, 2);
    grid.addWidget(Button11, 4, 0);
    grid.addWidget(Panel2, 4, 1);
    grid.addWidget(Button12, 5, 0, 1, 2);
    grid.addWidget(hint, 6, 0, 1, 2);
    grid.addWidget(Button10, 7, 0, 1, 2);
}

void SetupDialog::run(Toolkit& toolkit, Settings& settings, const Project& project,
                      const std::string& settingsPath) {
    m_toolkit = &toolkit;
    m_settings = &settings;
    m_project = &project;
    ProcessMessages();
    GradientBackground(toolkit);
    if (QWidget* window = m_box->parentWidget())
        m_box->move((window->width() - m_box->width()) / 2, 120);
    m_box->show();
    m_box->setEnabled(true);
    m_box->raise();
    hint->clear();
    showValues();

    for (;;) {
        setTag(Button10, 0);
        while (tagOf(Button10) == 0) {
            ProcessMessages();
            SleepMs(20);
        }
        if (takeTypedValues()) break;
    }
    settings.fogEnabled = CheckBox1->isChecked();
    settings.showCubeLimits = CheckBox2->isChecked();
    showColour();
    m_box->hide();
    m_box->setEnabled(false);
    ProcessMessages();
    try {
        // A file that holds these settings already is left as it is.
        saveSettingsFileIfChanged(settingsPath, settings);
    } catch (const FileError& error) {
        NoteBox(toolkit,
                translated("Setup",
                           "The settings could not be saved; they apply until the program ends."),
                error.file(), error.reason(), "", 0, 0);
    }
}

bool SetupDialog::takeTypedValues() {
    const std::optional<double> step = typedNumber(Edit20->text());
    const std::optional<double> damping = typedNumber(Edit21->text());
    QString refused;
    if (step) {
        m_settings->integrationStep = *step;
    } else {
        //: %1: the text typed for the integration step; %2: the step kept.
        refused +=
            said(filled(translated("Setup", "\"%1\" is not a number; the step stays %2. "),
                        {Edit20->text().toStdString(), generalText(m_settings->integrationStep)}));
        Edit20->setText(QString::fromStdString(generalText(m_settings->integrationStep)));
    }
    if (damping) {
        m_settings->dampingCoefficient = *damping;
    } else {
        //: %1: the text typed for the damping; %2: the damping kept.
        refused += said(
            filled(translated("Setup", "\"%1\" is not a number; the damping stays %2."),
                   {Edit21->text().toStdString(), generalText(m_settings->dampingCoefficient)}));
        Edit21->setText(QString::fromStdString(generalText(m_settings->dampingCoefficient)));
    }
    hint->setText(refused);
    return refused.isEmpty();
}

void SetupDialog::showValues() {
    Edit20->setText(QString::fromStdString(generalText(m_settings->integrationStep)));
    Edit21->setText(QString::fromStdString(generalText(m_settings->dampingCoefficient)));
    CheckBox1->setChecked(m_settings->fogEnabled);
    CheckBox2->setChecked(m_settings->showCubeLimits);
    showColour();
}

void SetupDialog::showColour() {
    const Rgb c = m_settings->backgroundColor;
    QPalette palette = Panel2->palette();
    palette.setColor(QPalette::Window, QColor(c.r, c.g, c.b));
    Panel2->setPalette(palette);
}

void SetupDialog::Button11Click() {
    if (!m_settings) return;
    if (const std::optional<Rgb> chosen = m_chooseColour(m_settings->backgroundColor))
        m_settings->backgroundColor = *chosen;
    showColour();
    ProcessMessages();
    GradientBackground(*m_toolkit);
}

void SetupDialog::Button12Click() {
    if (!m_settings) return;
    m_settings->backgroundColor = DefaultBackgroundColor;
    m_settings->fogEnabled = true;
    m_settings->showCubeLimits = true;
    DefaultStepRule(*m_settings, *m_project);
    m_settings->dampingCoefficient = DefaultDamping;
    hint->clear();
    showValues();
}

}  // namespace zentova

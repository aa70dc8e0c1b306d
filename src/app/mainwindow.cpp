#include "app/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <cstdlib>
#include <utility>

#include "app/accessiblescreen.h"
#include "app/controltag.h"
#include "app/driver.h"
#include "app/state.h"
#include "canvas/canvas.h"
#include "canvas/primitives.h"
#include "pump/pump.h"
#include "view3d/focusframe.h"
#include "view3d/viewwindow.h"

namespace zentova {

MainWindow::MainWindow(ProgramState& program, std::string projectArgument)
    : m_program(program), m_projectArgument(std::move(projectArgument)) {
    setWindowTitle("Zentova");
    InstallScreenAccessibility(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    m_canvas = std::make_unique<Canvas>(1, 1);
    m_program.toolkit.mainCanvas = m_canvas.get();
    m_program.toolkit.random = &m_program.random;
    createControls();

    // Key preview: the window sees every key before the focused control does.
    qApp->installEventFilter(this);

    m_timer1.setSingleShot(true);
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, [this] { zacz(); });
    m_timer1.start();
    m_timer2.setInterval(2000);
    connect(&m_timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    koniec();
}

void MainWindow::createControls() {
    const auto hidden = [](QWidget* control) {
        control->hide();
        control->setEnabled(false);
    };
    for (int n = 1; n <= 4; ++n) {
        m_groupBoxes[n] = new QGroupBox(this);
        m_groupBoxes[n]->setObjectName(QString("GroupBox%1").arg(n));
        hidden(m_groupBoxes[n]);
    }
    for (int n = 1; n <= 12; ++n) {
        m_buttons[n] = new FocusFramed<QPushButton>(this);
        m_buttons[n]->setObjectName(QString("Button%1").arg(n));
        setTag(m_buttons[n], 0);
        hidden(m_buttons[n]);
        connect(m_buttons[n], &QPushButton::clicked, this, [this, n] { setTag(m_buttons[n], 1); });
    }
    m_buttons[1]->setText("Horizontal angle");
    m_buttons[2]->setText("Vertical angle");
    m_buttons[3]->setText("Original angle");
    m_buttons[4]->setText("Exit");
    for (int n = 1; n <= 21; ++n) {
        m_edits[n] = new FocusFramed<QLineEdit>(this);
        m_edits[n]->setObjectName(QString("Edit%1").arg(n));
        hidden(m_edits[n]);
    }
    const ColourChooser chooser = [this](Rgb initial) { return chooseColour(initial); };
    m_setup = std::make_unique<SetupDialog>(m_groupBoxes[4], chooser);
    m_files = qtFileChooser(this);

    m_fields = makeFieldControls(this, m_edits, m_buttons[1]);
    // Pressing Button1 ends a field entry even before the click completes.
    connect(m_buttons[1], &QPushButton::pressed, this, [this] { Button1MouseDown(); });
    connect(m_buttons[1], &QPushButton::released, this, [this] { Button1MouseUp(); });
    m_forces = std::make_unique<ForcesEditor>(m_groupBoxes[1], m_buttons[5], m_fields);
    ProjectControls project;
    project.groupBox2 = m_groupBoxes[2];
    project.groupBox3 = m_groupBoxes[3];
    project.button6 = m_buttons[6];
    project.button7 = m_buttons[7];
    project.button8 = m_buttons[8];
    project.button9 = m_buttons[9];
    for (int n = 11; n <= 19; ++n) project.edit[static_cast<std::size_t>(n)] = m_edits[n];
    m_projectEditor = std::make_unique<ProjectEditor>(project, chooser, *m_forces);
}

std::optional<Rgb> MainWindow::chooseColour(Rgb initial) {
    const QColor chosen = QColorDialog::getColor(QColor(initial.r, initial.g, initial.b), this);
    if (!chosen.isValid()) return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
}

void MainWindow::Button1MouseDown() {
    setTag(m_buttons[1], 1);
}

// The click that follows a release sets the tag again.
void MainWindow::Button1MouseUp() {
    setTag(m_buttons[1], 0);
}

void MainWindow::showMaximisedOnScreen() {
    // Without a window manager (a virtual screen) only an explicit size maximises.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

void MainWindow::zacz() {
    m_timer1.stop();
    MainDriver driver(m_program, *this, *m_view, m_files, *m_setup, m_projectArgument);
    driver.setEditors(m_projectEditor.get(), m_forces.get());
    driver.setStartUpNote(m_startUpNote);
    driver.run();
}

const QImage& MainWindow::image() const {
    return m_canvas->image();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& image = std::as_const(*m_canvas).image();
    painter.drawImage(0, 0, image);
    // A partial repaint (an expose) leaves the rest as it was: only a whole one counts.
    if (event->region().contains(rect())) m_paintedKey = image.cacheKey();
}

void MainWindow::updateIfDrawn() {
    // Every change of the image (painting on it, writing its pixels, replacing it) gives
    // it a new cacheKey.
    if (std::as_const(*m_canvas).image().cacheKey() != m_paintedKey) update();
}

void MainWindow::resizeEvent(QResizeEvent*) {
    // The drawing area follows the client area; what was drawn stays where it was.
    if (width() > 0 && height() > 0) m_canvas->resize(width(), height());
}

void MainWindow::Timer2Timer() {
    ProcessMessages();
    RestoreScreen(m_program.toolkit);
}

void MainWindow::koniec() {
    m_program.toolkit.workBitmap = QImage();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The driver's nested waits cannot be unwound; closing ends the program like "Exit".
    event->accept();
    terminate();
}

void MainWindow::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

std::string MainWindow::caption() const {
    return windowTitle().toStdString();
}

void MainWindow::movePointerTo(int x, int y) {
    QCursor::setPos(mapToGlobal(QPoint(x, y)));
}

void MainWindow::setHandCursor(bool hand) {
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void MainWindow::enableTimer2(bool enabled) {
    if (enabled)
        m_timer2.start();
    else
        m_timer2.stop();
}

bool MainWindow::restartWith(const std::string& projectPath) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                   {QString::fromStdString(projectPath)}, QDir::currentPath());
}

bool MainWindow::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QString::fromStdString(path))));
}

void MainWindow::terminate() {
    // Trajectory frames reach the file as they are written; nothing waits to be flushed but
    // a recording of the view, which is ended into a playable movie.
    if (m_view) m_view->stopRecording();
    std::_Exit(0);
}

}  // namespace zentova

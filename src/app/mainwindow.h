#pragma once

#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "app/editfields.h"
#include "app/fileops.h"
#include "app/forceseditor.h"
#include "app/projecteditor.h"
#include "app/setupdialog.h"
#include "app/shell.h"

namespace zentova {

class Canvas;
class TForm2;
struct ProgramState;

// The main window: maximised, black, every screen painted on its canvas. Its event handlers
// only record the input for the polling loops (and Escape ends the program); the work runs
// in the main driver, started once by Timer1 a second after the window appears.
class MainWindow : public QWidget, public Shell {
    Q_OBJECT

  public:
    MainWindow(ProgramState& program, std::string projectArgument);

    // The view window the runs show; set before the driver starts.
    void setViewWindow(TForm2* view) { m_view = view; }
    // A problem found before the window existed, shown in a note once the driver starts.
    void setStartUpNote(std::array<std::string, 4> lines) { m_startUpNote = std::move(lines); }
    ~MainWindow() override;

    // Shows the window over the whole available screen.
    void showMaximisedOnScreen();

    // The drawing area as it is now.
    const QImage& image() const;

    // The controls, by their numbers; index 0 is unused. Created hidden and disabled: the
    // dialogs place, caption and show the ones they borrow.
    QPushButton* button(int n) const { return m_buttons.at(n); }
    QLineEdit* edit(int n) const { return m_edits.at(n); }
    QGroupBox* groupBox(int n) const { return m_groupBoxes.at(n); }
    // Label1..Label11, borrowed by the field entry.
    QLabel* label(int n) const { return m_fields.label.at(static_cast<std::size_t>(n)); }

    // Shell
    void setCaption(const std::string& caption) override;
    std::string caption() const override;
    int clientWidth() const override { return width(); }
    int clientHeight() const override { return height(); }
    void movePointerTo(int x, int y) override;
    void setHandCursor(bool hand) override;
    void enableTimer2(bool enabled) override;
    bool restartWith(const std::string& projectPath) override;
    bool openDocument(const std::string& path) override;
    [[noreturn]] void terminate() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The window's event handlers; those of the mouse and keys record in Input() for the polls.
    void zacz();                           // Timer1, once: stops it and runs the main driver
    void mdol(QMouseEvent* event);         // mouse down: pointer position and the button held
    void mrusz(QMouseEvent* event);        // mouse move: pointer position
    void FormMouseUp(QMouseEvent* event);  // mouse up: pointer position, no button held
    void kdol(QKeyEvent* event);           // key down: Escape ends the program, else LastKey
    void kpres(QKeyEvent* event);          // key press: the same for the character typed
    void Timer2Timer();                    // Timer2, while the manual opens: the menu back
    void koniec();                         // the window's end: frees WorkBitmap
    void Button1MouseDown();               // Button1 (the fields' OK) pressed: its tag set
    void Button1MouseUp();                 // Button1 released: its tag cleared
    // ColorDialog1: the platform's colour chooser, starting at `initial`.
    std::optional<Rgb> chooseColour(Rgb initial);

    void createControls();

  public:
    // Called by the pump at the start of each pass: applies a release held back because it
    // came too soon after its press (see mouseReleaseEvent).
    void beginPumpPass();
    // Asks for a repaint when the drawing area changed since it was last painted: a
    // calculation pumps messages thousands of times a second, and repainting the whole
    // window each time would take most of its time.
    void updateIfDrawn();

  private:
    QElapsedTimer m_sincePress;
    // The Escape key's last press or release anywhere, and whether that unbroken run of
    // Escape events began in another window (a file or colour dialog it closed).
    QElapsedTimer m_sinceEscape;
    bool m_escapeFromDialog = false;
    bool m_lastEscapeWasPress = false;
    bool m_releasePending = false;
    QPoint m_releasePosition;
    ProgramState& m_program;
    TForm2* m_view = nullptr;
    std::string m_projectArgument;
    std::array<std::string, 4> m_startUpNote;
    std::unique_ptr<Canvas> m_canvas;
    qint64 m_paintedKey = 0;  // the drawing area's cacheKey when it was last painted
    QTimer m_timer1;
    QTimer m_timer2;
    std::array<QPushButton*, 13> m_buttons{};
    std::array<QLineEdit*, 22> m_edits{};
    std::array<QGroupBox*, 5> m_groupBoxes{};
    std::unique_ptr<SetupDialog> m_setup;
    FieldControls m_fields;
    std::unique_ptr<ForcesEditor> m_forces;
    std::unique_ptr<ProjectEditor> m_projectEditor;
    FileChooser m_files;
};

// The Windows key code of a key, as the handlers record it: letters and digits are their
// upper-case characters, Enter 13, Escape 27, and so on.
int windowsKeyCode(int qtKey);

}  // namespace zentova

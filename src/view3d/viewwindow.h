#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "view3d/recording.h"
#include "view3d/viewsurface.h"

class QLabel;
class QPushButton;

namespace zentova {

class ViewGL;

// TForm2, the view window: the GL picture over the whole client area and, above it, the five
// buttons with which the user turns and zooms while a run is shown. The buttons do no work:
// pressing and releasing them sets and clears their tags, which the runs poll between steps.
// Created hidden at start-up with the main window; the runs place, show and hide it.
class TForm2 : public ViewSurface {
  public:
    TForm2();
    ~TForm2() override;

    // The GL picture; none on a platform that cannot compose GL into a window (the offscreen
    // one of the tests), where every drawing is then skipped.
    ViewGL* view() const override { return m_view; }
    // Makes the picture's context current; false when there is none yet or at all.
    bool makeViewCurrent() const override;

    // Button1 "Horizontal angle", Button2 "Vertical angle", Button3 "Original angle",
    // Button4 "Stop" (or "Terminate"), Button5 "Zoom".
    QPushButton* button(ViewButton b) const override { return m_buttons.at(slot(b)); }

    // A button's tag: 1 while its press is pending (held, or for "Original angle" and "Stop"
    // until a poll takes it).
    int tag(ViewButton b) const override { return m_tags.at(slot(b)); }
    void setTag(ViewButton b, int value) override { m_tags.at(slot(b)) = value; }

    // The status line under the buttons (viewstatus.cpp, with the snapshot and the recording
    // it reports), hidden while empty. A note (what the key S saved) stands for NoteMs before
    // the status shows again.
    static constexpr int NoteMs = 4000;
    void setStatus(const QString& text) override;
    // Puts on the screen at once what was drawn and written since the last time, instead of
    // at the next pump: the time it takes then counts as drawing, and the pumps of a
    // calculation stay quick.
    void showDrawnNow();
    void showNote(const QString& text) override;
    QLabel* statusLine() const { return m_statusLine; }

    // Where the key S saves the picture being shown; without a namer the key does nothing.
    void setSnapshotNamer(std::function<std::string()> namer) {
        m_snapshotNamer = std::move(namer);
    }
    // What the key G does (open the "Readings" window of the run shown); nothing without.
    void setReadingsOpener(std::function<void()> opener) { m_readingsOpener = std::move(opener); }
    // What the keys H, C and B do while a calculation runs: the bath one step hotter (+1),
    // one step cooler (-1), or back to the setup's (0); nothing without.
    void setBathChanger(std::function<void(int)> changer) { m_bathChanger = std::move(changer); }

    // Saves the picture as a PNG file and says so, or why not, in the status line.
    bool saveSnapshot(const std::string& path);

    // Where the key R records the view while a run shows its buttons; without a namer the
    // key does nothing. The recording takes every picture drawn until R again, "Stop" or
    // "Terminate", the window closing or hiding; the status line counts its pictures and
    // then names the file.
    void setMovieNamer(std::function<std::string()> namer) { m_movieNamer = std::move(namer); }
    void startRecording(const std::string& path);
    void stopRecording() override;
    bool isRecording() const { return m_recording.active(); }
    long long recordedFrames() const { return m_recording.frames(); }
    // Called by the drawing with the picture's context current, after each picture.
    void pictureDrawn() override;

    // The keyboard (viewkeys.cpp): the direction a held key turns or zooms (+1, -1; 0 when
    // the held button is the mouse's, which alternates), and the pause the key P asks for.
    int keyedSign() const override { return m_keyedSign; }
    void setKeyedSign(int sign) override { m_keyedSign = sign; }
    bool paused() const override { return m_paused; }
    void setPaused(bool paused) override;
    // What the key D says about the picture; none without.
    void setDescriber(std::function<QString()> describer) { m_describer = std::move(describer); }
    const std::function<QString()>& describer() const override { return m_describer; }
    // The status as the runs set it last, without notes.
    const QString& status() const { return m_status; }

    // The live description a screen reader reads from the status line (viewdescription.cpp):
    // what the run is (`facts`: the run and its particles), the status, the run's phase with
    // the key that ends it, recording. Given to assistive technology at most once a second
    // while a run advances; a change of phase, and any change after, at once.
    void setRunFacts(std::function<QString()> facts) { m_runFacts = std::move(facts); }
    void setRunPhase(RunPhase phase) override;
    RunPhase runPhase() const { return m_phase; }
    QString liveDescription() const;
    static constexpr int DescribeEveryMs = 1000;

  protected:
    // The keys and the mouse (viewinput.cpp); closing, hiding and resizing here.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static std::size_t slot(ViewButton b) { return static_cast<std::size_t>(b) - 1; }

    // The buttons' handlers, ButtonN for the control ButtonN: a press sets the button's tag,
    // a release clears it; the runs poll the tags.
    // Button1 ("Horizontal angle") pressed: the view turns about the vertical while it is held.
    void Button1MouseDown() { setTag(ViewButton::HorizontalAngle, 1); }
    // Button1 released: the horizontal turn stops.
    void Button1MouseUp() { setTag(ViewButton::HorizontalAngle, 0); }
    // Button2 ("Vertical angle") pressed: the view tilts while it is held.
    void Button2MouseDown() { setTag(ViewButton::VerticalAngle, 1); }
    // Button2 released: the tilt stops.
    void Button2MouseUp() { setTag(ViewButton::VerticalAngle, 0); }
    // Button3 ("Original angle") pressed: the view goes back to its first angle.
    void Button3MouseDown() { setTag(ViewButton::OriginalAngle, 1); }
    // Button3 released: its request is taken back unless the run has read it already.
    void Button3MouseUp() { setTag(ViewButton::OriginalAngle, 0); }
    // Button3 clicked (by the keyboard too): the first angle asked for once more.
    void Button3Click() { setTag(ViewButton::OriginalAngle, 1); }
    // Button4 ("Stop") pressed: the run ends at its next poll; no release clears it.
    void Button4MouseDown() { setTag(ViewButton::Stop, 1); }
    // Button5 ("Zoom") pressed: the view zooms while it is held.
    void Button5MouseDown() { setTag(ViewButton::Zoom, 1); }
    // Button5 released: the zoom stops.
    void Button5MouseUp() { setTag(ViewButton::Zoom, 0); }
    void FormClick();  // a click on the client area: the view window's tag for the closing wait
    void resa();       // a resize: the scene set up again for the new size

    ViewGL* m_view = nullptr;
    QWidget* m_viewContainer = nullptr;  // holds the picture's native window
    std::array<QPushButton*, 5> m_buttons{};
    std::array<int, 5> m_tags{};
    bool m_leftPressed = false;  // a left press on the client area, not yet released

    QLabel* m_statusLine = nullptr;
    QString m_status;
    QTimer m_noteTimer;
    std::function<std::string()> m_snapshotNamer;
    std::function<std::string()> m_movieNamer;
    ViewRecording m_recording;

    void showStatusText();
    static constexpr int StatusLineHeight = 17;
    void fitStatusLine(const QString& text, bool wrapped);
    std::function<void()> m_readingsOpener;
    std::function<void(int)> m_bathChanger;
    std::function<QString()> m_describer;
    int m_keyedSign = 0;
    bool m_paused = false;
    std::function<QString()> m_runFacts;
    RunPhase m_phase = RunPhase::None;
    RunPhase m_describedPhase = RunPhase::None;  // as last given, to say a change at once
    bool m_describedPaused = false;
    QElapsedTimer m_described;  // since the live description was last given
    void describeLive();
};

// Top 30, left ScreenWidth - 820, outer size 800 x 700: the window's right edge ends 20 pixels
// short of the drawing area's. A change of size re-runs the scene set-up.
void PlaceViewWindow(TForm2& window, int screenWidth);

// Makes every view window answer assistive technology with the controls that show, none
// while it is hidden, and the application with its windows alone (not the view's native
// controls before its first showing). Called before the first window is made.
void InstallViewAccessibility();

}  // namespace zentova

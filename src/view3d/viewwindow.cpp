#include "view3d/viewwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QtGlobal>
#include <algorithm>
#include <iostream>

#include "command/command.h"
#include "lang/language.h"
#include "pump/pump.h"
#include "view3d/focusframe.h"
#include "view3d/scene.h"
#include "view3d/snapshot.h"
#include "view3d/viewgl.h"
#include "view3d/viewkeys.h"

namespace zentova {

namespace {

struct ButtonDesign {
    const char* caption;
    int left;
};

// Button1..Button5; all 109 x 25 at top 4. Zoom sits left of Stop.
constexpr std::array<ButtonDesign, 5> Buttons{{{QT_TRANSLATE_NOOP("View", "Horizontal angle"), 4},
                                               {QT_TRANSLATE_NOOP("View", "Vertical angle"), 120},
                                               {QT_TRANSLATE_NOOP("View", "Original angle"), 236},
                                               {QT_TRANSLATE_NOOP("View", "Stop"), 460},
                                               {QT_TRANSLATE_NOOP("View", "Zoom"), 348}}};

// A count of frames for a counted text; a recording never comes near the limit of int.
int frameCount(long long frames) {
    return static_cast<int>(std::min<long long>(frames, 2000000000));
}

// Raster-only platforms: a window holding a GL widget there cannot even be shown safely.
bool platformComposesGL() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal" && platform != "linuxfb" &&
           platform != "vnc";
}

}  // namespace

TForm2::TForm2() : ViewSurface(nullptr, Qt::Window) {
    // Before anything asks for the window's interface: the first answer is kept.
    InstallViewAccessibility();
    setObjectName("TForm2");
    setWindowTitle(QString::fromStdString(translated("View", "Simulation run")));
    QFont designFont("MS Sans Serif");
    designFont.setPixelSize(11);
    setFont(designFont);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setGeometry(335, 237, 571, 440);
    setFocusPolicy(Qt::StrongFocus);

    // Created first, so the buttons lie above it. The picture is a native window, which
    // stacks above everything that is not: the buttons and the status line are made
    // native windows too, created after it.
    if (platformComposesGL()) {
        m_view = new ViewGL;
        m_viewContainer = QWidget::createWindowContainer(m_view, this);
        m_viewContainer->setObjectName("Picture");
        m_viewContainer->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_viewContainer->setFocusPolicy(Qt::NoFocus);
        m_viewContainer->setGeometry(rect());
    }

    for (const ViewButton b : ViewButtons) {
        const ButtonDesign& design = Buttons[slot(b)];
        auto* made = new FocusFramed<QPushButton>(
            QString::fromStdString(translated("View", design.caption)), this);
        made->setObjectName(QString("Button%1").arg(static_cast<int>(b)));
        made->setGeometry(design.left, 4, 109, 25);
        made->setEnabled(false);
        made->hide();
        made->installEventFilter(this);
        if (m_view) made->setAttribute(Qt::WA_NativeWindow);
        m_buttons[slot(b)] = made;
    }
    connect(button(ViewButton::OriginalAngle), &QPushButton::clicked, this,
            [this] { Button3Click(); });
    // Tab goes along the row as it stands, left to right: Zoom before Stop.
    const ViewButton row[5] = {ViewButton::HorizontalAngle, ViewButton::VerticalAngle,
                               ViewButton::OriginalAngle, ViewButton::Zoom, ViewButton::Stop};
    for (std::size_t k = 0; k + 1 < 5; ++k) setTabOrder(button(row[k]), button(row[k + 1]));

    // The status line: one strip under the buttons, over the picture like them.
    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName("StatusLine");
    m_statusLine->setAutoFillBackground(true);
    m_statusLine->setContentsMargins(4, 0, 4, 0);
    m_statusLine->setGeometry(4, 33, width() - 8, StatusLineHeight);
    if (m_view) m_statusLine->setAttribute(Qt::WA_NativeWindow);
    m_statusLine->hide();
    m_noteTimer.setSingleShot(true);
    connect(&m_noteTimer, &QTimer::timeout, this, [this] { setStatus(m_status); });
}

void TForm2::setStatus(const QString& text) {
    m_status = text;
    if (m_noteTimer.isActive()) return;  // the note keeps the line until its time is up
    showStatusText();
}

void TForm2::showStatusText() {
    QString text = m_status;
    const QString paused = QString::fromStdString(translated("View", "Paused: P or Space goes on"));
    if (m_paused) text = text.isEmpty() ? paused : paused + "   " + text;
    if (m_recording.active()) {
        const QString recording = QString::fromStdString(
            translated("View", "Recording: %n frames", nullptr, frameCount(m_recording.frames())));
        text = text.isEmpty() ? recording : recording + "   " + text;
    }
    fitStatusLine(text, false);
    m_statusLine->setVisible(!text.isEmpty());
    describeLive();
}

void TForm2::fitStatusLine(const QString& text, bool wrapped) {
    // The status is one line; a note (the key D's description may be long) takes the lines it
    // needs across the window's width rather than being cut at its edge.
    m_statusLine->setWordWrap(wrapped);
    m_statusLine->setText(text);
    const int lineWidth = width() - 8;
    const int height = wrapped ? std::max(StatusLineHeight, m_statusLine->heightForWidth(lineWidth))
                               : StatusLineHeight;
    m_statusLine->resize(lineWidth, height);
}

void TForm2::setPaused(bool paused) {
    m_paused = paused;
    if (!m_noteTimer.isActive()) showStatusText();
}

void TForm2::showDrawnNow() {
    // A widget asks for its repaint by posting an update request to its window.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    if (m_view) m_view->showNow();
    describeLive();
}

void TForm2::showNote(const QString& text) {
    fitStatusLine(text, true);
    m_statusLine->setVisible(true);
    m_noteTimer.start(NoteMs);
}

bool TForm2::saveSnapshot(const std::string& path) {
    std::string error = translated("View", "the view shows no picture");
    const bool saved =
        m_view && m_view->isValid() && savePicturePng(m_view->grabFramebuffer(), path, error);
    showNote(QString::fromStdString(
        saved ? filled(translated("View", "Picture saved as %1"), {path})
              : filled(translated("View", "The picture was not saved: %1"), {error})));
    return saved;
}

void TForm2::startRecording(const std::string& path) {
    if (m_recording.active()) return;
    std::string error;
    const qreal ratio = m_view ? m_view->devicePixelRatioF() : 1.0;
    const QSize size = m_view ? m_view->size() * ratio : QSize();
    if (!m_view || !m_view->isValid() || !m_recording.start(path, size, error)) {
        if (error.empty()) error = translated("View", "the view shows no picture");
        showNote(QString::fromStdString(
            filled(translated("View", "The view is not recorded: %1"), {error})));
        return;
    }
    m_noteTimer.stop();
    showStatusText();
}

void TForm2::stopRecording() {
    if (!m_recording.active()) return;
    const long long frames = m_recording.frames();
    std::string path, error;
    const bool saved = m_recording.stop(path, error);
    const std::string note =
        saved ? "Movie saved as " + path + " (" + std::to_string(frames) + " frames)"
              : "The movie was not saved: " + error;
    showNote(QString::fromStdString(
        saved ? filled(translated("View", "Movie saved as %1 (%n frames)", nullptr,
                                  frameCount(frames)),
                       {path})
              : filled(translated("View", "The movie was not saved: %1"),
                       {frames == 0 ? translated("View",
                                                 "nothing was recorded (the view drew "
                                                 "no picture meanwhile), so no file was "
                                                 "written")
                                    : error})));
    // Also where a script that drives the program can read it, in English as scripts expect.
    tell(std::cerr, note);
}

void TForm2::pictureDrawn() {
    if (!m_recording.active() || !m_view) return;
    std::string error;
    if (!m_recording.capture(m_view->size() * m_view->devicePixelRatioF(), error)) {
        showNote(QString::fromStdString(
            filled(translated("View", "The recording stopped: %1"), {error})));
        return;
    }
    if (!m_noteTimer.isActive()) showStatusText();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // A plain letter, not a shortcut such as Ctrl+S.
    const bool plain =
        (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    if (event->key() == Qt::Key_S && m_snapshotNamer && plain) {
        saveSnapshot(m_snapshotNamer());
        return;
    }
    // Escape in the view ends a recording; in the main window it ends the program, which
    // ends the recording first.
    if (event->key() == Qt::Key_Escape && m_recording.active()) {
        stopRecording();
        return;
    }
    // Recording is for what a run shows, while its buttons are up.
    if (event->key() == Qt::Key_R && m_movieNamer && plain) {
        if (m_recording.active())
            stopRecording();
        else if (button(ViewButton::Stop)->isEnabled())
            startRecording(m_movieNamer());
        return;
    }
    if (event->key() == Qt::Key_G && m_readingsOpener && plain) {
        m_readingsOpener();
        return;
    }
    const int key = event->key();
    if ((key == Qt::Key_H || key == Qt::Key_C || key == Qt::Key_B) && m_bathChanger && plain &&
        button(ViewButton::Stop)->isEnabled()) {
        m_bathChanger(key == Qt::Key_H ? 1 : key == Qt::Key_C ? -1 : 0);
        return;
    }
    if (ViewKeyPress(*this, *event)) return;
    QWidget::keyPressEvent(event);
}

void TForm2::keyReleaseEvent(QKeyEvent* event) {
    if (ViewKeyRelease(*this, *event)) return;
    QWidget::keyReleaseEvent(event);
}

// The container owns the picture's window and deletes it with itself.
void TForm2::closeEvent(QCloseEvent* event) {
    // Closing the window ends what it shows, as "Stop" (or "Terminate") does; the run then
    // waits for no click on a window that is gone.
    setTag(ViewButton::Stop, 1);
    stopRecording();
    QWidget::closeEvent(event);
}

void TForm2::hideEvent(QHideEvent* event) {
    // A run that puts the view away ends its recording with it; a window minimised does not.
    if (!event->spontaneous()) stopRecording();
    QWidget::hideEvent(event);
}

TForm2::~TForm2() = default;

bool TForm2::makeViewCurrent() const {
    return m_view && m_view->makeContextCurrent();
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_viewContainer) m_viewContainer->setGeometry(rect());
    if (m_statusLine) fitStatusLine(m_statusLine->text(), m_statusLine->wordWrap());
    resa();
}

void TForm2::resa() {
    SetUpScene(*this);
    if (m_view) m_view->setClearColor({0.1f, 0.1f, 0.5f, 0.2f});
}

void TForm2::FormClick() {
    Input().viewWindowTag = 1;
}

void TForm2::mousePressEvent(QMouseEvent* event) {
    // The picture does not take the mouse, so a press on it reaches the window.
    if (event->button() == Qt::LeftButton) m_leftPressed = true;
    QWidget::mousePressEvent(event);
}

void TForm2::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        if (rect().contains(event->position().toPoint())) FormClick();
    }
    QWidget::mouseReleaseEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    using Handler = void (TForm2::*)();
    static constexpr Handler MouseDown[5] = {&TForm2::Button1MouseDown, &TForm2::Button2MouseDown,
                                             &TForm2::Button3MouseDown, &TForm2::Button4MouseDown,
                                             &TForm2::Button5MouseDown};
    // Stop acts on the press alone and keeps its tag until the next run starts.
    static constexpr Handler MouseUp[5] = {&TForm2::Button1MouseUp, &TForm2::Button2MouseUp,
                                           &TForm2::Button3MouseUp, nullptr,
                                           &TForm2::Button5MouseUp};

    // Watched here rather than through the buttons' signals: a press with any mouse button
    // counts, and the release reaches the pressed button wherever the pointer went. The filter
    // runs before the button's own handling, so Button3's click comes after its mouse-up.
    for (const ViewButton b : ViewButtons) {
        if (watched != button(b)) continue;
        Handler handler = nullptr;
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            handler = MouseDown[slot(b)];
            m_keyedSign = 0;  // the mouse's gestures alternate their direction
        } else if (event->type() == QEvent::MouseButtonRelease)
            handler = MouseUp[slot(b)];
        // Space or Enter on the button with the focus presses and releases it as the mouse.
        const bool keyed =
            (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
            !static_cast<QKeyEvent*>(event)->isAutoRepeat() &&
            IsPressKey(static_cast<QKeyEvent*>(event)->key());
        if (keyed)
            // "Original angle" keeps its tag until a poll takes it, as after its click.
            handler = event->type() == QEvent::KeyPress ? MouseDown[slot(b)]
                      : b == ViewButton::OriginalAngle  ? nullptr
                                                        : MouseUp[slot(b)];
        if (handler) (this->*handler)();
        // "Stop" and "Terminate" end a recording with the run's advancing or inspecting.
        if (b == ViewButton::Stop && handler == MouseDown[slot(b)]) stopRecording();
        if (keyed) return true;
        // The view's other keys work whichever button has the focus.
        if (event->type() == QEvent::KeyPress &&
            ViewKeyPress(*this, *static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::KeyRelease &&
            ViewKeyRelease(*this, *static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PlaceViewWindow(TForm2& window, int screenWidth) {
    // The sizes are outer ones; the frame is known once the window has been shown (and is
    // none without a window manager).
    const QSize frame = window.frameGeometry().size() - window.size();
    window.move(screenWidth - 820, 30);
    window.resize(800 - frame.width(), 700 - frame.height());
}

}  // namespace zentova

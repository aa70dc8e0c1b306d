// The view window's status line, its notes, and what it says of a snapshot or a recording.

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <iostream>

#include "command/command.h"
#include "lang/language.h"
#include "view3d/snapshot.h"
#include "view3d/viewgl.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

// A count of frames for a counted text; a recording never comes near the limit of int.
int frameCount(long long frames) {
    return static_cast<int>(std::min<long long>(frames, 2000000000));
}
}  // namespace

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

}  // namespace zentova

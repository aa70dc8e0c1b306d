#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/mainwindow.h"
#include "pump/pump.h"

// The main window's mouse and keys: recorded for the polling loops, as the program's own
// handlers record them.

namespace zentova {

namespace {

// The polling loops look at the button state between sleeps of up to 60 ms; a click shorter
// than that could fall between two looks. A release is therefore applied no sooner than this
// after its press.
constexpr qint64 ShortestClickMs = 120;

}  // namespace

int windowsKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    if (qtKey >= 0x20 && qtKey <= 0xFF) return qtKey;  // letters, digits: the same codes
    return 0;
}

void MainWindow::beginPumpPass() {
    if (m_releasePending && m_sincePress.elapsed() >= ShortestClickMs) {
        m_releasePending = false;
        Input().mouseX = m_releasePosition.x();
        Input().mouseY = m_releasePosition.y();
        Input().mouseButtonState = 0;
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    m_releasePending = false;
    m_sincePress.start();
    mdol(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    mrusz(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Input().mainWindowTag = 1;  // FormClick
    if (m_sincePress.isValid() && m_sincePress.elapsed() < ShortestClickMs) {
        m_releasePending = true;
        m_releasePosition = event->position().toPoint();
        return;
    }
    FormMouseUp(event);
}

void MainWindow::mdol(QMouseEvent* event) {
    InputState& input = Input();
    input.mouseX = event->position().toPoint().x();
    input.mouseY = event->position().toPoint().y();
    input.mouseButtonState = event->button() == Qt::LeftButton    ? 1
                             : event->button() == Qt::RightButton ? 2
                                                                  : 0;
}

void MainWindow::mrusz(QMouseEvent* event) {
    Input().mouseX = event->position().toPoint().x();
    Input().mouseY = event->position().toPoint().y();
}

void MainWindow::FormMouseUp(QMouseEvent* event) {
    mrusz(event);
    Input().mouseButtonState = 0;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* pressed = qobject_cast<QWidget*>(watched);
        if (pressed && pressed->window() == this) Input().keyboardSteers = false;
    }
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease) return QWidget::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool here = widget && widget->window() == this;
    if (key->key() == Qt::Key_Escape && widget) {
        // Escape pressed in a file or colour dialog closes the dialog; held a little longer,
        // it repeats into this window: the server's repeats, which the toolkit does not always
        // mark as such. Such a run of Escape events never ends the program; only a fresh press
        // here does. Within a run, a repeat follows the press after at most the server's first
        // delay, and each release is followed at once by the next repeat's press.
        constexpr qint64 FirstRepeatMs = 700;
        constexpr qint64 NextRepeatMs = 100;
        const qint64 gap = m_lastEscapeWasPress ? FirstRepeatMs : NextRepeatMs;
        const bool sameRun = m_sinceEscape.isValid() && m_sinceEscape.elapsed() < gap;
        if (!sameRun) m_escapeFromDialog = press && !here;
        m_sinceEscape.start();
        m_lastEscapeWasPress = press;
        if (here && press && (m_escapeFromDialog || key->isAutoRepeat())) return true;
    }
    if (here && press) {
        kdol(key);
        kpres(key);
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::kdol(QKeyEvent* event) {
    const int code = windowsKeyCode(event->key());
    if (code == 27) terminate();
    Input().lastKey = static_cast<char>(code & 0xFF);
    const QString text = event->text();
    const char character = !text.isEmpty() && text.at(0).unicode() <= 0xFF
                               ? static_cast<char>(text.at(0).unicode())
                               : 0;
    Input().keys.push({event->key(), character});
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            Input().keyboardSteers = true;
            break;
        default:
            break;
    }
}

void MainWindow::kpres(QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) return;  // keys without a character keep their key code
    const QChar character = text.at(0);
    if (character.unicode() == 27) terminate();
    if (character.unicode() <= 0xFF) Input().lastKey = static_cast<char>(character.unicode());
}

}  // namespace zentova

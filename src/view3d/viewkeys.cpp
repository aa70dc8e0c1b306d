#include "view3d/viewkeys.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QtGlobal>
#include <algorithm>
#include <optional>

#include "lang/language.h"
#include "pump/pump.h"
#include "view3d/viewsurface.h"

namespace zentova {

namespace {

// A held key: the button it holds and the direction it goes.
struct HeldKey {
    ViewButton button;
    int sign;
};

std::optional<HeldKey> heldKey(int key) {
    switch (key) {
        case Qt::Key_Left:
            return HeldKey{ViewButton::HorizontalAngle, -1};
        case Qt::Key_Right:
            return HeldKey{ViewButton::HorizontalAngle, 1};
        case Qt::Key_Down:
            return HeldKey{ViewButton::VerticalAngle, -1};
        case Qt::Key_Up:
            return HeldKey{ViewButton::VerticalAngle, 1};
        case Qt::Key_Plus:
        case Qt::Key_Equal:
        case Qt::Key_PageUp:
            return HeldKey{ViewButton::Zoom, 1};
        case Qt::Key_Minus:
        case Qt::Key_PageDown:
            return HeldKey{ViewButton::Zoom, -1};
        default:
            return std::nullopt;
    }
}

QLabel* helpPanel(ViewSurface& window) {
    return window.findChild<QLabel*>("KeyHelp", Qt::FindDirectChildrenOnly);
}

// Qt of this system has no announcement event: the text becomes the window's accessible
// description and an alert event says that it changed.
void announce(QWidget* widget, const QString& text) {
    widget->setAccessibleDescription(text);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace

// The same rows stand in README.md, the manual and the man page.
const std::vector<KeyRow>& ViewWindowKeys() {
    static const std::vector<KeyRow> rows{
        {QT_TRANSLATE_NOOP("Keys", "Left, Right"),
         QT_TRANSLATE_NOOP("Keys", "Horizontal angle, one way or the other, while held")},
        {QT_TRANSLATE_NOOP("Keys", "Up, Down"),
         QT_TRANSLATE_NOOP("Keys", "Vertical angle, one way or the other, while held")},
        {QT_TRANSLATE_NOOP("Keys", "+ or Page Up"),
         QT_TRANSLATE_NOOP("Keys", "Zoom nearer, while held")},
        {QT_TRANSLATE_NOOP("Keys", "- or Page Down"),
         QT_TRANSLATE_NOOP("Keys", "Zoom away, while held")},
        {QT_TRANSLATE_NOOP("Keys", "Home or O"), QT_TRANSLATE_NOOP("Keys", "Original angle")},
        {QT_TRANSLATE_NOOP("Keys", "P or Space"),
         QT_TRANSLATE_NOOP("Keys", "pause (the buttons still turn and zoom) and go on")},
        {QT_TRANSLATE_NOOP("Keys", "End or T"), QT_TRANSLATE_NOOP("Keys", "Stop, or Terminate")},
        {QT_TRANSLATE_NOOP("Keys", "Enter"),
         QT_TRANSLATE_NOOP("Keys", "once stopped: back to the menu, as a click")},
        {QT_TRANSLATE_NOOP("Keys", "Tab, then Space or Enter"),
         QT_TRANSLATE_NOOP("Keys", "the button with the focus, as a click")},
        {QT_TRANSLATE_NOOP("Keys", "D"),
         QT_TRANSLATE_NOOP("Keys", "a longer description of the picture")},
        {QT_TRANSLATE_NOOP("Keys", "G, S, R"),
         QT_TRANSLATE_NOOP("Keys", "the Readings window, save the picture, record a movie")},
        {QT_TRANSLATE_NOOP("Keys", "H, C, B"),
         QT_TRANSLATE_NOOP("Keys",
                           "Calculate: kicks 1.25 x stronger, weaker, back to the setup's bath")},
        {QT_TRANSLATE_NOOP("Keys", "F1 or ?"),
         QT_TRANSLATE_NOOP("Keys", "the keyboard help of the view; again to close it")},
        {QT_TRANSLATE_NOOP("Keys", "Escape"),
         QT_TRANSLATE_NOOP("Keys", "closes that help, or ends a recording")},
    };
    return rows;
}

bool IsPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void ToggleViewKeyHelp(ViewSurface& window) {
    QLabel* panel = helpPanel(window);
    if (!panel) {
        panel = new QLabel(&window);
        panel->setObjectName("KeyHelp");
        QString rows;
        const std::vector<KeyRow> keys = TranslatedKeys(ViewWindowKeys());
        for (const KeyRow& row : keys)
            rows += QString("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                        .arg(QString::fromStdString(row.first).toHtmlEscaped(),
                             QString::fromStdString(row.second).toHtmlEscaped());
        const QString title = QString::fromStdString(translated("Keys", "Keys of this window"));
        panel->setText("<p><b>" + title.toHtmlEscaped() + "</b></p><table>" + rows + "</table>");
        panel->setAccessibleName(title);
        panel->setAccessibleDescription(QString::fromStdString(KeyRowsText(keys)));
        // White on black: far above the 4.5:1 that text needs.
        panel->setStyleSheet("QLabel { background: black; color: white; padding: 10px; }");
        panel->setFont(QFont(panel->font().family(), 11));
        if (window.view()) panel->setAttribute(Qt::WA_NativeWindow);
        panel->adjustSize();
        panel->hide();
    }
    if (panel->isVisible()) {
        panel->hide();
        return;
    }
    panel->move(std::max(0, (window.width() - panel->width()) / 2),
                std::max(60, (window.height() - panel->height()) / 2));
    panel->show();
    panel->raise();
    announce(&window, panel->accessibleDescription());
}

bool ViewKeyPress(ViewSurface& window, const QKeyEvent& event) {
    const int key = event.key();
    const bool running = window.button(ViewButton::Stop)->isEnabled();
    if (key == Qt::Key_F1 || key == Qt::Key_Question) {
        ToggleViewKeyHelp(window);
        return true;
    }
    if (key == Qt::Key_Escape && helpPanel(window) && helpPanel(window)->isVisible()) {
        helpPanel(window)->hide();
        return true;
    }
    if (key == Qt::Key_D && window.describer()) {
        const QString text = window.describer()();
        window.showNote(text);
        announce(&window, text);
        return true;
    }
    if (!running) {
        // Once stopped, Enter is the click that returns to the menu.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Input().viewWindowTag = 1;
            return true;
        }
        return false;
    }
    if (const auto held = heldKey(key)) {
        if (!event.isAutoRepeat()) {
            window.setKeyedSign(held->sign);
            window.setTag(held->button, 1);
        }
        return true;
    }
    switch (key) {
        case Qt::Key_Home:
        case Qt::Key_O:
            window.setTag(ViewButton::OriginalAngle, 1);
            return true;
        case Qt::Key_End:
        case Qt::Key_T:
            window.setTag(ViewButton::Stop, 1);
            window.stopRecording();
            return true;
        case Qt::Key_P:
        case Qt::Key_Space:
            if (!event.isAutoRepeat()) window.setPaused(!window.paused());
            return true;
        default:
            return false;
    }
}

bool ViewKeyRelease(ViewSurface& window, const QKeyEvent& event) {
    const auto held = heldKey(event.key());
    if (!held) return false;
    if (event.isAutoRepeat()) return true;
    window.setTag(held->button, 0);
    return true;
}

}  // namespace zentova

// The view window's live description: what a screen reader reads from its status line.

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

#include "view3d/viewwindow.h"

namespace zentova {

QString TForm2::liveDescription() const {
    QStringList parts;
    if (m_runFacts) parts << m_runFacts();
    if (!m_status.isEmpty()) parts << m_status;
    if (button(ViewButton::Stop)->isEnabled()) parts << (m_paused ? "paused" : "running");
    if (m_recording.active()) parts << QString("recording, %1 frames").arg(m_recording.frames());
    return parts.join("; ");
}

void TForm2::describeLive() {
    // Polite: a new text at most once a second, never an alert; a calculation redraws
    // many times a second and would otherwise talk over itself.
    if (m_described.isValid() && m_described.elapsed() < DescribeEveryMs) return;
    const QString text = liveDescription();
    if (text == m_statusLine->accessibleDescription()) return;
    m_described.start();
    m_statusLine->setAccessibleName("Status");
    m_statusLine->setAccessibleDescription(text);
    setAccessibleDescription(text);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent changed(m_statusLine, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace zentova

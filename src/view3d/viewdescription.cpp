// The view window as a screen reader reads it: its live description in the status line, and
// of its controls only those that show.

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "lang/language.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

// The window waits hidden between runs, its buttons hidden while no run shows them; a screen
// reader lists every child a widget has, so this one leaves out those that do not show.
class ViewWindowAccessible : public QAccessibleWidget {
  public:
    explicit ViewWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> controls = shown();
        if (index < 0 || index >= static_cast<int>(controls.size())) return nullptr;
        return QAccessible::queryAccessibleInterface(controls[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> controls = shown();
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (child && child->object() == controls[i]) return static_cast<int>(i);
        return -1;
    }

  private:
    std::vector<QWidget*> shown() const {
        std::vector<QWidget*> controls;
        for (QObject* child : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control && !control->isWindow() && control->isVisible())
                controls.push_back(control);
        }
        return controls;
    }
};

// The application as assistive technology sees it: its windows. Until the view window is
// first shown, its native controls have windows of their own that stand alone, which would
// put its hidden buttons beside the main window; they are no windows of the application's.
class ApplicationAccessible : public QAccessibleApplication {
  public:
    int childCount() const override { return static_cast<int>(windows().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> list = windows();
        if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
        return list[static_cast<std::size_t>(index)];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> list = windows();
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == child) return static_cast<int>(i);
        return -1;
    }

  private:
    std::vector<QAccessibleInterface*> windows() const {
        std::vector<QAccessibleInterface*> list;
        for (int i = 0; i < QAccessibleApplication::childCount(); ++i) {
            QAccessibleInterface* window = QAccessibleApplication::child(i);
            const auto* widget = window ? qobject_cast<QWidget*>(window->object()) : nullptr;
            if (window && (!widget || widget->isWindow())) list.push_back(window);
        }
        return list;
    }
};

}  // namespace

void InstallViewAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        if (object == QCoreApplication::instance()) return new ApplicationAccessible;
        auto* window = dynamic_cast<TForm2*>(object);
        return window ? new ViewWindowAccessible(window) : nullptr;
    });
}

namespace {

// The phase in words, with the key that ends it.
std::string phaseWords(RunPhase phase, bool paused) {
    switch (phase) {
        case RunPhase::Advancing:
            return paused ? translated("ViewDescription", "paused, P goes on")
                          : translated("ViewDescription", "advancing, End or T stops");
        case RunPhase::HeldFromMainWindow:
            return translated("ViewDescription",
                              "paused, a click or key on the main window goes on");
        case RunPhase::Inspecting:
            return translated("ViewDescription", "the picture stays, End or T terminates");
        case RunPhase::Returning:
            return translated("ViewDescription", "waiting, Enter or a click returns to the menu");
        case RunPhase::None:
            break;
    }
    return {};
}

}  // namespace

QString TForm2::liveDescription() const {
    QStringList parts;
    if (m_runFacts) parts << m_runFacts();
    if (!m_status.isEmpty()) parts << m_status;
    if (const std::string words = phaseWords(m_phase, m_paused); !words.empty())
        parts << QString::fromStdString(words);
    if (m_recording.active()) {
        const int frames = static_cast<int>(std::min<long long>(m_recording.frames(), 2000000000));
        parts << QString::fromStdString(
            translated("ViewDescription", "recording, %n frames", nullptr, frames));
    }
    return parts.join("; ");
}

void TForm2::setRunPhase(RunPhase phase) {
    if (phase == m_phase) return;
    m_phase = phase;
    describeLive();
}

void TForm2::describeLive() {
    // Polite, never an alert. While a run advances, a new text at most once a second: a
    // calculation redraws many times a second and would otherwise talk over itself. Once it
    // pauses or ends, each change is said as it comes, so the last word is never held back.
    const bool busy = m_phase == RunPhase::Advancing && !m_paused;
    const bool phaseChanged = m_phase != m_describedPhase || m_paused != m_describedPaused;
    if (busy && !phaseChanged && m_described.isValid() && m_described.elapsed() < DescribeEveryMs)
        return;
    const QString text = liveDescription();
    if (text == m_statusLine->accessibleDescription()) return;
    m_described.start();
    m_describedPhase = m_phase;
    m_describedPaused = m_paused;
    m_statusLine->setAccessibleName(
        QString::fromStdString(translated("ViewDescription", "Status")));
    m_statusLine->setAccessibleDescription(text);
    setAccessibleDescription(text);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent changed(m_statusLine, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace zentova

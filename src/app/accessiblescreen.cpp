#include "app/accessiblescreen.h"

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace zentova {

namespace {

// Registers an interface with Qt's cache, which then owns it.
QAccessible::Id keep(QAccessibleInterface* made) {
    return QAccessible::registerAccessibleInterface(made);
}

// Deletes a kept interface unless the cache has done so already (it deletes them all when
// the application ends, in an order of its own).
void drop(QAccessible::Id id) {
    if (QAccessible::accessibleInterface(id)) QAccessible::deleteAccessibleInterface(id);
}

}  // namespace

// One painted item: a button, a text, an alert, or a dialog with its buttons as children.
class ScreenItemAccessible : public QAccessibleInterface {
  public:
    ScreenItemAccessible(QWidget* window, QAccessibleInterface* parent, ScreenItem item)
        : m_window(window), m_parent(parent), m_item(std::move(item)) {
        for (const ScreenItem& part : m_item.parts)
            m_parts.push_back(new ScreenItemAccessible(window, this, part));
        for (ScreenItemAccessible* part : m_parts) m_partIds.push_back(keep(part));
    }
    ~ScreenItemAccessible() override {
        for (const QAccessible::Id id : m_partIds) drop(id);
    }

    const ScreenItem& item() const { return m_item; }
    // The same item in another state (the focus moved); its parts stay the same.
    void update(const ScreenItem& item) {
        m_item = item;
        for (std::size_t i = 0; i < m_parts.size() && i < item.parts.size(); ++i)
            m_parts[i]->update(item.parts[i]);
    }
    const std::vector<ScreenItemAccessible*>& parts() const { return m_parts; }

    bool isValid() const override { return !m_window.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_window ? m_window->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return m_parent; }
    int childCount() const override { return static_cast<int>(m_parts.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return m_parts[static_cast<std::size_t>(index)];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto at = std::find(m_parts.begin(), m_parts.end(), child);
        return at == m_parts.end() ? -1 : static_cast<int>(at - m_parts.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (ScreenItemAccessible* part : m_parts)
            if (part->rect().contains(x, y)) return part;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        for (ScreenItemAccessible* part : m_parts)
            if (part->item().focused) return part;
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QString::fromStdString(m_item.name);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_window) return {};
        return QRect(m_window->mapToGlobal(m_item.rect.topLeft()), m_item.rect.size());
    }
    QAccessible::Role role() const override {
        switch (m_item.role) {
            case ScreenRole::Button:
                return QAccessible::Button;
            case ScreenRole::Alert:
                return QAccessible::AlertMessage;
            case ScreenRole::Dialog:
                return QAccessible::Dialog;
            case ScreenRole::StaticText:
                break;
        }
        return QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (m_item.role == ScreenRole::Button) {
            s.focusable = m_item.enabled;
            s.focused = m_item.focused;
            s.disabled = !m_item.enabled;
        }
        if (m_item.role == ScreenRole::Alert || m_item.role == ScreenRole::Dialog) s.modal = true;
        s.readOnly = m_item.role != ScreenRole::Button;
        return s;
    }

  private:
    QPointer<QWidget> m_window;
    QAccessibleInterface* m_parent;
    ScreenItem m_item;
    std::vector<ScreenItemAccessible*> m_parts;
    std::vector<QAccessible::Id> m_partIds;
};

namespace {

ScreenAccessible* g_screen = nullptr;  // the main window's, once asked for
constexpr const char* ScreenProperty = "zentovaPaintedScreen";

void send(QAccessibleInterface* target, QAccessible::Event type) {
    if (!target || !QAccessible::isActive()) return;
    QAccessibleEvent event(target, type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

ScreenAccessible::ScreenAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window) {
    g_screen = this;
    screenChanged(ScreenChange::Rebuilt);
}

ScreenAccessible::~ScreenAccessible() {
    if (g_screen == this) g_screen = nullptr;
    dropItems();
}

void ScreenAccessible::dropItems() {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (!QAccessible::accessibleInterface(m_itemIds[i])) continue;
        send(m_items[i], QAccessible::ObjectDestroyed);
        drop(m_itemIds[i]);
    }
    m_items.clear();
    m_itemIds.clear();
}

std::vector<QWidget*> ScreenAccessible::shownControls() const {
    // The borrowed controls wait hidden until a dialog shows them: only those that show count.
    std::vector<QWidget*> shown;
    for (QObject* child : widget()->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow() && control->isVisible()) shown.push_back(control);
    }
    return shown;
}

int ScreenAccessible::childCount() const {
    return static_cast<int>(shownControls().size() + m_items.size());
}

QAccessibleInterface* ScreenAccessible::child(int index) const {
    const std::vector<QWidget*> controls = shownControls();
    if (index < 0) return nullptr;
    const auto i = static_cast<std::size_t>(index);
    if (i < controls.size()) return QAccessible::queryAccessibleInterface(controls[i]);
    if (i - controls.size() < m_items.size()) return m_items[i - controls.size()];
    return nullptr;
}

int ScreenAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child) return i;
    return -1;
}

QAccessibleInterface* ScreenAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
}

QAccessibleInterface* ScreenAccessible::focusChild() const {
    if (QAccessibleInterface* control = QAccessibleWidget::focusChild()) {
        if (control != this) return control;
    }
    for (ScreenItemAccessible* item : m_items) {
        if (item->item().focused) return item;
        if (QAccessibleInterface* part = item->focusChild()) return part;
    }
    return nullptr;
}

void ScreenAccessible::screenChanged(ScreenChange change) {
    const std::vector<ScreenItem> items = Screen().items();
    if (change == ScreenChange::Rebuilt || items.size() != m_items.size()) {
        dropItems();
        for (const ScreenItem& item : items) {
            auto* made = new ScreenItemAccessible(widget(), this, item);
            m_itemIds.push_back(keep(made));
            m_items.push_back(made);
            send(made, QAccessible::ObjectCreated);
        }
        send(this, QAccessible::NameChanged);
        return;
    }
    // The same items with the focus elsewhere.
    for (std::size_t i = 0; i < items.size(); ++i) m_items[i]->update(items[i]);
    if (change == ScreenChange::FocusMoved) send(focusChild(), QAccessible::Focus);
    // A screen reader speaks an alert as it comes to show; the alert event is for those
    // that listen to it instead.
    if (change == ScreenChange::AlertShown && !m_items.empty()) {
        send(m_items.front(), QAccessible::ObjectShow);
        send(m_items.front(), QAccessible::Alert);
    }
}

void InstallScreenAccessibility(QWidget* window) {
    window->setProperty(ScreenProperty, true);
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !widget->property(ScreenProperty).toBool()) return nullptr;
        return new ScreenAccessible(widget);
    });
    Screen().setListener([](ScreenChange change) {
        if (g_screen) g_screen->screenChanged(change);
    });
}

}  // namespace zentova

#include "app/editorkeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "app/projecteditor.h"
#include "lang/language.h"
#include "pump/pump.h"

namespace zentova {

namespace {

class BoxKeys : public QObject {
  public:
    BoxKeys(QWidget* box, std::vector<QWidget*> order, QPushButton* ok)
        : QObject(box), m_box(box), m_order(std::move(order)), m_ok(ok) {
        box->installEventFilter(this);
        for (QWidget* control : m_order) control->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_box && event->type() == QEvent::Show) {
            // After the show is done, when the box's controls can take the focus.
            QTimer::singleShot(0, m_box, [this] { focusFirst(); });
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        // Enter on a button presses that button, as Space does; in a field, the box's OK.
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            button->click();
            return true;
        }
        // Only while the keyboard steers: a mouse user's Enter in a field does what the box
        // itself does with it.
        if (qobject_cast<QLineEdit*>(watched) && Input().keyboardSteers && m_ok->isEnabled() &&
            m_ok->isVisible()) {
            m_ok->click();
            return true;
        }
        return false;
    }

  private:
    void focusFirst() {
        for (QWidget* control : m_order) {
            if (control->isVisible() && control->isEnabled()) {
                control->setFocus(KeyboardFocusReason());
                return;
            }
        }
    }

    QWidget* m_box;
    std::vector<QWidget*> m_order;
    QPushButton* m_ok;
};

}  // namespace

Qt::FocusReason KeyboardFocusReason() {
    return Input().keyboardSteers ? Qt::TabFocusReason : Qt::OtherFocusReason;
}

void KeyboardOrder(QWidget* box, const std::vector<KeyStop>& stops, QPushButton* ok) {
    std::vector<QWidget*> order;
    for (const KeyStop& stop : stops) {
        // A field takes the focus from a click too, to be typed in; a button or a list only
        // from the keyboard, so that a key acts on one only while its focus frame shows.
        const bool field = qobject_cast<QLineEdit*>(stop.control) != nullptr;
        stop.control->setFocusPolicy(field ? Qt::StrongFocus : Qt::TabFocus);
        if (!stop.name.isEmpty()) stop.control->setAccessibleName(stop.name);
        if (!order.empty()) QWidget::setTabOrder(order.back(), stop.control);
        order.push_back(stop.control);
    }
    new BoxKeys(box, std::move(order), ok);
}

void ProjectEditorKeys(const ProjectControls& c, QPushButton* colour) {
    const auto said = [](const std::string& text) { return QString::fromStdString(text); };
    KeyboardOrder(c.groupBox2,
                  {{c.edit[11], said(translated("EditorKeys", "Project name"))},
                   {c.edit[12], said(translated("EditorKeys", "Number of particle types"))},
                   {c.edit[13], said(translated("EditorKeys", "Strong force coefficient"))},
                   {c.edit[14], said(translated("EditorKeys", "Weak force (gravity)"))},
                   {c.edit[15], said(translated("EditorKeys", "Repelling force"))},
                   {c.button9, {}},
                   {c.button6, {}},
                   {c.button7, {}}},
                  c.button6);
    KeyboardOrder(c.groupBox3,
                  {{c.edit[16], said(translated("EditorKeys", "Number of particles"))},
                   {c.edit[17], said(translated("EditorKeys", "mass"))},
                   {c.edit[18], said(translated("EditorKeys", "Electric charge"))},
                   {c.edit[19], said(translated("EditorKeys", "Display diameter"))},
                   {colour, said(translated("EditorKeys", "Display color"))},
                   {c.button8, {}},
                   {c.button7, {}}},
                  c.button8);
}

}  // namespace zentova

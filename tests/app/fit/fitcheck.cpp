#include "fitcheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <algorithm>

namespace zentova::testing {

namespace {

// The messages are put together as QStrings: GCC 12 warns wrongly (-Wrestrict) about
// std::string's concatenations once they are inlined.
QString pixels(int n, const char* edge = "") {
    return QString("%1 px%2").arg(n).arg(*edge ? QString(" ") + edge : QString());
}

QString rectText(QRect r) {
    return QString("(%1, %2) to (%3, %4)")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right() + 1)
        .arg(r.bottom() + 1);
}

QString quoted(const std::string& text) {
    return QString("\"%1\"").arg(QString::fromStdString(text));
}

bool insideComboBox(const QWidget& widget, const QWidget& top) {
    for (const QWidget* up = widget.parentWidget(); up && up != &top; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up)) return true;
    return false;
}

}  // namespace

bool leftInEnglish(const std::string& text, const std::vector<std::string>& own) {
    // The longest names first: a folder's path holds the file names in it.
    std::vector<std::string> names = own;
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    std::string rest = text;
    for (const std::string& name : names) {
        if (name.empty()) continue;
        std::string out;
        std::size_t from = 0;
        for (auto at = rest.find(name); at != std::string::npos; at = rest.find(name, from)) {
            out += rest.substr(from, at - from) + " ";
            from = at + name.size();
        }
        rest = out + rest.substr(from);
    }
    const QString letters = QString::fromStdString(rest);
    static const QString pseudoMarks = QString::fromUtf8("åçéîñöûšýžÅÇÉÎÑÖÛŠÝŽ·");
    for (const QChar c : letters)
        if (pseudoMarks.contains(c)) return false;
    int run = 0;
    for (const QChar c : letters) {
        run = c.unicode() < 128 && c.isLetter() ? run + 1 : 0;
        if (run >= 2) return true;
    }
    return false;
}

std::string overflowText(QRect inner, QRect outer) {
    QStringList parts;
    if (inner.left() < outer.left()) parts.push_back(pixels(outer.left() - inner.left(), "left"));
    if (inner.right() > outer.right())
        parts.push_back(pixels(inner.right() - outer.right(), "right"));
    if (inner.top() < outer.top()) parts.push_back(pixels(outer.top() - inner.top(), "above"));
    if (inner.bottom() > outer.bottom())
        parts.push_back(pixels(inner.bottom() - outer.bottom(), "below"));
    return parts.join(", ").toStdString();
}

void FitRecorder::offence(const QString& what) {
    const std::string line =
        QString("%1: %2").arg(QString::fromStdString(m_screen), what).toStdString();
    if (std::find(m_offences.begin(), m_offences.end(), line) == m_offences.end())
        m_offences.push_back(line);
}

void FitRecorder::tooWide(const QString& what) {
    if (!m_pseudo) return offence(what);
    const std::string line =
        QString("%1: %2").arg(QString::fromStdString(m_screen), what).toStdString();
    if (std::find(m_widths.begin(), m_widths.end(), line) == m_widths.end())
        m_widths.push_back(line);
}

void FitRecorder::text(const std::string& text, QRect where) {
    ++m_texts;
    if (!m_area.contains(where))
        tooWide(QString("%1 crosses the window's edge by %2")
                    .arg(quoted(text), QString::fromStdString(overflowText(where, m_area))));
    // The box on top where the text starts is the one it belongs to.
    for (auto box = m_boxes.rbegin(); box != m_boxes.rend(); ++box) {
        if (!box->contains(where.topLeft())) continue;
        if (!box->contains(where))
            tooWide(QString("%1 crosses its box %2 by %3")
                        .arg(quoted(text), rectText(*box),
                             QString::fromStdString(overflowText(where, *box))));
        break;
    }
    if (english(text)) offence(QString("%1 is left in English").arg(quoted(text)));
}

void FitRecorder::saved(QRect area) {
    Kept kept{area, {}};
    for (const QRect& box : m_boxes)
        if (area.contains(box)) kept.boxes.push_back(box);
    std::erase_if(m_kept, [area](const Kept& k) { return k.area == area; });
    m_kept.push_back(std::move(kept));
}

void FitRecorder::restored(QRect area) {
    std::erase_if(m_boxes, [area](QRect box) { return area.contains(box); });
    for (const Kept& kept : m_kept)
        if (kept.area == area) m_boxes.insert(m_boxes.end(), kept.boxes.begin(), kept.boxes.end());
}

void FitRecorder::checkWidgetText(const QWidget& widget, const QString& text, int room) {
    const QString said = quoted(text.toStdString());
    if (english(text.toStdString())) offence(QString("%1 is left in English").arg(said));
    if (room < 0) return;
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
    if (widest > room)
        tooWide(QString("%1 is wider than its %2 %3 by %4")
                    .arg(said, widget.metaObject()->className(), widget.objectName(),
                         pixels(widest - room)));
}

void FitRecorder::checkWidgets(const QWidget& top) {
    const QList<QWidget*> widgets = top.findChildren<QWidget*>();
    // The boxes laid out by a grid get their places when the layout runs.
    for (QWidget* widget : widgets)
        if (widget->layout()) widget->layout()->activate();
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&top) || insideComboBox(*widget, top)) continue;
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)) continue;
        widget->ensurePolished();
        const QWidget* parent = widget->parentWidget();
        const QStyle* style = widget->style();
        if (parent && !parent->rect().contains(widget->geometry()))
            tooWide(
                QString("%1 %2 crosses its parent's edge by %3")
                    .arg(widget->metaObject()->className(), widget->objectName(),
                         QString::fromStdString(overflowText(widget->geometry(), parent->rect()))));
        if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            const int indicator =
                style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) +
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
            checkWidgetText(*check, check->text().remove('&'), check->width() - indicator);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // The style's own margins of a push button around its text.
            const int margins =
                style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            checkWidgetText(*button, button->text().remove('&'), button->width() - margins);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty()) continue;
            const int room = label->contentsRect().width() - 2 * label->margin();
            checkWidgetText(*label, label->text(), label->wordWrap() ? -1 : room);
            if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                tooWide(QString("%1 wraps below its label by %2")
                            .arg(quoted(label->text().toStdString()),
                                 pixels(label->heightForWidth(label->width()) - label->height())));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            // The title stands between the frame's rounded corners, 8 pixels each.
            if (!group->title().isEmpty())
                checkWidgetText(*group, group->title(), group->width() - 16);
        }
    }
}

std::string FitRecorder::widths() const {
    std::string out;
    for (const std::string& line : m_widths) out += "  " + line + "\n";
    return out;
}

std::string FitRecorder::report() const {
    std::string out;
    for (const std::string& line : m_offences) out += "  " + line + "\n";
    return out;
}

}  // namespace zentova::testing

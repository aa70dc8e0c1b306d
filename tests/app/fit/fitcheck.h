#pragma once

// What the pseudo-language shows wrong on a screen: a text that crosses the box it starts in
// or the window's edge, and a text that never went through the translation. The painted
// screens report to a FitRecorder as they paint; the widgets are measured where they stand.

#include <QRect>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace zentova::testing {

// True when `text` reads as plain English: a run of two or more ASCII letters and none of
// the pseudo-language's accented letters or middle dots, once the names the test gave
// (`own`: project and file names, folders) are taken out.
bool leftInEnglish(const std::string& text, const std::vector<std::string>& own);

// How far `inner` reaches past each edge of `outer`, as "3 px right, 1 px below"; empty
// when it stays inside.
std::string overflowText(QRect inner, QRect outer);

// Collects every offence of the screens it is attached to, each once.
class FitRecorder : public PaintRecorder {
  public:
    FitRecorder(int width, int height) : m_area(0, 0, width, height) {}

    // In the pseudo-language every text must be translated, but its 40 % more cannot be
    // shortened as a real translation is: there a text that crosses its box is a finding
    // for the translators (widths()), not an offence. In a shipped language every text
    // must fit, and words that stay English there ("OK") are the translator's choice.
    void setPseudo(bool pseudo) { m_pseudo = pseudo; }

    // The screen the next paintings belong to, as the offences name it.
    void setScreen(std::string name) { m_screen = std::move(name); }
    // A name of the user's data (project, file, folder): not English to be translated.
    void own(std::string name) { m_own.push_back(std::move(name)); }

    void text(const std::string& text, QRect where) override;
    void box(QRect where) override { m_boxes.push_back(where); }
    void cleared() override { m_boxes.clear(); }
    void saved(QRect area) override;
    void restored(QRect area) override;

    // The texts of the widgets shown inside `top`: a text wider than its widget, a widget
    // that crosses its parent's edge, a text left in English. Line edits hold the user's
    // values and are left out.
    void checkWidgets(const QWidget& top);

    const std::vector<std::string>& offences() const { return m_offences; }
    // The pseudo-language's texts that cross their box, each on a line of its own.
    std::string widths() const;
    // Every offence on a line of its own, for the test's failure message.
    std::string report() const;
    int textsSeen() const { return m_texts; }

  private:
    void offence(const QString& what);
    void tooWide(const QString& what);  // an offence but in the pseudo-language
    bool english(const std::string& text) const { return m_pseudo && leftInEnglish(text, m_own); }
    void checkWidgetText(const QWidget& widget, const QString& text, int room);

    QRect m_area;
    std::string m_screen = "start";
    std::vector<std::string> m_own;
    std::vector<QRect> m_boxes;  // in the order painted: the last one is on top
    struct Kept {
        QRect area;
        std::vector<QRect> boxes;
    };
    std::vector<Kept> m_kept;
    std::vector<std::string> m_offences;
    std::vector<std::string> m_widths;
    bool m_pseudo = true;
    int m_texts = 0;
};

}  // namespace zentova::testing

#include "canvas/screenitems.h"

namespace zentova {

ScreenDescription& Screen() {
    static ScreenDescription screen;
    return screen;
}

void ScreenDescription::setSummary(std::vector<std::string> lines, QRect rect) {
    m_summaryRect = rect;
    if (lines == m_summary) return;
    m_summary = std::move(lines);
    changed(ScreenChange::Rebuilt);
}

void ScreenDescription::setMenu(std::vector<ScreenItem> items, int focused) {
    m_menu = std::move(items);
    for (std::size_t i = 0; i < m_menu.size(); ++i)
        m_menu[i].focused = static_cast<int>(i) == focused;
    changed(ScreenChange::Rebuilt);
}

void ScreenDescription::setMenuFocus(int focused) {
    for (std::size_t i = 0; i < m_menu.size(); ++i)
        m_menu[i].focused = static_cast<int>(i) == focused;
    changed(ScreenChange::FocusMoved);
}

void ScreenDescription::clearMenu() {
    if (m_menu.empty()) return;
    m_menu.clear();
    changed(ScreenChange::Rebuilt);
}

void ScreenDescription::setPrompt(ScreenItem prompt) {
    m_prompt.assign(1, std::move(prompt));
    changed(ScreenChange::Rebuilt);
    changed(ScreenChange::AlertShown);
}

void ScreenDescription::setPromptFocus(int part) {
    if (m_prompt.empty()) return;
    std::vector<ScreenItem>& parts = m_prompt.front().parts;
    for (std::size_t i = 0; i < parts.size(); ++i) parts[i].focused = static_cast<int>(i) == part;
    changed(ScreenChange::FocusMoved);
}

void ScreenDescription::clearPrompt() {
    if (m_prompt.empty()) return;
    m_prompt.clear();
    changed(ScreenChange::Rebuilt);
}

void ScreenDescription::setGraph(ScreenItem graph) {
    // Drawn again on every pass of its editor: only a new text is news.
    if (!m_graph.empty() && m_graph.front().name == graph.name) return;
    m_graph.assign(1, std::move(graph));
    changed(ScreenChange::Rebuilt);
}

void ScreenDescription::clearGraph() {
    if (m_graph.empty()) return;
    m_graph.clear();
    changed(ScreenChange::Rebuilt);
}

std::vector<ScreenItem> ScreenDescription::items() const {
    std::vector<ScreenItem> all = m_prompt;
    if (!m_summary.empty()) {
        ScreenItem summary;
        summary.name = summaryText();
        summary.rect = m_summaryRect;
        all.push_back(summary);
    }
    all.insert(all.end(), m_graph.begin(), m_graph.end());
    all.insert(all.end(), m_menu.begin(), m_menu.end());
    return all;
}

std::string ScreenDescription::summaryText() const {
    std::string text;
    for (const std::string& line : m_summary) {
        // Rows read as sentences; a row ending in a colon runs on into the next.
        if (!text.empty()) text += text.back() == ':' ? " " : ". ";
        text += line;
    }
    return text;
}

}  // namespace zentova

#include "ChildLogs.h"
#include "ReadTraceLog.h"

namespace report {

ChildLogs::ChildLogs() { m_children.resize(1); }

void ChildLogs::Line(const char* text, size_t length)
{
    ++m_line;
    TraceEvent e;
    if (ParseTraceLine(text, length, e) && e.kind == TraceKind::Player) {
        // A new game: whatever the child before left running ends there.
        if (m_children[m_current].rebuilder) m_children[m_current].rebuilder->Finish();
        m_current = 0;
        for (size_t i = 1; i < m_children.size() && m_current == 0; ++i)
            if (m_children[i].name == e.player) m_current = i;
        if (m_current == 0 && m_children.size() <= MostChildren) {
            m_children.emplace_back();
            m_children.back().name = e.player;
            m_current = m_children.size() - 1;
        }
    }
    ChildRecord& child = m_children[m_current];
    if (!child.rebuilder) {
        child.record.reset(new LearningRecord); // large: kept off the stack
        child.rebuilder.reset(new GameRebuilder(*child.record));
    }
    // Games are numbered by the child, found by the line of the whole log.
    child.rebuilder->AtLine(m_line - 1);
    child.rebuilder->Line(text, length);
}

void ChildLogs::Finish()
{
    if (!m_children[0].rebuilder) {
        // A log with no lines at all is the unnamed child's, with nothing in it.
        m_children[0].record.reset(new LearningRecord);
        m_children[0].rebuilder.reset(new GameRebuilder(*m_children[0].record));
    }
    for (ChildRecord& child : m_children)
        if (child.rebuilder) child.rebuilder->Finish();
}

bool ReadChildLogs(const std::string& path, ChildLogs& children, std::string& error)
{
    if (!ReadTraceLines(path, children, error)) return false;
    children.Finish();
    return true;
}

std::string ChildPagePath(const std::string& logPage, size_t index, const std::string& name)
{
    const size_t slash = logPage.find_last_of("\\/:");
    const size_t dot = logPage.find_last_of('.');
    const std::string base =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? logPage.substr(0, dot) : logPage;
    std::string ascii;
    for (char c : name)
        if (ascii.size() < 24 && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            ascii += c;
    return base + "-" + std::to_string(index) + (index && !ascii.empty() ? "-" + ascii : std::string()) + ".html";
}

} // namespace report

#include "ClassReport.h"
#include "ChildLogs.h"
#include "PageText.h"
#include "ReportWriter.h"
#include <algorithm>
#include <map>

namespace report {
namespace {

std::string Stem(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/:");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot != std::string::npos && dot > 0 ? name.substr(0, dot) : name;
}

// "40% to 75%" as a change in points, "+35"; "-" when there is nothing to compare.
std::string Change(const Trend& trend)
{
    if (trend.games == 0 || trend.first.winners == 0 || trend.last.winners == 0) return "-";
    const long long first =
        static_cast<long long>((trend.first.correct * 100 + trend.first.winners / 2) / trend.first.winners);
    const long long last =
        static_cast<long long>((trend.last.correct * 100 + trend.last.winners / 2) / trend.last.winners);
    const long long d = last - first;
    return (d > 0 ? "+" : "") + std::to_string(d);
}

} // namespace

std::vector<std::string> LogNames(const std::vector<std::string>& paths)
{
    std::map<std::string, int> uses;
    for (const std::string& p : paths) ++uses[Stem(p)];
    std::vector<std::string> names;
    for (const std::string& p : paths) {
        const std::string stem = Stem(p);
        names.push_back(uses[stem] > 1 || stem.empty() ? p : stem);
    }
    return names;
}

ClassReport::ClassReport() : m_class(new LearningRecord) {}

bool ClassReport::AddLog(const std::string& path, const std::string& name, std::ostream& sections)
{
    std::unique_ptr<ChildLogs> children(new ChildLogs);
    std::string error;
    if (!ReadChildLogs(path, *children, error)) {
        ClassRow row;
        row.name = name;
        row.path = path;
        row.error = error;
        m_rows.push_back(row);
        CountLog(false);
        return false;
    }
    const std::vector<ChildRecord>& kids = children->Children();
    CountLog(children->Named());
    if (!children->Named()) {
        AddRecord(name, path, *kids[0].record, sections);
        return true;
    }
    for (size_t i = 0; i < kids.size(); ++i)
        if (i > 0 || kids[i].record->games > 0)
            AddRecord(ChildName(name, kids[i].name), path, *kids[i].record, sections);
    return true;
}

std::string ClassReport::ChildName(const std::string& logName, const std::string& child) const
{
    const std::string name = child.empty() ? PlainText(IDS_REPORT_UNNAMED) : child;
    return m_oneLog ? name : name + " (" + logName + ")";
}

void ClassReport::AddRecord(const std::string& name, const std::string& path, const LearningRecord& log,
                            std::ostream& sections, const std::string& page)
{
    ClassRow row;
    row.name = name;
    row.path = path;
    row.page = page;
    row.read = true;
    row.games = log.games;
    row.total = log.total;
    row.trend = TrendOf(log);
    m_class->AddCounts(log);
    m_rows.push_back(row);
    sections << "<section class=\"log\">\n<h2>" << HtmlName(name) << "</h2>\n";
    WriteLogSection(log, path, true, sections);
    sections << "</section>\n";
}

size_t ClassReport::Unreadable() const
{
    size_t n = 0;
    for (const ClassRow& r : m_rows) n += r.read ? 0 : 1;
    return n;
}

void ClassReport::WritePage(std::istream& sections, std::ostream& out) const
{
    const LearningRecord& c = *m_class;
    WritePageStart(ProgramTextUtf8(IDS_REPORT_CLASS_TITLE), out);
    out << "<h1>" << PageText(IDS_REPORT_CLASS_TITLE) << "</h1>\n<p class=\"note\">";
    const size_t read = m_rows.size() - Unreadable();
    if (Unreadable())
        out << Fill(PageText(IDS_REPORT_CLASS_LOGS_UNREAD), m_logs, m_logs - Unreadable(),
                    "<b>" + Fill(PageText(IDS_REPORT_CLASS_UNREAD), Unreadable()) + "</b>", c.lines);
    else if (m_byChild)
        out << Fill(PageText(IDS_REPORT_CLASS_CHILDREN), m_rows.size(), m_logs, c.lines);
    else
        out << Fill(PageText(IDS_REPORT_CLASS_LOGS), m_rows.size(), read, c.lines);
    out << "</p>\n";

    out << "<h2>" << PageText(IDS_REPORT_THE_CLASS) << "</h2>\n<table>\n<thead><tr><th class=\"name\">"
        << PageText(m_byChild ? IDS_REPORT_COL_CHILD : IDS_REPORT_COL_LOG) << "</th>";
    for (uint32_t id :
         { IDS_REPORT_COL_GAMES, IDS_REPORT_COL_CARDS_DEALT, IDS_REPORT_COL_WINNERS_SPOTTED, IDS_REPORT_COL_OTHERS,
           IDS_REPORT_COL_FIRST_GAMES, IDS_REPORT_COL_LAST_GAMES, IDS_REPORT_COL_CHANGE })
        out << "<th>" << PageText(id) << "</th>";
    out << "</tr></thead>\n";
    for (const ClassRow& r : m_rows) {
        out << "<tr><td class=\"name\">";
        if (r.page.empty())
            out << HtmlName(r.name);
        else
            out << "<a href=\"" << HtmlEscape(r.page) << "\">" << HtmlName(r.name) << "</a>";
        out << "</td>";
        if (!r.read) {
            out << "<td colspan=\"7\" class=\"error\">"
                << Fill(PageText(IDS_REPORT_CLASS_NOT_READ), HtmlEscape(r.error)) << "</td></tr>\n";
            continue;
        }
        const Tally& t = r.total;
        out << "<td>" << r.games << "</td><td>" << t.dealt << "</td><td>" << Percent(t.correct, t.winners)
            << "</td><td>" << Percent(t.wrong, t.dealt - t.winners) << "</td>";
        if (r.trend.games)
            out << "<td>" << Percent(r.trend.first.correct, r.trend.first.winners) << " (" << r.trend.games
                << ")</td><td>" << Percent(r.trend.last.correct, r.trend.last.winners) << " (" << r.trend.games
                << ")</td>";
        else
            out << "<td>-</td><td>-</td>";
        out << "<td>" << Change(r.trend) << "</td></tr>\n";
    }
    const Tally& t = c.total;
    out << "<tr><th class=\"name\">" << PageText(IDS_REPORT_ROW_CLASS) << "</th><th>" << c.games << "</th><th>"
        << t.dealt << "</th><th>" << Percent(t.correct, t.winners) << "</th><th>"
        << Percent(t.wrong, t.dealt - t.winners) << "</th><th></th><th></th><th></th></tr>\n</table>\n";
    out << "<p class=\"note\">" << PageText(IDS_REPORT_CLASS_NOTE) << "</p>\n";
    out << "<h2>" << PageText(IDS_REPORT_COME_BACK) << "</h2>\n";
    WriteComeBackTable(c, out);

    out << "<div class=\"cols\">\n<div>\n<h2>" << PageText(IDS_REPORT_CLASS_MISSED) << "</h2>\n";
    WriteMissedTable(c, 10, out);
    out << "</div>\n<div class=\"keep\">\n<h2>" << PageText(IDS_REPORT_CLASS_GRID) << "</h2>\n";
    WriteFactGrid(c, out);
    out << "<p class=\"note\">" << PageText(IDS_REPORT_CLASS_GRID_NOTE) << "</p>\n</div>\n</div>\n";

    if (sections.peek() != std::char_traits<char>::eof()) out << sections.rdbuf();
    WritePageEnd(out);
}

void ClassReport::WriteSummary(std::ostream& out) const
{
    if (m_byChild && !Unreadable())
        out << Fill(PlainText(IDS_REPORT_SUM_CHILDREN), m_rows.size(), m_logs) << "\n";
    else
        out << Fill(PlainText(IDS_REPORT_SUM_CLASS), m_logs) << "\n";
    for (const ClassRow& r : m_rows) {
        if (!r.read) {
            out << Fill(PlainText(IDS_REPORT_SUM_NOT_READ), r.name, r.error) << "\n";
            continue;
        }
        const Tally& t = r.total;
        const uint32_t row = r.games == 1 ? IDS_REPORT_SUM_ROW_GAME : IDS_REPORT_SUM_ROW_GAMES;
        out << Fill(PlainText(row), r.name, r.games, t.dealt, Percent(t.correct, t.winners),
                    Percent(t.wrong, t.dealt - t.winners));
        if (r.trend.games)
            out << Fill(PlainText(IDS_REPORT_SUM_ROW_TREND), r.trend.games,
                        Percent(r.trend.first.correct, r.trend.first.winners), r.trend.games,
                        Percent(r.trend.last.correct, r.trend.last.winners));
        out << "\n";
    }
    const Tally& t = m_class->total;
    out << Fill(PlainText(IDS_REPORT_SUM_CLASS_TOTAL), m_class->games, t.dealt, Percent(t.correct, t.winners),
                Percent(t.wrong, t.dealt - t.winners))
        << "\n";
    WriteMissedLine(*m_class, out);
}

} // namespace report

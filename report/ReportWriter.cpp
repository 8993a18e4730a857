#include "ReportWriter.h"
#include "ProgressChart.h"
#include <cstdio>

namespace report {
namespace {

const char* const operationNames[OperationCount] = { "Addition", "Subtraction", "Multiplication", "Division",
                                                     "Wild card" };

} // namespace

std::string HtmlEscape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // Control bytes from a strange path would make the page invalid.
            if (static_cast<unsigned char>(c) < 0x20) out += '?';
            else out += c;
        }
    }
    return out;
}

namespace {

std::string Number(uint64_t n) { return std::to_string(n); }

// Dark red for none spotted, through orange, to light green for all: darker means fewer spotted,
// so the grid still reads when printed in black and white.
const int shareStops[3][3] = { { 165, 0, 38 }, { 230, 110, 40 }, { 166, 217, 106 } };

std::string ShareColour(double share)
{
    const auto& stops = shareStops;
    if (share < 0) share = 0;
    if (share > 1) share = 1;
    const int lo = share < 0.5 ? 0 : 1;
    const double t = share < 0.5 ? share * 2 : (share - 0.5) * 2;
    char text[8];
    int rgb[3];
    for (int i = 0; i < 3; ++i) rgb[i] = static_cast<int>(stops[lo][i] + (stops[lo + 1][i] - stops[lo][i]) * t + 0.5);
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return text;
}

void TallyCells(const Tally& t, std::ostream& out)
{
    out << "<td>" << t.dealt << "</td><td>" << t.winners << "</td><td>" << t.correct << "</td><td>" << t.missed
        << "</td><td>" << t.wrong << "</td><td>" << Percent(t.correct, t.winners) << "</td>";
}

} // namespace

void WriteFactGrid(const LearningRecord& record, std::ostream& out)
{
    const int cell = 26;
    const int margin = 44;
    const int size = margin + cell * ValueCount;
    const int legendTop = size + 16;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size + 10 << "\" height=\"" << legendTop + 44
        << "\" viewBox=\"0 0 " << size + 10 << " " << legendTop + 44 << "\" role=\"img\" aria-label=\"Fact grid\">\n";
    out << "<text x=\"" << margin + cell * ValueCount / 2 << "\" y=\"12\" class=\"axis\">one card showing</text>\n";
    out << "<text x=\"12\" y=\"" << margin + cell * ValueCount / 2 << "\" class=\"axis\" transform=\"rotate(-90 12 "
        << margin + cell * ValueCount / 2 << ")\">the other card showing</text>\n";
    for (int v = 0; v < ValueCount; ++v) {
        out << "<text x=\"" << margin + v * cell + cell / 2 << "\" y=\"" << margin - 8 << "\" class=\"label\">" << v
            << "</text>";
        out << "<text x=\"" << margin - 10 << "\" y=\"" << margin + v * cell + cell / 2 + 4
            << "\" class=\"label\">" << v << "</text>\n";
    }
    for (int row = 0; row < ValueCount; ++row)
        for (int col = 0; col < ValueCount; ++col) {
            const WinnerTally& t = record.Pair(col, row);
            const int x = margin + col * cell;
            const int y = margin + row * cell;
            const double share = t.seen ? static_cast<double>(t.spotted) / static_cast<double>(t.seen) : 1.0;
            out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << cell - 1 << "\" height=\"" << cell - 1
                << "\" " << (t.seen ? "fill=\"" + ShareColour(share) + "\"" : std::string("class=\"none\""))
                << "><title>" << col << " and " << row << ": ";
            if (t.seen) out << t.spotted << " of " << t.seen << " winners spotted";
            else out << "no winners yet";
            out << "</title></rect>";
            // White numbers on the dark squares of few spotted.
            if (t.seen)
                out << "<text x=\"" << x + cell / 2 << "\" y=\"" << y + cell / 2 + 4 << "\" class=\"count"
                    << (share < 0.4 ? " dark" : "") << "\">" << t.seen << "</text>";
            out << "\n";
        }
    // Legend: the share of winners spotted, and the colour of a pair with none.
    const double shares[5] = { 0, 0.25, 0.5, 0.75, 1 };
    for (int i = 0; i < 5; ++i) {
        const int x = margin + i * 60;
        out << "<rect x=\"" << x << "\" y=\"" << legendTop << "\" width=\"56\" height=\"14\" fill=\""
            << ShareColour(shares[i]) << "\"/><text x=\"" << x + 28 << "\" y=\"" << legendTop + 28
            << "\" class=\"label\">" << static_cast<int>(shares[i] * 100) << "%</text>\n";
    }
    out << "<rect x=\"" << margin + 320 << "\" y=\"" << legendTop << "\" width=\"56\" height=\"14\" class=\"none\"/>"
        << "<text x=\"" << margin + 348 << "\" y=\"" << legendTop + 28 << "\" class=\"label\">no winners</text>\n";
    out << "</svg>\n";
}

std::string ReportPathFor(const std::string& logPath)
{
    const size_t slash = logPath.find_last_of("\\/:");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = logPath.find_last_of('.');
    const size_t stemEnd = dot != std::string::npos && dot > nameStart ? dot : logPath.size();
    return logPath.substr(0, stemEnd) + "-report.html";
}

std::string FactText(const Fact& fact, bool html)
{
    static const char* const plain[] = { " + ", " - ", " x ", " / " };
    static const char* const signs[] = { " + ", " &minus; ", " &times; ", " &divide; " };
    const int op = fact.operation >= Addition && fact.operation < WildCard ? fact.operation : Addition;
    return std::to_string(fact.larger) + (html ? signs[op] : plain[op]) + std::to_string(fact.smaller) + " = " +
           std::to_string(fact.Result());
}

std::string Percent(uint64_t part, uint64_t whole)
{
    if (whole == 0) return "-";
    return std::to_string(static_cast<unsigned long long>((part * 100 + whole / 2) / whole)) + "%";
}
void WritePageStart(const std::string& title, std::ostream& out)
{
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << HtmlEscape(title)
        << "</title>\n<style>\n"
           "body{font-family:sans-serif;margin:24px;color:#222;background:#fff;max-width:980px}\n"
           "h1{color:#14386b;margin-bottom:4px}h2,h3{color:#14386b;border-bottom:2px solid #c9d6ea;padding-bottom:2px;"
           "margin-top:28px}h3{border-bottom-width:1px}\n"
           "section.log{margin-top:40px}section.log>h2{background:#e8eef8;padding:4px 8px;border:0}\n"
           "table{border-collapse:collapse;margin:8px 0}th,td{border:1px solid #c9d6ea;padding:3px 10px;"
           "text-align:right}th{background:#e8eef8}td.name,th.name{text-align:left}td.error{text-align:left;"
           "color:#a50026;font-weight:bold}\n"
           ".tiles{display:flex;flex-wrap:wrap;gap:10px}.tile{border:1px solid #c9d6ea;border-radius:6px;"
           "padding:8px 14px;min-width:90px;background:#f6f8fc}.tile b{display:block;font-size:24px;color:#14386b}\n"
           ".note{color:#555;font-size:90%}.cols{display:flex;flex-wrap:wrap;gap:32px;align-items:flex-start}"
           ".cols>div>p.note{max-width:500px}\n"
           "svg{max-width:100%;height:auto}svg text{font-family:sans-serif}svg .label{font-size:11px;"
           "text-anchor:middle;fill:#333}svg .axis{font-size:12px;text-anchor:middle;fill:#14386b}"
           "svg .count{font-size:10px;text-anchor:middle;fill:#222}svg .count.dark{fill:#fff}"
           "svg rect.none{fill:#fff;stroke:#c9c9c9}\n"
           "svg.chart text{font-size:11px;fill:#333}svg.chart .title{font-size:12px;fill:#14386b}"
           "svg.chart line.grid{stroke:#ddd}svg.chart line.axis{stroke:#555}\n"
           "svg .spotted{stroke:#14386b;fill:#14386b;stroke-width:1.5}svg .guessed{stroke:#b8500f;fill:#fff;"
           "stroke-width:1.5}svg.chart polyline{fill:none}svg polyline.guessed,svg line.guessed{stroke-dasharray:5 3}"
           "svg .average{stroke-width:7;stroke-opacity:.25;stroke-dasharray:none}\n"
           "@media print{@page{margin:12mm}body{margin:0;max-width:none;font-size:10pt}"
           "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}"
           "table,tr,svg,.tiles,.keep{break-inside:avoid;page-break-inside:avoid}"
           "thead{display:table-header-group}h1,h2,h3{break-after:avoid;page-break-after:avoid}"
           "section.log{break-before:page;page-break-before:always;margin-top:0}}\n"
           "</style>\n</head>\n<body>\n";
}

void WritePageEnd(std::ostream& out) { out << "</body>\n</html>\n"; }

void WriteReadNote(const LearningRecord& record, const std::string& logPath, std::ostream& out)
{
    out << "<p class=\"note\">From the trace log <code>" << HtmlEscape(logPath) << "</code>: " << record.lines
        << " lines read, " << record.foreignLines + record.strayLines << " skipped (" << record.foreignLines
        << " not the game's, " << record.strayLines << " out of place).</p>\n";
}

void WriteMissedTable(const LearningRecord& record, size_t count, std::ostream& out)
{
    const std::deque<Fact> missed = MostMissed(record, count);
    if (missed.empty()) {
        out << "<p>No winner by a sum, difference, product or quotient was missed.</p>\n";
        return;
    }
    out << "<table>\n<thead><tr><th class=\"name\">fact</th><th>missed</th><th>seen</th></tr></thead>\n";
    for (const Fact& f : missed)
        out << "<tr><td class=\"name\">" << FactText(f, true) << "</td><td>" << f.tally.missed << "</td><td>"
            << f.tally.seen << "</td></tr>\n";
    out << "</table>\n<p class=\"note\">Differences and quotients are written from the larger card.</p>\n";
}

void WriteLogSection(const LearningRecord& record, const std::string& logPath, bool inClass, std::ostream& out)
{
    const char* h = inClass ? "h3" : "h2";
    const Tally& t = record.total;
    out << "<" << h << ">In total</" << h << ">\n<div class=\"tiles\">\n";
    const struct {
        const char* name;
        std::string value;
    } tiles[] = {
        { record.games == 1 ? "game" : "games", Number(record.games) },           { "cards dealt", Number(t.dealt) },
        { "winners", Number(t.winners) },            { "correct answers", Number(t.correct) },
        { "missed winners", Number(t.missed) },      { "wrong answers", Number(t.wrong) },
        { "winners spotted", Percent(t.correct, t.winners) },
        { "other cards answered", Percent(t.wrong, t.dealt - t.winners) },
    };
    for (const auto& tile : tiles) out << "<div class=\"tile\"><b>" << tile.value << "</b>" << tile.name << "</div>\n";
    out << "</div>\n";
    if (!inClass)
        out << "<p class=\"note\">A winner is a card that was the sum, difference, product or exact quotient of "
               "the two cards showing, or a wild card. \"Other cards answered\" is the share of cards that were no "
               "winner and were clicked all the same: a high share means guessing.</p>\n";
    if (record.games == 0) out << "<p><b>No games were found in this log.</b></p>\n";

    out << "<" << h << ">From game to game</" << h << ">\n";
    WriteProgressChart(record, out);
    if (record.games > 0)
        out << "<p class=\"note\">A rising line of winners spotted and a low line of other cards answered show a "
               "child getting better; many other cards answered mean guessing.</p>\n";

    out << "<div class=\"cols\">\n<div>\n<" << h << ">By operation</" << h << ">\n<table>\n<thead><tr>"
           "<th class=\"name\">operation</th><th>winners seen</th><th>spotted</th><th>missed</th><th>share spotted</th>"
           "</tr></thead>\n";
    for (int op = Addition; op < OperationCount; ++op) {
        const WinnerTally& w = record.byOperation[op];
        out << "<tr><td class=\"name\">" << operationNames[op] << "</td><td>" << w.seen << "</td><td>" << w.spotted
            << "</td><td>" << w.missed << "</td><td>" << Percent(w.spotted, w.seen) << "</td></tr>\n";
    }
    out << "</table>\n<p class=\"note\">A winner counts for the first operation the game found it by: addition, "
           "then subtraction, multiplication and division.</p>\n";
    out << "<" << h << ">Missed most often</" << h << ">\n";
    WriteMissedTable(record, 5, out);
    out << "</div>\n<div class=\"keep\">\n<" << h << ">Fact grid</" << h << ">\n";
    WriteFactGrid(record, out);
    out << "<p class=\"note\">Each square is a pair of showing cards; its colour is the share of that pair's winners "
           "that were spotted (darker: fewer), its number how many winners there were. Wild cards are left "
           "out.</p>\n</div>\n</div>\n";

    out << "<" << h << ">Game by game</" << h << ">\n";
    if (record.games > record.recentGames.size())
        out << "<p class=\"note\">The last " << record.recentGames.size() << " of " << record.games
            << " games; the earlier ones count in the totals.</p>\n";
    out << "<table>\n<thead><tr><th>game</th><th>log line</th><th>cards dealt</th><th>winners</th><th>correct</th>"
           "<th>missed</th><th>wrong</th><th>spotted</th><th>refills</th><th class=\"name\">end</th></tr></thead>\n";
    for (const GameSummary& g : record.recentGames) {
        out << "<tr><td>" << g.number << "</td><td>" << g.firstLine << "</td>";
        TallyCells(g.tally, out);
        out << "<td>" << g.tally.refills << "</td><td class=\"name\">" << (g.over ? "game over" : "log breaks off")
            << "</td></tr>\n";
    }
    out << "<tr><th>all</th><th></th>";
    out << "<th>" << t.dealt << "</th><th>" << t.winners << "</th><th>" << t.correct << "</th><th>" << t.missed
        << "</th><th>" << t.wrong << "</th><th>" << Percent(t.correct, t.winners) << "</th><th>" << t.refills
        << "</th><th></th></tr>\n</table>\n";
    out << "<p class=\"note\">Cards dealt counts the cards that were judged; the two opening cards of a game, the "
           "one card dealt after \"Game over!\" ("
        << record.afterGameOver << " in all) and the last card of a game the log breaks off in (" << record.unjudgedCards
        << ") are not.</p>\n";
    if (inClass) WriteReadNote(record, logPath, out);
}

void WriteHtmlReport(const LearningRecord& record, const std::string& logPath, std::ostream& out)
{
    WritePageStart("Votaroo! learning report", out);
    out << "<h1>Votaroo! learning report</h1>\n";
    WriteReadNote(record, logPath, out);
    WriteLogSection(record, logPath, false, out);
    WritePageEnd(out);
}


void WriteMissedLine(const LearningRecord& record, std::ostream& out)
{
    const std::deque<Fact> missed = MostMissed(record, 5);
    out << "Missed most often:";
    if (missed.empty()) out << " none";
    for (size_t i = 0; i < missed.size(); ++i)
        out << (i ? ", " : " ") << FactText(missed[i], false) << " (" << missed[i].tally.missed << "x)";
    out << "\n";
}

void WriteTextSummary(const LearningRecord& record, const std::string& logPath, std::ostream& out)
{
    const Tally& t = record.total;
    out << "Votaroo! learning report from " << logPath << "\n";
    out << "Lines read: " << record.lines << ", skipped: " << record.foreignLines + record.strayLines << " ("
        << record.foreignLines << " not the game's, " << record.strayLines << " out of place)\n";
    out << "Games: " << record.games << " (" << record.gamesOver << " to game over)\n";
    out << "Cards dealt: " << t.dealt << ", winners: " << t.winners << ", correct: " << t.correct
        << ", missed: " << t.missed << ", wrong: " << t.wrong << ", spotted: " << Percent(t.correct, t.winners)
        << "\n";
    out << "By operation (spotted/seen):";
    for (int op = Addition; op < OperationCount; ++op)
        out << (op ? ", " : " ") << operationNames[op] << " " << record.byOperation[op].spotted << "/"
            << record.byOperation[op].seen;
    out << "\n";
    WriteMissedLine(record, out);
}

} // namespace report

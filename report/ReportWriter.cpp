#include "ReportWriter.h"
#include "PageText.h"
#include "ProgressChart.h"
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace report {
namespace {

std::string OperationName(int operation, bool html)
{
    const uint32_t id = IDS_REPORT_OPERATION_FIRST + static_cast<uint32_t>(operation);
    return html ? PageText(id) : PlainText(id);
}

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
            if (static_cast<unsigned char>(c) < 0x20)
                out += '?';
            else
                out += c;
        }
    }
    return out;
}

std::string HtmlName(const std::string& name)
{
    // Windows-1252's characters from 0x80 to 0x9F; 0 where it has none.
    static const unsigned short high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    std::string utf8;
    for (char c : name) {
        const unsigned char b = static_cast<unsigned char>(c);
        const unsigned code = b >= 0x80 && b < 0xA0 ? high[b - 0x80] : b;
        if (code == 0 || code == 0x7F) {
            utf8 += '?';
        } else if (code < 0x80) {
            utf8 += c;
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return HtmlEscape(utf8);
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

// Relative luminance of an sRGB colour, as the contrast of text and lines is measured.
double Luminance(const int rgb[3])
{
    double l = 0;
    const double weight[3] = { 0.2126, 0.7152, 0.0722 };
    for (int i = 0; i < 3; ++i) {
        const double c = rgb[i] / 255.0;
        l += weight[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return l;
}

// Black or white, whichever stands out more from the square: one of the two always reaches 4.5:1.
const char* NumberColourOn(const std::string& fill)
{
    int rgb[3] = { 0, 0, 0 };
    std::sscanf(fill.c_str(), "#%2x%2x%2x", &rgb[0], &rgb[1], &rgb[2]);
    const double l = Luminance(rgb);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? "#000000" : "#ffffff";
}

void TallyCells(const Tally& t, std::ostream& out)
{
    out << "<td>" << t.dealt << "</td><td>" << t.winners << "</td><td>" << t.correct << "</td><td>" << t.missed
        << "</td><td>" << t.wrong << "</td><td>" << Percent(t.correct, t.winners) << "</td>";
}

// The facts of a pair that are learned, written out; "-" for none.
std::string LearnedFacts(const LearningRecord& record, int a, int b)
{
    std::string text;
    for (int op = Addition; op < ArithmeticOperations; ++op) {
        FactTally f;
        f.operation = static_cast<Operation>(op);
        f.larger = std::max(a, b);
        f.smaller = std::min(a, b);
        if (!record.facts[op][f.larger][f.smaller].Learned()) continue;
        text += (text.empty() ? "" : ", ") + FactText(f, true);
    }
    return text.empty() ? "-" : text;
}

} // namespace

void WriteFactGrid(const LearningRecord& record, std::ostream& out)
{
    const int cell = 26;
    const int margin = 44;
    const int size = margin + cell * ValueCount;
    const int legendTop = size + 16;
    const int height = legendTop + 70;
    // A learned pair wears a black corner edged in white: a shape, seen on every colour.
    const auto learnedMark = [&](int x, int y) {
        out << "<path d=\"M" << x << " " << y << "h10L" << x << " " << y + 10
            << "z\" fill=\"#000\" stroke=\"#fff\" stroke-width=\"1\"/>";
    };
    // A screen reader reads the table after the picture, which it leaves out.
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size + 10 << "\" height=\"" << height
        << "\" viewBox=\"0 0 " << size + 10 << " " << height << "\" aria-hidden=\"true\">\n";
    out << "<text x=\"" << margin + cell * ValueCount / 2 << "\" y=\"12\" class=\"axis\">"
        << PageText(IDS_REPORT_GRID_ONE_CARD) << "</text>\n";
    out << "<text x=\"12\" y=\"" << margin + cell * ValueCount / 2 << "\" class=\"axis\" transform=\"rotate(-90 12 "
        << margin + cell * ValueCount / 2 << ")\">" << PageText(IDS_REPORT_GRID_OTHER_CARD) << "</text>\n";
    for (int v = 0; v < ValueCount; ++v) {
        out << "<text x=\"" << margin + v * cell + cell / 2 << "\" y=\"" << margin - 8 << "\" class=\"label\">" << v
            << "</text>";
        out << "<text x=\"" << margin - 10 << "\" y=\"" << margin + v * cell + cell / 2 + 4 << "\" class=\"label\">"
            << v << "</text>\n";
    }
    for (int row = 0; row < ValueCount; ++row)
        for (int col = 0; col < ValueCount; ++col) {
            const WinnerTally& t = record.Pair(col, row);
            const int x = margin + col * cell;
            const int y = margin + row * cell;
            const double share = t.seen ? static_cast<double>(t.spotted) / static_cast<double>(t.seen) : 1.0;
            const bool learned = record.PairLearned(col, row);
            out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << cell - 1 << "\" height=\"" << cell - 1
                << "\" " << (t.seen ? "fill=\"" + ShareColour(share) + "\"" : std::string("class=\"none\""))
                << "><title>"
                << (t.seen ? Fill(PageText(IDS_REPORT_GRID_PAIR_SPOTTED), col, row, t.spotted, t.seen)
                           : Fill(PageText(IDS_REPORT_GRID_PAIR_NONE), col, row))
                << (learned ? " (" + PageText(IDS_REPORT_COL_LEARNED) + ": " + LearnedFacts(record, col, row) + ")" : "")
                << "</title></rect>";
            if (t.seen)
                out << "<text x=\"" << x + cell / 2 << "\" y=\"" << y + cell / 2 + 4 << "\" class=\"count\" fill=\""
                    << NumberColourOn(ShareColour(share)) << "\">" << t.seen << "</text>";
            out << "\n";
            if (learned) {
                learnedMark(x + 1, y + 1);
                out << "\n";
            }
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
        << "<text x=\"" << margin + 348 << "\" y=\"" << legendTop + 28 << "\" class=\"label\">"
        << PageText(IDS_REPORT_GRID_NO_WINNERS) << "</text>\n";
    out << "<rect x=\"" << margin << "\" y=\"" << legendTop + 40 << "\" width=\"56\" height=\"14\" fill=\""
        << ShareColour(1) << "\"/>\n";
    learnedMark(margin + 1, legendTop + 41);
    out << "<text x=\"" << margin + 64 << "\" y=\"" << legendTop + 52 << "\" class=\"label\" style=\"text-anchor:start\">"
        << PageText(IDS_REPORT_GRID_LEARNED) << "</text>\n";
    out << "</svg>\n";

    // The same numbers for a screen reader: one row per pair that had winners, each pair once
    // (the grid shows it both ways round).
    out << "<table class=\"sr\">\n<caption>" << PageText(IDS_REPORT_FACT_GRID) << "</caption>\n<thead><tr>";
    for (uint32_t id : { IDS_REPORT_GRID_ONE_CARD, IDS_REPORT_GRID_OTHER_CARD, IDS_REPORT_COL_WINNERS_SEEN,
                         IDS_REPORT_COL_SPOTTED, IDS_REPORT_COL_SHARE_SPOTTED, IDS_REPORT_COL_LEARNED })
        out << "<th scope=\"col\">" << PageText(id) << "</th>";
    out << "</tr></thead>\n";
    bool any = false;
    for (int row = 0; row < ValueCount; ++row)
        for (int col = row; col < ValueCount; ++col) {
            const WinnerTally& t = record.Pair(col, row);
            if (!t.seen) continue;
            any = true;
            out << "<tr><td>" << col << "</td><td>" << row << "</td><td>" << t.seen << "</td><td>" << t.spotted
                << "</td><td>" << Percent(t.spotted, t.seen) << "</td><td>" << LearnedFacts(record, col, row)
                << "</td></tr>\n";
        }
    if (!any) out << "<tr><td colspan=\"6\">" << PageText(IDS_REPORT_GRID_NO_WINNERS) << "</td></tr>\n";
    out << "</table>\n";
}

std::string ReportPathFor(const std::string& logPath)
{
    const size_t slash = logPath.find_last_of("\\/:");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = logPath.find_last_of('.');
    const size_t stemEnd = dot != std::string::npos && dot > nameStart ? dot : logPath.size();
    return logPath.substr(0, stemEnd) + "-report.html";
}

std::string FactText(const FactTally& fact, bool html)
{
    static const char* const signs[] = { "+", "&minus;", "&times;", "&divide;" };
    const Operation op =
        fact.operation >= Addition && fact.operation < ArithmeticOperations ? fact.operation : Addition;
    return ::FactText(Fact{ fact.larger, fact.smaller, op, fact.Result() }, html ? signs : PlainSigns);
}

std::string Percent(uint64_t part, uint64_t whole)
{
    if (whole == 0) return "-";
    return std::to_string(static_cast<unsigned long long>((part * 100 + whole / 2) / whole)) + "%";
}
void WritePageStart(const std::string& title, std::ostream& out)
{
    out << "<!DOCTYPE html>\n<html lang=\"" << HtmlEscape(ProgramTextUtf8(IDS_REPORT_PAGE_LANGUAGE))
        << "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << HtmlEscape(title)
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
           "svg .count{font-size:10px;text-anchor:middle}"
           "svg rect.none{fill:#fff;stroke:#8c8c8c}\n"
           "svg.chart text{font-size:11px;fill:#333}svg.chart .title{font-size:12px;fill:#14386b}"
           "svg.chart line.grid{stroke:#8c8c8c;stroke-dasharray:1 3}svg.chart line.axis{stroke:#555555}\n"
           "svg .spotted{stroke:#14386b;fill:#14386b;stroke-width:1.5}svg .guessed{stroke:#b8500f;fill:#fff;"
           "stroke-width:1.5}svg.chart polyline{fill:none}svg polyline.guessed,svg line.guessed{stroke-dasharray:5 3}"
           "svg .average{stroke-width:5;stroke-dasharray:none}svg .average.spotted{stroke:#5b7fb8}"
           "svg .average.guessed{stroke:#c46a2b}\n"
           ".sr{position:absolute;width:1px;height:1px;margin:-1px;padding:0;border:0;overflow:hidden;"
           "clip:rect(0 0 0 0);clip-path:inset(50%);white-space:nowrap}\n"
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
    out << "<p class=\"note\">"
        << Fill(PageText(IDS_REPORT_READ_NOTE), "<code>" + HtmlEscape(logPath) + "</code>", record.lines,
                record.foreignLines + record.strayLines, record.foreignLines, record.strayLines)
        << "</p>\n";
}

void WriteMissedTable(const LearningRecord& record, size_t count, std::ostream& out)
{
    const std::deque<FactTally> missed = MostMissed(record, count);
    if (missed.empty()) {
        out << "<p>" << PageText(IDS_REPORT_NONE_MISSED) << "</p>\n";
        return;
    }
    out << "<table>\n<thead><tr><th class=\"name\">" << PageText(IDS_REPORT_COL_FACT) << "</th><th>"
        << PageText(IDS_REPORT_COL_MISSED) << "</th><th>" << PageText(IDS_REPORT_COL_SEEN) << "</th></tr></thead>\n";
    for (const FactTally& f : missed)
        out << "<tr><td class=\"name\">" << FactText(f, true) << "</td><td>" << f.tally.missed << "</td><td>"
            << f.tally.seen << "</td></tr>\n";
    out << "</table>\n<p class=\"note\">" << PageText(IDS_REPORT_LARGER_CARD_NOTE) << "</p>\n";
}

void WriteComeBackTable(const LearningRecord& record, std::ostream& out)
{
    const Tally& p = record.practice;
    const Tally& t = record.total;
    out << "<table>\n<thead><tr><th class=\"name\"></th><th scope=\"col\">" << PageText(IDS_REPORT_COL_PRACTICE_GAMES)
        << "</th><th scope=\"col\">" << PageText(IDS_REPORT_COL_SHUFFLED_GAMES) << "</th></tr></thead>\n";
    const struct {
        uint32_t name;
        uint64_t practice, all;
    } rows[] = { { IDS_REPORT_COL_GAMES, record.practiceGames, record.games },
                 { IDS_REPORT_TILE_CAME_BACK, p.cameBack, t.cameBack },
                 { IDS_REPORT_TILE_THEN_RIGHT, p.thenRight, t.thenRight } };
    for (const auto& r : rows)
        out << "<tr><th scope=\"row\" class=\"name\">" << PageText(r.name) << "</th><td>" << r.practice << "</td><td>"
            << r.all - r.practice << "</td></tr>\n";
    out << "</table>\n";
}

void WriteLogSection(const LearningRecord& record, const std::string& logPath, bool inClass, std::ostream& out)
{
    const char* h = inClass ? "h3" : "h2";
    const Tally& t = record.total;
    const auto heading = [&](uint32_t id) { out << "<" << h << ">" << PageText(id) << "</" << h << ">\n"; };
    heading(IDS_REPORT_IN_TOTAL);
    out << "<div class=\"tiles\">\n";
    const struct {
        uint32_t name;
        std::string value;
    } tiles[] = {
        { static_cast<uint32_t>(record.games == 1 ? IDS_REPORT_TILE_GAME : IDS_REPORT_TILE_GAMES),
          Number(record.games) },
        { IDS_REPORT_TILE_CARDS_DEALT, Number(t.dealt) },
        { IDS_REPORT_TILE_WINNERS, Number(t.winners) },
        { IDS_REPORT_TILE_CORRECT, Number(t.correct) },
        { IDS_REPORT_TILE_MISSED, Number(t.missed) },
        { IDS_REPORT_TILE_WRONG, Number(t.wrong) },
        { IDS_REPORT_TILE_SPOTTED, Percent(t.correct, t.winners) },
        { IDS_REPORT_TILE_OTHERS, Percent(t.wrong, t.dealt - t.winners) },
    };
    for (const auto& tile : tiles)
        out << "<div class=\"tile\"><b>" << tile.value << "</b>" << PageText(tile.name) << "</div>\n";
    out << "</div>\n";
    if (!inClass) out << "<p class=\"note\">" << PageText(IDS_REPORT_WINNER_NOTE) << "</p>\n";
    if (record.games == 0) out << "<p><b>" << PageText(IDS_REPORT_NO_GAMES) << "</b></p>\n";
    heading(IDS_REPORT_COME_BACK);
    WriteComeBackTable(record, out);

    heading(IDS_REPORT_GAME_TO_GAME);
    WriteProgressChart(record, out);
    if (record.games > 0) out << "<p class=\"note\">" << PageText(IDS_REPORT_GAME_TO_GAME_NOTE) << "</p>\n";

    out << "<div class=\"cols\">\n<div>\n";
    heading(IDS_REPORT_BY_OPERATION);
    out << "<table>\n<thead><tr><th class=\"name\">" << PageText(IDS_REPORT_COL_OPERATION) << "</th>";
    for (uint32_t id :
         { IDS_REPORT_COL_WINNERS_SEEN, IDS_REPORT_COL_SPOTTED, IDS_REPORT_COL_MISSED, IDS_REPORT_COL_SHARE_SPOTTED })
        out << "<th>" << PageText(id) << "</th>";
    out << "</tr></thead>\n";
    for (int op = Addition; op < OperationCount; ++op) {
        const WinnerTally& w = record.byOperation[op];
        out << "<tr><td class=\"name\">" << OperationName(op, true) << "</td><td>" << w.seen << "</td><td>" << w.spotted
            << "</td><td>" << w.missed << "</td><td>" << Percent(w.spotted, w.seen) << "</td></tr>\n";
    }
    out << "</table>\n<p class=\"note\">" << PageText(IDS_REPORT_BY_OPERATION_NOTE) << "</p>\n";
    heading(IDS_REPORT_MISSED_MOST);
    WriteMissedTable(record, 5, out);
    out << "</div>\n<div class=\"keep\">\n";
    heading(IDS_REPORT_FACT_GRID);
    WriteFactGrid(record, out);
    out << "<p class=\"note\">" << PageText(IDS_REPORT_FACT_GRID_NOTE) << "</p>\n</div>\n</div>\n";

    heading(IDS_REPORT_GAME_BY_GAME);
    if (record.games > record.recentGames.size())
        out << "<p class=\"note\">" << Fill(PageText(IDS_REPORT_LAST_GAMES), record.recentGames.size(), record.games)
            << "</p>\n";
    out << "<table>\n<thead><tr>";
    for (uint32_t id : { IDS_REPORT_COL_GAME, IDS_REPORT_COL_LOG_LINE, IDS_REPORT_COL_CARDS_DEALT,
                         IDS_REPORT_COL_WINNERS, IDS_REPORT_COL_CORRECT, IDS_REPORT_COL_MISSED, IDS_REPORT_COL_WRONG,
                         IDS_REPORT_COL_SPOTTED, IDS_REPORT_COL_REFILLS })
        out << "<th>" << PageText(id) << "</th>";
    out << "<th class=\"name\">" << PageText(IDS_REPORT_COL_END) << "</th></tr></thead>\n";
    for (const GameSummary& g : record.recentGames) {
        out << "<tr><td>" << g.number << "</td><td>" << g.firstLine << "</td>";
        TallyCells(g.tally, out);
        out << "<td>" << g.tally.refills << "</td><td class=\"name\">"
            << PageText(g.over ? IDS_REPORT_GAME_OVER : IDS_REPORT_BREAKS_OFF) << "</td></tr>\n";
    }
    out << "<tr><th>" << PageText(IDS_REPORT_ROW_ALL) << "</th><th></th>";
    out << "<th>" << t.dealt << "</th><th>" << t.winners << "</th><th>" << t.correct << "</th><th>" << t.missed
        << "</th><th>" << t.wrong << "</th><th>" << Percent(t.correct, t.winners) << "</th><th>" << t.refills
        << "</th><th></th></tr>\n</table>\n";
    out << "<p class=\"note\">"
        << Fill(PageText(IDS_REPORT_CARDS_DEALT_NOTE), record.afterGameOver, record.unjudgedCards) << "</p>\n";
    if (inClass) WriteReadNote(record, logPath, out);
}

void WriteHtmlReport(const LearningRecord& record, const std::string& logPath, std::ostream& out)
{
    WritePageStart(ProgramTextUtf8(IDS_REPORT_TITLE), out);
    out << "<h1>" << PageText(IDS_REPORT_TITLE) << "</h1>\n";
    WriteReadNote(record, logPath, out);
    WriteLogSection(record, logPath, false, out);
    WritePageEnd(out);
}

void WriteChildReport(const LearningRecord& record, const std::string& logPath, const std::string& name,
                      std::ostream& out)
{
    WritePageStart(ProgramTextUtf8(IDS_REPORT_TITLE), out);
    out << "<h1>" << PageText(IDS_REPORT_TITLE) << "</h1>\n<h2>" << HtmlName(name) << "</h2>\n";
    WriteReadNote(record, logPath, out);
    WriteLogSection(record, logPath, false, out);
    WritePageEnd(out);
}

void WriteMissedLine(const LearningRecord& record, std::ostream& out)
{
    const std::deque<FactTally> missed = MostMissed(record, 5);
    std::string facts = missed.empty() ? PlainText(IDS_REPORT_SUM_MISSED_NONE) : std::string();
    for (size_t i = 0; i < missed.size(); ++i)
        facts += (i ? ", " : "") +
            Fill(PlainText(IDS_REPORT_SUM_MISSED_FACT), FactText(missed[i], false), missed[i].tally.missed);
    out << Fill(PlainText(IDS_REPORT_SUM_MISSED), facts) << "\n";
}

void WriteTextSummary(const LearningRecord& record, const std::string& logPath, std::ostream& out)
{
    const Tally& t = record.total;
    out << Fill(PlainText(IDS_REPORT_SUM_FROM), logPath) << "\n";
    out << Fill(PlainText(IDS_REPORT_SUM_LINES), record.lines, record.foreignLines + record.strayLines,
                record.foreignLines, record.strayLines)
        << "\n";
    out << Fill(PlainText(IDS_REPORT_SUM_GAMES), record.games, record.gamesOver) << "\n";
    out << Fill(PlainText(IDS_REPORT_SUM_CARDS), t.dealt, t.winners, t.correct, t.missed, t.wrong,
                Percent(t.correct, t.winners))
        << "\n";
    std::string operations;
    for (int op = Addition; op < OperationCount; ++op)
        operations += (op ? ", " : "") + OperationName(op, false) + " " + Number(record.byOperation[op].spotted) + "/" +
            Number(record.byOperation[op].seen);
    out << Fill(PlainText(IDS_REPORT_SUM_BY_OPERATION), operations) << "\n";
    WriteMissedLine(record, out);
}

} // namespace report

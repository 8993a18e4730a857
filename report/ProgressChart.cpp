#include "ProgressChart.h"
#include "PageText.h"
#include "ReportWriter.h"
#include <algorithm>
#include <cstdio>

namespace report {
namespace {

const int Width = 640, Height = 270;
const int Left = 58, Right = 16, Top = 34, Bottom = 50;
const int PlotWidth = Width - Left - Right, PlotHeight = Height - Top - Bottom;

// About how wide the legend's 11-pixel sans-serif draws a text: letters, not UTF-8 bytes.
int LegendWidth(const std::string& text)
{
    int letters = 0;
    for (unsigned char c : text) letters += (c & 0xC0) != 0x80;
    return letters * 31 / 5;
}

// Pixel positions with one decimal, so a hundred games still spread evenly.
std::string Coord(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

double XOf(size_t index, size_t count)
{
    if (count < 2) return Left + PlotWidth / 2.0;
    return Left + PlotWidth * static_cast<double>(index) / static_cast<double>(count - 1);
}

double YOf(double share) { return Top + PlotHeight * (1.0 - share); }

// Lines through the known values; a gap where a game had none, and a lone value stays a marker only.
void Lines(const std::vector<ProgressPoint>& points, ProgressShare ProgressPoint::*series, bool average,
           const char* cls, std::ostream& out)
{
    std::string run;
    size_t inRun = 0;
    const auto flush = [&]() {
        if (inRun >= 2) out << "<polyline class=\"" << cls << "\" points=\"" << run << "\"/>\n";
        run.clear();
        inRun = 0;
    };
    for (size_t i = 0; i < points.size(); ++i) {
        const ProgressShare& s = points[i].*series;
        const bool known = average ? s.averageKnown : s.known;
        if (!known) {
            flush();
            continue;
        }
        if (inRun) run += ' ';
        run += Coord(XOf(i, points.size())) + "," + Coord(YOf(average ? s.average : s.share));
        ++inRun;
    }
    flush();
}

int Percent100(double share) { return static_cast<int>(share * 100 + 0.5); }

} // namespace

std::vector<ProgressPoint> ProgressOf(const LearningRecord& record)
{
    std::vector<ProgressPoint> points;
    const std::deque<GameSummary>& games = record.recentGames;
    for (size_t i = 0; i < games.size(); ++i) {
        ProgressPoint p;
        p.game = games[i].number;
        const Tally& t = games[i].tally;
        const uint64_t others = t.dealt - t.winners;
        if (t.winners) p.spotted = { true, static_cast<double>(t.correct) / static_cast<double>(t.winners) };
        if (others) p.guessed = { true, static_cast<double>(t.wrong) / static_cast<double>(others) };
        // Pooled, so a game of two winners does not weigh as much as one of twenty.
        Tally window;
        for (size_t j = i + 1 > AverageGames ? i + 1 - AverageGames : 0; j <= i; ++j) window.Add(games[j].tally);
        if (window.winners) {
            p.spotted.averageKnown = true;
            p.spotted.average = static_cast<double>(window.correct) / static_cast<double>(window.winners);
        }
        if (window.dealt > window.winners) {
            p.guessed.averageKnown = true;
            p.guessed.average = static_cast<double>(window.wrong) / static_cast<double>(window.dealt - window.winners);
        }
        points.push_back(p);
    }
    return points;
}

void WriteProgressChart(const LearningRecord& record, std::ostream& out)
{
    const std::vector<ProgressPoint> points = ProgressOf(record);
    if (points.empty()) {
        out << "<p>" << PageText(IDS_REPORT_CHART_NONE) << "</p>\n";
        return;
    }
    // Legend across the top: markers and line styles, so it reads in black and white too. An
    // entry starts 150 pixels after the one before, or further when that one's words run longer;
    // a last entry that would run past the chart goes on a row of its own, below the others,
    // which move up into room the chart grows by.
    const std::string& spotted = PageText(IDS_REPORT_CHART_SPOTTED);
    const std::string& others = PageText(IDS_REPORT_CHART_OTHERS);
    const std::string average = Fill(PageText(IDS_REPORT_CHART_AVERAGE), AverageGames);
    const int second = std::max(Left + 150, Left + 30 + LegendWidth(spotted) + 12);
    int third = std::max(second + 180, second + 30 + LegendWidth(others) + 12);
    const bool ownRow = third + 30 + LegendWidth(average) > Width;
    if (ownRow) third = Left;
    const int up = ownRow ? 16 : 0;
    // A screen reader reads the table after the picture, which it leaves out.
    out << "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Width << "\" height=\""
        << Height + up << "\" viewBox=\"0 " << -up << " " << Width << " " << Height + up
        << "\" aria-hidden=\"true\">\n";
    out << "<g class=\"legend\"><line x1=\"" << Left << "\" y1=\"" << 12 - up << "\" x2=\"" << Left + 24 << "\" y2=\""
        << 12 - up << "\" class=\"spotted\"/><circle cx=\"" << Left + 12 << "\" cy=\"" << 12 - up
        << "\" r=\"3.5\" class=\"spotted\"/>"
        << "<text x=\"" << Left + 30 << "\" y=\"" << 16 - up << "\">" << spotted << "</text>"
        << "<line x1=\"" << second << "\" y1=\"" << 12 - up << "\" x2=\"" << second + 24 << "\" y2=\"" << 12 - up
        << "\" class=\"guessed\"/><rect x=\"" << second + 9 << "\" y=\"" << 9 - up
        << "\" width=\"6\" height=\"6\" class=\"guessed\"/>"
        << "<text x=\"" << second + 30 << "\" y=\"" << 16 - up << "\">" << others << "</text>"
        << "<line x1=\"" << third << "\" y1=\"12\" x2=\"" << third + 24
        << "\" y2=\"12\" class=\"average spotted\"/><text x=\"" << third + 30 << "\" y=\"16\">" << average
        << "</text></g>\n";
    // Axes, grid lines and their labels.
    for (int pct = 0; pct <= 100; pct += 25) {
        const std::string y = Coord(YOf(pct / 100.0));
        out << "<line class=\"grid\" x1=\"" << Left << "\" y1=\"" << y << "\" x2=\"" << Left + PlotWidth << "\" y2=\""
            << y << "\"/><text class=\"tick\" x=\"" << Left - 6 << "\" y=\"" << Coord(YOf(pct / 100.0) + 4)
            << "\" text-anchor=\"end\">" << pct << "%</text>\n";
    }
    out << "<line class=\"axis\" x1=\"" << Left << "\" y1=\"" << Top << "\" x2=\"" << Left << "\" y2=\""
        << Top + PlotHeight << "\"/><line class=\"axis\" x1=\"" << Left << "\" y1=\"" << Top + PlotHeight << "\" x2=\""
        << Left + PlotWidth << "\" y2=\"" << Top + PlotHeight << "\"/>\n";
    size_t step = 1;
    for (size_t s : { 1, 2, 5, 10, 20 }) {
        step = s;
        if (points.size() / s <= 12) break;
    }
    for (size_t i = 0; i < points.size(); ++i) {
        // Every step-th game, and the last one when there is room for its label.
        if (i % step != 0 && !(i + 1 == points.size() && i % step >= (step + 1) / 2)) continue;
        out << "<text class=\"tick\" x=\"" << Coord(XOf(i, points.size())) << "\" y=\"" << Top + PlotHeight + 16
            << "\" text-anchor=\"middle\">" << points[i].game << "</text>";
    }
    out << "\n<text class=\"title\" x=\"" << Left + PlotWidth / 2 << "\" y=\"" << Height - 8
        << "\" text-anchor=\"middle\">" << PageText(IDS_REPORT_CHART_GAME)
        << "</text><text class=\"title\" x=\"14\" y=\"" << Top + PlotHeight / 2
        << "\" text-anchor=\"middle\" transform=\"rotate(-90 14 " << Top + PlotHeight / 2 << ")\">"
        << PageText(IDS_REPORT_CHART_SHARE) << "</text>\n";

    Lines(points, &ProgressPoint::spotted, true, "average spotted", out);
    Lines(points, &ProgressPoint::guessed, true, "average guessed", out);
    Lines(points, &ProgressPoint::spotted, false, "spotted", out);
    Lines(points, &ProgressPoint::guessed, false, "guessed", out);
    for (size_t i = 0; i < points.size(); ++i) {
        const ProgressPoint& p = points[i];
        const Tally& t = record.recentGames[i].tally;
        const std::string x = Coord(XOf(i, points.size()));
        if (p.spotted.known)
            out << "<circle class=\"spotted\" cx=\"" << x << "\" cy=\"" << Coord(YOf(p.spotted.share))
                << "\" r=\"3.5\"><title>"
                << Fill(PageText(IDS_REPORT_CHART_GAME_SPOTTED), p.game, t.correct, t.winners,
                        std::to_string(Percent100(p.spotted.share)) + "%")
                << "</title></circle>";
        if (p.guessed.known)
            out << "<rect class=\"guessed\" x=\"" << Coord(XOf(i, points.size()) - 3) << "\" y=\""
                << Coord(YOf(p.guessed.share) - 3) << "\" width=\"6\" height=\"6\"><title>"
                << Fill(PageText(IDS_REPORT_CHART_GAME_OTHERS), p.game, t.wrong, t.dealt - t.winners,
                        std::to_string(Percent100(p.guessed.share)) + "%")
                << "</title></rect>";
        out << "\n";
    }
    out << "</svg>\n";

    // The same numbers for a screen reader, a row a game; "-" where a game had no such cards.
    const auto cell = [](bool known, double share) {
        return "<td>" + (known ? std::to_string(Percent100(share)) + "%" : std::string("-")) + "</td>";
    };
    out << "<table class=\"sr\">\n<caption>" << PageText(IDS_REPORT_CHART_LABEL)
        << "</caption>\n<thead><tr><th scope=\"col\">" << PageText(IDS_REPORT_CHART_GAME) << "</th><th scope=\"col\">"
        << spotted << "</th><th scope=\"col\">" << spotted << ", " << average << "</th><th scope=\"col\">" << others
        << "</th><th scope=\"col\">" << others << ", " << average << "</th></tr></thead>\n";
    for (const ProgressPoint& p : points)
        out << "<tr><th scope=\"row\">" << p.game << "</th>" << cell(p.spotted.known, p.spotted.share)
            << cell(p.spotted.averageKnown, p.spotted.average) << cell(p.guessed.known, p.guessed.share)
            << cell(p.guessed.averageKnown, p.guessed.average) << "</tr>\n";
    out << "</table>\n";
}

} // namespace report

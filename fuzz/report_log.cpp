// The learning report over a log from another computer: the reader, the game rebuilder and the
// page. The first byte picks the size of the pieces the log is fed in; the rest is the log.
// The counts must agree with each other and with the log read in one piece, and the page must
// always be complete.
#include "FuzzCheck.h"
#include "ProgressChart.h"
#include "ReportWriter.h"
#include "GameRebuilder.h"
#include "TraceLogReader.h"
#include <new>
#include <string>

using namespace report;

namespace {

// The checking code itself is left out of the coverage the fuzzer steers by, and out of the
// address checks: it reads every byte of the page, and would cost most of the time.
#define NOT_STEERING __attribute__((no_sanitize("coverage", "address")))

// Kept from run to run: a fresh record or page buffer on every input would be most of the time spent.
LearningRecord records[2];

class PageSink : public std::streambuf {
public:
    PageSink() { text.reserve(1 << 20); }
    std::string text;

protected:
    NOT_STEERING int_type overflow(int_type c) override
    {
        if (c != traits_type::eof()) text.push_back(static_cast<char>(c));
        return c;
    }
    NOT_STEERING std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        text.append(s, static_cast<size_t>(n));
        return n;
    }
};

LearningRecord* Read(int slot, const char* text, size_t size, size_t piece)
{
    LearningRecord* record = &records[slot];
    record->~LearningRecord();
    new (record) LearningRecord();
    GameRebuilder rebuilder(*record);
    TraceLogReader reader(rebuilder);
    for (size_t at = 0; at < size; at += piece) reader.Feed(text + at, size - at < piece ? size - at : piece);
    reader.End();
    rebuilder.Finish();
    return record;
}

void CheckTally(const Tally& t)
{
    FUZZ_CHECK(t.correct + t.missed <= t.winners);
    FUZZ_CHECK(t.winners <= t.dealt);
    FUZZ_CHECK(t.wrong <= t.dealt - t.winners);
}

NOT_STEERING inline bool At(const std::string& text, size_t at, const char* part)
{
    size_t i = 0;
    for (; part[i]; ++i)
        if (at + i >= text.size() || text[at + i] != part[i]) return false;
    return true;
}

// Whole, balanced, and nothing of the log taken in as markup.
NOT_STEERING void CheckPage(const std::string& page)
{
    FUZZ_CHECK(At(page, 0, "<!DOCTYPE html>"));
    FUZZ_CHECK(page.size() >= 8 && At(page, page.size() - 8, "</html>\n"));
    long svg = 0, table = 0, row = 0, doctype = 0, script = 0;
    const size_t n = page.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = page[i];
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 || c == '\n');
        if (c != '<' || i + 1 == n) continue;
        switch (page[i + 1]) {
        case 's':
            svg += At(page, i, "<svg");
            script += At(page, i, "<script");
            break;
        case 't':
            table += At(page, i, "<table");
            row += At(page, i, "<tr>");
            break;
        case '/':
            svg -= At(page, i, "</svg>");
            table -= At(page, i, "</table>");
            row -= At(page, i, "</tr>");
            break;
        case '!': doctype += At(page, i, "<!DOCTYPE"); break;
        default: break;
        }
        FUZZ_CHECK(svg >= 0 && svg <= 1 && table >= 0 && table <= 1 && row >= 0 && row <= 1);
    }
    FUZZ_CHECK(svg == 0 && table == 0 && row == 0 && doctype == 1 && script == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const size_t piece = data[0] % 64 + 1;
    const char* text = reinterpret_cast<const char*>(data + 1);
    const size_t length = size - 1;

    const LearningRecord* r = Read(0, text, length, piece);
    const LearningRecord* whole = Read(1, text, length, length ? length : 1);

    // Every line is counted once, whatever the pieces.
    size_t lines = 0;
    for (size_t i = 0; i < length; ++i) lines += text[i] == '\n';
    if (length && text[length - 1] != '\n') ++lines;
    FUZZ_CHECK(r->lines == lines);
    FUZZ_CHECK(whole->lines == lines);
    FUZZ_CHECK(r->foreignLines + r->strayLines <= r->lines);
    FUZZ_CHECK(r->games == whole->games && r->strayLines == whole->strayLines);
    FUZZ_CHECK(r->total.dealt == whole->total.dealt && r->total.correct == whole->total.correct &&
               r->total.missed == whole->total.missed && r->total.wrong == whole->total.wrong);

    CheckTally(r->total);
    FUZZ_CHECK(r->total.correct + r->total.missed == r->total.winners); // a winner is always judged
    FUZZ_CHECK(r->gamesOver <= r->games);
    FUZZ_CHECK(r->recentGames.size() == (r->games < KeptGames ? r->games : KeptGames));
    Tally sum;
    for (size_t i = 0; i < r->recentGames.size(); ++i) {
        const GameSummary& g = r->recentGames[i];
        CheckTally(g.tally);
        FUZZ_CHECK(g.number == r->games - r->recentGames.size() + i + 1);
        FUZZ_CHECK(g.flag <= 8 && g.flag >= -2);
        FUZZ_CHECK(g.over == (g.flag < 0));
        sum.Add(g.tally);
    }
    if (r->games <= KeptGames) FUZZ_CHECK(sum.dealt == r->total.dealt && sum.winners == r->total.winners);
    WinnerTally ops;
    for (const WinnerTally& w : r->byOperation) {
        FUZZ_CHECK(w.spotted + w.missed == w.seen);
        ops.seen += w.seen;
        ops.spotted += w.spotted;
    }
    FUZZ_CHECK(ops.seen == r->total.winners && ops.spotted == r->total.correct);
    const Trend trend = TrendOf(*r);
    FUZZ_CHECK(trend.games * 2 <= r->games && trend.games <= TrendGames);
    CheckTally(trend.first);
    CheckTally(trend.last);

    const std::vector<ProgressPoint> points = ProgressOf(*r);
    FUZZ_CHECK(points.size() == r->recentGames.size());
    for (const ProgressPoint& p : points)
        for (const ProgressShare* s : { &p.spotted, &p.guessed })
            FUZZ_CHECK(s->share >= 0 && s->share <= 1 && s->average >= 0 && s->average <= 1);

    // The page.
    static PageSink sink;
    sink.text.clear();
    std::ostream out(&sink);
    WriteHtmlReport(*r, std::string(text, length < 40 ? length : 40), out);
    FUZZ_CHECK(out.good());
    CheckPage(sink.text);
    return 0;
}

// Every input allocates the reader's line buffer twice: filling each new block, and taking fresh
// pages while freed ones wait in a large quarantine, was most of the time of a run. Use after
// free is still caught within the last 16 MB freed.
extern "C" const char* __asan_default_options() { return "max_malloc_fill_size=0:quarantine_size_mb=16"; }

#include "LearningRecord.h"
#include <algorithm>
#include <vector>

namespace report {

void Tally::Add(const Tally& other)
{
    dealt += other.dealt;
    winners += other.winners;
    correct += other.correct;
    missed += other.missed;
    wrong += other.wrong;
    refills += other.refills;
    cameBack += other.cameBack;
    thenRight += other.thenRight;
}

void LearningRecord::AddCounts(const LearningRecord& other)
{
    lines += other.lines;
    foreignLines += other.foreignLines;
    strayLines += other.strayLines;
    games += other.games;
    gamesOver += other.gamesOver;
    unjudgedCards += other.unjudgedCards;
    afterGameOver += other.afterGameOver;
    refillsOutside += other.refillsOutside;
    total.Add(other.total);
    practiceGames += other.practiceGames;
    practice.Add(other.practice);
    const auto add = [](WinnerTally& to, const WinnerTally& from) {
        to.seen += from.seen;
        to.spotted += from.spotted;
        to.missed += from.missed;
    };
    for (int op = 0; op < OperationCount; ++op) add(byOperation[op], other.byOperation[op]);
    for (int a = 0; a < ValueCount; ++a)
        for (int b = 0; b < ValueCount; ++b) {
            add(pairs[a][b], other.pairs[a][b]);
            for (int op = 0; op < ArithmeticOperations; ++op) add(facts[op][a][b], other.facts[op][a][b]);
        }
}

bool LearningRecord::PairLearned(int a, int b) const
{
    for (int op = 0; op < ArithmeticOperations; ++op)
        if ((a >= b ? facts[op][a][b] : facts[op][b][a]).Learned()) return true;
    return false;
}

Trend TrendOf(const LearningRecord& record)
{
    Trend trend;
    const uint64_t half = record.games / 2;
    trend.games = static_cast<size_t>(half < TrendGames ? half : TrendGames);
    // recentGames always holds at least TrendGames games once there are that many.
    for (size_t i = 0; i < trend.games; ++i) {
        trend.first.Add(record.firstGames[i]);
        trend.last.Add(record.recentGames[record.recentGames.size() - trend.games + i].tally);
    }
    return trend;
}

int FactTally::Result() const { return OperationResult(operation, larger, smaller); }

std::deque<FactTally> MostMissed(const LearningRecord& record, size_t count)
{
    std::vector<FactTally> missed;
    for (int op = Addition; op < ArithmeticOperations; ++op)
        for (int a = 0; a < ValueCount; ++a)
            for (int b = 0; b <= a; ++b) {
                const WinnerTally& t = record.facts[op][a][b];
                if (t.missed == 0) continue;
                FactTally f;
                f.operation = static_cast<Operation>(op);
                f.larger = a;
                f.smaller = b;
                f.tally = t;
                missed.push_back(f);
            }
    // Built in operation and value order, so a stable sort leaves ties in that order.
    std::stable_sort(missed.begin(), missed.end(), [](const FactTally& x, const FactTally& y) {
        if (x.tally.missed != y.tally.missed) return x.tally.missed > y.tally.missed;
        return x.tally.seen < y.tally.seen; // the larger share missed first
    });
    if (missed.size() > count) missed.resize(count);
    return std::deque<FactTally>(missed.begin(), missed.end());
}

} // namespace report

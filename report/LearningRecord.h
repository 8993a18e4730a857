// What the games of a trace log add up to: per game, in total, by operation and by fact.
#pragma once
#include "Cards.h"
#include "TraceEvent.h"
#include <cstdint>
#include <deque>

namespace report {

struct Tally {
    uint64_t dealt = 0; // cards dealt and judged
    uint64_t winners = 0; // of them, winners
    uint64_t correct = 0; // winners answered
    uint64_t missed = 0; // winners let go by
    uint64_t wrong = 0; // answers on cards that were no winner
    uint64_t refills = 0;
    // Missed winners and wrong answers whose two values showed again with a winner within the
    // next six cards, and of those the ones then answered.
    uint64_t cameBack = 0;
    uint64_t thenRight = 0;

    void Add(const Tally& other);
    // Share of winners spotted, 0 to 1; 0 when there were none.
    double Spotted() const { return winners ? static_cast<double>(correct) / static_cast<double>(winners) : 0.0; }
};

struct GameSummary {
    uint64_t number = 0; // 1 for the first game of the log
    bool practice = false; // the log marks it as played with practice on
    uint64_t firstLine = 0; // line of the log where its first regular deal is
    Tally tally;
    bool over = false; // ended with the flag below the staff; false when the log breaks off
    int flag = 2; // flag position at its end
};

struct WinnerTally {
    uint64_t seen = 0;
    uint64_t spotted = 0;
    uint64_t missed = 0;
    // Spotted in a row since the last miss: a fact missed, then right twice in a row, is learned.
    // One child's own; a class's tallies leave it at 0.
    uint64_t spottedSinceMiss = 0;
    bool Learned() const { return missed > 0 && spottedSinceMiss >= 2; }
};

const int ValueCount = HighestValue + 1;
// The games kept one by one; older ones count in the totals only.
const size_t KeptGames = 100;
// How many games at each end of a log are compared to show progress.
const size_t TrendGames = 5;

struct LearningRecord {
    uint64_t lines = 0; // every line read
    uint64_t foreignLines = 0; // lines the game does not write
    uint64_t strayLines = 0; // game lines that fit no game (out of order or contradicting)
    uint64_t games = 0;
    uint64_t gamesOver = 0;
    uint64_t unjudgedCards = 0; // last card of a game that breaks off
    uint64_t afterGameOver = 0; // the one card dealt after "Game over!", never judged
    uint64_t refillsOutside = 0; // refills with no game running
    Tally total;
    // The games played with practice on, and what they add up to; the rest were shuffled.
    uint64_t practiceGames = 0;
    Tally practice;
    std::deque<GameSummary> recentGames; // the last KeptGames games, oldest first
    Tally firstGames[TrendGames]; // the first games, kept for the trend once they are gone
    WinnerTally byOperation[OperationCount];
    // Winners with two numbers showing, by the pair of values: [larger][smaller].
    WinnerTally pairs[ValueCount][ValueCount];
    // Arithmetic facts, by operation and the two showing values: [op][larger][smaller].
    WinnerTally facts[ArithmeticOperations][ValueCount][ValueCount];

    const WinnerTally& Pair(int a, int b) const { return a >= b ? pairs[a][b] : pairs[b][a]; }
    // A fact of the pair, by any operation, is learned.
    bool PairLearned(int a, int b) const;
    // Adds the counts of another log, for a class: totals, operations, pairs and facts, not its games.
    void AddCounts(const LearningRecord& other);
};

// The spotted share of a log's first games against its last: as many games at each end as fit
// without overlapping, up to TrendGames; none with fewer than two games.
struct Trend {
    size_t games = 0; // at each end
    Tally first, last;
};
Trend TrendOf(const LearningRecord& record);

// A fact of the log with its winners, larger value first; written as the rule book writes a fact.
struct FactTally {
    Operation operation = Addition;
    int larger = 0, smaller = 0;
    WinnerTally tally;
    int Result() const;
};

// The facts missed most often, most misses first; on a tie the larger share missed, then operation and value order.
std::deque<FactTally> MostMissed(const LearningRecord& record, size_t count);

} // namespace report

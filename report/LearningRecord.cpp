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
}

int Fact::Result() const
{
    switch (operation) {
    case Addition: return larger + smaller;
    case Subtraction: return larger - smaller;
    case Multiplication: return larger * smaller;
    case Division: return smaller ? larger / smaller : 0;
    default: return 0;
    }
}

std::deque<Fact> MostMissed(const LearningRecord& record, size_t count)
{
    std::vector<Fact> missed;
    for (int op = Addition; op < WildCard; ++op)
        for (int a = 0; a < ValueCount; ++a)
            for (int b = 0; b <= a; ++b) {
                const WinnerTally& t = record.facts[op][a][b];
                if (t.missed == 0) continue;
                Fact f;
                f.operation = static_cast<Operation>(op);
                f.larger = a;
                f.smaller = b;
                f.tally = t;
                missed.push_back(f);
            }
    // Built in operation and value order, so a stable sort leaves ties in that order.
    std::stable_sort(missed.begin(), missed.end(), [](const Fact& x, const Fact& y) {
        if (x.tally.missed != y.tally.missed) return x.tally.missed > y.tally.missed;
        return x.tally.seen < y.tally.seen; // the larger share missed first
    });
    if (missed.size() > count) missed.resize(count);
    return std::deque<Fact>(missed.begin(), missed.end());
}

} // namespace report

// The progress chart of one log: per game the share of winners spotted and of other cards
// answered, with the average of the last few games, as an inline SVG.
#pragma once
#include "LearningRecord.h"
#include <ostream>
#include <vector>

namespace report {

// Games the average runs over, counting back from each game.
const size_t AverageGames = 5;

struct ProgressShare {
    bool known = false; // false when the game had no such cards
    double share = 0;
    bool averageKnown = false;
    double average = 0; // pooled over the game and up to AverageGames - 1 before it
};

struct ProgressPoint {
    uint64_t game = 0;
    ProgressShare spotted; // winners answered, of the winners
    ProgressShare guessed; // other cards answered, of the cards that were no winner
};

// One point per game kept in the record, oldest first.
std::vector<ProgressPoint> ProgressOf(const LearningRecord& record);

void WriteProgressChart(const LearningRecord& record, std::ostream& out);

} // namespace report

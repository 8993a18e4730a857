#include "Outcomes.h"
#include <algorithm>

const int FlagSteps[OutcomeCount] = { 1, -1, -2 };

int FlagAfter(int flag, Outcome outcome)
{
    return outcome >= Correct && outcome < OutcomeCount ? std::min(TopFlag, flag + FlagSteps[outcome]) : flag;
}

int CorrectVotes(int highestCard, int copies, long long secondsPlayed, int operations)
{
    return highestCard / 2 + copies / 2 + 2 * static_cast<int>(secondsPlayed / 60) + operations;
}

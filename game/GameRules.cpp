#include "GameRules.h"
#include "Settings.h"

DealtCard PlaceOnStack(const std::vector<DealtCard>& stack, int code, bool regular, int (*random)())
{
    DealtCard card{ code, 0, 0 };
    if (regular) {
        card.dx = random() % 11 - 5;
        card.dy = random() % 11 - 5;
    }
    if (!stack.empty() && stack.back().code == code) {
        card.dx = stack.back().dx < 0 ? 10 : -10;
        card.dy = stack.back().dy < 0 ? 10 : -10;
    }
    return card;
}

bool OperationMatches(int operation, int x, int y, int z)
{
    switch (operation) {
    case OpAdd: return x + y == z;
    case OpSubtract: return x - y == z || y - x == z;
    case OpMultiply: return x * y == z;
    case OpDivide:
        // The larger value is the dividend; a zero is never divided by.
        return (y != 0 && x >= y && x / y == z && x % y == 0) || (x != 0 && y >= x && y / x == z && y % x == 0);
    default: return false;
    }
}

uint32_t FirstInterval(int pace)
{
    switch (pace) {
    case PaceSlow: return 4000;
    case PaceVerySlow: return 8000;
    case PaceSlowest: return 20000;
    default: return 2000;
    }
}

bool StepPace(DealPace& pace, long long secondsSinceStep)
{
    if (secondsSinceStep <= pace.period) return false;
    // Each stage shortens by less and comes sooner, down to the fastest the timers allow.
    static const struct {
        uint32_t above;
        uint32_t step;
        int32_t period;
    } stages[] = { { 1000, 200, 60 }, { 500, 100, 45 }, { 100, 10, 30 }, { 10, 5, 15 }, { 0, 1, 10 } };
    for (const auto& stage : stages) {
        if (pace.interval > stage.above) {
            pace.interval -= stage.step;
            pace.period = stage.period;
            break;
        }
    }
    return true;
}

int CorrectVotes(int highestCard, int copies, long long secondsPlayed, int operations)
{
    return highestCard / 2 + copies / 2 + 2 * static_cast<int>(secondsPlayed / 60) + operations;
}

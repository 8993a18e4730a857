#include "Pace.h"
#include "SettingRanges.h"

uint32_t FirstInterval(int pace)
{
    for (const PaceChoice& choice : PaceChoices)
        if (choice.pace == pace) return choice.interval;
    return PaceChoices[0].interval;
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

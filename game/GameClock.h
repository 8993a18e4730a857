// The clock the game reads; tests may point it at a clock of their own.
#pragma once
#include <ctime>

extern time_t (*GameClock)(time_t*);

// A pause of a game: the time away counts for nothing, so the game's start and its pace's last
// step move on by it when the game goes on.
class GamePause {
public:
    void Begin(time_t now) { m_at = now; }
    void End(time_t now, time_t& start, time_t& lastStep) const
    {
        const time_t away = now - m_at;
        if (away <= 0 || start == 0) return;
        start += away;
        lastStep += away;
    }

private:
    time_t m_at = 0;
};

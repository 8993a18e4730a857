// What an outcome does: the flag's start, top and steps, the end of a game, the votes won.
#pragma once

// The judgement of a card: a winner answered, a winner let go, an answer on no winner.
enum Outcome { Correct, Missed, Wrong, OutcomeCount };

// The flag starts two places up a staff of eight and the game is over once it falls below it.
const int StartFlag = 2;
const int TopFlag = 8;

// The flag's step for each outcome: up one, down one, down two.
extern const int FlagSteps[OutcomeCount];

// The flag after an outcome, never above the top.
int FlagAfter(int flag, Outcome outcome);
inline bool GameOver(int flag) { return flag < 0; }

// The votes a correct answer wins after that many seconds of play: half the highest card's code,
// half the copies, two a whole minute, and the operation mask itself.
int CorrectVotes(int highestCard, int copies, long long secondsPlayed, int operations);

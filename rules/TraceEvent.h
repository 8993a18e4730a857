// One line of the game's trace log, read back into what it says about the game.
#pragma once
#include "MatchRule.h"
#include "Outcomes.h"
#include <cstddef>
#include <string>

enum class TraceKind {
    Foreign, // not a line the game writes
    Judge, // the three cards about to be judged: left, right and the new card, as codes
    Values, // their values and the operation mask
    Tried, // one operation tried
    NoMatch, // no operation matched
    Verdict, // the deal's answer: winner or not
    Answer, // the player clicked or pressed the space bar
    Judgement, // the outcome of the card last dealt
    StackCard, // one card of a stack, listed when the deck is refilled
    Player, // a game starts, played by the child named
    Practice, // the game that starts has practice on
};

struct TraceEvent {
    TraceKind kind = TraceKind::Foreign;
    int left = -1, right = -1, card = -1; // Judge: card codes; Values: values
    unsigned long ops = 0; // Values
    Operation operation = NoOperation; // Tried
    bool winner = false; // Verdict
    Outcome outcome = Correct; // Judgement
    int side = 0, position = 0, code = -1; // StackCard: 0 left, 1 right; 1-based; card code
    std::string player; // Player: the name as written, never empty
};

// Reads one line (without its line end) of the form "file [line] => message".
// Returns false and leaves a Foreign event for anything the game does not write.
bool ParseTraceLine(const char* text, size_t length, TraceEvent& event);

// One line of the game's trace log, read back into what it says about the game.
#pragma once
#include <cstddef>
#include <string>

namespace report {

// The operations a winner can be found by, in the order the game tries them.
enum Operation { NoOperation = -1, Addition = 0, Subtraction, Multiplication, Division, WildCard, OperationCount };
enum Outcome { Correct, Missed, Wrong };

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

// Takes the lines of a log one by one, and then its end.
class TraceLineSink {
public:
    virtual ~TraceLineSink() = default;
    // One line of the log, without its line end.
    virtual void Line(const char* text, size_t length) = 0;
    virtual void Finish() = 0;
};

// Card code 0 is the wild card, code c from 1 to 17 the value c - 1.
const int CardCodes = 18;
const int HighestValue = 16;

// Reads one line (without its line end) of the form "file [line] => message".
// Returns false and leaves a Foreign event for anything the game does not write.
bool ParseTraceLine(const char* text, size_t length, TraceEvent& event);

} // namespace report

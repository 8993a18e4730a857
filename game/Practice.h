// Practice: a fact the child missed comes back soon, dealt as any card is and judged the same.
#pragma once
#include "Deck.h"
#include "MatchRule.h"
#include "Outcomes.h"
#include "Settings.h"
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// A card judged in a game: the two codes that showed, the code dealt and its outcome.
struct JudgedCard {
    int left, right, card;
    Outcome outcome;
};

// The fact a missed or wrong card teaches: a winner let go is its own fact, a wrong answer gets
// the card the first chosen operation makes of the two showing, where the deck's kinds hold it.
// False for a wild card's win, a correct answer, or no such card.
bool FactOf(const JudgedCard& judged, int operations, int kinds, Fact& fact);

// "7 + 8 = 15" with the signs Setup shows for the operations, in the player's language.
std::string WrittenFact(const Fact& fact);

// Chooses the cards of a game with practice on: a missed fact's two cards are dealt so that they
// show, then its card, within a few cards of the miss. Off, every card is drawn as always.
class Practice {
public:
    // A missed fact's card comes within this many cards dealt; a fact comes back at most this
    // often in one game; the facts of this many earlier games come in a game's first minute.
    enum { ComesBackWithin = 6, TimesInAGame = 2, EarlierGames = 3 };
    // The end of the log that is read for them.
    static const uint64_t LogTail = 1u << 20;

    // A new game: the settings it is played with, the deal's first interval in milliseconds,
    // and the cards missed in earlier games, each to come back once within the first minute.
    void Start(bool on, int operations, int kinds, uint32_t interval, const std::vector<JudgedCard>& earlier);
    // The same from the settings, the earlier games read from the end of the log when it is on.
    void Start(const Settings& settings, uint32_t interval, const char* log);

    // The next card onto the stack side, with left and right showing: a fact's card taken out of
    // the deck where it still holds one, else one drawn from it (the same draw as without
    // practice). -1 when the deck is empty and no fact is due.
    int Deal(Deck& deck, int side, int left, int right);
    // The card last dealt was judged. A miss or a wrong answer sends its fact back and gives it
    // written out, to show; nullptr when there is none. The text lasts until the next judgement.
    const char* Judged(Outcome outcome);

private:
    struct Return {
        Fact fact;
        int due; // the deal its card should come by
    };
    void SendBack(const Fact& fact, int due);
    bool Plan(int side, int left, int right);

    bool m_on = false;
    int m_operations = 0, m_kinds = 0;
    int m_deals = 0;
    JudgedCard m_last = { NoCard, NoCard, NoCard, Correct };
    std::deque<Return> m_waiting;
    // The cards still to deal for the fact under way, its own card last.
    std::deque<int> m_plan;
    Fact m_asking;
    // How often each fact came back in this game.
    std::vector<std::pair<Fact, int>> m_times;
    Fact m_shown;
    // The balloon keeps pointing at the text it showed: it lives as long as the practice.
    char m_written[48] = "";
};

// The cards missed or answered wrong in the last games of a log, oldest first; nothing for a log
// that cannot be read or holds no game. Reads at most the last lastBytes of it.
std::vector<JudgedCard> MissedInLastGames(const std::string& path, int games, uint64_t lastBytes);

// Rebuilds the games from the trace lines alone, one line at a time.
#pragma once
#include "LearningRecord.h"
#include <vector>
#include "TraceLogReader.h"

namespace report {

// Each game's flag follows the rule book's outcomes from its start to the game over. The log has no line for
// the start of a game: a deal that does not continue the stacks of the last one begins a
// new game, and so does the first deal after a game over that is not the one card the game
// deals after its "Game over!" box.
// A player line (the class preset lists the players) begins a game for certain.
class GameRebuilder : public TraceLineSink {
public:
    explicit GameRebuilder(LearningRecord& record) : m_record(record) {}

    // One line of the log, without its line end.
    void Line(const char* text, size_t length) override;
    // The log has ended: a game still running is kept as broken off.
    void Finish();
    // The next line is the one after this line of the log; for a record fed part of a log.
    void AtLine(uint64_t line) { m_line = line; }

private:
    struct Deal {
        int left = -1, right = -1, card = -1;
        bool winner = false;
        Operation operation = NoOperation;
        uint64_t line = 0;
    };

    void Event(const TraceEvent& e);
    void OnDeal(const Deal& deal);
    void OnJudgement(Outcome outcome);
    void OnStackCard(const TraceEvent& e);
    void StartGame(const Deal& first);
    void Land(const Deal& deal);
    bool Continues(const Deal& deal) const { return deal.left == m_top[0] && deal.right == m_top[1]; }
    void Judge(bool judged, Outcome outcome);
    // Counts a card whose values a miss of the game showed, and keeps the card's own miss.
    void ComeBack(bool judged, Outcome outcome);
    static const uint64_t SixCards = 6;
    void EndGame(bool over);
    void SettleProvisional(bool gameDeal);

    LearningRecord& m_record;
    uint64_t m_line = 0;

    // The judgement being traced, from its cards to its verdict.
    bool m_judging = false;
    bool m_valuesSeen = false;
    uint64_t m_pendingLines = 0;
    Deal m_pending;

    // The game being followed.
    bool m_inGame = false;
    GameSummary m_game;
    bool m_cardOpen = false; // a dealt card waits for its judgement
    Deal m_open;
    int m_top[2] = { -1, -1 };
    int m_nextSide = 0;
    bool m_inRefill = false;
    int m_lastStackSide = 0;
    // The values of the game's misses still waiting to come back: larger, smaller, card count.
    struct Miss {
        int larger, smaller;
        uint64_t dealt;
    };
    std::vector<Miss> m_misses;

    // A practice line was read: the game that starts next has practice on.
    bool m_practiceNext = false;
    // After a game over: the next deal is either the game's last card or a new game's first.
    bool m_afterOver = false;
    bool m_provisional = false;
    Deal m_provisionalDeal;
};

} // namespace report

#include "GameRebuilder.h"
#include "Cards.h"
#include <algorithm>

namespace report {
void GameRebuilder::Line(const char* text, size_t length)
{
    ++m_line;
    ++m_record.lines;
    TraceEvent e;
    if (!ParseTraceLine(text, length, e)) {
        ++m_record.foreignLines;
        return;
    }
    Event(e);
}

void GameRebuilder::Event(const TraceEvent& e)
{
    if (e.kind != TraceKind::StackCard) m_inRefill = false;
    const bool partOfJudgement = e.kind == TraceKind::Values || e.kind == TraceKind::Tried ||
        e.kind == TraceKind::NoMatch || e.kind == TraceKind::Verdict;
    // Nothing comes between a judgement's first line and its verdict; one cut short fits no deal.
    if (m_judging && !partOfJudgement) {
        m_record.strayLines += m_pendingLines;
        m_judging = false;
    }

    switch (e.kind) {
    case TraceKind::Judge: {
        if (m_judging) m_record.strayLines += m_pendingLines;
        m_judging = true;
        m_valuesSeen = false;
        m_pendingLines = 1;
        m_pending = Deal();
        m_pending.left = e.left;
        m_pending.right = e.right;
        m_pending.card = e.card;
        m_pending.line = m_line;
        // A wild card anywhere wins at once: the game traces nothing more before the verdict.
        if (e.left == WildCard || e.right == WildCard || e.card == WildCard) m_pending.operation = ByWildCard;
        break;
    }
    case TraceKind::Values:
    case TraceKind::Tried:
    case TraceKind::NoMatch: {
        bool fits = m_judging && m_pending.operation != ByWildCard;
        if (e.kind == TraceKind::Values)
            fits = fits && !m_valuesSeen && e.left == CardValue(m_pending.left) &&
                e.right == CardValue(m_pending.right) && e.card == CardValue(m_pending.card);
        else
            fits = fits && m_valuesSeen;
        if (!fits) {
            ++m_record.strayLines;
            break;
        }
        ++m_pendingLines;
        if (e.kind == TraceKind::Values) m_valuesSeen = true;
        if (e.kind == TraceKind::Tried) m_pending.operation = e.operation;
        if (e.kind == TraceKind::NoMatch) m_pending.operation = NoOperation;
        break;
    }
    case TraceKind::Verdict: {
        if (!m_judging) {
            ++m_record.strayLines;
            break;
        }
        m_judging = false;
        Deal deal = m_pending;
        deal.winner = e.winner;
        bool sound;
        if (deal.operation == ByWildCard)
            sound = deal.winner;
        else if (deal.winner)
            sound = m_valuesSeen &&
                OperationMatches(deal.operation, CardValue(deal.left), CardValue(deal.right), CardValue(deal.card));
        else
            sound = m_valuesSeen;
        if (!sound) {
            m_record.strayLines += m_pendingLines + 1;
            break;
        }
        OnDeal(deal);
        break;
    }
    case TraceKind::Answer:
        // Whether an answer counted shows in the judgement line that follows it.
        break;
    case TraceKind::Judgement: OnJudgement(e.outcome); break;
    case TraceKind::StackCard: OnStackCard(e); break;
    case TraceKind::Player:
    case TraceKind::Practice:
        // Start was pressed: a game left running was broken off, a card after "Game over!" was its last.
        Finish();
        m_practiceNext = e.kind == TraceKind::Practice;
        break;
    case TraceKind::Foreign: break;
    }
}

void GameRebuilder::OnDeal(const Deal& deal)
{
    if (m_provisional) {
        // A new game's first card, left unanswered, is followed by a deal that continues from it.
        const bool gameDeal =
            !m_provisionalDeal.winner && deal.left == m_provisionalDeal.card && deal.right == m_provisionalDeal.right;
        SettleProvisional(gameDeal);
    }
    if (m_inGame) {
        if (m_cardOpen) {
            // Only a card that is no winner, left unanswered, is judged without a line.
            if (!m_open.winner && Continues(deal)) {
                Judge(false, Correct);
            } else {
                ++m_record.unjudgedCards;
                EndGame(false);
            }
        } else if (!Continues(deal)) {
            EndGame(false);
        }
    }
    if (m_inGame) {
        Land(deal);
        m_open = deal;
        m_cardOpen = true;
        return;
    }
    if (m_afterOver) {
        m_afterOver = false;
        if (Continues(deal)) {
            m_provisional = true;
            m_provisionalDeal = deal;
            return;
        }
    }
    StartGame(deal);
}

void GameRebuilder::OnJudgement(Outcome outcome)
{
    if (m_provisional) {
        // Only a game's own card is judged: the deal was a new game's first.
        const bool fits = outcome == Wrong ? !m_provisionalDeal.winner : m_provisionalDeal.winner;
        if (!fits) {
            ++m_record.strayLines;
            return;
        }
        SettleProvisional(true);
    }
    if (!m_inGame || !m_cardOpen) {
        ++m_record.strayLines;
        return;
    }
    const bool fits = outcome == Wrong ? !m_open.winner : m_open.winner;
    if (!fits) {
        ++m_record.strayLines;
        return;
    }
    Judge(true, outcome);
}

void GameRebuilder::OnStackCard(const TraceEvent& e)
{
    // One refill lists the left stack, then the right, each from position 1.
    const bool newRefill = !m_inRefill || (e.position == 1 && e.side <= m_lastStackSide);
    m_inRefill = true;
    m_lastStackSide = e.side;
    if (!newRefill) return;
    // A refill follows an evaluation that did not end the game.
    if (m_provisional) {
        if (m_provisionalDeal.winner) {
            ++m_record.strayLines;
            return;
        }
        SettleProvisional(true);
    }
    if (!m_inGame) {
        ++m_record.refillsOutside;
        return;
    }
    if (m_cardOpen) {
        if (m_open.winner) {
            ++m_record.strayLines; // a winner is always judged by a line before the refill
            return;
        }
        Judge(false, Correct);
    }
    ++m_game.tally.refills;
}

void GameRebuilder::StartGame(const Deal& first)
{
    m_inGame = true;
    m_afterOver = false;
    m_game = GameSummary();
    m_game.number = ++m_record.games;
    m_game.practice = m_practiceNext;
    m_practiceNext = false;
    m_game.firstLine = first.line;
    m_game.flag = StartFlag;
    m_misses.clear();
    // The two opening cards lie left and right; the first regular deal goes left.
    m_top[0] = first.left;
    m_top[1] = first.right;
    m_nextSide = 0;
    Land(first);
    m_open = first;
    m_cardOpen = true;
}

void GameRebuilder::Land(const Deal& deal)
{
    m_top[m_nextSide] = deal.card;
    m_nextSide ^= 1;
}

void GameRebuilder::Judge(bool judged, Outcome outcome)
{
    m_cardOpen = false;
    Tally& t = m_game.tally;
    ++t.dealt;
    ComeBack(judged, outcome);
    if (m_open.winner) {
        // A winner always has its line: judged is true here.
        const bool spotted = outcome == Correct;
        ++t.winners;
        const int a = CardValue(std::max(m_open.left, m_open.right));
        const int b = CardValue(std::min(m_open.left, m_open.right));
        WinnerTally* tallies[3] = { &m_record.byOperation[m_open.operation], nullptr, nullptr };
        if (m_open.operation != ByWildCard) {
            tallies[1] = &m_record.pairs[a][b];
            tallies[2] = &m_record.facts[m_open.operation][a][b];
        }
        for (WinnerTally* w : tallies) {
            if (!w) continue;
            ++w->seen;
            ++(spotted ? w->spotted : w->missed);
            w->spottedSinceMiss = spotted ? w->spottedSinceMiss + 1 : 0;
        }
        ++(spotted ? t.correct : t.missed);
        m_game.flag = FlagAfter(m_game.flag, spotted ? Correct : Missed);
    } else if (judged && outcome == Wrong) {
        ++t.wrong;
        m_game.flag = FlagAfter(m_game.flag, Wrong);
    }
    if (GameOver(m_game.flag)) {
        EndGame(true);
        m_afterOver = true;
    }
}

void GameRebuilder::ComeBack(bool judged, Outcome outcome)
{
    const uint64_t dealt = m_game.tally.dealt;
    const bool wild = m_open.left == WildCard || m_open.right == WildCard;
    const int larger = CardValue(std::max(m_open.left, m_open.right));
    const int smaller = CardValue(std::min(m_open.left, m_open.right));
    // A miss is back when its two values show again with a winner within six cards.
    const auto gone = [&](const Miss& m) { return dealt - m.dealt > SixCards; };
    m_misses.erase(std::remove_if(m_misses.begin(), m_misses.end(), gone), m_misses.end());
    if (m_open.winner && !wild) {
        const auto back = std::find_if(m_misses.begin(), m_misses.end(),
                                       [&](const Miss& m) { return m.larger == larger && m.smaller == smaller; });
        if (back != m_misses.end()) {
            ++m_game.tally.cameBack;
            if (judged && outcome == Correct) ++m_game.tally.thenRight;
            m_misses.erase(back);
        }
    }
    const bool missed = m_open.winner ? m_open.operation != ByWildCard && !(judged && outcome == Correct)
                                      : judged && outcome == Wrong && !wild;
    if (missed) m_misses.push_back({ larger, smaller, dealt });
}

void GameRebuilder::EndGame(bool over)
{
    m_game.over = over;
    if (over) ++m_record.gamesOver;
    m_record.total.Add(m_game.tally);
    if (m_game.practice) {
        ++m_record.practiceGames;
        m_record.practice.Add(m_game.tally);
    }
    if (m_game.number <= TrendGames) m_record.firstGames[m_game.number - 1] = m_game.tally;
    m_record.recentGames.push_back(m_game);
    if (m_record.recentGames.size() > KeptGames) m_record.recentGames.pop_front();
    m_inGame = false;
    m_cardOpen = false;
}

void GameRebuilder::SettleProvisional(bool gameDeal)
{
    m_provisional = false;
    if (gameDeal)
        StartGame(m_provisionalDeal);
    else
        ++m_record.afterGameOver;
}

void GameRebuilder::Finish()
{
    if (m_judging) {
        m_record.strayLines += m_pendingLines;
        m_judging = false;
    }
    if (m_provisional) SettleProvisional(false);
    if (m_inGame) {
        if (m_cardOpen) ++m_record.unjudgedCards;
        EndGame(false);
    }
    m_afterOver = false;
}

} // namespace report

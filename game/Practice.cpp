#include "Practice.h"
#include "Cards.h"
#include "ProgramText.h"
#include "TraceEvent.h"
#include "TraceLogReader.h"
#include <algorithm>
#include <cstdio>

bool FactOf(const JudgedCard& judged, int operations, int kinds, Fact& fact)
{
    const int left = judged.left, right = judged.right;
    if (judged.outcome == Correct || left <= WildCard || right <= WildCard || left >= kinds || right >= kinds)
        return false;
    fact.left = CardValue(left);
    fact.right = CardValue(right);
    if (judged.outcome == Missed && ValidCard(judged.card) && judged.card < kinds) {
        const Operation won = WinningOperation(operations, left, right, judged.card);
        if (won == ByWildCard) return false;
        if (won != NoOperation) {
            fact.operation = won;
            fact.card = CardValue(judged.card);
            return true;
        }
    }
    // A wrong answer, or a winner of other settings: the card the chosen operations make, if any.
    for (int op = Addition; op < ArithmeticOperations; ++op) {
        const Operation operation = static_cast<Operation>(op);
        const int made = OperationResult(operation, fact.left, fact.right);
        if ((operations & OperationBit(operation)) && made >= 0 && CardCode(made) < kinds) {
            fact.operation = operation;
            fact.card = made;
            return true;
        }
    }
    return false;
}

std::string WrittenFact(const Fact& fact)
{
    // Setup names each operation with its sign in brackets: "Addition (+)".
    static const unsigned names[ArithmeticOperations] = { IDS_SETUP_ADDITION, IDS_SETUP_SUBTRACTION,
                                                          IDS_SETUP_MULTIPLICATION, IDS_SETUP_DIVISION };
    std::string signs[ArithmeticOperations];
    const char* shown[ArithmeticOperations];
    for (int op = 0; op < ArithmeticOperations; ++op) {
        const std::string name = ProgramText(names[op]);
        const size_t open = name.rfind('('), close = name.rfind(')');
        signs[op] = open != std::string::npos && close > open + 1 ? name.substr(open + 1, close - open - 1)
                                                                  : std::string(PlainSigns[op]);
        shown[op] = signs[op].c_str();
    }
    return FactText(fact, shown);
}

void Practice::Start(bool on, int operations, int kinds, uint32_t interval, const std::vector<JudgedCard>& earlier)
{
    m_on = on;
    m_operations = operations;
    m_kinds = kinds;
    m_deals = 0;
    m_last = { NoCard, NoCard, NoCard, Correct };
    m_waiting.clear();
    m_plan.clear();
    m_times.clear();
    if (!on) return;
    // Deal n comes at most n intervals after the start, and a fact takes at most three deals:
    // as many as fit in the first minute, the latest missed first.
    const int firstMinute = 60000 / static_cast<int>(std::max<uint32_t>(interval, 1));
    Fact fact;
    for (auto judged = earlier.rbegin(); judged != earlier.rend(); ++judged) {
        if (static_cast<int>(m_waiting.size() + 1) * 3 > firstMinute) break;
        if (FactOf(*judged, operations, kinds, fact)) SendBack(fact, firstMinute);
    }
}

void Practice::Start(const Settings& settings, uint32_t interval, const char* log)
{
    const bool on = settings.practice != 0;
    Start(on, settings.operations, settings.highestCard + 1, interval,
          on ? MissedInLastGames(log, EarlierGames, LogTail) : std::vector<JudgedCard>());
}

void Practice::SendBack(const Fact& fact, int due)
{
    if (m_plan.size() > 0 && m_asking == fact) return;
    for (const Return& waiting : m_waiting)
        if (waiting.fact == fact) return;
    auto times = std::find_if(m_times.begin(), m_times.end(), [&](const std::pair<Fact, int>& t) { return t.first == fact; });
    if (times == m_times.end()) times = m_times.insert(m_times.end(), { fact, 0 });
    if (times->second >= TimesInAGame) return;
    ++times->second;
    m_waiting.push_back({ fact, due });
}

bool Practice::Plan(int side, int left, int right)
{
    if (m_waiting.empty()) return false;
    // The one due soonest; of those due together, the first sent back.
    auto next = std::min_element(m_waiting.begin(), m_waiting.end(),
                                 [](const Return& a, const Return& b) { return a.due < b.due; });
    m_asking = next->fact;
    m_waiting.erase(next);
    // Its two cards showing, either way round, with as few deals as the stacks allow.
    const int shows[2] = { left, right };
    const int a = CardCode(m_asking.left), b = CardCode(m_asking.right);
    const int ways[2][2] = { { a, b }, { b, a } };
    m_plan.clear();
    for (const auto& way : ways) {
        std::deque<int> plan;
        if (shows[0] != way[0] || shows[1] != way[1]) {
            plan.push_back(way[side & 1]);
            if (shows[1 - (side & 1)] != way[1 - (side & 1)]) plan.push_back(way[1 - (side & 1)]);
        }
        if (m_plan.empty() || plan.size() + 1 < m_plan.size()) {
            plan.push_back(CardCode(m_asking.card));
            m_plan = plan;
        }
    }
    return true;
}

int Practice::Deal(Deck& deck, int side, int left, int right)
{
    ++m_deals;
    int code;
    if (m_on && (!m_plan.empty() || Plan(side, left, right))) {
        code = m_plan.front();
        m_plan.pop_front();
        // Counts and the refill stay true; a card the deck has no more of is dealt all the same.
        deck.Take(code);
    } else {
        code = deck.Draw();
    }
    m_last = { left, right, code, Correct };
    return code;
}

const char* Practice::Judged(Outcome outcome)
{
    if (!m_on || outcome == Correct) return nullptr;
    m_last.outcome = outcome;
    if (!FactOf(m_last, m_operations, m_kinds, m_shown)) return nullptr;
    SendBack(m_shown, m_deals + ComesBackWithin);
    std::snprintf(m_written, sizeof m_written, "%s", WrittenFact(m_shown).c_str());
    return m_written;
}

namespace {

// Follows the games of a log by their deals and judgements. The log has no line for a game's
// start: a deal that does not go on from the cards the last one left begins a new game, and so
// does any deal after a game over but the one card dealt after its box.
class MissedCards : public TraceLineSink {
public:
    explicit MissedCards(int games) : m_keep(games) {}

    void Line(const char* text, size_t length) override
    {
        TraceEvent e;
        if (!ParseTraceLine(text, length, e)) return;
        if (e.kind == TraceKind::Judge) Deal({ e.left, e.right, e.card, Correct });
        if (e.kind == TraceKind::Judgement) Judgement(e.outcome);
    }

    std::vector<JudgedCard> Cards() const
    {
        std::vector<JudgedCard> cards;
        for (const std::vector<JudgedCard>& game : m_games) cards.insert(cards.end(), game.begin(), game.end());
        return cards;
    }

private:
    void Deal(const JudgedCard& deal)
    {
        const bool goesOn = m_last.card != NoCard && ((deal.left == m_last.card && deal.right == m_last.right) ||
                                                      (deal.left == m_last.left && deal.right == m_last.card));
        const bool lastOfGame = m_over && goesOn;
        if (!lastOfGame && (m_over || m_trailing || !goesOn)) {
            m_games.emplace_back();
            if (static_cast<int>(m_games.size()) > m_keep) m_games.pop_front();
            m_flag = StartFlag;
        }
        m_trailing = lastOfGame;
        m_over = false;
        m_last = deal;
        m_open = !lastOfGame;
    }

    void Judgement(Outcome outcome)
    {
        if (!m_open || m_games.empty()) return;
        m_open = false;
        if (outcome != Correct) m_games.back().push_back({ m_last.left, m_last.right, m_last.card, outcome });
        m_flag = FlagAfter(m_flag, outcome);
        m_over = GameOver(m_flag);
    }

    int m_keep;
    std::deque<std::vector<JudgedCard>> m_games;
    JudgedCard m_last = { NoCard, NoCard, NoCard, Correct };
    bool m_open = false, m_over = false, m_trailing = false;
    int m_flag = StartFlag;
};

} // namespace

std::vector<JudgedCard> MissedInLastGames(const std::string& path, int games, uint64_t lastBytes)
{
    MissedCards sink(games);
    if (ReadTraceFile(path, sink, lastBytes) != LogRead::Read) return {};
    return sink.Cards();
}

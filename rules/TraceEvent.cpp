#include "TraceEvent.h"
#include "Cards.h"
#include "TraceWords.h"
#include <cstring>

namespace {

// A cursor over the message that consumes what it expects, or fails.
class Cursor {
public:
    Cursor(const char* text, size_t length) : m_at(text), m_end(text + length) {}

    bool Literal(const char* literal)
    {
        const size_t n = std::strlen(literal);
        if (static_cast<size_t>(m_end - m_at) < n || std::memcmp(m_at, literal, n) != 0) return false;
        m_at += n;
        return true;
    }
    bool AtEnd() const { return m_at == m_end; }
    std::string Rest() const { return std::string(m_at, m_end); }
    void SkipBlanks()
    {
        while (m_at < m_end && *m_at == ' ') ++m_at;
    }
    // A decimal number of at most six digits, with an optional minus sign.
    bool Number(int& value)
    {
        bool negative = false;
        if (m_at < m_end && *m_at == '-') {
            negative = true;
            ++m_at;
        }
        int digits = 0;
        int v = 0;
        while (m_at < m_end && *m_at >= '0' && *m_at <= '9' && digits < 7) {
            v = v * 10 + (*m_at - '0');
            ++m_at;
            ++digits;
        }
        if (digits == 0 || digits > 6) return false;
        value = negative ? -v : v;
        return true;
    }
    // Upper-case hexadecimal, as the game prints its operation mask.
    bool Hex(unsigned long& value)
    {
        int digits = 0;
        unsigned long v = 0;
        while (m_at < m_end && digits < 9) {
            const char c = *m_at;
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                break;
            v = v * 16 + static_cast<unsigned long>(d);
            ++m_at;
            ++digits;
        }
        if (digits == 0 || digits > 8) return false;
        value = v;
        return true;
    }
    // A card name: "KAZ", or the value as two digits; gives its card code.
    bool CardName(int& code)
    {
        if (Literal(CardNames[WildCard])) {
            code = 0;
            return true;
        }
        if (m_end - m_at < 2 || m_at[0] < '0' || m_at[0] > '9' || m_at[1] < '0' || m_at[1] > '9') return false;
        const int value = (m_at[0] - '0') * 10 + (m_at[1] - '0');
        if (value > HighestValue) return false;
        m_at += 2;
        code = CardCode(value);
        return true;
    }

private:
    const char* m_at;
    const char* m_end;
};

// "%s %s %s (%d, %d, %d)": names and codes must agree.
bool ParseJudge(Cursor c, TraceEvent& e)
{
    int names[3], codes[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !c.Literal(" ")) return false;
        if (!c.CardName(names[i])) return false;
    }
    if (!c.Literal(" (")) return false;
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !c.Literal(", ")) return false;
        if (!c.Number(codes[i]) || codes[i] != names[i]) return false;
    }
    if (!c.Literal(")") || !c.AtEnd()) return false;
    e.kind = TraceKind::Judge;
    e.left = codes[0];
    e.right = codes[1];
    e.card = codes[2];
    return true;
}

// "%d %d %d (%04lX)": three card values and the operation mask.
bool ParseValues(Cursor c, TraceEvent& e)
{
    int v[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !c.Literal(" ")) return false;
        if (!c.Number(v[i]) || v[i] < 0 || v[i] > HighestValue) return false;
    }
    unsigned long ops = 0;
    if (!c.Literal(" (") || !c.Hex(ops) || !c.Literal(")") || !c.AtEnd()) return false;
    e.kind = TraceKind::Values;
    e.left = v[0];
    e.right = v[1];
    e.card = v[2];
    e.ops = ops;
    return true;
}

// Consumes both texts, one after the other, or nothing.
bool Lead(Cursor& c, const char* first, const char* second)
{
    Cursor probe = c;
    if (!probe.Literal(first) || !probe.Literal(second)) return false;
    c = probe;
    return true;
}

bool ParseMessage(const char* text, size_t length, TraceEvent& e)
{
    namespace words = trace_words;
    Cursor c(text, length);
    if (c.Literal(words::IsMatch)) {
        if (c.Literal(words::JudgeLead)) return ParseJudge(c, e) || ParseValues(c, e);
        static const Operation operations[] = { Addition, Subtraction, Multiplication, Division };
        for (int i = 0; i < 4; ++i) {
            Cursor probe = c;
            if (probe.Literal(words::Tried[i]) && probe.AtEnd()) {
                e.kind = TraceKind::Tried;
                e.operation = operations[i];
                return true;
            }
        }
        if (c.Literal(words::NoMatch) && c.AtEnd()) {
            e.kind = TraceKind::NoMatch;
            return true;
        }
        return false;
    }
    if (Lead(c, words::DoGameSetup, words::VerdictLead)) {
        Cursor probe = c;
        if (probe.Literal(words::Yes) && probe.AtEnd())
            e.winner = true;
        else if (c.Literal(words::No) && c.AtEnd())
            e.winner = false;
        else
            return false;
        e.kind = TraceKind::Verdict;
        return true;
    }
    if (c.Literal(words::DoGameMatch)) {
        if (!c.AtEnd()) return false;
        e.kind = TraceKind::Answer;
        return true;
    }
    if (Lead(c, words::DoGameClose, words::OutcomeLead)) {
        static const Outcome outcomes[] = { Correct, Missed, Wrong };
        for (int i = 0; i < 3; ++i) {
            Cursor probe = c;
            if (probe.Literal(words::Outcomes[i]) && probe.AtEnd()) {
                e.kind = TraceKind::Judgement;
                e.outcome = outcomes[i];
                return true;
            }
        }
        return false;
    }
    if (Lead(c, words::DoGameStart, words::PracticeMark) && c.AtEnd()) {
        e.kind = TraceKind::Practice;
        return true;
    }
    if (Lead(c, words::DoGameStart, words::PlayerLead)) {
        if (c.AtEnd()) return false;
        e.kind = TraceKind::Player;
        e.player = c.Rest();
        return true;
    }
    // A card of the left or the right stack.
    int side;
    if (c.Literal(words::StackLeads[0]))
        side = 0;
    else if (c.Literal(words::StackLeads[1]))
        side = 1;
    else
        return false;
    c.SkipBlanks();
    int position = 0, code = -1;
    if (!c.Number(position) || position < 1 || !c.Literal(words::StackPlaceEnd) || !c.CardName(code) || !c.AtEnd())
        return false;
    e.kind = TraceKind::StackCard;
    e.side = side;
    e.position = position;
    e.code = code;
    return true;
}

} // namespace

bool ParseTraceLine(const char* text, size_t length, TraceEvent& event)
{
    event = TraceEvent();
    // The location ends in "[line]"; the message follows the first " => " after it.
    static const char separator[] = "] => ";
    const size_t n = sizeof separator - 1;
    size_t at = 0;
    for (;;) {
        const void* bracket = at < length ? std::memchr(text + at, ']', length - at) : nullptr;
        if (!bracket) return false;
        at = static_cast<size_t>(static_cast<const char*>(bracket) - text);
        if (at + n > length) return false;
        if (std::memcmp(text + at, separator, n) == 0) break;
        ++at;
    }
    size_t open = at;
    while (open > 0 && text[open - 1] >= '0' && text[open - 1] <= '9') --open;
    if (open == at || open < 2 || text[open - 1] != '[' || text[open - 2] != ' ') return false;
    TraceEvent parsed;
    if (!ParseMessage(text + at + n, length - at - n, parsed)) return false;
    if (parsed.kind == TraceKind::Judge &&
        !(ValidCard(parsed.left) && ValidCard(parsed.right) && ValidCard(parsed.card)))
        return false;
    event = parsed;
    return true;
}

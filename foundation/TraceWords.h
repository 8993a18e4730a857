// The words of the game's trace log. The game writes its lines with these formats; the report and
// the test scripts read them back by the fixed parts below, and a test holds the two together.
#pragma once

namespace trace_words {

// The operations that name themselves in their lines.
constexpr const char* IsMatch = "MainFrameWnd::IsMatch";
constexpr const char* DoGameSetup = "MainFrameWnd::DoGameSetup";
constexpr const char* DoGameMatch = "MainFrameWnd::DoGameMatch";
constexpr const char* DoGameClose = "MainFrameWnd::DoGameClose";
constexpr const char* DoGameStart = "MainFrameWnd::DoGameStart";

// The game's formats, each with the operation's name as its first argument.
// The cards about to be judged: names of left, right and the new card, then their codes.
constexpr const char* JudgeFormat = "%s : %s %s %s (%d, %d, %d)";
// Their values and the operation mask.
constexpr const char* ValuesFormat = "%s : %d %d %d (%04lX)";
// One operation tried, in the order addition, subtraction, multiplication, division; the last
// takes the number DivisionMark.
constexpr const char* TriedFormats[4] = { "%s +", "%s -", "%s *", "%s / %lX" };
constexpr unsigned long DivisionMark = 2;
constexpr const char* NoMatchFormat = "%s NO!";
// The deal's verdict: Yes or No.
constexpr const char* VerdictFormat = "%s ismatch? %s";
constexpr const char* Yes = "YES";
constexpr const char* No = "NO";
// The player's answer: the name alone.
constexpr const char* AnswerFormat = "%s";
// The judgement of the card last dealt: one of Outcomes, in the order correct, missed, wrong.
constexpr const char* OutcomeFormat = "%s %s";
constexpr const char* Outcomes[3] = { "CORRECT", "MISSED", "WRONG" };
// A card of the left or right stack, listed from the bottom when the deck is refilled: its
// 1-based place and its name.
constexpr const char* StackFormats[2] = { "Left  [ %2d ] = %s", "Right [ %2d ] = %s" };
// Who plays the game that starts, when the class preset lists the players: the name, the rest of
// the line, one line of text without control characters.
constexpr const char* PlayerFormat = "%s player %s";
// A game with practice on starts, after its player line; a game without practice has no such line.
constexpr const char* PracticeFormat = "%s practice";

// The fixed parts a reader looks for, as the formats above print them.
constexpr const char* JudgeLead = " : ";
constexpr const char* Tried[4] = { " +", " -", " *", " / 2" };
constexpr const char* NoMatch = " NO!";
constexpr const char* VerdictLead = " ismatch? ";
constexpr const char* OutcomeLead = " ";
constexpr const char* StackLeads[2] = { "Left  [ ", "Right [ " };
constexpr const char* StackPlaceEnd = " ] = ";
constexpr const char* PlayerLead = " player ";
constexpr const char* PracticeMark = " practice";

} // namespace trace_words

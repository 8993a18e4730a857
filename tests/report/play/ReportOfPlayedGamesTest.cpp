// Games played on the real window, then the report program run on the log they wrote.
#include "GameWindowFixture.h"
#include "LearningRecord.h"
#include "ReadTraceLog.h"
#include <fstream>
#include <memory>
#include <sstream>

using testing_support::ModalAnswerer;

namespace game_testing {
namespace {

const char playDir[] = "C:\\TMP\\report-play";
const char playLog[] = "C:\\TMP\\report-play\\TRACE.QRV";

struct ProgramRun {
    DWORD code = 0xFFFFFFFF;
    std::string out, err;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string ReportExe()
{
    std::string exe = "Z:" VOTAROO_REPORT_EXE;
    for (char& c : exe)
        if (c == '/') c = '\\';
    return exe;
}

// Runs votaroo-report.exe with the arguments, its output caught in files.
ProgramRun RunReport(const std::string& arguments)
{
    const std::string exe = ReportExe();
    const std::string outPath = std::string(playDir) + "\\out.txt";
    const std::string errPath = std::string(playDir) + "\\err.txt";
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HANDLE out = ::CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE err = ::CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE in =
        ::CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + exe + "\" " + arguments;
    ProgramRun run;
    if (::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        if (::WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(pi.hProcess, &run.code);
        else
            ::TerminateProcess(pi.hProcess, 99);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    } else {
        ADD_FAILURE() << "cannot start " << exe;
    }
    ::CloseHandle(in);
    ::CloseHandle(out);
    ::CloseHandle(err);
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

// Starts votaroo-report.exe on its own, while the game goes on; its output is not needed.
HANDLE StartReport(const std::string& arguments)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + ReportExe() + "\" " + arguments;
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &si, &pi))
        return nullptr;
    ::CloseHandle(pi.hThread);
    return pi.hProcess;
}

struct PlayedGame {
    report::Tally tally;
    bool over = false;
    int flag = 0;
};

class ReportOfPlayedGames : public GameWindowTest {
protected:
    // Lets the card go by or answers it, and counts what the game makes of it.
    void Judge(bool answer)
    {
        const bool winner = wnd->Now().winner;
        const int before = wnd->Now().deck.Remaining();
        if (answer)
            Space();
        else
            Tick();
        report::Tally& t = m_game.tally;
        ++t.dealt;
        if (winner) {
            ++t.winners;
            ++(answer ? t.correct : t.missed);
        } else if (answer) {
            ++t.wrong;
        }
        // After a refill the deck is full again, less the card just dealt.
        if (wnd->Now().running && wnd->Now().deck.Remaining() > before) ++t.refills;
    }
    void StartGame(unsigned seed)
    {
        m_game = PlayedGame();
        Start(seed);
        Tick(); // the first regular deal: nothing to judge yet
    }
    void EndGame()
    {
        m_game.over = !wnd->Now().running;
        m_game.flag = wnd->Now().flag;
        m_played.push_back(m_game);
    }

    PlayedGame m_game;
    std::vector<PlayedGame> m_played;
};

TEST_F(ReportOfPlayedGames, CountsAgreeWithTheGamesPlayed)
{
    TraceReader trace;
    trace.Mark();
    ModalAnswerer closesGameOver(IDOK);
    Settings& settings = wnd->GameSettings();
    settings.operations = OpAdd | OpSubtract | OpMultiply | OpDivide;
    settings.copies = 5;
    settings.highestCard = 9; // values 0 to 8 and the wild card: 50 cards, refilled every 48 deals

    // A long game with a refill: most winners answered, some missed, a few guesses; then lost.
    // Meanwhile a parent runs the report on the live log again and again: it costs no line.
    ::CreateDirectoryA(playDir, nullptr);
    const std::string live = "--out " + std::string(playDir) + "\\live.html C:\\TMP\\TRACE.QRV";
    HANDLE report = nullptr;
    int reports = 0;
    StartGame(11);
    int winners = 0, guesses = 0;
    while (wnd->Now().running && wnd->Now().regularDeals < 110) {
        if (!report || ::WaitForSingleObject(report, 0) == WAIT_OBJECT_0) {
            if (report) ::CloseHandle(report);
            report = StartReport(live);
            ASSERT_TRUE(report);
            ++reports;
        }
        if (wnd->Now().winner)
            Judge(++winners % 4 != 0 || wnd->Now().flag <= 1);
        else
            Judge(wnd->Now().flag >= 6 && ++guesses % 3 == 0);
        ::Sleep(20);
    }
    ::WaitForSingleObject(report, 60000);
    ::CloseHandle(report);
    EXPECT_GE(reports, 2);
    ASSERT_TRUE(wnd->Now().running);
    while (wnd->Now().running) Judge(!wnd->Now().winner);
    EndGame();
    ASSERT_GE(m_played[0].tally.refills, 2u);
    ASSERT_GT(m_played[0].tally.wrong, 0u);

    // A short one lost by answering everything.
    StartGame(12);
    while (wnd->Now().running) Judge(true);
    EndGame();

    // One left running when the log is read: its last card is not judged.
    StartGame(13);
    for (int n = 0; n < 4; ++n) Judge(n % 2 == 0);
    EndGame();
    ASSERT_EQ(closesGameOver.seen().size(), 2u);

    ::CreateDirectoryA(playDir, nullptr);
    {
        std::ofstream log(playLog, std::ios::binary | std::ios::trunc);
        for (const std::string& line : trace.NewLines()) log << line << "\r\n";
    }

    auto record = std::make_unique<report::LearningRecord>();
    std::string error;
    ASSERT_TRUE(report::ReadTraceLog(playLog, *record, error)) << error;
    EXPECT_EQ(record->foreignLines, 0u);
    EXPECT_EQ(record->strayLines, 0u);
    ASSERT_EQ(record->games, m_played.size());
    EXPECT_EQ(record->gamesOver, 2u);
    EXPECT_EQ(record->afterGameOver, 2u);
    EXPECT_EQ(record->unjudgedCards, 1u);
    report::Tally total;
    for (size_t g = 0; g < m_played.size(); ++g) {
        const report::Tally& want = m_played[g].tally;
        const report::GameSummary& got = record->recentGames[g];
        EXPECT_EQ(got.tally.dealt, want.dealt) << "game " << g + 1;
        EXPECT_EQ(got.tally.winners, want.winners) << "game " << g + 1;
        EXPECT_EQ(got.tally.correct, want.correct) << "game " << g + 1;
        EXPECT_EQ(got.tally.missed, want.missed) << "game " << g + 1;
        EXPECT_EQ(got.tally.wrong, want.wrong) << "game " << g + 1;
        EXPECT_EQ(got.tally.refills, want.refills) << "game " << g + 1;
        EXPECT_EQ(got.over, m_played[g].over) << "game " << g + 1;
        EXPECT_EQ(got.flag, m_played[g].flag) << "game " << g + 1;
        total.Add(want);
    }
    uint64_t byOperation = 0, spotted = 0;
    for (const report::WinnerTally& w : record->byOperation) {
        byOperation += w.seen;
        spotted += w.spotted;
    }
    EXPECT_EQ(byOperation, total.winners);
    EXPECT_EQ(spotted, total.correct);

    // The program itself: its summary line, and the page beside the log.
    const std::string page = std::string(playDir) + "\\TRACE-report.html";
    ::DeleteFileA(page.c_str());
    const ProgramRun run = RunReport(playLog);
    EXPECT_EQ(run.code, 0u) << run.err;
    std::ostringstream line;
    line << "Cards dealt: " << total.dealt << ", winners: " << total.winners << ", correct: " << total.correct
         << ", missed: " << total.missed << ", wrong: " << total.wrong << ", spotted: ";
    EXPECT_NE(run.out.find(line.str()), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Games: 3 (2 to game over)"), std::string::npos) << run.out;
    const std::string html = ReadFile(page);
    EXPECT_NE(html.find("<svg"), std::string::npos);
    EXPECT_NE(html.find("</html>"), std::string::npos);
}

TEST(ReportProgram, BadInputGivesAMessageAndAFailingExit)
{
    ::CreateDirectoryA(playDir, nullptr);
    const ProgramRun missing = RunReport("C:\\TMP\\report-play\\no-such-log.qrv");
    EXPECT_EQ(missing.code, 2u);
    EXPECT_NE(missing.err.find("cannot open the trace log \"C:\\TMP\\report-play\\no-such-log.qrv\""),
              std::string::npos)
        << missing.err;
    EXPECT_EQ(::GetFileAttributesA("C:\\TMP\\report-play\\no-such-log-report.html"), INVALID_FILE_ATTRIBUTES);

    const ProgramRun folder = RunReport(playDir);
    EXPECT_EQ(folder.code, 2u) << folder.out;

    const ProgramRun noPage = RunReport("--out");
    EXPECT_EQ(noPage.code, 1u);
    EXPECT_NE(noPage.err.find("usage: votaroo-report"), std::string::npos) << noPage.err;
    // A page named like a log would overwrite it.
    const std::string over = std::string(playDir) + "\\kept.qrv";
    {
        std::ofstream out(over.c_str(), std::ios::binary | std::ios::trunc);
        out << "x [1] => MainFrameWnd::DoGameMatch\r\n";
    }
    EXPECT_EQ(RunReport("--out " + over + " " + over).code, 1u);
    EXPECT_EQ(ReadFile(over), "x [1] => MainFrameWnd::DoGameMatch\r\n");
}

// Started as Explorer starts it, with a console of its own, the program speaks in a box.
TEST(ReportProgram, OnItsOwnConsoleAMissingLogIsToldInABox)
{
    std::string command = "\"" + ReportExe() + "\" C:\\TMP\\report-play\\no-such-log.qrv";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                                 &si, &pi));
    HWND box = nullptr;
    for (int i = 0; i < 300 && !box; ++i) {
        box = ::FindWindowA("#32770", "Votaroo! learning report");
        if (!box) ::Sleep(50);
    }
    char text[1024] = "";
    if (box) {
        ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text); // the message box's text
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    DWORD code = 0xFFFFFFFF;
    if (::WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &code);
    else
        ::TerminateProcess(pi.hProcess, 99);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    ASSERT_TRUE(box) << "no message box";
    EXPECT_NE(std::string(text).find("is not there, so there is nothing to report on"), std::string::npos) << text;
    EXPECT_EQ(code, 2u);
}

// A page that cannot be written is a failure, not a report that never came.
TEST(ReportProgram, UnwritablePageFails)
{
    ::CreateDirectoryA(playDir, nullptr);
    const std::string log = std::string(playDir) + "\\locked.qrv";
    const std::string page = std::string(playDir) + "\\locked-report.html";
    {
        std::ofstream out(log.c_str(), std::ios::binary | std::ios::trunc);
        out << "x [1] => MainFrameWnd::DoGameMatch\r\n";
    }
    ::RemoveDirectoryA(page.c_str());
    ::DeleteFileA(page.c_str());
    ASSERT_TRUE(::CreateDirectoryA(page.c_str(), nullptr)); // a folder where the page should go
    const ProgramRun run = RunReport(log);
    EXPECT_EQ(run.code, 3u) << run.out;
    EXPECT_NE(run.err.find("cannot write the report"), std::string::npos) << run.err;
    ::RemoveDirectoryA(page.c_str());
}

} // namespace
} // namespace game_testing

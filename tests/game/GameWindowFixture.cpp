#include "GameWindowFixture.h"
#include <fstream>
#include <sstream>

namespace game_testing {

time_t fakeNow = 1000000;

time_t FakeClock(time_t* out)
{
    if (out) *out = fakeNow;
    return fakeNow;
}

namespace {
const char tracePath[] = "C:\\TMP\\TRACE.QRV";

// The log from the offset on; a long run leaves a big file, so the start is skipped, not read.
std::string ReadFrom(long offset)
{
    std::ifstream in(tracePath, std::ios::binary);
    in.seekg(offset);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

long FileSize()
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(tracePath, GetFileExInfoStandard, &data)) return 0;
    return static_cast<long>(data.nFileSizeLow);
}
} // namespace

TraceReader::TraceReader()
{
    ::CreateDirectoryA("C:\\TMP", nullptr);
    Mark();
}

void TraceReader::Mark() { m_mark = FileSize(); }

std::vector<std::string> TraceReader::NewLines() const
{
    std::string text = ReadFrom(m_mark);
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::vector<std::string> TraceReader::NewMessages() const
{
    std::vector<std::string> messages;
    for (const std::string& line : NewLines()) {
        size_t at = line.find(" => ");
        messages.push_back(at == std::string::npos ? line : line.substr(at + 4));
    }
    return messages;
}

void GameWindowTest::SetUp()
{
    ::CreateDirectoryA("C:\\TMP", nullptr);
    fakeNow = 1000000;
    GameClock = &FakeClock;
    wnd = new MainFrameWnd;
    ASSERT_NE(wnd->m_hWnd, nullptr);
    wnd->ShowWindow(SW_SHOW);
}

void GameWindowTest::TearDown()
{
    if (wnd && ::IsWindow(wnd->m_hWnd)) wnd->DestroyWindow(); // the frame deletes itself
    wnd = nullptr;
    testing_support::Pump(0);
    GameClock = &::time;
}

void GameWindowTest::Start(unsigned seed)
{
    std::srand(seed);
    ::SendMessageA(Button("Start"), BM_CLICK, 0, 0);
    ASSERT_TRUE(wnd->Now().running);
}

std::string GameWindowTest::VotesText() const
{
    // What the display paints; its window text carries the label for a screen reader too.
    return std::string(wnd->VotesDisplay()->text);
}

} // namespace game_testing

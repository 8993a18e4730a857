// Started on its own (a double-click in Explorer), the program opens the page through the shell
// and tells a missing log in a box; the shell call is recorded, not made.
#include "ReportProgram.h"
#include "TestLog.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

using namespace report;

namespace report_testing {
namespace {

struct ShellCall {
    std::string verb, file;
    int show = 0;
};
std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI RecordShell(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show)
{
    shellCalls.push_back({ verb ? verb : "", file ? file : "", show });
    return reinterpret_cast<HINSTANCE>(42);
}

class OnItsOwn : public ::testing::Test {
protected:
    void SetUp() override
    {
        shellCalls.clear();
        ReportShellExecute = &RecordShell;
    }
    void TearDown() override { ReportShellExecute = &::ShellExecuteA; }

    int Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "votaroo-report.exe");
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(&a[0]);
        return RunReportProgram(static_cast<int>(argv.size()), argv.data(), true, out, err);
    }
    std::ostringstream out, err;
};

TEST_F(OnItsOwn, OpensThePageInTheBrowser)
{
    TestLog log;
    log.Deal(6, 2, 8, true, "+");
    log.Correct();
    const std::string logPath = TempPath("double-click.qrv");
    const std::string page = TempPath("double-click-report.html");
    {
        std::ofstream file(logPath.c_str(), std::ios::binary | std::ios::trunc);
        file << log.Text();
    }
    ::DeleteFileA(page.c_str());
    EXPECT_EQ(Run({ logPath }), 0);
    ASSERT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(shellCalls[0].verb, "open");
    EXPECT_EQ(::lstrcmpiA(shellCalls[0].file.c_str(), page.c_str()), 0) << shellCalls[0].file;
    EXPECT_EQ(shellCalls[0].show, SW_SHOWNORMAL);
    EXPECT_NE(::GetFileAttributesA(page.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(out.str(), ""); // no one reads a console there
    ::DeleteFileA(page.c_str());
    ::DeleteFileA(logPath.c_str());
}

TEST_F(OnItsOwn, AMissingLogIsToldInABoxAndNothingOpens)
{
    const std::string logPath = TempPath("never-played.qrv");
    ::DeleteFileA(logPath.c_str());
    testing_support::ModalAnswerer answer(IDOK);
    EXPECT_EQ(Run({ logPath }), 2);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "Votaroo! learning report");
    EXPECT_NE(answer.seen()[0].text.find("is not there, so there is nothing to report on"), std::string::npos)
        << answer.seen()[0].text;
    EXPECT_TRUE(shellCalls.empty());
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace report_testing

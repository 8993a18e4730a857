#include "ReportProgram.h"
#include "ChildLogs.h"
#include "ClassReport.h"
#include "PageText.h"
#include "ReportWriter.h"
#include "ReadTraceLog.h"
#include <tlhelp32.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace report {

ReportShellExecuteFn ReportShellExecute = &::ShellExecuteA;

namespace {

const char defaultLog[] = "C:\\TMP\\TRACE.QRV";
const char classPage[] = "votaroo-class-report.html";

std::string Usage() { return Fill(PlainText(IDS_REPORT_USAGE), defaultLog, classPage); }

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/:");
    if (slash == std::string::npos) return std::string();
    return path.substr(0, slash + 1);
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH * 4] = "";
    const DWORD n = ::GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full) : path;
}

void Tell(const std::string& text, UINT icon)
{
    ::MessageBoxA(nullptr, text.c_str(), ProgramText(IDS_REPORT_TITLE), MB_OK | icon);
}

// What a parent reads when there is no log to report on.
std::string NoLogText(const std::string& logPath)
{
    const bool there = ::GetFileAttributesA(logPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (there) return Fill(PlainText(IDS_REPORT_LOG_UNREADABLE), logPath);
    if (logPath == defaultLog) return Fill(PlainText(IDS_REPORT_NO_LOG_YET), logPath);
    return Fill(PlainText(IDS_REPORT_LOG_NOT_THERE), logPath);
}

bool SavePage(const std::string& path, const std::string& body)
{
    std::ofstream page(path.c_str(), std::ios::binary | std::ios::trunc);
    if (page) page << body;
    page.close();
    return static_cast<bool>(page);
}

// Opens the finished page in the default browser.
void OpenPage(const std::string& pagePath)
{
    // A relative page is opened by its full path: the browser does not start in our folder.
    const std::string page = FullPath(pagePath);
    const HINSTANCE result = ReportShellExecute(nullptr, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32) Tell(Fill(PlainText(IDS_REPORT_NO_BROWSER), page), MB_ICONINFORMATION);
}

int NotWritten(const std::string& pagePath, bool onItsOwn, std::ostream& err)
{
    if (onItsOwn)
        Tell(Fill(PlainText(IDS_REPORT_NOT_SAVED), pagePath), MB_ICONWARNING);
    else
        err << "votaroo-report: " << Fill(PlainText(IDS_REPORT_CANNOT_WRITE), pagePath) << "\n";
    return 3;
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A log that names its players: a page for each child beside the log's page, which becomes the
// class page of its children, with a row linked to each child's page.
int Children(const ChildLogs& children, const std::string& logPath, const std::string& pagePath, bool onItsOwn,
             std::ostream& out, std::ostream& err)
{
    ClassReport report;
    report.SetOneLog(true);
    report.CountLog(true);
    std::stringstream sections;
    std::vector<std::string> written;
    const std::vector<ChildRecord>& kids = children.Children();
    for (size_t i = 0; i < kids.size(); ++i) {
        if (i == 0 && kids[i].record->games == 0) continue;
        const std::string name = report.ChildName(std::string(), kids[i].name);
        const std::string childPage = ChildPagePath(pagePath, i, kids[i].name);
        std::ostringstream page;
        WriteChildReport(*kids[i].record, logPath, name, page);
        if (!SavePage(childPage, page.str())) return NotWritten(childPage, onItsOwn, err);
        report.AddRecord(name, logPath, *kids[i].record, sections, FileNameOf(childPage));
        written.push_back(childPage);
    }
    std::ostringstream page;
    report.WritePage(sections, page);
    if (!SavePage(pagePath, page.str())) return NotWritten(pagePath, onItsOwn, err);
    if (onItsOwn) {
        OpenPage(pagePath);
        return 0;
    }
    report.WriteSummary(out);
    written.push_back(pagePath);
    for (const std::string& path : written) out << Fill(PlainText(IDS_REPORT_SUM_WRITTEN), path) << "\n";
    return 0;
}

int SingleLog(const std::string& logPath, std::string pagePath, bool onItsOwn, std::ostream& out, std::ostream& err)
{
    std::unique_ptr<ChildLogs> children(new ChildLogs);
    std::string error;
    if (!ReadChildLogs(logPath, *children, error)) {
        if (onItsOwn)
            Tell(NoLogText(logPath), MB_ICONINFORMATION);
        else
            err << "votaroo-report: " << error << "\n";
        return 2;
    }
    if (pagePath.empty()) pagePath = ReportPathFor(logPath);
    if (children->Named()) return Children(*children, logPath, pagePath, onItsOwn, out, err);
    const LearningRecord& record = *children->Children()[0].record;
    std::ostringstream page;
    WriteHtmlReport(record, logPath, page);
    if (!SavePage(pagePath, page.str())) return NotWritten(pagePath, onItsOwn, err);
    if (onItsOwn) {
        OpenPage(pagePath);
        return 0;
    }
    WriteTextSummary(record, logPath, out);
    out << Fill(PlainText(IDS_REPORT_SUM_WRITTEN), pagePath) << "\n";
    return 0;
}

int Class(const std::vector<std::string>& logs, std::string pagePath, bool onItsOwn, std::ostream& out,
          std::ostream& err)
{
    // Dropped on the program in Explorer, the current folder is no place the parent looks in.
    if (pagePath.empty()) pagePath = (onItsOwn ? FolderOf(logs[0]) : std::string()) + classPage;
    // The sections wait in a file beside the page while the class table is counted up, so that
    // memory does not grow with the logs; in memory only when that file cannot be made.
    const std::string sectionsPath = pagePath + ".part";
    std::fstream spill(sectionsPath.c_str(), std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    std::stringstream inMemory;
    std::iostream& sections = spill.is_open() ? static_cast<std::iostream&>(spill) : inMemory;

    ClassReport report;
    const std::vector<std::string> names = LogNames(logs);
    for (size_t i = 0; i < logs.size(); ++i) {
        if (!report.AddLog(logs[i], names[i], sections) && !onItsOwn)
            err << "votaroo-report: " << report.Rows().back().error << "\n";
    }
    sections.flush();
    sections.seekg(0);
    std::ofstream page(pagePath.c_str(), std::ios::binary | std::ios::trunc);
    if (page) report.WritePage(sections, page);
    page.close();
    const bool written = sections.good() && static_cast<bool>(page);
    if (spill.is_open()) {
        spill.close();
        std::remove(sectionsPath.c_str());
    }
    if (!written) return NotWritten(pagePath, onItsOwn, err);
    if (onItsOwn) {
        OpenPage(pagePath);
        return report.Unreadable() ? 2 : 0;
    }
    report.WriteSummary(out);
    out << Fill(PlainText(IDS_REPORT_SUM_WRITTEN), pagePath) << "\n";
    return report.Unreadable() ? 2 : 0;
}

} // namespace

namespace {

// Whether the process that started this one is still there. Wine starts a program typed at a
// Unix shell with a console of its own, like Explorer does, but with no Windows parent.
bool ParentRunning()
{
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return true;
    const DWORD self = ::GetCurrentProcessId();
    DWORD parent = 0;
    bool found = false;
    PROCESSENTRY32 entry;
    for (int pass = 0; pass < 2 && !found; ++pass) {
        entry.dwSize = sizeof entry;
        for (BOOL more = ::Process32First(snapshot, &entry); more && !found; more = ::Process32Next(snapshot, &entry)) {
            if (pass == 0 && entry.th32ProcessID == self) parent = entry.th32ParentProcessID;
            if (pass == 1 && parent != 0 && entry.th32ProcessID == parent) found = true;
        }
    }
    ::CloseHandle(snapshot);
    return found;
}

} // namespace

bool StartedOnItsOwn()
{
    DWORD processes[2];
    DWORD mode;
    return ::GetConsoleProcessList(processes, 2) == 1 && ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) &&
        ParentRunning();
}

void ReleaseConsole()
{
    if (HWND console = ::GetConsoleWindow()) ::ShowWindow(console, SW_HIDE);
    ::FreeConsole();
}

int RunReportProgram(int argc, char** argv, bool onItsOwn, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> logs;
    std::string pagePath;
    bool bad = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "/?") {
            if (onItsOwn)
                Tell(Usage(), MB_ICONINFORMATION);
            else
                out << Usage();
            return 0;
        }
        if (arg == "--out") {
            if (i + 1 >= argc || !pagePath.empty() || !argv[i + 1][0])
                bad = true;
            else
                pagePath = argv[++i];
            continue;
        }
        if (arg.empty()) bad = true;
        logs.push_back(arg);
    }
    // --out naming one of the logs would write the page over it.
    for (const std::string& log : logs)
        if (!pagePath.empty() && ::lstrcmpiA(FullPath(log).c_str(), FullPath(pagePath).c_str()) == 0) bad = true;
    if (bad) {
        if (onItsOwn)
            Tell(Usage(), MB_ICONWARNING);
        else
            err << Usage();
        return 1;
    }
    if (logs.size() >= 2) return Class(logs, pagePath, onItsOwn, out, err);
    return SingleLog(logs.empty() ? defaultLog : logs[0], pagePath, onItsOwn, out, err);
}

} // namespace report

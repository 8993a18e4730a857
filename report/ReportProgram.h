// votaroo-report as a whole: from a command line, or started from Explorer with a double-click.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <ostream>

namespace report {

// The shell call that opens the finished page in the default browser; tests put theirs in its place.
typedef HINSTANCE(WINAPI* ReportShellExecuteFn)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
extern ReportShellExecuteFn ReportShellExecute;

// Started from Explorer: the program owns its console alone, writes to it, and was started by
// a Windows process. From a command line the shell shares the console, and output sent to a
// file or pipe is no console either.
bool StartedOnItsOwn();
// Takes the console window away, so that nothing is left behind to read.
void ReleaseConsole();

// The program. On its own, it opens the page and tells failures in message boxes; otherwise
// it prints a summary and exits with 1 for wrong arguments, 2 for a log that cannot be read,
// 3 for a page that cannot be written.
int RunReportProgram(int argc, char** argv, bool onItsOwn, std::ostream& out, std::ostream& err);

} // namespace report

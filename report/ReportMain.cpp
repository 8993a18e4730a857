// votaroo-report [--out FILE] [log ...]: the learning report of trace logs, as an HTML page.
#include "ReportProgram.h"
#include <iostream>

int main(int argc, char** argv)
{
    // A double-click in Explorer gives the program a console of its own: no one will read it.
    const bool onItsOwn = report::StartedOnItsOwn();
    if (onItsOwn) report::ReleaseConsole();
    return report::RunReportProgram(argc, argv, onItsOwn, std::cout, std::cerr);
}

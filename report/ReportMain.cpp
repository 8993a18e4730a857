// votaroo-report [log]: the learning report of a trace log, as an HTML page beside it.
#include "ReportWriter.h"
#include "TraceLogReader.h"
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

namespace {
const char defaultLog[] = "C:\\TMP\\TRACE.QRV";

int Usage(std::ostream& out, int code)
{
    out << "usage: votaroo-report [trace log]\n"
           "Reads the game's trace log (" << defaultLog << " when none is given) and writes a learning report\n"
           "beside it, as <log name>-report.html.\n";
    return code;
}
}

int main(int argc, char** argv)
{
    if (argc > 2) return Usage(std::cerr, 1);
    if (argc == 2 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "/?")))
        return Usage(std::cout, 0);
    const std::string logPath = argc == 2 ? argv[1] : defaultLog;
    if (logPath.empty()) return Usage(std::cerr, 1);

    report::LearningRecord* record = new report::LearningRecord; // large: kept off the stack
    std::string error;
    if (!report::ReadTraceLog(logPath, *record, error)) {
        std::cerr << "votaroo-report: " << error << "\n";
        delete record;
        return 2;
    }

    const std::string reportPath = report::ReportPathFor(logPath);
    std::ofstream page(reportPath.c_str(), std::ios::binary | std::ios::trunc);
    if (page) report::WriteHtmlReport(*record, logPath, page);
    page.close();
    if (!page) {
        std::cerr << "votaroo-report: cannot write the report \"" << reportPath << "\"\n";
        delete record;
        return 3;
    }
    report::WriteTextSummary(*record, logPath, std::cout);
    std::cout << "Report written to " << reportPath << "\n";
    delete record;
    return 0;
}

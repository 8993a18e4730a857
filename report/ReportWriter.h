// The learning report as one self-contained HTML page, and its short text summary.
#pragma once
#include "LearningRecord.h"
#include <ostream>
#include <string>

namespace report {

// "C:\TMP\TRACE.QRV" gives "C:\TMP\TRACE-report.html", beside the log.
std::string ReportPathFor(const std::string& logPath);

// A fact written out; the page uses the real signs, the console plain ones.
std::string FactText(const Fact& fact, bool html);

// Share as a whole percent, "-" when there is nothing to share.
std::string Percent(uint64_t part, uint64_t whole);

void WriteHtmlReport(const LearningRecord& record, const std::string& logPath, std::ostream& out);
void WriteTextSummary(const LearningRecord& record, const std::string& logPath, std::ostream& out);

} // namespace report

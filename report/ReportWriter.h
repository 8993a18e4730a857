// The learning report as one self-contained HTML page, and its short text summary.
#pragma once
#include "LearningRecord.h"
#include <ostream>
#include <string>

namespace report {

// "C:\TMP\TRACE.QRV" gives "C:\TMP\TRACE-report.html", beside the log.
std::string ReportPathFor(const std::string& logPath);

// A fact written out; the page uses the real signs, the console plain ones.
std::string FactText(const FactTally& fact, bool html);

// Share as a whole percent, "-" when there is nothing to share.
std::string Percent(uint64_t part, uint64_t whole);

// Text made safe for the page: markup characters as entities, control bytes as '?'.
std::string HtmlEscape(const std::string& text);
// A name from a log or a file, in Windows-1252, for the page: in UTF-8 and made safe as above
// (DEL and the code page's unused bytes as '?' too).
std::string HtmlName(const std::string& name);

// The pieces of a page, shared by the single log's page and the class's.
void WritePageStart(const std::string& title, std::ostream& out);
void WritePageEnd(std::ostream& out);
void WriteReadNote(const LearningRecord& record, const std::string& logPath, std::ostream& out);
void WriteFactGrid(const LearningRecord& record, std::ostream& out);
void WriteMissedTable(const LearningRecord& record, size_t count, std::ostream& out);
// Missed sums back within six cards and then answered right, practice games beside shuffled ones.
void WriteComeBackTable(const LearningRecord& record, std::ostream& out);
// Everything the page of one log shows below its title; in a class page under a smaller heading.
void WriteLogSection(const LearningRecord& record, const std::string& logPath, bool inClass, std::ostream& out);

void WriteHtmlReport(const LearningRecord& record, const std::string& logPath, std::ostream& out);
// The page of one child of a log, under the child's name.
void WriteChildReport(const LearningRecord& record, const std::string& logPath, const std::string& name,
                      std::ostream& out);
void WriteTextSummary(const LearningRecord& record, const std::string& logPath, std::ostream& out);
// The summary's line of the five facts missed most often.
void WriteMissedLine(const LearningRecord& record, std::ostream& out);

} // namespace report

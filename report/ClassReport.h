// The report of a class: several logs, one per child, read one after the other into one page.
#pragma once
#include "LearningRecord.h"
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace report {

// One log's line in the class table.
struct ClassRow {
    std::string name, path;
    std::string page; // the child's own page, beside the class page; none when empty
    bool read = false;
    std::string error; // why the log could not be read
    uint64_t games = 0;
    Tally total;
    Trend trend;
};

// The names logs go by on the page: the file name without its extension, or the path as given
// where two logs would otherwise read the same (TRACE.QRV from two computers).
std::vector<std::string> LogNames(const std::vector<std::string>& paths);

class ClassReport {
public:
    ClassReport();
    ClassReport(const ClassReport&) = delete;
    ClassReport& operator=(const ClassReport&) = delete;

    // Reads one log in one pass and writes its section at once, so that only its row is kept.
    // An unreadable log gets a row that says why, and no section. A log that names its players
    // gives a row and a section to each child, "Ann (name)", and to its unnamed child if it
    // has games.
    bool AddLog(const std::string& path, const std::string& name, std::ostream& sections);
    // One row and its section: a log's, or a child's, with the child's own page when it has one.
    void AddRecord(const std::string& name, const std::string& path, const LearningRecord& record,
                   std::ostream& sections, const std::string& page = std::string());
    // One more log for the page's note; by child when it names its players.
    void CountLog(bool byChild)
    {
        ++m_logs;
        m_byChild = m_byChild || byChild;
    }
    // The row names of a log's children: the child's name, followed by the log's unless the class
    // is of one log.
    void SetOneLog(bool one) { m_oneLog = one; }
    std::string ChildName(const std::string& logName, const std::string& child) const;

    const std::vector<ClassRow>& Rows() const { return m_rows; }
    // The class's counts: every log's totals, operations, pairs and facts added up.
    const LearningRecord& Class() const { return *m_class; }
    size_t Unreadable() const;

    // The page: the class table, the class's fact grid and facts missed most, then the sections.
    void WritePage(std::istream& sections, std::ostream& out) const;
    void WriteSummary(std::ostream& out) const;

private:
    std::unique_ptr<LearningRecord> m_class;
    std::vector<ClassRow> m_rows;
    size_t m_logs = 0;
    bool m_byChild = false;
    bool m_oneLog = false;
};

} // namespace report

// The games of one log by child. When the class preset lists the players, the game names the
// player in a line before each game; those lines split the log into one record per child, and
// the games before any such line are the log's own unnamed child.
#pragma once
#include "GameRebuilder.h"
#include <memory>
#include <string>
#include <vector>

namespace report {

struct ChildRecord {
    std::string name; // as the log writes it, in Windows-1252; empty for the unnamed child
    std::unique_ptr<LearningRecord> record;
    std::unique_ptr<GameRebuilder> rebuilder;
};

// A log names at most this many children; the games of any further name count as unnamed.
const size_t MostChildren = 100;

class ChildLogs : public TraceLineSink {
public:
    ChildLogs();
    ChildLogs(const ChildLogs&) = delete;
    ChildLogs& operator=(const ChildLogs&) = delete;

    // One line of the log, without its line end.
    void Line(const char* text, size_t length) override;
    // The log has ended: every child's game still running is kept as broken off.
    void Finish();

    // The unnamed child first, then the named ones in the order the log first names them.
    const std::vector<ChildRecord>& Children() const { return m_children; }
    // Whether the log names any player: without, the one record is the whole log's.
    bool Named() const { return m_children.size() > 1; }

private:
    std::vector<ChildRecord> m_children;
    size_t m_current = 0;
    uint64_t m_line = 0;
};

// Reads the whole file into the children; false with a message when it cannot be opened or read.
bool ReadChildLogs(const std::string& path, ChildLogs& children, std::string& error);

// The file a child's page is written to, beside the page of its log: "TRACE-report.html" gives
// "TRACE-report-2-Ann.html" for the second child named. Made of the number and the name's
// letters and digits of ASCII only, so a name can never lead elsewhere; the unnamed child's
// page has the number 0 alone.
std::string ChildPagePath(const std::string& logPage, size_t index, const std::string& name);

} // namespace report

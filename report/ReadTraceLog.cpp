#include "ReadTraceLog.h"
#include "PageText.h"
#include "TraceLogReader.h"
#include <cerrno>
#include <cstring>

namespace report {

bool ReadTraceLog(const std::string& path, LearningRecord& record, std::string& error)
{
    GameRebuilder rebuilder(record);
    if (!ReadTraceLines(path, rebuilder, error)) return false;
    rebuilder.Finish();
    return true;
}

bool ReadTraceLines(const std::string& path, TraceLineSink& sink, std::string& error)
{
    const LogRead read = ReadTraceFile(path, sink);
    if (read != LogRead::Read) {
        // Taken before the text is looked up, which may set errno again.
        const std::string why = std::strerror(errno);
        error = Fill(PlainText(read == LogRead::CannotOpen ? IDS_REPORT_CANNOT_OPEN_LOG : IDS_REPORT_CANNOT_READ_LOG),
                     path, why);
        return false;
    }
    return true;
}

} // namespace report

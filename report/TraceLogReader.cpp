#include "TraceLogReader.h"
#include "PageText.h"
#include <cerrno>
#include <cstring>
#include <vector>

namespace report {

void TraceLogReader::Feed(const char* bytes, size_t count)
{
    const char* end = bytes + count;
    while (bytes < end) {
        const char* lf = static_cast<const char*>(std::memchr(bytes, '\n', static_cast<size_t>(end - bytes)));
        const char* stop = lf ? lf : end;
        m_any = true;
        if (!m_tooLong) {
            const size_t room = LongestLine - m_line.size();
            const size_t n = static_cast<size_t>(stop - bytes);
            if (n > room) {
                // Kept only to be counted: its end is skipped up to the next line end.
                m_tooLong = true;
                m_line.clear();
            } else {
                m_line.append(bytes, n);
            }
        }
        if (!lf) return;
        Deliver();
        bytes = lf + 1;
    }
}

void TraceLogReader::End()
{
    if (m_any) Deliver();
}

void TraceLogReader::Deliver()
{
    if (m_tooLong) {
        // Not parsed at all: a marker no game line can be.
        m_sink.Line("", 0);
    } else {
        size_t n = m_line.size();
        if (n > 0 && m_line[n - 1] == '\r') --n;
        m_sink.Line(m_line.data(), n);
    }
    m_line.clear();
    m_tooLong = false;
    m_any = false;
}

bool ReadTraceLog(const std::string& path, LearningRecord& record, std::string& error)
{
    GameRebuilder rebuilder(record);
    return ReadTraceLines(path, rebuilder, error);
}

bool ReadTraceLines(const std::string& path, TraceLineSink& sink, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        // Taken before the text is looked up, which may set errno again.
        const std::string why = std::strerror(errno);
        error = Fill(PlainText(IDS_REPORT_CANNOT_OPEN_LOG), path, why);
        return false;
    }
    TraceLogReader reader(sink);
    std::vector<char> buffer(1 << 16);
    bool ok = true;
    for (;;) {
        const size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        if (n > 0) reader.Feed(buffer.data(), n);
        if (n < buffer.size()) {
            if (std::ferror(file)) {
                const std::string why = std::strerror(errno);
                error = Fill(PlainText(IDS_REPORT_CANNOT_READ_LOG), path, why);
                ok = false;
            }
            break;
        }
    }
    std::fclose(file);
    if (!ok) return false;
    reader.End();
    sink.Finish();
    return true;
}

} // namespace report

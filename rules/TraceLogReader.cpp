#include "TraceLogReader.h"
#include <cstdio>
#include <cstring>
#include <vector>

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

namespace {

// 64-bit positions, so that a log of several gigabytes is read from its end too.
bool SeekTo(std::FILE* file, uint64_t offset)
{
#ifdef _WIN32
    return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

uint64_t SizeOf(std::FILE* file)
{
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0) return 0;
    const __int64 size = _ftelli64(file);
#else
    if (fseeko(file, 0, SEEK_END) != 0) return 0;
    const off_t size = ftello(file);
#endif
    return size > 0 ? static_cast<uint64_t>(size) : 0;
}

// Drops the bytes up to the first line end: the line they end began before the part read.
class SkipFirstLine : public TraceLineSink {
public:
    explicit SkipFirstLine(TraceLineSink& sink) : m_sink(sink) {}
    void Line(const char* text, size_t length) override
    {
        if (m_skipped)
            m_sink.Line(text, length);
        else
            m_skipped = true;
    }

private:
    TraceLineSink& m_sink;
    bool m_skipped = false;
};

} // namespace

LogRead ReadTraceFile(const std::string& path, TraceLineSink& sink, uint64_t lastBytes)
{
    // Opened for reading with every share allowed: the game goes on appending meanwhile.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return LogRead::CannotOpen;
    SkipFirstLine skipper(sink);
    TraceLineSink* target = &sink;
    uint64_t start = 0;
    if (lastBytes > 0) {
        const uint64_t size = SizeOf(file);
        if (size > lastBytes) {
            // From the byte before: a line end there makes the skipped first line an empty one.
            start = size - lastBytes - 1;
            target = &skipper;
        }
    }
    if (!SeekTo(file, start)) {
        std::fclose(file);
        return LogRead::CannotRead;
    }
    TraceLogReader reader(*target);
    std::vector<char> buffer(1 << 16);
    LogRead result = LogRead::Read;
    for (;;) {
        const size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        if (n > 0) reader.Feed(buffer.data(), n);
        if (n < buffer.size()) {
            if (std::ferror(file)) result = LogRead::CannotRead;
            break;
        }
    }
    std::fclose(file);
    // No End(): a last line without its line end may be one the game is writing.
    return result;
}

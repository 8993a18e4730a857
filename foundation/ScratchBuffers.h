// Reusable work buffers shared by the registry reads and a few toolkit texts; they are never cleared.
#pragma once
#include <cstddef>
#include <vector>

class ScratchBuffers {
public:
    ScratchBuffers(int initialCount, size_t bufferSize, int initialRoom);
    ~ScratchBuffers();
    ScratchBuffers(const ScratchBuffers&) = delete;
    ScratchBuffers& operator=(const ScratchBuffers&) = delete;

    // The shared set: 16 buffers of 1024 bytes, room for 32, growing as needed.
    static ScratchBuffers& Shared();

    // A buffer of at least size bytes, searched from the one after the last handed out.
    char* Request(size_t size);

    int Count() const { return static_cast<int>(m_buffers.size()); }
    int Room() const { return m_room; }
    int LastIndex() const { return m_last; }
    char* At(int i) const { return m_buffers[static_cast<size_t>(i)].data; }
    size_t SizeAt(int i) const { return m_buffers[static_cast<size_t>(i)].size; }

private:
    struct Buffer {
        char* data;
        size_t size;
    };
    char* Append(size_t size);

    std::vector<Buffer> m_buffers;
    int m_room = 0;
    int m_last = -1;
};

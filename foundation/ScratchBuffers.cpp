#include "ScratchBuffers.h"

namespace {
size_t RoundedSize(size_t size)
{
    if (size == 0) size = 1;
    return (size + 7) & ~static_cast<size_t>(7);
}
} // namespace

ScratchBuffers::ScratchBuffers(int initialCount, size_t bufferSize, int initialRoom)
{
    m_room = initialRoom > initialCount ? initialRoom : initialCount;
    if (m_room < 1) m_room = 1;
    m_buffers.reserve(static_cast<size_t>(m_room));
    for (int i = 0; i < initialCount; ++i) Append(bufferSize);
    m_last = -1;
}

ScratchBuffers::~ScratchBuffers()
{
    for (Buffer& b : m_buffers) delete[] b.data;
}

ScratchBuffers& ScratchBuffers::Shared()
{
    static ScratchBuffers buffers(16, 1024, 32);
    return buffers;
}

char* ScratchBuffers::Append(size_t size)
{
    if (static_cast<int>(m_buffers.size()) >= m_room) {
        m_room *= 2;
        m_buffers.reserve(static_cast<size_t>(m_room));
    }
    Buffer b{ nullptr, RoundedSize(size) };
    b.data = new char[b.size];
    m_buffers.push_back(b);
    m_last = static_cast<int>(m_buffers.size()) - 1;
    return b.data;
}

char* ScratchBuffers::Request(size_t size)
{
    const int remembered = m_last;
    const int n = Count();
    for (int i = remembered + 1; i < n; ++i)
        if (m_buffers[static_cast<size_t>(i)].size >= size) {
            m_last = i;
            return At(i);
        }
    for (int i = 0; i < remembered; ++i)
        if (m_buffers[static_cast<size_t>(i)].size >= size) {
            m_last = i;
            return At(i);
        }
    return Append(size);
}

#include "iRevolveString.h"
#include <cstring>

namespace {
// Room for size characters and a terminator, in whole 8-byte units.
uint32_t RoundedSize(int size)
{
    if (size < 0) size = 0;
    return (static_cast<uint32_t>(size) + 1u + 7u) & ~7u;
}
} // namespace

iRevolveString::iRevolveString(int initialCount, int bufferSize, int maxCount)
{
    if (maxCount < 1) maxCount = 1;
    if (initialCount < 1) initialCount = 1;
    if (initialCount > maxCount) initialCount = maxCount;
    limit = maxCount;
    count = initialCount;
    sizes = new uint32_t[static_cast<size_t>(limit)]();
    buffers = new char*[static_cast<size_t>(limit)]();
    for (int i = 0; i < count; ++i) Allocate(i, bufferSize);
}

iRevolveString::~iRevolveString()
{
    for (int i = 0; i < count; ++i) delete[] buffers[i];
    delete[] buffers;
    delete[] sizes;
}

iRevolveString& iRevolveString::Shared()
{
    static iRevolveString ring(4, 2048, 32);
    return ring;
}

void iRevolveString::Allocate(int slot, int size)
{
    delete[] buffers[slot];
    sizes[slot] = RoundedSize(size);
    buffers[slot] = new char[sizes[slot]];
}

char* iRevolveString::Get(int size)
{
    if (size < 0) size = 0;
    if (++index >= count) index = 0;
    if (sizes[index] < static_cast<uint32_t>(size) + 1u) {
        if (count < limit) index = count++;
        Allocate(index, size);
    }
    std::memset(buffers[index], 0, sizes[index]);
    return buffers[index];
}

char* iRevolveString::Copy(const char* text) { return Copy(text, 0); }

char* iRevolveString::Copy(const char* text, int length)
{
    if (!text) text = "";
    // Never read past the end of a text shorter than the length asked for.
    size_t n = std::strlen(text);
    if (length > 0 && static_cast<size_t>(length) < n) n = static_cast<size_t>(length);
    char* buffer = Get(static_cast<int>(n));
    std::memcpy(buffer, text, n);
    return buffer;
}

char* iRevolveString::Next()
{
    char* buffer = buffers[index];
    std::memset(buffer, 0, sizes[index]);
    if (++index >= count) index = 0;
    return buffer;
}

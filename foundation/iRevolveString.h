// A ring of reusable text buffers; a buffer stays unchanged until the ring comes back to it.
#pragma once
#include <cstdint>

class iRevolveString {
public:
    iRevolveString(int initialCount, int bufferSize, int maxCount);
    virtual ~iRevolveString();
    iRevolveString(const iRevolveString&) = delete;
    iRevolveString& operator=(const iRevolveString&) = delete;

    // The ring the whole program shares: 4 buffers of 2048 characters, up to 32.
    static iRevolveString& Shared();

    // The next buffer, at least size + 1 bytes, zero filled.
    char* Get(int size);
    char* Copy(const char* text);
    // The first length characters of text (all of it when length is 0), terminated.
    char* Copy(const char* text, int length);
    // The buffer handed out last, cleared over its whole size; then the ring moves on.
    char* Next();

    int Count() const { return count; }
    int Limit() const { return limit; }
    uint32_t SizeAt(int i) const { return sizes[i]; }

private:
    void Allocate(int slot, int size);

    int index = 0;
    int count = 0;
    int limit = 0;
    uint32_t* sizes = nullptr;
    char** buffers = nullptr;
};

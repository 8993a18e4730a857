// Named settings in initialisation-file form, read and written as fixed text forms.
#pragma once
#include "iString.h"
#include <cstdint>

enum {
    ProfilePublic = 1, // the platform's shared profile
    ProfileProtected = 2, // a bare file name in the Windows directory
    ProfilePrivate = 3, // a file beside the program file
    ProfilePath = 4 // the creator's own path
};

class iProfile {
public:
    enum { ValueSize = 2048, PathSize = 256, IntegerSize = 32, DoubleSize = 64, FormatSize = 1024 };

    // Mode 0 takes the process-wide default; a null extension means ".INI".
    explicit iProfile(int storageMode = 0, LPCSTR name = nullptr, LPCSTR extension = nullptr);
    virtual ~iProfile();
    iProfile(const iProfile&) = default;
    iProfile& operator=(const iProfile&) = default;

    static void SetDefaultMode(int newMode);
    static int DefaultMode();
    // Takes the default from [Default] Mode= of the program's own .INI; warns and repairs a bad one.
    static void ReadDefaultMode();

    static void MakeFileName(int storageMode, iString& out, LPCSTR name, LPCSTR extension);
    // The same rule for a given program path; null stands for a path that cannot be obtained.
    static void MakeFileName(LPCSTR programPath, int storageMode, iString& out, LPCSTR name, LPCSTR extension);

    void SetSection(LPCSTR newSection) { section = newSection; }
    LPCSTR Section() const { return section; }
    LPCSTR FileName() const { return fileName; }
    int Mode() const { return mode; }

    // A null section means the current one. Returns the characters read, 0 when missing or empty.
    int GetString(LPCSTR sectionName, LPCSTR key, iString& value);
    int GetString(LPCSTR key, iString& value, LPCSTR sectionName = nullptr)
    {
        return GetString(sectionName, key, value);
    }
    bool PutString(LPCSTR sectionName, LPCSTR key, LPCSTR value);

    // Typed reads leave the value untouched when the key is missing or empty.
    int Get(LPCSTR sectionName, LPCSTR key, bool& value);
    int Get(LPCSTR sectionName, LPCSTR key, int& value);
    int Get(LPCSTR sectionName, LPCSTR key, int16_t& value);
    int Get(LPCSTR sectionName, LPCSTR key, long& value);
    bool Put(LPCSTR sectionName, LPCSTR key, bool value);
    bool Put(LPCSTR sectionName, LPCSTR key, int value);
    bool Put(LPCSTR sectionName, LPCSTR key, int16_t value);
    bool Put(LPCSTR sectionName, LPCSTR key, long value);

    int Get(LPCSTR key, bool& value, LPCSTR sectionName = nullptr);
    int Get(LPCSTR key, int8_t& value, LPCSTR sectionName = nullptr) { return Get(key, value, sectionName, 10); }
    int Get(LPCSTR key, uint8_t& value, LPCSTR sectionName = nullptr) { return Get(key, value, sectionName, 10); }
    int Get(LPCSTR key, int16_t& value, LPCSTR sectionName = nullptr) { return Get(key, value, sectionName, 10); }
    int Get(LPCSTR key, uint16_t& value, LPCSTR sectionName = nullptr) { return Get(key, value, sectionName, 10); }
    int Get(LPCSTR key, int& value, LPCSTR sectionName = nullptr) { return Get(key, value, sectionName, 10); }
    int Get(LPCSTR key, unsigned& value, LPCSTR sectionName = nullptr) { return Get(key, value, sectionName, 10); }
    int Get(LPCSTR key, long& value, LPCSTR sectionName = nullptr) { return Get(key, value, sectionName, 10); }
    int Get(LPCSTR key, unsigned long& value, LPCSTR sectionName = nullptr) { return Get(key, value, sectionName, 10); }
    int Get(LPCSTR key, double& value, LPCSTR sectionName = nullptr);
    int Get(LPCSTR key, iString& value, LPCSTR sectionName = nullptr);
    // The caller's buffer gets at most size - 1 characters and a terminator.
    int Get(LPCSTR key, char* buffer, int size, LPCSTR sectionName);
    template <int N> int Get(LPCSTR key, char (&buffer)[N], LPCSTR sectionName = nullptr)
    {
        return Get(key, buffer, N, sectionName);
    }

    bool Put(LPCSTR key, bool value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, int8_t value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, uint8_t value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, int16_t value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, uint16_t value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, int value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, unsigned value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, long value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, unsigned long value, LPCSTR sectionName = nullptr);
    // False, and nothing written, when the "%f" text would not fit its 64 characters.
    bool Put(LPCSTR key, double value, LPCSTR sectionName = nullptr);
    bool Put(LPCSTR key, LPCSTR value, LPCSTR sectionName = nullptr) { return PutString(sectionName, key, value); }

    // Integers in a base from 2 to 36; outside base 10 a negative value is written as its 32-bit pattern.
    int Get(LPCSTR key, int8_t& value, LPCSTR sectionName, int base);
    int Get(LPCSTR key, uint8_t& value, LPCSTR sectionName, int base);
    int Get(LPCSTR key, int16_t& value, LPCSTR sectionName, int base);
    int Get(LPCSTR key, uint16_t& value, LPCSTR sectionName, int base);
    int Get(LPCSTR key, int& value, LPCSTR sectionName, int base);
    int Get(LPCSTR key, unsigned& value, LPCSTR sectionName, int base);
    int Get(LPCSTR key, long& value, LPCSTR sectionName, int base);
    int Get(LPCSTR key, unsigned long& value, LPCSTR sectionName, int base);
    bool Put(LPCSTR key, int8_t value, LPCSTR sectionName, int base);
    bool Put(LPCSTR key, uint8_t value, LPCSTR sectionName, int base);
    bool Put(LPCSTR key, int16_t value, LPCSTR sectionName, int base);
    bool Put(LPCSTR key, uint16_t value, LPCSTR sectionName, int base);
    bool Put(LPCSTR key, int value, LPCSTR sectionName, int base);
    bool Put(LPCSTR key, unsigned value, LPCSTR sectionName, int base);
    bool Put(LPCSTR key, long value, LPCSTR sectionName, int base);
    bool Put(LPCSTR key, unsigned long value, LPCSTR sectionName, int base);

    // In the current section. PutFormat returns the characters formatted (-1 when the write fails);
    // GetFormat the targets filled, or -1 when the key is missing or empty.
    int PutFormat(LPCSTR key, LPCSTR format, ...);
    int GetFormat(LPCSTR key, LPCSTR format, ...);

protected:
    int mode;
    iString fileName;
    iString section;

private:
    int ReadSigned(LPCSTR sectionName, LPCSTR key, long& value, int base);
    int ReadUnsigned(LPCSTR sectionName, LPCSTR key, unsigned long& value, int base);
    bool WriteSigned(LPCSTR sectionName, LPCSTR key, long value, int base);
    bool WriteUnsigned(LPCSTR sectionName, LPCSTR key, unsigned long value, int base);
};

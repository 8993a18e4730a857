#include "iProfile.h"
#include "LibraryString.h"
#include "Message.h"
#include "ProfileText.h"
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int s_defaultMode = ProfileProtected;

const char DefaultExtension[] = ".INI";
const char ProgramExtension[] = ".EXE";
const char FallbackName[] = "QRV.INI";

// Position of the last case-blind occurrence of what in text, or -1.
int FindLastNoCase(LPCSTR text, LPCSTR what)
{
    int n = static_cast<int>(std::strlen(text));
    int m = static_cast<int>(std::strlen(what));
    if (m == 0 || m > n) return -1;
    for (int i = n - m; i >= 0; --i)
        if (::_strnicmp(text + i, what, static_cast<size_t>(m)) == 0) return i;
    return -1;
}

bool Contains(LPCSTR text, LPCSTR extension) { return FindLastNoCase(text, extension) >= 0; }

// The program path, or false when it cannot be had whole within 255 characters.
bool ProgramPath(char (&path)[iProfile::PathSize])
{
    DWORD n = ::GetModuleFileNameA(nullptr, path, iProfile::PathSize);
    if (n == 0 || n >= iProfile::PathSize) return false;
    path[n] = '\0';
    return true;
}

bool IsPathLength(const iString& text) { return text.GetLength() < iProfile::PathSize; }

} // namespace

iProfile::iProfile(int newMode, LPCSTR name, LPCSTR extension) : mode(newMode ? newMode : s_defaultMode)
{
    MakeFileName(mode, fileName, name, extension);
}

iProfile::~iProfile() = default;

void iProfile::SetDefaultMode(int newMode) { s_defaultMode = newMode; }

int iProfile::DefaultMode() { return s_defaultMode; }

void iProfile::MakeFileName(int newMode, iString& out, LPCSTR name, LPCSTR extension)
{
    char path[PathSize];
    bool havePath = ProgramPath(path);
    MakeFileName(havePath ? path : nullptr, newMode, out, name, extension);
}

void iProfile::MakeFileName(LPCSTR programPath, int newMode, iString& out, LPCSTR name, LPCSTR extension)
{
    if (!extension) extension = DefaultExtension;
    if (newMode == ProfilePublic) return;

    if (newMode == ProfilePath && name) {
        out = name;
        if (!Contains(name, extension)) out += extension;
        return;
    }
    if (newMode == ProfileProtected && name) {
        out = name;
        if (!Contains(name, extension)) out += extension;
        return;
    }
    if ((newMode == ProfileProtected || newMode == ProfilePrivate) && programPath) {
        iString full(programPath);
        int slash = full.ReverseFind('\\');
        if (slash >= 0) {
            if (newMode == ProfilePrivate && name) {
                // The directory's own name may hold ".INI"; only the name decides about the extension.
                iString result = full.Left(slash + 1) + name;
                if (!Contains(name, extension)) result += extension;
                if (IsPathLength(result)) {
                    out = result;
                    return;
                }
            } else {
                // Only the file name counts: a directory called X.EXE must not be cut.
                iString file = full.Mid(slash + 1);
                int dot = FindLastNoCase(file, ProgramExtension);
                if (dot >= 0) {
                    iString result = file.Left(dot) + extension;
                    if (newMode == ProfilePrivate) result = full.Left(slash + 1) + result;
                    if (IsPathLength(result)) {
                        out = result;
                        return;
                    }
                }
            }
        }
    }
    out = FallbackName;
}

void iProfile::ReadDefaultMode()
{
    iString file;
    MakeFileName(ProfilePrivate, file, nullptr, nullptr);
    char value[FormatSize];
    DWORD n = ::GetPrivateProfileStringA("Default", "Mode", "", value, sizeof value, file);
    LPCSTR reason = nullptr;
    if (n > 0) {
        if (::_stricmp(value, "Private") == 0)
            s_defaultMode = ProfilePrivate;
        else if (::_stricmp(value, "Protected") == 0)
            s_defaultMode = ProfileProtected;
        else if (::_stricmp(value, "Public") == 0)
            s_defaultMode = ProfilePublic;
        else
            reason = LibraryString(92);
    } else {
        reason = LibraryString(91);
    }
    if (!reason) return;
    s_defaultMode = ProfilePrivate;
    Warning(nullptr, LibraryString(90), MB_OK, "%s\n%s\n[%s]", reason, LibraryString(93), file.GetString());
    ::WritePrivateProfileStringA("Default", "Mode", "Private", file);
}

int iProfile::GetString(LPCSTR sectionName, LPCSTR key, iString& value)
{
    if (!sectionName) sectionName = section;
    char buffer[ValueSize];
    buffer[0] = '\0';
    DWORD n;
    if (mode == ProfilePublic)
        n = ::GetProfileStringA(sectionName, key, "", buffer, sizeof buffer);
    else
        n = ::GetPrivateProfileStringA(sectionName, key, "", buffer, sizeof buffer, fileName);
    buffer[sizeof buffer - 1] = '\0';
    value = buffer;
    return static_cast<int>(n);
}

bool iProfile::PutString(LPCSTR sectionName, LPCSTR key, LPCSTR value)
{
    if (!sectionName) sectionName = section;
    if (mode == ProfilePublic) return ::WriteProfileStringA(sectionName, key, value) != FALSE;
    return ::WritePrivateProfileStringA(sectionName, key, value, fileName) != FALSE;
}

// --- integers -------------------------------------------------------------

int iProfile::ReadSigned(LPCSTR sectionName, LPCSTR key, long& value, int base)
{
    iString text;
    int n = GetString(sectionName, key, text);
    if (n <= 0) return n;
    // Other bases hold the 32-bit pattern, read unsigned, or -1 would saturate.
    value = ProfileTextToLong(text, base);
    return n;
}

int iProfile::ReadUnsigned(LPCSTR sectionName, LPCSTR key, unsigned long& value, int base)
{
    iString text;
    int n = GetString(sectionName, key, text);
    if (n <= 0) return n;
    // Unsigned conversion, so values above 2147483647 come back whole.
    value = ProfileTextToUnsigned(text, base);
    return n;
}

bool iProfile::WriteSigned(LPCSTR sectionName, LPCSTR key, long value, int base)
{
    if (base < 2 || base > 36) base = 10;
    // Base 2 needs 32 digits and a terminator, one more than a 32-character buffer holds.
    iString digits(static_cast<int32_t>(value), base);
    return PutString(sectionName, key, digits);
}

bool iProfile::WriteUnsigned(LPCSTR sectionName, LPCSTR key, unsigned long value, int base)
{
    if (base < 2 || base > 36) base = 10;
    iString digits(static_cast<uint64_t>(static_cast<uint32_t>(value)), base);
    return PutString(sectionName, key, digits);
}

namespace {
template <typename T> int StoreSigned(int n, long read, T& value)
{
    if (n > 0) value = static_cast<T>(read);
    return n;
}
template <typename T> int StoreUnsigned(int n, unsigned long read, T& value)
{
    if (n > 0) value = static_cast<T>(read);
    return n;
}
} // namespace

int iProfile::Get(LPCSTR key, int8_t& value, LPCSTR sectionName, int base)
{
    long read = 0;
    int n = ReadSigned(sectionName, key, read, base);
    return StoreSigned(n, read, value);
}
int iProfile::Get(LPCSTR key, int16_t& value, LPCSTR sectionName, int base)
{
    long read = 0;
    int n = ReadSigned(sectionName, key, read, base);
    return StoreSigned(n, read, value);
}
int iProfile::Get(LPCSTR key, int& value, LPCSTR sectionName, int base)
{
    long read = 0;
    int n = ReadSigned(sectionName, key, read, base);
    return StoreSigned(n, read, value);
}
int iProfile::Get(LPCSTR key, long& value, LPCSTR sectionName, int base)
{
    long read = 0;
    int n = ReadSigned(sectionName, key, read, base);
    return StoreSigned(n, read, value);
}
int iProfile::Get(LPCSTR key, uint8_t& value, LPCSTR sectionName, int base)
{
    unsigned long read = 0;
    int n = ReadUnsigned(sectionName, key, read, base);
    return StoreUnsigned(n, read, value);
}
int iProfile::Get(LPCSTR key, uint16_t& value, LPCSTR sectionName, int base)
{
    unsigned long read = 0;
    int n = ReadUnsigned(sectionName, key, read, base);
    return StoreUnsigned(n, read, value);
}
int iProfile::Get(LPCSTR key, unsigned& value, LPCSTR sectionName, int base)
{
    unsigned long read = 0;
    int n = ReadUnsigned(sectionName, key, read, base);
    return StoreUnsigned(n, read, value);
}
int iProfile::Get(LPCSTR key, unsigned long& value, LPCSTR sectionName, int base)
{
    unsigned long read = 0;
    int n = ReadUnsigned(sectionName, key, read, base);
    return StoreUnsigned(n, read, value);
}

bool iProfile::Put(LPCSTR key, int8_t value, LPCSTR sectionName, int base)
{
    return WriteSigned(sectionName, key, value, base);
}
bool iProfile::Put(LPCSTR key, int16_t value, LPCSTR sectionName, int base)
{
    return WriteSigned(sectionName, key, value, base);
}
bool iProfile::Put(LPCSTR key, int value, LPCSTR sectionName, int base)
{
    return WriteSigned(sectionName, key, value, base);
}
bool iProfile::Put(LPCSTR key, long value, LPCSTR sectionName, int base)
{
    return WriteSigned(sectionName, key, value, base);
}
bool iProfile::Put(LPCSTR key, uint8_t value, LPCSTR sectionName, int base)
{
    return WriteUnsigned(sectionName, key, value, base);
}
bool iProfile::Put(LPCSTR key, uint16_t value, LPCSTR sectionName, int base)
{
    return WriteUnsigned(sectionName, key, value, base);
}
bool iProfile::Put(LPCSTR key, unsigned value, LPCSTR sectionName, int base)
{
    return WriteUnsigned(sectionName, key, value, base);
}
bool iProfile::Put(LPCSTR key, unsigned long value, LPCSTR sectionName, int base)
{
    return WriteUnsigned(sectionName, key, value, base);
}

bool iProfile::Put(LPCSTR key, int8_t value, LPCSTR sectionName) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR key, uint8_t value, LPCSTR sectionName) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR key, int16_t value, LPCSTR sectionName) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR key, uint16_t value, LPCSTR sectionName) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR key, int value, LPCSTR sectionName) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR key, unsigned value, LPCSTR sectionName) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR key, long value, LPCSTR sectionName) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR key, unsigned long value, LPCSTR sectionName) { return Put(key, value, sectionName, 10); }

int iProfile::Get(LPCSTR sectionName, LPCSTR key, int& value) { return Get(key, value, sectionName, 10); }
int iProfile::Get(LPCSTR sectionName, LPCSTR key, int16_t& value) { return Get(key, value, sectionName, 10); }
int iProfile::Get(LPCSTR sectionName, LPCSTR key, long& value) { return Get(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR sectionName, LPCSTR key, int value) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR sectionName, LPCSTR key, int16_t value) { return Put(key, value, sectionName, 10); }
bool iProfile::Put(LPCSTR sectionName, LPCSTR key, long value) { return Put(key, value, sectionName, 10); }

// --- booleans, doubles, texts ---------------------------------------------

int iProfile::Get(LPCSTR key, bool& value, LPCSTR sectionName)
{
    iString text;
    int n = GetString(sectionName, key, text);
    if (n > 0) value = text == "TRUE";
    return n;
}

bool iProfile::Put(LPCSTR key, bool value, LPCSTR sectionName)
{
    return PutString(sectionName, key, value ? "TRUE" : "FALSE");
}

int iProfile::Get(LPCSTR sectionName, LPCSTR key, bool& value) { return Get(key, value, sectionName); }
bool iProfile::Put(LPCSTR sectionName, LPCSTR key, bool value) { return Put(key, value, sectionName); }

int iProfile::Get(LPCSTR key, double& value, LPCSTR sectionName)
{
    iString text;
    int n = GetString(sectionName, key, text);
    if (n > 0) value = std::strtod(text, nullptr);
    return n;
}

bool iProfile::Put(LPCSTR key, double value, LPCSTR sectionName)
{
    char text[DoubleSize];
    int n = std::snprintf(text, sizeof text, "%f", value);
    if (n < 0 || n >= static_cast<int>(sizeof text)) return false;
    return PutString(sectionName, key, text);
}

int iProfile::Get(LPCSTR key, iString& value, LPCSTR sectionName)
{
    iString text;
    int n = GetString(sectionName, key, text);
    if (n > 0) value = text;
    return n;
}

int iProfile::Get(LPCSTR key, char* buffer, int size, LPCSTR sectionName)
{
    iString text;
    int n = GetString(sectionName, key, text);
    if (n > 0 && buffer && size > 0) {
        int copy = text.GetLength() < size - 1 ? text.GetLength() : size - 1;
        std::memcpy(buffer, text.GetString(), static_cast<size_t>(copy));
        buffer[copy] = '\0';
    }
    return n;
}

// --- formatted --------------------------------------------------------------

int iProfile::PutFormat(LPCSTR key, LPCSTR format, ...)
{
    char text[FormatSize];
    text[0] = '\0';
    va_list args;
    va_start(args, format);
    int n = format ? std::vsnprintf(text, sizeof text, format, args) : 0;
    va_end(args);
    if (n < 0) return -1;
    if (n >= static_cast<int>(sizeof text)) n = static_cast<int>(sizeof text) - 1;
    if (!PutString(nullptr, key, text)) return -1;
    return n;
}

int iProfile::GetFormat(LPCSTR key, LPCSTR format, ...)
{
    iString text;
    if (GetString(nullptr, key, text) <= 0 || !format) return -1;
    va_list args;
    va_start(args, format);
    int n = std::vsscanf(text, format, args);
    va_end(args);
    return n;
}

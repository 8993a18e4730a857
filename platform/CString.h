// The framework's ANSI string with the everyday operations.
#pragma once
#include "Afx.h"
#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCSTR text) : m_s(text ? text : "") {}
    CString(LPCSTR text, int length) : m_s(text ? std::string(text, length > 0 ? length : 0) : std::string()) {}
    CString(char ch, int repeat = 1) : m_s(repeat > 0 ? repeat : 0, ch) {}
    virtual ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCSTR text)
    {
        m_s = text ? text : "";
        return *this;
    }
    CString& operator=(char ch)
    {
        m_s.assign(1, ch);
        return *this;
    }

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    operator LPCSTR() const { return m_s.c_str(); }
    LPCSTR GetString() const { return m_s.c_str(); }

    char GetAt(int i) const { return m_s[static_cast<size_t>(i)]; }
    char operator[](int i) const { return GetAt(i); }
    void SetAt(int i, char ch) { m_s[static_cast<size_t>(i)] = ch; }

    CString& operator+=(const CString& s)
    {
        m_s += s.m_s;
        return *this;
    }
    CString& operator+=(LPCSTR s)
    {
        if (s) m_s += s;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_s += ch;
        return *this;
    }
    friend CString operator+(const CString& a, const CString& b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const CString& a, LPCSTR b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(LPCSTR a, const CString& b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const CString& a, char b)
    {
        CString r(a);
        r += b;
        return r;
    }

    int Compare(LPCSTR s) const;
    int CompareNoCase(LPCSTR s) const;
    friend bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

    // Formatting replaces the contents; AppendFormat adds to them.
    void Format(LPCSTR format, ...);
    void FormatV(LPCSTR format, va_list args);
    void AppendFormat(LPCSTR format, ...);

    int Find(char ch, int start = 0) const;
    int Find(LPCSTR sub, int start = 0) const;
    int ReverseFind(char ch) const;
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString& MakeUpper();
    CString& MakeLower();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim()
    {
        TrimRight();
        return TrimLeft();
    }
    int Replace(LPCSTR oldText, LPCSTR newText);
    int Insert(int index, LPCSTR text);
    int Delete(int index, int count = 1);

    // Buffer access: write at most length characters, then ReleaseBuffer.
    LPSTR GetBuffer(int minLength = 0);
    LPSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Loads a string resource of the program; false when there is none.
    BOOL LoadString(UINT id);

private:
    std::string m_s;
};

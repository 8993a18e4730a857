#include "CString.h"
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

int CString::Compare(LPCSTR s) const { return std::strcmp(m_s.c_str(), s ? s : ""); }

int CString::CompareNoCase(LPCSTR s) const { return lstrcmpiA(m_s.c_str(), s ? s : ""); }

void CString::FormatV(LPCSTR format, va_list args)
{
    if (!format) {
        m_s.clear();
        return;
    }
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0) {
        m_s.clear();
        return;
    }
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    m_s.assign(buf.data(), static_cast<size_t>(n));
}

void CString::Format(LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(LPCSTR format, ...)
{
    CString more;
    va_list args;
    va_start(args, format);
    more.FormatV(format, args);
    va_end(args);
    m_s += more.m_s;
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength()) return -1;
    size_t p = m_s.find(ch, static_cast<size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Find(LPCSTR sub, int start) const
{
    if (!sub || start < 0 || start > GetLength()) return -1;
    size_t p = m_s.find(sub, static_cast<size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(char ch) const
{
    size_t p = m_s.rfind(ch);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

CString CString::Left(int count) const
{
    if (count <= 0) return CString();
    return CString(m_s.substr(0, static_cast<size_t>(count)).c_str());
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    if (first < 0) first = 0;
    if (first >= GetLength() || count <= 0) return CString();
    return CString(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)).c_str());
}

CString CString::Right(int count) const
{
    if (count <= 0) return CString();
    if (count >= GetLength()) return *this;
    return CString(m_s.substr(m_s.size() - static_cast<size_t>(count)).c_str());
}

CString& CString::MakeUpper()
{
    for (char& c : m_s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_s.size() && std::isspace(static_cast<unsigned char>(m_s[i]))) ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = m_s.size();
    while (n > 0 && std::isspace(static_cast<unsigned char>(m_s[n - 1]))) --n;
    m_s.resize(n);
    return *this;
}

int CString::Replace(LPCSTR oldText, LPCSTR newText)
{
    if (!oldText || !*oldText) return 0;
    std::string with = newText ? newText : "";
    size_t len = std::strlen(oldText);
    int count = 0;
    for (size_t p = m_s.find(oldText); p != std::string::npos; p = m_s.find(oldText, p + with.size())) {
        m_s.replace(p, len, with);
        ++count;
    }
    return count;
}

int CString::Insert(int index, LPCSTR text)
{
    if (index < 0) index = 0;
    if (index > GetLength()) index = GetLength();
    if (text) m_s.insert(static_cast<size_t>(index), text);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_s.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

LPSTR CString::GetBuffer(int minLength)
{
    if (minLength > GetLength()) m_s.resize(static_cast<size_t>(minLength));
    return &m_s[0];
}

LPSTR CString::GetBufferSetLength(int length)
{
    m_s.resize(static_cast<size_t>(length > 0 ? length : 0));
    return &m_s[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) newLength = static_cast<int>(std::strlen(m_s.c_str()));
    if (newLength > GetLength()) newLength = GetLength();
    m_s.resize(static_cast<size_t>(newLength));
}

BOOL CString::LoadString(UINT id)
{
    char buf[4096];
    int n = ::LoadStringA(AfxGetResourceHandle(), id, buf, sizeof buf);
    if (n <= 0) return FALSE;
    m_s.assign(buf, static_cast<size_t>(n));
    return TRUE;
}

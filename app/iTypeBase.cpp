#include "iTypeBase.h"
#include "iTypeCollection.h"
#include "iRevolveString.h"
#include <cstdlib>
#include <cstring>

namespace iType {

DataBlock::DataBlock(void* address, int32_t bytes) : m_kind(Borrowed), m_elementSize(1), m_count(bytes), m_data(address)
{}

DataBlock::DataBlock(int32_t bytes) : m_kind(Owned), m_elementSize(1), m_count(bytes > 0 ? bytes : 0)
{
    m_data = std::calloc(m_count > 0 ? m_count : 1, 1);
}

DataBlock::DataBlock(int32_t kind, int32_t elementSize, int32_t count, void* address)
    : m_kind(kind), m_elementSize(elementSize), m_count(count), m_data(address)
{}

DataBlock::~DataBlock()
{
    if (m_kind == Owned) std::free(m_data);
}

int DataBlock::CompareData(const DataBlock& other) const
{
    if (!m_data || !other.m_data || m_elementSize != 1 || other.m_elementSize != 1 || m_count != other.m_count)
        return 1;
    int order = std::memcmp(m_data, other.m_data, static_cast<size_t>(m_count));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void DataBlock::ZeroBytes()
{
    if (m_data && ByteCount() > 0) std::memset(m_data, 0, static_cast<size_t>(ByteCount()));
}

Base::Base(Collection* parent, LPCSTR name, LPCSTR label)
{
    SetName(name);
    SetLabel(label);
    Adopt(parent);
}

Base::Base(Collection* parent, void* address, int32_t bytes, LPCSTR name, LPCSTR label) : DataBlock(address, bytes)
{
    SetName(name);
    SetLabel(label);
    Adopt(parent);
}

Base::Base(Collection* parent, int32_t ownedBytes, LPCSTR name, LPCSTR label) : DataBlock(ownedBytes)
{
    SetName(name);
    SetLabel(label);
    Adopt(parent);
}

Base::~Base()
{
    SetOwned(m_name, nullptr);
    SetOwned(m_label, nullptr);
    SetOwned(m_text3, nullptr);
    SetOwned(m_text4, nullptr);
}

void Base::Adopt(Collection* parent)
{
    if (!parent || m_parent) return;
    m_parent = parent;
    parent->Add(this);
}

void Base::SetOwned(char*& slot, LPCSTR text)
{
    if (slot && text && std::strcmp(slot, text) == 0) return;
    char* copy = nullptr;
    if (text) {
        size_t length = std::strlen(text);
        copy = static_cast<char*>(std::malloc(length + 1));
        std::memcpy(copy, text, length + 1);
    }
    std::free(slot);
    slot = copy;
}

LPCSTR Base::Hand(const char* text) { return iRevolveString::Shared().Copy(text ? text : ""); }

void Base::Reset() { ZeroBytes(); }
LPCSTR Base::GetText() { return Hand(""); }

void Base::Assign(const Base& other)
{
    if (&other == this) return;
    m_position = other.m_position;
    SetName(other.m_name);
    SetLabel(other.m_label);
    SetText3(other.m_text3);
    SetText4(other.m_text4);
    m_presentation = other.m_presentation;
    m_flags = other.m_flags;
    m_attribute1 = other.m_attribute1;
    m_attribute2 = other.m_attribute2;
    m_access = other.m_access;
    m_attribute3 = other.m_attribute3;
    m_attribute4 = other.m_attribute4;
}

Base* Base::Create() const { return new Base(nullptr, Name(), Label()); }

Base* Base::Clone() const
{
    Base* copy = Create();
    if (copy) copy->Assign(*this);
    return copy;
}

void Base::Clear() { ZeroBytes(); }
bool Base::IsValid() const { return true; }
LPCSTR Base::GetText(int) { return GetText(); }
void Base::CopyValue(const Base&) {}
bool Base::SetText(LPCSTR) { return false; }
int Base::Compare(const Base& other) const { return CompareData(other); }
int Base::Compare(const Base* other) const { return other ? Compare(*other) : 1; }
bool Base::SetLower() { return false; }
bool Base::SetUpper() { return false; }
bool Base::Increment() { return false; }
bool Base::Decrement() { return false; }

iString Base::FullName(LPCSTR separator) const
{
    iString text = m_name ? m_name : "";
    for (const Base* up = m_parent; up; up = up->m_parent) {
        iString joined = up->m_name ? up->m_name : "";
        if (!text.IsEmpty()) {
            joined += separator ? separator : ".";
            joined += text;
        }
        text = joined;
    }
    return text;
}

} // namespace iType

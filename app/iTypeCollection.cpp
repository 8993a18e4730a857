#include "iTypeCollection.h"
#include <cstdlib>
#include <cstring>

namespace iType {

Collection::Collection(Collection* parent, void* address, int32_t bytes, LPCSTR name, LPCSTR label)
    : Base(parent, address, bytes, name, label)
{}

Collection::Collection(Collection* parent, LPCSTR name, LPCSTR label) : Base(parent, name, label) {}

Collection::~Collection()
{
    std::free(m_members);
    SetOwned(m_separator, nullptr);
}

void Collection::Add(Base* member)
{
    void* grown = std::realloc(m_members, sizeof(Base*) * static_cast<size_t>(m_memberCount + 1));
    if (!grown) return;
    m_members = static_cast<Base**>(grown);
    m_members[m_memberCount++] = member;
}

void Collection::Reset()
{
    for (int i = 0; i < m_memberCount; ++i) m_members[i]->Reset();
}

void Collection::Clear()
{
    for (int i = 0; i < m_memberCount; ++i) m_members[i]->Clear();
}

LPCSTR Collection::GetText()
{
    iString text;
    bool first = true;
    for (int i = 0; i < m_memberCount; ++i) {
        if (!(m_members[i]->m_flags & 1)) continue;
        if (!first && m_separator) text += m_separator;
        text += m_members[i]->GetText();
        first = false;
    }
    return Hand(text);
}

void Collection::Assign(const Base& other)
{
    Base::Assign(other);
    auto* source = dynamic_cast<const Collection*>(&other);
    if (!source || source == this) return;
    for (int i = 0; i < m_memberCount && i < source->m_memberCount; ++i) m_members[i]->Assign(*source->m_members[i]);
}

Base* Collection::Create() const { return new Collection(nullptr, Name(), Label()); }

bool Collection::IsValid() const
{
    for (int i = 0; i < m_memberCount; ++i)
        if (!m_members[i]->IsValid()) return false;
    return true;
}

int Collection::Compare(const Base& other) const
{
    auto* source = dynamic_cast<const Collection*>(&other);
    if (!source) return 1;
    for (int i = 0; i < m_memberCount && i < source->m_memberCount; ++i)
        if (int order = m_members[i]->Compare(*source->m_members[i])) return order;
    return 0;
}

bool Collection::Each(bool (Base::*slot)())
{
    bool all = true;
    for (int i = 0; i < m_memberCount && all; ++i) all = (m_members[i]->*slot)();
    return all;
}

bool Collection::SetLower() { return Each(&Base::SetLower); }
bool Collection::SetUpper() { return Each(&Base::SetUpper); }
bool Collection::Increment() { return Each(&Base::Increment); }
bool Collection::Decrement() { return Each(&Base::Decrement); }

Base* Collection::GetMember(LPCSTR name) const
{
    if (!name) return nullptr;
    for (int i = 0; i < m_memberCount; ++i)
        if (m_members[i]->Name() && std::strcmp(m_members[i]->Name(), name) == 0) return m_members[i];
    return nullptr;
}

Base* Collection::GetMember(const iString& name) const { return GetMember(static_cast<LPCSTR>(name)); }

Base* Collection::GetMember(int index) const
{
    return index >= 0 && index < m_memberCount ? m_members[index] : nullptr;
}

Base* Collection::GetMemberAt(int index) const { return GetMember(index); }
Base* Collection::Find(LPCSTR name) const { return GetMember(name); }
Base* Collection::Find(const iString& name) const { return GetMember(name); }
Base* Collection::At(int index) const { return GetMember(index); }
Base* Collection::Item(int index) const { return GetMemberAt(index); }

} // namespace iType

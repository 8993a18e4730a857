// An ordered list of member descriptions standing for a whole record.
#pragma once
#include "iTypeBase.h"

namespace iType {

class Collection : public Base {
public:
    Collection(Collection* parent, void* address, int32_t bytes, LPCSTR name, LPCSTR label);
    Collection(Collection* parent, LPCSTR name, LPCSTR label);
    // The members are listed, not owned.
    ~Collection() override;

    void Reset() override;
    LPCSTR GetText() override;
    using Base::GetText;
    void Assign(const Base& other) override;
    Base* Create() const override;
    void Clear() override;
    bool IsValid() const override;
    int Compare(const Base& other) const override;
    using Base::Compare;
    bool SetLower() override;
    bool SetUpper() override;
    bool Increment() override;
    bool Decrement() override;

    virtual Base* GetMember(LPCSTR name) const; // 18
    virtual Base* GetMember(const iString& name) const; // 19
    virtual Base* GetMember(int index) const; // 20
    virtual Base* GetMemberAt(int index) const; // 21
    virtual Base* Find(LPCSTR name) const; // 22
    virtual Base* Find(const iString& name) const; // 23
    virtual Base* At(int index) const; // 24
    virtual Base* Item(int index) const; // 25

    int32_t Count() const { return m_memberCount; }
    void SetSeparator(LPCSTR separator) { SetOwned(m_separator, separator); }
    LPCSTR Separator() const { return m_separator; }

private:
    friend class Base;
    void Add(Base* member);
    // Runs one of the limit slots on every member while all succeed.
    bool Each(bool (Base::*slot)());

    int32_t m_memberCount = 0;
    Base** m_members = nullptr;
    char* m_separator = nullptr;
};

} // namespace iType

// Run-time descriptions of plain data: the memory binding and the named, labelled root.
#pragma once
#include "iString.h"
#include <cstdint>

namespace iType {

class Collection;

// Binds a description to memory, borrowed or owned.
class DataBlock {
public:
    enum Kind : int32_t { Borrowed = 1, Owned = 2 };

    DataBlock() = default;
    DataBlock(void* address, int32_t bytes);
    explicit DataBlock(int32_t bytes);
    DataBlock(int32_t kind, int32_t elementSize, int32_t count, void* address);
    DataBlock(const DataBlock&) = delete;
    DataBlock& operator=(const DataBlock&) = delete;

    // Slot 0: bytewise order of two byte blocks of equal length; any other pair counts as different.
    virtual int CompareData(const DataBlock& other) const;
    // Slot 1.
    virtual ~DataBlock();

    void ZeroBytes();
    int32_t ByteCount() const { return m_elementSize * m_count; }
    void* Data() const { return m_data; }
    int32_t StorageKind() const { return m_kind; }
    int32_t ElementSize() const { return m_elementSize; }
    int32_t ElementCount() const { return m_count; }

protected:
    int32_t m_kind = Borrowed;
    int32_t m_elementSize = 1;
    int32_t m_count = 0;
    void* m_data = nullptr;
};

class Base : public DataBlock {
public:
    // A non-null parent adopts the new member at the end of its list.
    Base(Collection* parent, LPCSTR name, LPCSTR label);
    Base(Collection* parent, void* address, int32_t bytes, LPCSTR name, LPCSTR label);
    Base(Collection* parent, int32_t ownedBytes, LPCSTR name, LPCSTR label);
    ~Base() override;

    virtual void Reset(); // 2
    virtual LPCSTR GetText(); // 3
    virtual void Assign(const Base& other); // 4
    virtual Base* Create() const; // 5
    virtual Base* Clone() const; // 6
    virtual void Clear(); // 7
    virtual bool IsValid() const; // 8
    virtual LPCSTR GetText(int unused); // 9
    virtual void CopyValue(const Base& other); // 10
    virtual bool SetText(LPCSTR text); // 11
    virtual int Compare(const Base& other) const; // 12
    virtual int Compare(const Base* other) const; // 13
    virtual bool SetLower(); // 14
    virtual bool SetUpper(); // 15
    virtual bool Increment(); // 16
    virtual bool Decrement(); // 17

    Collection* Parent() const { return m_parent; }
    LPCSTR Name() const { return m_name; }
    LPCSTR Label() const { return m_label; }
    // The label, or the name when there is no label.
    LPCSTR Caption() const { return m_label ? m_label : m_name; }
    void SetName(LPCSTR name) { SetOwned(m_name, name); }
    void SetLabel(LPCSTR label) { SetOwned(m_label, label); }
    void SetText3(LPCSTR text) { SetOwned(m_text3, text); }
    void SetText4(LPCSTR text) { SetOwned(m_text4, text); }
    LPCSTR Text3() const { return m_text3; }
    LPCSTR Text4() const { return m_text4; }

    // Own name preceded by every parent's name, joined by the separator ("." when null).
    iString FullName(LPCSTR separator = nullptr) const;

protected:
    // Results of GetText go through the shared ring so callers need not own them.
    static LPCSTR Hand(const char* text);
    static void SetOwned(char*& slot, LPCSTR text);

private:
    friend class Collection;
    void Adopt(Collection* parent);

    // Fields in their record order.
    Collection* m_parent = nullptr;

public:
    int32_t m_position = -1;

private:
    char* m_name = nullptr;
    char* m_label = nullptr;
    char* m_text3 = nullptr;
    char* m_text4 = nullptr;

public:
    int32_t m_presentation = 0x20;
    int32_t m_flags = 3;
    int32_t m_attribute1 = 0;
    int32_t m_attribute2 = 0;
    int32_t m_access = -1;
    int32_t m_attribute3 = -1;
    int32_t m_attribute4 = 8190;
    int32_t m_reserved[3] = { 0, 0, 0 };
};

} // namespace iType

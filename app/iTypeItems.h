// Check sets and choice lists: members whose values come with texts from a key-to-text map.
#pragma once
#include "iTypeCollection.h"
#include "iStringMap.h"
#include <cstdio>
#include <limits>
#include <type_traits>

namespace iType {

// The map is made by the first item; copies share their source's map without owning it.
class ItemMap {
public:
    ItemMap() = default;
    ItemMap(const ItemMap&) = delete;
    ItemMap& operator=(const ItemMap&) = delete;
    ~ItemMap() { Release(); }

    iStringMap* Map() const { return m_map; }
    bool Owned() const { return m_owned != 0; }
    void Set(long key, LPCSTR text);
    void ShareFrom(const ItemMap& other);
    // Item text of the key; empty when the key has no item.
    LPCSTR Text(long key) const;

private:
    void Release();
    int32_t m_owned = 0;
    iStringMap* m_map = nullptr;
};

class _TCheck : public Base {
public:
    using Base::Base;

    void AddItem(int bit, LPCSTR text);
    const ItemMap& Items() const { return m_items; }

    LPCSTR GetText() override;
    using Base::GetText;
    void Assign(const Base& other) override;
    bool IsValid() const override { return true; }
    void CopyValue(const Base& other) override;
    bool SetText(LPCSTR text) override;
    int Compare(const Base& other) const override;
    using Base::Compare;
    bool SetLower() override { return false; }
    bool SetUpper() override { return false; }
    bool Increment() override { return false; }
    bool Decrement() override { return false; }

    virtual long GetValue() const = 0; // 18
    virtual int GetCount() const = 0; // 19
    virtual bool IsChecked(int bit) const; // 20
    virtual void SetChecked(int bit, bool on); // 21
    virtual long Value() const { return GetValue(); } // 22
    virtual int Count() const { return GetCount(); } // 23
    virtual bool Checked(int bit) const { return IsChecked(bit); } // 24
    virtual void Check(int bit, bool on) { SetChecked(bit, on); } // 25

    int32_t m_horizontal = 0;

protected:
    virtual void PutValue(long value) = 0;

private:
    ItemMap m_items;
};

template <typename T = int32_t> class TCheck : public _TCheck {
    static_assert(std::is_integral<T>::value, "a check set is an integer bit mask");
    // Values travel as long, so wider masks would lose their high bits.
    static_assert(sizeof(T) <= sizeof(long), "a check set holds at most 32 bits");

public:
    TCheck(Collection* parent, void* address, int32_t bytes, LPCSTR name, LPCSTR label)
        : _TCheck(parent, address, bytes, name, label)
    {
        PutValue(0);
    }
    TCheck(Collection* parent, LPCSTR name, LPCSTR label)
        : _TCheck(parent, static_cast<int32_t>(sizeof(T)), name, label)
    {}

    void Reset() override { PutValue(static_cast<long>(m_default)); }
    void Clear() override { PutValue(static_cast<long>(m_clear)); }
    Base* Create() const override { return new TCheck<T>(nullptr, Name(), Label()); }
    long GetValue() const override { return Fits() ? static_cast<long>(*static_cast<T*>(m_data)) : 0; }
    int GetCount() const override { return static_cast<int>(sizeof(T) * 8); }

    void SetDefault(T value) { m_default = value; }
    void SetClearValue(T value) { m_clear = value; }
    T Default() const { return m_default; }
    T ClearValue() const { return m_clear; }

protected:
    void PutValue(long value) override
    {
        if (Fits()) *static_cast<T*>(m_data) = static_cast<T>(value);
    }

private:
    // Never touch memory shorter than the value type.
    bool Fits() const { return m_data && ByteCount() >= static_cast<int32_t>(sizeof(T)); }
    T m_default = 0;
    T m_clear = 0;
};

class _TCombo : public Base {
public:
    using Base::Base;

    void AddItem(long key, LPCSTR text);
    const ItemMap& Items() const { return m_items; }

    LPCSTR GetText() override;
    using Base::GetText;
    void Assign(const Base& other) override;
    bool IsValid() const override { return true; }
    void CopyValue(const Base& other) override;
    bool SetText(LPCSTR text) override;
    int Compare(const Base& other) const override;
    using Base::Compare;
    bool Increment() override { return false; }
    bool Decrement() override { return false; }

    virtual long GetValue() const = 0; // 18
    // Stores a key as the field's value; the dialog writes its choice this way.
    void SetValue(long value) { PutValue(value); }

protected:
    virtual void PutValue(long value) = 0;

private:
    ItemMap m_items;
};

template <typename T = int32_t> class TCombo : public _TCombo {
    static_assert(sizeof(T) <= sizeof(long), "keys travel as long");

public:
    TCombo(Collection* parent, void* address, int32_t bytes, LPCSTR name, LPCSTR label)
        : _TCombo(parent, address, bytes, name, label)
    {
        PutValue(0);
    }
    TCombo(Collection* parent, LPCSTR name, LPCSTR label)
        : _TCombo(parent, static_cast<int32_t>(sizeof(T)), name, label)
    {}

    void Reset() override { PutValue(static_cast<long>(m_default)); }
    void Clear() override { PutValue(static_cast<long>(m_clear)); }
    Base* Create() const override { return new TCombo<T>(nullptr, Name(), Label()); }
    long GetValue() const override { return Fits() ? static_cast<long>(*static_cast<T*>(m_data)) : 0; }
    bool SetLower() override { return PutLimit(std::numeric_limits<T>::min()); }
    bool SetUpper() override { return PutLimit(std::numeric_limits<T>::max()); }

    void SetDefault(T value) { m_default = value; }
    void SetClearValue(T value) { m_clear = value; }
    T Default() const { return m_default; }
    T ClearValue() const { return m_clear; }

protected:
    void PutValue(long value) override
    {
        if (Fits()) *static_cast<T*>(m_data) = static_cast<T>(value);
    }

private:
    bool Fits() const { return m_data && ByteCount() >= static_cast<int32_t>(sizeof(T)); }
    bool PutLimit(T limit)
    {
        if (!std::is_integral<T>::value || !Fits()) return false;
        *static_cast<T*>(m_data) = limit;
        return true;
    }

    T m_default = 0;
    T m_clear = 0;
};

} // namespace iType

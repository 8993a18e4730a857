#include "iTypeItems.h"

namespace iType {

void ItemMap::Release()
{
    if (m_owned) delete m_map;
    m_map = nullptr;
    m_owned = 0;
}

void ItemMap::Set(long key, LPCSTR text)
{
    if (!m_map) {
        m_map = new iStringMap;
        m_owned = 1;
    }
    (*m_map)[key] = text ? text : "";
}

void ItemMap::ShareFrom(const ItemMap& other)
{
    if (&other == this || other.m_map == m_map) return;
    Release();
    m_map = other.m_map;
}

LPCSTR ItemMap::Text(long key) const
{
    if (!m_map) return "";
    auto found = m_map->find(key);
    return found == m_map->end() ? "" : static_cast<LPCSTR>(found->second);
}

void _TCheck::AddItem(int bit, LPCSTR text)
{
    if (bit < 0 || bit >= GetCount()) return;
    m_items.Set(bit, text);
}

LPCSTR _TCheck::GetText()
{
    unsigned long field = static_cast<unsigned long>(GetValue());
    if (!m_items.Map()) {
        char digits[40];
        // The field holds at most 32 bits, so at most 8 digits; saying so keeps the width bounded.
        const int count = GetCount();
        const int width = count > 0 && count < 32 ? count / 4 : 8;
        std::snprintf(digits, sizeof digits, "0x%0*lX", width,
                      GetCount() >= 32 ? field & 0xFFFFFFFFul : field & ((1ul << GetCount()) - 1));
        return Hand(digits);
    }
    iString text;
    bool first = true;
    unsigned long mask = 1;
    for (int bit = 0; bit < GetCount(); ++bit, mask <<= 1) {
        if (!(field & mask)) continue;
        if (!first) text += " & ";
        text += m_items.Text(bit);
        first = false;
    }
    return Hand(text);
}

void _TCheck::Assign(const Base& other)
{
    Base::Assign(other);
    if (auto* source = dynamic_cast<const _TCheck*>(&other)) m_items.ShareFrom(source->m_items);
}

void _TCheck::CopyValue(const Base& other)
{
    if (auto* source = dynamic_cast<const _TCheck*>(&other)) PutValue(source->GetValue());
}

bool _TCheck::SetText(LPCSTR text)
{
    if (m_items.Map() && text) {
        long key = m_items.Map()->Key(text);
        // No item has the text: the field keeps its value.
        if (key >= 0) PutValue(key);
    }
    return true;
}

int _TCheck::Compare(const Base& other) const
{
    auto* source = dynamic_cast<const _TCheck*>(&other);
    if (!source) return 1;
    long a = GetValue(), b = source->GetValue();
    return a < b ? -1 : a > b ? 1 : 0;
}

bool _TCheck::IsChecked(int bit) const
{
    if (bit < 0 || bit >= GetCount()) return false;
    return (static_cast<unsigned long>(GetValue()) >> bit) & 1ul;
}

void _TCheck::SetChecked(int bit, bool on)
{
    if (bit < 0 || bit >= GetCount()) return;
    unsigned long field = static_cast<unsigned long>(GetValue());
    unsigned long mask = 1ul << bit;
    PutValue(static_cast<long>(on ? field | mask : field & ~mask));
}

void _TCombo::AddItem(long key, LPCSTR text) { m_items.Set(key, text); }

LPCSTR _TCombo::GetText()
{
    if (!m_items.Map()) return Hand("*No String Map!*");
    return Hand(m_items.Text(GetValue()));
}

void _TCombo::Assign(const Base& other)
{
    Base::Assign(other);
    if (auto* source = dynamic_cast<const _TCombo*>(&other)) m_items.ShareFrom(source->m_items);
}

void _TCombo::CopyValue(const Base& other)
{
    if (auto* source = dynamic_cast<const _TCombo*>(&other)) PutValue(source->GetValue());
}

bool _TCombo::SetText(LPCSTR text)
{
    if (m_items.Map() && text) {
        for (const auto& item : *m_items.Map())
            if (item.second == text) {
                PutValue(item.first);
                break;
            }
    }
    return true;
}

int _TCombo::Compare(const Base& other) const
{
    auto* source = dynamic_cast<const _TCombo*>(&other);
    if (!source) return 1;
    long a = GetValue(), b = source->GetValue();
    return a < b ? -1 : a > b ? 1 : 0;
}

} // namespace iType

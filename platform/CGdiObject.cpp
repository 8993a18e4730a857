#include "CGdiObject.h"
#include <map>
#include <memory>

BOOL CGdiObject::Attach(HGDIOBJ h)
{
    if (!h) return FALSE;
    DeleteObject();
    m_hObject = h;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject) return FALSE;
    BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

namespace {
std::map<HGDIOBJ, std::unique_ptr<CFont>>& TempFonts()
{
    static thread_local std::map<HGDIOBJ, std::unique_ptr<CFont>> fonts;
    return fonts;
}
} // namespace

CFont* CFont::FromHandle(HFONT h)
{
    if (!h) return nullptr;
    auto& slot = TempFonts()[h];
    if (!slot) {
        slot.reset(new CFont);
        slot->m_hObject = h;
    }
    return slot.get();
}

void AfxDeleteTempGdiObjects()
{
    for (auto& f : TempFonts()) f.second->Detach();
    TempFonts().clear();
}

#include "iAccessibleProxy.h"

// The interface's id is taken from its declaration: the import library of oleacc holds a symbol
// of the same name that is not the id itself, and which one the linker finds depends on the order
// of the libraries.

LRESULT iAccessibleProxy::Answer(HWND window, WPARAM wParam, LPARAM lParam, long role, long extraState)
{
    if (static_cast<long>(lParam) != OBJID_CLIENT) return 0;
    IAccessible* system = nullptr;
    if (FAILED(::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&system))) ||
        !system)
        return 0;
    iAccessibleProxy* proxy = new iAccessibleProxy(system, role, extraState);
    LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, proxy);
    proxy->Release();
    return result > 0 ? result : 0;
}

iAccessibleProxy::iAccessibleProxy(IAccessible* system, long role, long extraState)
    : m_system(system), m_role(role), m_extraState(extraState)
{}

iAccessibleProxy::~iAccessibleProxy() { m_system->Release(); }

HRESULT iAccessibleProxy::QueryInterface(REFIID riid, void** out)
{
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG iAccessibleProxy::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }

ULONG iAccessibleProxy::Release()
{
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
}

HRESULT iAccessibleProxy::get_accRole(VARIANT child, VARIANT* role)
{
    if (!role) return E_POINTER;
    if (!IsSelf(child)) return m_system->get_accRole(child, role);
    ::VariantInit(role);
    role->vt = VT_I4;
    role->lVal = m_role;
    return S_OK;
}

HRESULT iAccessibleProxy::get_accState(VARIANT child, VARIANT* state)
{
    HRESULT hr = m_system->get_accState(child, state);
    if (SUCCEEDED(hr) && IsSelf(child) && state->vt == VT_I4) state->lVal |= m_extraState;
    return hr;
}

// The rest is the system's answer.
HRESULT iAccessibleProxy::GetTypeInfoCount(UINT* count) { return m_system->GetTypeInfoCount(count); }
HRESULT iAccessibleProxy::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info)
{
    return m_system->GetTypeInfo(index, locale, info);
}
HRESULT iAccessibleProxy::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids)
{
    return m_system->GetIDsOfNames(riid, names, count, locale, ids);
}
HRESULT iAccessibleProxy::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* exception, UINT* argError)
{
    return m_system->Invoke(id, riid, locale, flags, params, result, exception, argError);
}
HRESULT iAccessibleProxy::get_accParent(IDispatch** parent) { return m_system->get_accParent(parent); }
HRESULT iAccessibleProxy::get_accChildCount(long* count) { return m_system->get_accChildCount(count); }
HRESULT iAccessibleProxy::get_accChild(VARIANT child, IDispatch** out) { return m_system->get_accChild(child, out); }
HRESULT iAccessibleProxy::get_accName(VARIANT child, BSTR* name) { return m_system->get_accName(child, name); }
HRESULT iAccessibleProxy::get_accValue(VARIANT child, BSTR* value) { return m_system->get_accValue(child, value); }
HRESULT iAccessibleProxy::get_accDescription(VARIANT child, BSTR* description)
{
    return m_system->get_accDescription(child, description);
}
HRESULT iAccessibleProxy::get_accHelp(VARIANT child, BSTR* help) { return m_system->get_accHelp(child, help); }
HRESULT iAccessibleProxy::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    return m_system->get_accHelpTopic(file, child, topic);
}
HRESULT iAccessibleProxy::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    return m_system->get_accKeyboardShortcut(child, shortcut);
}
HRESULT iAccessibleProxy::get_accFocus(VARIANT* child) { return m_system->get_accFocus(child); }
HRESULT iAccessibleProxy::get_accSelection(VARIANT* children) { return m_system->get_accSelection(children); }
HRESULT iAccessibleProxy::get_accDefaultAction(VARIANT child, BSTR* action)
{
    return m_system->get_accDefaultAction(child, action);
}
HRESULT iAccessibleProxy::accSelect(long flags, VARIANT child) { return m_system->accSelect(flags, child); }
HRESULT iAccessibleProxy::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    return m_system->accLocation(left, top, width, height, child);
}
HRESULT iAccessibleProxy::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    return m_system->accNavigate(direction, start, end);
}
HRESULT iAccessibleProxy::accHitTest(long x, long y, VARIANT* child) { return m_system->accHitTest(x, y, child); }
HRESULT iAccessibleProxy::accDoDefaultAction(VARIANT child) { return m_system->accDoDefaultAction(child); }
HRESULT iAccessibleProxy::put_accName(VARIANT child, BSTR name) { return m_system->put_accName(child, name); }
HRESULT iAccessibleProxy::put_accValue(VARIANT child, BSTR value) { return m_system->put_accValue(child, value); }

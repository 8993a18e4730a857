// A link made by its constructor and owned by its toolkit parent.
#pragma once
#include "XStaticHyperLink.h"
#include "iWindowSet.h"

class iStaticHyperLink : public XStaticHyperLink {
public:
    iStaticHyperLink(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id = 0xFFFF);
    iStaticHyperLink(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle, LPVOID param);

    iWindowSetAccess registration;

private:
    void Make(CWnd* parent, const RECT& rect, DWORD style, LPCSTR text, UINT id, DWORD exStyle, LPVOID param);
};

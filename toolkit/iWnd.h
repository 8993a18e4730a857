// The creation protocol of toolkit controls, and the plain toolkit window that owns its controls.
#pragma once
#include "CWnd.h"
#include "iWindowSet.h"

// Converts a control rectangle from dialog units to pixels when the parent reads layouts that way.
void MapToParentUnits(CWnd* parent, RECT& rect);

// Creates a control as a child of parent, takes the parent's font and enters the parent's window set.
// extended selects the extended creation call with the given class.
BOOL iCreateControl(CWnd* control, iWindowSetAccess& registration, CWnd* parent, LPCSTR className, const RECT& rect,
                    DWORD style, LPCSTR text, UINT id, bool extended = false, DWORD exStyle = 0,
                    LPVOID param = nullptr);

// A toolkit window: the controls created on it are entered in its set and deleted with it.
class iWnd : public CWnd, public iWindowSetOwner {
public:
    iWnd() = default;
    ~iWnd() override;
    iWindowSet* GetWindowSet() override { return &windows; }

    iWindowSet windows;
};

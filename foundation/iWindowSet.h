// Child windows owned by a toolkit window, and the registration of a control in its parent's set.
#pragma once
#include "CWnd.h"
#include <set>

// The windows a toolkit window owns, ordered by address.
class iWindowSet : public std::set<CWnd*> {
public:
    // Deletes every window in the set; each is taken out before it is deleted.
    void DeleteAll();
};

// Called by the destructors of the toolkit windows that own children.
void DeleteOwnedWindows(iWindowSet& windows);

// Implemented by the toolkit windows that own a window set, so a control can find it in its parent.
class iWindowSetOwner {
public:
    virtual ~iWindowSetOwner() = default;
    virtual iWindowSet* GetWindowSet() = 0;
    virtual bool IsPropertyPage() const { return false; }
    // A property page marks itself changed in its sheet.
    virtual void SetModified(bool changed = true) { (void)changed; }
};

// A control's membership in its parent's window set.
class iWindowSetAccess {
public:
    iWindowSetAccess() = default;
    virtual ~iWindowSetAccess();
    iWindowSetAccess(const iWindowSetAccess&) = delete;
    iWindowSetAccess& operator=(const iWindowSetAccess&) = delete;

    // Registers the control with its parent window object; false when it has none.
    bool Attach(CWnd* control);
    // Leaves the parent's set; the parent no longer owns the control.
    void Detach();
    void SetModified();

    CWnd* window = nullptr;
    iWindowSet* windowSet = nullptr;
    iWindowSetOwner* propertyPage = nullptr;
};

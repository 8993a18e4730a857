#include "iWindowSet.h"

void iWindowSet::DeleteAll()
{
    // Taking the window out first keeps each delete single even if its destructor
    // does not remove itself, and a destructor that removes a sibling only shortens the loop.
    while (!empty()) {
        CWnd* window = *begin();
        erase(begin());
        delete window;
    }
}

void DeleteOwnedWindows(iWindowSet& windows) { windows.DeleteAll(); }

iWindowSetAccess::~iWindowSetAccess() { Detach(); }

bool iWindowSetAccess::Attach(CWnd* control)
{
    Detach();
    if (!control || !control->m_hWnd) return false;
    CWnd* parent = CWnd::FromHandlePermanent(::GetParent(control->m_hWnd));
    if (!parent) return false;

    window = control;
    if (iWindowSetOwner* owner = dynamic_cast<iWindowSetOwner*>(parent)) {
        windowSet = owner->GetWindowSet();
        if (owner->IsPropertyPage()) propertyPage = owner;
    }
    if (windowSet) windowSet->insert(control);
    return true;
}

void iWindowSetAccess::Detach()
{
    if (windowSet && window) windowSet->erase(window);
    window = nullptr;
    windowSet = nullptr;
    propertyPage = nullptr;
}

void iWindowSetAccess::SetModified()
{
    if (propertyPage) propertyPage->SetModified(true);
}

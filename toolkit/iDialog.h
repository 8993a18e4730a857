// A dialog whose template is built in memory and whose window exists once the constructor returns.
#pragma once
#include "CDialog.h"
#include "DialogTemplate.h"
#include "iWindowSet.h"
#include <memory>

class iDialog : public CDialog, public iWindowSetOwner {
public:
    // rect is in dialog units; menu 0 or -1 means none; modeless 0 makes a modal dialog.
    iDialog(CWnd* parent, const RECT& rect, DWORD style, LPCSTR caption, int menu = 0, int modeless = 0);
    ~iDialog() override;

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;

    iWindowSet* GetWindowSet() override { return &windows; }
    // Control rectangles on this dialog are read in dialog units while this is set.
    bool UsesDialogUnits() const { return dialogUnits != 0; }
    LPCDLGTEMPLATE Template() const { return dialogTemplate ? dialogTemplate->Get() : nullptr; }

    std::unique_ptr<CDialogTemplate> dialogTemplate;
    int modalByHand = 0;
    int dialogUnits = 1;
    int inModalLoop = 0;
    HWND disabledParent = nullptr;
    int parentWasEnabled = 0;
    CRect rect;
    DWORD style = 0;
    iWindowSet windows;

    // The font a dialog without one of its own has past 96 DPI: the System font's 16-pixel
    // cell at 96 DPI, in a face that is drawn at every size.
    static constexpr WORD SystemSizedPoints = 10;
    static constexpr const char* SystemSizedFace = "Tahoma";

    // A caption from the string tables that names the program by a %s ("Help %s").
    static CString CaptionOf(UINT textId, LPCSTR title);

protected:
    // The bit of WS_MAXIMIZE is the toolkit's own: it keeps the template's placement.
    static const DWORD KeepPlacement = 0x01000000;
    // The system's colours or its contrast setting changed: everything is painted anew at once.
    LRESULT OnThemeChange(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};

#include "iCollectionDialog.h"
#include "ProgramText.h"
#include <algorithm>
#include <new>

iCollectionDialog::iCollectionDialog(CWnd* parent, const RECT& r, DWORD dialogStyle, LPCSTR caption, int id,
                                     iType::Collection* shown)
    // The builder's metrics are those of the template's standard 8-point dialog font; without
    // DS_SETFONT the bold system font would cut the labels and check box texts.
    : iDialog(parent, r, dialogStyle | DS_SETFONT, caption, id), collection(shown)
{
    dialogUnits = 0;
    const iString section = collection ? collection->FullName() : iString("");
    profile = new (std::nothrow) iTypeDialogProfile(section);
    builder = new iCollectionDialogBuilder(this, collection, collection ? collection->Name() : nullptr,
                                           collection ? collection->Label() : nullptr, profile, 0,
                                           iCollectionDialogBuilder::CollectionMode);

    // The layout is in 96-DPI pixels, as a layout file's; the dialog's font follows the DPI, so
    // its places do too.
    const iScale scale(iScale::DpiOf(m_hWnd));
    if (builder) builder->scale = scale;
    const LONG w = r.right - r.left;
    RECT labels = { 5, 5, 115, 5 };
    RECT controls = { 120, 5, w - 95, 5 };
    int rowStep = 25;
    if (profile) profile->GetLayoutRects(labels, controls, rowStep);
    // Columns a layout file placed are kept as it placed them.
    const bool placedColumns = labels.right != 115 || controls.left != 120 || controls.right != w - 95;
    labels = scale(labels);
    controls = scale(controls);
    rowStep = scale(rowStep);
    if (rowStep < 1) rowStep = 1;
    // A language whose words run longer widens the columns and the dialog from its texts.
    LONG wider = 0;
    if (builder && !placedColumns) {
        const LONG labelWiden = builder->WidestLabel() + scale(2) - (labels.right - labels.left);
        if (labelWiden > 0) {
            labels.right += labelWiden;
            controls.left += labelWiden;
            controls.right += labelWiden;
            wider += labelWiden;
        }
        const LONG controlWiden = builder->WidestControl() - (controls.right - controls.left);
        if (controlWiden > 0) {
            controls.right += controlWiden;
            wider += controlWiden;
        }
    }
    RECT ok = { w - 90, 5, w - 10, 27 };
    RECT cancel = { w - 90, 30, w - 10, 52 };
    const bool placedButtons = profile && (profile->Get("OK", ok) > 0) + (profile->Get("Cancel", cancel) > 0) > 0;
    ok = scale(ok);
    cancel = scale(cancel);
    if (!placedButtons && builder) {
        // Both buttons as wide as the wider caption needs, right of the controls.
        const LONG need =
            std::max(builder->TextWidth(ProgramText(IDS_OK)), builder->TextWidth(ProgramText(IDS_CANCEL))) + scale(16);
        const LONG buttonWiden = std::max<LONG>(0, need - (ok.right - ok.left));
        for (RECT* b : { &ok, &cancel }) {
            b->left += wider;
            b->right += wider + buttonWiden;
        }
        wider += buttonWiden;
    }
    rect.right = rect.left + scale(w) + wider;

    builder->Build(7, labels, controls, rowStep, false);

    okButton = new iPushButton(this, ok, WS_VISIBLE | WS_TABSTOP, ProgramText(IDS_OK), IDOK);
    cancelButton = new iPushButton(this, cancel, WS_VISIBLE | WS_TABSTOP, ProgramText(IDS_CANCEL), IDCANCEL);

    // A short collection still needs room for both buttons.
    LONG h = controls.bottom;
    if (h <= 2 * rowStep) h += rowStep;
    rect.bottom = rect.top + h + scale(40);
    if (profile && profile->saving) profile->PutRect("Rect", rect);

    // Now sized to the content, centred on the parent and filled from the record.
    OnInitDialog();
}

iCollectionDialog::~iCollectionDialog()
{
    delete builder;
    builder = nullptr;
    delete profile;
    profile = nullptr;
}

void iCollectionDialog::DoDataExchange(CDataExchange* dx)
{
    if (builder) builder->DoDataExchange(dx);
}

// A modal dialog generated from a collection: one labelled control per member, OK and Cancel.
#pragma once
#include "iButton.h"
#include "iDialog.h"
#include "iTypeDialogBuilder.h"

class iCollectionDialog : public iDialog {
public:
    // rect is in pixels; its height is replaced by the content's.
    iCollectionDialog(CWnd* parent, const RECT& rect, DWORD style, LPCSTR caption, int id,
                      iType::Collection* collection);
    ~iCollectionDialog() override;

    iType::Collection* collection;
    iTypeDialogProfile* profile = nullptr;
    iCollectionDialogBuilder* builder = nullptr;
    iPushButton* okButton = nullptr;
    iPushButton* cancelButton = nullptr;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};

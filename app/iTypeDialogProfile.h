// The optional ".dlg" file beside the program that overrides a generated dialog's layout.
#pragma once
#include "iProfileEx.h"
#include <vector>

class iTypeDialogProfile : public iProfileEx {
public:
    // The section is the full name of the collection the dialog shows.
    explicit iTypeDialogProfile(LPCSTR sectionName, int saveLayout = SavingSwitch());

    // Nothing in this program turns layout saving on.
    static int SavingSwitch() { return s_saving; }
    static void SetSavingSwitch(int on) { s_saving = on; }

    // "StaticRect" and "DynamicRect" count only as a pair; "DY" on its own.
    void GetLayoutRects(RECT& labels, RECT& controls, int& rowStep);
    void GetLayout(int& value);
    bool PutRect(LPCSTR key, const RECT& rect);

    // Indexes i below count whose key prefix + "%04d" is present in the section, ascending.
    // Only the section's own keys are looked at, so a huge count costs nothing.
    std::vector<int> PresentIndexes(LPCSTR prefix, long count);
    // Every key name of the section.
    std::vector<iString> KeyNames();

    int saving;

private:
    static int s_saving;
};

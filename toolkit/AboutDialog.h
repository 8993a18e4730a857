// The program's title and version, a word about it, and the credit links.
#pragma once
#include "iDialog.h"

class iStatic;
class iPushButton;
class iStaticHyperLink;

class AboutDialog : public iDialog {
public:
    AboutDialog(CWnd* parent, LPCSTR title, int major, int minor, int build);
    ~AboutDialog() override;

    iStatic* version;
    iStatic* about;
    iStaticHyperLink* links[3];
    iPushButton* ok;
};

// The rules of the game, and its keys.
#pragma once
#include "iDialog.h"

class iStatic;
class iPushButton;

class HelpDialog : public iDialog {
public:
    HelpDialog(CWnd* parent, LPCSTR title);
    ~HelpDialog() override;

    iStatic* text;
    // The keys of the game, below the rules.
    iStatic* keys;
    iPushButton* ok;
};

// The rules of the game.
#pragma once
#include "iDialog.h"

class iStatic;
class iPushButton;

class HelpDialog : public iDialog {
public:
    HelpDialog(CWnd* parent, LPCSTR title);
    ~HelpDialog() override;

    iStatic* text;
    iPushButton* ok;
};

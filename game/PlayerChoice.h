// Who is playing: the children of the class preset as large buttons, asked for at every Start.
#pragma once
#include "CFrameWnd.h"
#include "CoolPushButton.h"
#include "iDialog.h"
#include <string>
#include <vector>

class PlayerChoiceDialog;

// One name as a large button. The arrows move among the names as they stand in the grid, and a
// held Enter that opened the window does not choose in it.
class PlayerButton : public CoolPushButton {
public:
    PlayerButton(PlayerChoiceDialog* owner, const RECT& rect, DWORD style, LPCSTR name, UINT id);

protected:
    LRESULT OnGetDlgCode(WPARAM, LPARAM msg);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    PlayerChoiceDialog* m_owner;
};

// The names in a grid, read across, in a font a young child reads; the focus on the first.
// Enter, the space bar or a click chooses; Esc or the close box goes back.
class PlayerChoiceDialog : public iDialog {
public:
    PlayerChoiceDialog(CWnd* parent, const std::vector<std::string>& names);
    ~PlayerChoiceDialog() override;

    // The index of the name chosen, -1 until one is.
    int Chosen() const { return m_chosen; }
    int Columns() const { return m_columns; }
    const std::vector<PlayerButton*>& Buttons() const { return m_buttons; }
    // The focus from a name to its neighbour across (dx) or down (dy), where there is one.
    void MoveFocus(PlayerButton* from, int dx, int dy);

    // The font of the names at a DPI: large and bold; smaller only where the screen needs it.
    static const int NameHeight = 24;
    static const int SmallestNameHeight = 12;

private:
    void Layout(const std::vector<std::string>& names);
    void OnName(iButton* button);

    std::vector<PlayerButton*> m_buttons;
    CFont m_font;
    int m_columns = 1;
    int m_chosen = -1;
};

// The class preset's players and who played last; the window asks, the game names the player.
class PlayerChoice {
public:
    explicit PlayerChoice(std::vector<std::string> names = {}) : m_names(std::move(names)) {}

    void SetNames(std::vector<std::string> names);
    bool Any() const { return !m_names.empty(); }
    // The names as the window shows them: the last player first, then the list in its order.
    std::vector<std::string> Order() const;
    // Asks over the parent, modal; false when the child went back.
    bool Ask(CWnd* parent);
    // The player of the game that runs or ran last; "" before the first.
    std::string Current() const { return m_last >= 0 ? m_names[static_cast<size_t>(m_last)] : std::string(); }
    // The game window's caption that names the player.
    CString Caption() const;

private:
    std::vector<std::string> m_names;
    int m_last = -1;
};

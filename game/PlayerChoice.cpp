#include "PlayerChoice.h"
#include "CGdiObject.h"
#include "ProgramText.h"
#include "iScale.h"
#include <algorithm>

namespace {

const UINT FirstNameId = 0x100;
const DWORD ChoiceStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT;
// A grid of names is read across; a short list stands in one column, a long one in as few rows
// as the screen allows.
const int PreferredRows = 5;

// The work area of the monitor the window is on.
CRect WorkAreaOf(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) return info.rcWork;
    CRect area;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

int TextWidth(HDC dc, HGDIOBJ font, const char* text)
{
    CScopedSelect select(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return size.cx;
}

// Room the caption's text needs beside the close box, in the system's caption font.
int CaptionNeed(HDC dc, const char* caption, const iScale& scale)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    CFont font;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font.CreateFontIndirect(&metrics.lfCaptionFont);
    const int text = TextWidth(dc, font.m_hObject ? font.m_hObject : ::GetStockObject(SYSTEM_FONT), caption);
    return text + 2 * ::GetSystemMetrics(SM_CXSIZE) + scale(24);
}

} // namespace

BEGIN_MESSAGE_MAP(PlayerButton, CoolPushButton)
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

PlayerButton::PlayerButton(PlayerChoiceDialog* owner, const RECT& rect, DWORD style, LPCSTR name, UINT id)
    : CoolPushButton(owner, rect, style, name, id), m_owner(owner)
{}

LRESULT PlayerButton::OnGetDlgCode(WPARAM wParam, LPARAM msg)
{
    LRESULT code = CoolPushButton::OnGetDlgCode(wParam, msg) | DLGC_WANTARROWS;
    // An Enter held down since Start was pressed repeats into this window: it is kept here and
    // chooses nobody.
    const MSG* m = reinterpret_cast<const MSG*>(msg);
    if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN && (m->lParam & (1L << 30))) code |= DLGC_WANTMESSAGE;
    return code;
}

void PlayerButton::OnKeyDown(UINT key, UINT, UINT)
{
    switch (key) {
    case VK_LEFT: m_owner->MoveFocus(this, -1, 0); return;
    case VK_RIGHT: m_owner->MoveFocus(this, 1, 0); return;
    case VK_UP: m_owner->MoveFocus(this, 0, -1); return;
    case VK_DOWN: m_owner->MoveFocus(this, 0, 1); return;
    default: Default();
    }
}

PlayerChoiceDialog::PlayerChoiceDialog(CWnd* parent, const std::vector<std::string>& names)
    : iDialog(parent, CRect(0, 0, 200, 100), ChoiceStyle, ProgramText(IDS_WHO_IS_PLAYING), -1)
{
    dialogUnits = 0;
    if (!m_hWnd) return;
    Layout(names);
    OnInitDialog();
    // Over the game where it fits, else as near as the screen allows.
    const CRect work = WorkAreaOf(m_hWnd);
    CRect place;
    GetWindowRect(&place);
    const int x = std::max<int>(work.left, std::min<int>(place.left, work.right - place.Width()));
    const int y = std::max<int>(work.top, std::min<int>(place.top, work.bottom - place.Height()));
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!m_buttons.empty()) GotoDlgCtrl(m_buttons[0]);
    // Opened by the keyboard, the focus shows at once.
    if (parent && !(parent->SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS))
        SendMessage(WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
}

PlayerChoiceDialog::~PlayerChoiceDialog()
{
    // The buttons go before the font they are drawn in.
    DeleteOwnedWindows(windows);
    if (m_hWnd) DestroyWindow();
}

void PlayerChoiceDialog::Layout(const std::vector<std::string>& names)
{
    const int dpi = iScale::DpiOf(m_hWnd);
    const iScale scale(dpi);
    const int count = static_cast<int>(names.size());
    const CRect work = WorkAreaOf(GetParent() ? GetParent()->m_hWnd : m_hWnd);
    const CRect frame = iScale::FrameRect(0, 0, 0, 0, GetStyle(), dpi);
    const int margin = scale(12), gap = scale(10);
    HDC dc = ::GetDC(m_hWnd);
    int width = 0, height = 0, columns = 1;
    // The largest font whose grid fits the screen.
    for (int points = NameHeight;; points -= 2) {
        m_font.DeleteObject();
        m_font.CreateFont(-scale(points), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Tahoma");
        int widest = 0;
        for (const std::string& name : names) widest = std::max(widest, TextWidth(dc, m_font.m_hObject, name.c_str()));
        // Room for the rounded ends and the focus ring around the name.
        width = std::max(scale(5 * points), widest + scale(2 * points));
        height = scale(2 * points + 8);
        const int across = std::max(1, (work.Width() - frame.Width() - 2 * margin + gap) / (width + gap));
        const int down = std::max(1, (work.Height() - frame.Height() - 2 * margin + gap) / (height + gap));
        columns = std::min(across, std::max(1, (count + PreferredRows - 1) / PreferredRows));
        if (across * down >= count || points - 2 < SmallestNameHeight) break;
    }
    m_columns = columns;
    const int rows = std::max(1, (count + columns - 1) / columns);
    const int gridWidth = columns * width + (columns - 1) * gap;
    const int clientWidth = std::max(gridWidth + 2 * margin, CaptionNeed(dc, ProgramText(IDS_WHO_IS_PLAYING), scale));
    const int clientHeight = rows * height + (rows - 1) * gap + 2 * margin;
    ::ReleaseDC(m_hWnd, dc);

    const int left = (clientWidth - gridWidth) / 2;
    for (int i = 0; i < count; ++i) {
        const int x = left + (i % columns) * (width + gap), y = margin + (i / columns) * (height + gap);
        const DWORD buttonStyle = WS_VISIBLE | WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
        PlayerButton* button =
            new PlayerButton(this, CRect(x, y, x + width, y + height), buttonStyle, names[i].c_str(), FirstNameId + i);
        button->SetFont(static_cast<HFONT>(m_font.m_hObject));
        // Measured and read in the font it is drawn in.
        button->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
        button->SetCorner(scale(20));
        button->SetOnClick(this, &PlayerChoiceDialog::OnName);
        m_buttons.push_back(button);
    }
    rect = CRect(0, 0, clientWidth + frame.Width(), clientHeight + frame.Height());
}

void PlayerChoiceDialog::MoveFocus(PlayerButton* from, int dx, int dy)
{
    const auto at = std::find(m_buttons.begin(), m_buttons.end(), from);
    if (at == m_buttons.end()) return;
    const int to = static_cast<int>(at - m_buttons.begin()) + dx + dy * m_columns;
    if (to >= 0 && to < static_cast<int>(m_buttons.size())) GotoDlgCtrl(m_buttons[static_cast<size_t>(to)]);
    SendMessage(WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
}

void PlayerChoiceDialog::OnName(iButton* button)
{
    const auto at = std::find(m_buttons.begin(), m_buttons.end(), button);
    if (at == m_buttons.end()) return;
    m_chosen = static_cast<int>(at - m_buttons.begin());
    EndDialog(IDOK);
}

void PlayerChoice::SetNames(std::vector<std::string> names)
{
    m_names = std::move(names);
    m_last = -1;
}

std::vector<std::string> PlayerChoice::Order() const
{
    std::vector<std::string> order;
    if (m_last >= 0) order.push_back(m_names[static_cast<size_t>(m_last)]);
    for (size_t i = 0; i < m_names.size(); ++i)
        if (static_cast<int>(i) != m_last) order.push_back(m_names[i]);
    return order;
}

bool PlayerChoice::Ask(CWnd* parent)
{
    const std::vector<std::string> order = Order();
    int chosen = -1;
    {
        PlayerChoiceDialog dialog(parent, order);
        if (dialog.DoModal() != IDOK) return false;
        chosen = dialog.Chosen();
    }
    if (chosen < 0) return false;
    // The names are distinct: the one shown is found in the list.
    const auto at = std::find(m_names.begin(), m_names.end(), order[static_cast<size_t>(chosen)]);
    m_last = static_cast<int>(at - m_names.begin());
    return true;
}

CString PlayerChoice::Caption() const
{
    CString caption;
    caption.Format(ProgramText(IDS_PLAYER_CAPTION), ProgramText(IDS_TITLE), Current().c_str());
    return caption;
}

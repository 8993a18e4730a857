#include "iTypeDialogBuilder.h"
#include "CDC.h"
#include "CDialog.h"
#include "LayoutLine.h"
#include "Message.h"
#include "ProgramText.h"
#include "iCheckBox.h"
#include "iDialog.h"
#include "iDialogUnitsParent.h"
#include "iStatic.h"
#include <cstdio>
#include <algorithm>
#include <cstring>

namespace {

const UINT NoId = static_cast<UINT>(-1);

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

} // namespace

// --- metrics, controls and the layout file's extras ---------------------------------

iTypeDialogBuilder::iTypeDialogBuilder(CWnd* parentWnd, LPCSTR builderName, LPCSTR builderLabel,
                                       iTypeDialogProfile* layoutProfile)
    : parent(parentWnd), name(builderName), label(builderLabel), profile(layoutProfile)
{
    Measure();
}

iTypeDialogBuilder::~iTypeDialogBuilder() = default;

void iTypeDialogBuilder::Measure()
{
    if (!parent || !parent->m_hWnd) return;
    TEXTMETRICA tm{};
    SIZE extent{ 0, 0 };
    BOOL measured = FALSE;
    {
        CClientDC dc(parent);
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(parent->SendMessage(WM_GETFONT));
        CScopedSelect select(dc.m_hDC, font);
        ::GetTextMetricsA(dc.m_hDC, &tm);
        static const char sample[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        measured = ::GetTextExtentPoint32A(dc.m_hDC, sample, 36, &extent);
    }
    labelHeight = tm.tmHeight + 4;
    controlHeight = tm.tmHeight + 7;
    smallControlHeight = tm.tmHeight + 9;
    choiceHeight = tm.tmHeight + 9;
    averageCharWidth = tm.tmAveCharWidth;
    maxCharWidth = tm.tmMaxCharWidth;
    textCharWidth = measured && extent.cx > 0 ? extent.cx / 24 : 1;

    // Parents that lay out in dialog units get the metrics in dialog units too.
    bool dialogUnits = false;
    if (auto* dialog = dynamic_cast<iDialog*>(parent))
        dialogUnits = dialog->UsesDialogUnits();
    else if (auto* page = dynamic_cast<iDialogUnitsParent*>(parent))
        dialogUnits = page->UsesDialogUnits();
    else if (dynamic_cast<CDialog*>(parent))
        dialogUnits = true;
    if (!dialogUnits) return;
    RECT base = { 0, 0, 4, 8 };
    parent->MapDialogRect(&base);
    const LONG baseX = base.right > 0 ? base.right : 1, baseY = base.bottom > 0 ? base.bottom : 1;
    for (int32_t* h : { &labelHeight, &controlHeight, &smallControlHeight, &choiceHeight }) *h = *h * 8 / baseY;
    averageCharWidth = averageCharWidth * 8 / baseX;
    maxCharWidth = maxCharWidth * 8 / baseX;
    textCharWidth = textCharWidth * baseX / 8;
}

CWnd* iTypeDialogBuilder::CreateFallback(iType::Base* member, const RECT& place, DWORD style, SIZE& reserved)
{
    // An unknown kind shows its value as text; it has no exchange routine.
    RECT r = place;
    r.right = r.left + scale(60);
    r.bottom = r.top + controlHeight;
    reserved = { Width(r), Height(r) };
    return new iStatic(parent, r, (style & ~WS_TABSTOP) | SS_LEFTNOWORDWRAP, member->GetText(), NewIds());
}

DWORD iTypeDialogBuilder::AdjustStyle(DWORD style, iType::Base*) { return style; }

LONG iTypeDialogBuilder::TextWidth(LPCSTR text) const
{
    if (!parent || !parent->m_hWnd || !text || !*text) return 0;
    CClientDC dc(parent);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(parent->SendMessage(WM_GETFONT));
    CScopedSelect select(dc.m_hDC, font);
    RECT need = { 0, 0, 0, 0 };
    ::DrawTextA(dc.m_hDC, text, -1, &need, DT_SINGLELINE | DT_CALCRECT);
    return need.right;
}

void iTypeDialogBuilder::AddControl(CWnd* window, LPCSTR controlName, iType::Base* member, UINT firstId)
{
    if (window && window->m_hWnd)
        controls.push_back({ window, iString(controlName ? controlName : ""), member, firstId });
}

UINT iTypeDialogBuilder::NewIds(UINT count)
{
    // Tools that find a control by its id need each to be the only one; past the 16 bits a
    // command carries, the rest share the static's id.
    if (count > 0xFFFEu - nextId) return NoId;
    const UINT first = nextId;
    nextId += count;
    return first;
}

const iTypeDialogBuilder::Control* iTypeDialogBuilder::FindControl(LPCSTR controlName) const
{
    for (const Control& c : controls)
        if (std::strcmp(c.name, controlName) == 0) return &c;
    return nullptr;
}

void iTypeDialogBuilder::ExchangeCheck(const Control& c, iType::_TCheck& member, bool save)
{
    auto* box = dynamic_cast<iCheckBox*>(c.window);
    if (!box) return;
    const int bit = box->GetDlgCtrlID() - static_cast<int>(c.firstId);
    if (save)
        member.SetChecked(bit, box->IsChecked());
    else
        box->SetChecked(member.IsChecked(bit));
}

void iTypeDialogBuilder::ExchangeCombo(const Control& c, iType::_TCombo& member, bool save)
{
    auto* combo = dynamic_cast<CComboBox*>(c.window);
    if (!combo) return;
    if (save) {
        const int selected = combo->GetCurSel();
        member.SetValue(selected == CB_ERR ? -1 : static_cast<long>(combo->GetItemData(selected)));
        return;
    }
    const long value = member.GetValue();
    int index = CB_ERR;
    for (int i = 0, n = combo->GetCount(); i < n; ++i)
        if (static_cast<long>(combo->GetItemData(i)) == value) {
            index = i;
            break;
        }
    combo->SetCurSel(index);
}

void iTypeDialogBuilder::DoDataExchange(CDataExchange* dx)
{
    const bool save = dx && dx->m_bSaveAndValidate;
    for (const Control& c : controls) {
        if (!c.member) continue; // the layout file's own texts and boxes
        if (auto* check = dynamic_cast<iType::_TCheck*>(c.member))
            ExchangeCheck(c, *check, save);
        else if (auto* combo = dynamic_cast<iType::_TCombo*>(c.member))
            ExchangeCombo(c, *combo, save);
        else
            Message(parent, ProgramText(IDS_EXCHANGE_CAPTION), MB_OK | MB_ICONSTOP, ProgramText(IDS_EXCHANGE_FAILED),
                    c.member->Caption() ? c.member->Caption() : "");
    }
}

void iTypeDialogBuilder::AddExtras(LPCSTR countKey, LPCSTR keyPrefix, bool groupBoxes)
{
    long count = 0;
    if (profile->Get(countKey, count) <= 0) return;
    for (int i : profile->PresentIndexes(keyPrefix, count)) {
        char key[40];
        std::snprintf(key, sizeof key, "%s%04d", keyPrefix, i);
        iString value;
        if (profile->GetString(key, value) <= 0) continue;
        LayoutLine line;
        const int error = ParseLayoutLine(value, line);
        if (error >= 0) {
            Message(parent, ProgramText(IDS_LAYOUT_CAPTION), MB_OK | MB_ICONEXCLAMATION, ProgramText(IDS_LAYOUT_ERROR),
                    value.GetString(), error);
            continue;
        }
        // In 96-DPI pixels, as every other place of the layout file.
        const RECT r = scale(RECT{ line.left, line.top, line.right, line.bottom });
        CWnd* window;
        if (groupBoxes)
            window = new iGroupBox(parent, r, line.style, line.text, NewIds());
        else
            window = new iStatic(parent, r, line.style, line.text, NewIds());
        if (window->m_hWnd)
            AddControl(window, key, nullptr);
        else
            delete window; // a style the system refuses: nothing to show
    }
}

void iTypeDialogBuilder::AddProfileExtras()
{
    if (!profile) return;
    AddExtras("Static", "Static_", false);
    AddExtras("GroupBox", "GroupBox_", true);

    iString order;
    if (profile->GetString("ZOrder", order) <= 0) return;
    HWND previous = nullptr;
    const char* p = order;
    while (*p) {
        const char* end = std::strchr(p, ' ');
        const size_t length = end ? static_cast<size_t>(end - p) : std::strlen(p);
        iString controlName(p, static_cast<int>(length));
        if (const Control* c = FindControl(controlName)) {
            ::SetWindowPos(c->window->m_hWnd, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
            previous = c->window->m_hWnd;
        }
        if (!end) break;
        p = end + 1;
    }
}

// --- the member list and the rows ----------------------------------------------------

iTypeDialogBuilderEx::iTypeDialogBuilderEx(CWnd* parentWnd, iType::Collection* shown, LPCSTR builderName,
                                           LPCSTR builderLabel, iTypeDialogProfile* layoutProfile, int32_t first,
                                           int32_t second)
    : iTypeDialogBuilder(parentWnd, builderName, builderLabel, layoutProfile), collection(shown), pair{ first, second }
{
    if (collection) Flatten(collection);
}

void iTypeDialogBuilderEx::Flatten(iType::Collection* from)
{
    // A nested collection shows no control of its own; its members follow in order.
    for (int i = 0; i < from->Count(); ++i) {
        iType::Base* member = from->GetMemberAt(i);
        if (!member) continue;
        if (auto* nested = dynamic_cast<iType::Collection*>(member))
            Flatten(nested);
        else
            members.push_back({ member, iString(member->Name() ? member->Name() : ""),
                                iString(member->Caption() ? member->Caption() : ""), iString() });
    }
}

bool iTypeDialogBuilderEx::Build(int flags, RECT& labelColumn, RECT& controlColumn, int rowStep, bool readOnly)
{
    if (members.empty()) return false;
    // A zero or negative step from a layout file would never advance the rows.
    if (rowStep < 1) rowStep = 1;
    const LONG columnWidth = Width(controlColumn) > 0 ? Width(controlColumn) : 0;
    const LONG labelWidth = Width(labelColumn);
    LONG rowTop = controlColumn.top;
    perMemberLayout = 0;
    if (profile) {
        int layout = 0;
        profile->GetLayout(layout);
        perMemberLayout = layout;
    }

    for (const MemberEntry& entry : members) {
        DWORD style = AdjustStyle(DefaultControlStyle(), entry.member);
        if (readOnly) style |= WS_DISABLED;

        RECT place = { controlColumn.left, rowTop, controlColumn.left + columnWidth, rowTop };
        RECT saved{};
        savedRectFound = 0;
        if (perMemberLayout && profile) {
            iString key = entry.name + ":Dynamic";
            if (profile->Get(key, saved) > 0) {
                savedRectFound = 1;
                place = scale(saved);
                saved = place;
            }
        }
        SIZE reserved{ 0, 0 };
        CWnd* control = CreateMemberControl(entry, place, style, controlColumn, rowStep, reserved);
        if (savedRectFound)
            reserved = { Width(saved), Height(saved) };
        else if (perMemberLayout && profile && profile->saving)
            profile->PutRect(entry.name + ":Dynamic",
                             RECT{ place.left, place.top, place.left + reserved.cx, place.top + reserved.cy });

        if (flags & 1) {
            RECT r = { labelColumn.left, rowTop, labelColumn.left + labelWidth, rowTop + labelHeight };
            if (perMemberLayout && profile && profile->Get(entry.name + ":Static", r) > 0) r = scale(r);
            auto* labelWnd = new iStatic(parent, r, WS_VISIBLE | SS_RIGHT, entry.label, NewIds());
            // A screen reader names a choice list by the static just before it in the z-order,
            // so the label goes right in front of its own control (the tab order stays).
            if (control && control->m_hWnd && labelWnd->m_hWnd) {
                HWND before = ::GetWindow(control->m_hWnd, GW_HWNDPREV);
                ::SetWindowPos(labelWnd->m_hWnd, before ? before : HWND_TOP, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
            }
        }
        if ((flags & 4) && !entry.trailing.IsEmpty()) {
            const LONG left = place.left + reserved.cx + scale(5);
            RECT r = { left, place.top, left + columnWidth - reserved.cx - scale(10), place.top + reserved.cy };
            new iStatic(parent, r, WS_VISIBLE, entry.trailing, NewIds());
        }
        // The next row starts at the smallest multiple of the step above the control.
        rowTop += (reserved.cy / rowStep + 1) * rowStep;
    }
    labelColumn.bottom = rowTop;
    controlColumn.bottom = rowTop;
    AddProfileExtras();
    return true;
}

LONG iTypeDialogBuilderEx::WidestLabel() const
{
    LONG widest = 0;
    for (const MemberEntry& entry : members) widest = std::max(widest, TextWidth(entry.label));
    return widest;
}

LONG iTypeDialogBuilderEx::WidestControl() const
{
    LONG widest = 0;
    for (const MemberEntry& entry : members) {
        const iStringMap* items = nullptr;
        LONG frame = 0;
        if (auto* check = dynamic_cast<iType::_TCheck*>(entry.member)) {
            if (check->m_horizontal) continue; // a row of boxes shares the column
            items = check->Items().Map();
            frame = ::GetSystemMetrics(SM_CXMENUCHECK) + 4 + 2; // the box and the gap before the text
        } else if (auto* choice = dynamic_cast<iType::_TCombo*>(entry.member)) {
            items = choice->Items().Map();
            frame = ::GetSystemMetrics(SM_CXVSCROLL) + 4 * ::GetSystemMetrics(SM_CXEDGE) + 2;
        }
        if (items)
            for (const auto& item : *items) widest = std::max(widest, TextWidth(item.second) + frame);
    }
    return widest;
}

// --- controls by member kind ---------------------------------------------------------

CWnd* iTypeTableDialogBuilder::CreateMemberControl(const MemberEntry& entry, const RECT& place, DWORD style,
                                                   const RECT& column, int rowStep, SIZE& reserved)
{
    const LONG columnWidth = Width(column) > 0 ? Width(column) : 0;
    const bool fixed = savedRectFound != 0;
    auto width = [&](LONG wanted) { return fixed ? Width(place) : (wanted < columnWidth ? wanted : columnWidth); };

    if (auto* check = dynamic_cast<iType::_TCheck*>(entry.member)) {
        const iStringMap* items = check->Items().Map();
        const int count = items ? items->Count() : 0;
        const bool horizontal = check->m_horizontal != 0 && count > 0;
        const LONG boxWidth =
            horizontal ? width(columnWidth) / count : width(std::max<LONG>(scale(120), WidestControl()));
        // Stacked boxes stand a row step apart: the last one ends a control's height below its row.
        reserved = { horizontal ? width(columnWidth) : boxWidth,
                     count > 0 ? (count - 1) * rowStep + controlHeight : 0 };
        if (horizontal) reserved.cy = controlHeight;
        CWnd* first = nullptr;
        int k = 0;
        // Bit b is the box base + b, the highest bit with a text the last of them.
        const UINT base = NewIds(items && count > 0 ? static_cast<UINT>(items->rbegin()->first) + 1 : 0);
        if (items)
            for (const auto& item : *items) {
                const long bit = item.first;
                RECT r = place;
                if (horizontal) {
                    r.left = place.left + k * boxWidth;
                } else {
                    r.top = place.top + k * rowStep;
                }
                r.right = r.left + boxWidth;
                r.bottom = r.top + controlHeight;
                auto* box = new iCheckBox(parent, r, style, item.second, base + static_cast<UINT>(bit));
                if (!first) {
                    first = box;
                    AddControl(box, entry.name, entry.member, base);
                } else {
                    AddControl(box, entry.name + item.second, entry.member, base);
                }
                ++k;
            }
        return first;
    }

    if (auto* choice = dynamic_cast<iType::_TCombo*>(entry.member)) {
        reserved = { width(std::max<LONG>(scale(120), WidestControl())), choiceHeight };
        RECT r = { place.left, place.top, place.left + reserved.cx, place.top + choiceHeight + 4 * controlHeight };
        if (fixed) r.bottom = place.top + Height(place) + 4 * controlHeight;
        auto* combo = new iComboBox(parent, r, style | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, NewIds());
        if (const iStringMap* items = choice->Items().Map())
            for (const auto& item : *items) {
                const int index = combo->AddString(item.second);
                if (index >= 0) combo->SetItemData(index, static_cast<DWORD_PTR>(item.first));
            }
        // Dropped down, every choice shows: no child should have to scroll for the slowest pace.
        const LONG itemHeight = static_cast<LONG>(::SendMessageA(combo->m_hWnd, CB_GETITEMHEIGHT, 0, 0));
        const LONG dropped = choiceHeight + combo->GetCount() * itemHeight + 2 * ::GetSystemMetrics(SM_CYEDGE);
        if (combo->m_hWnd && !fixed && itemHeight > 0 && dropped > Height(r))
            ::SetWindowPos(combo->m_hWnd, nullptr, 0, 0, Width(r), dropped, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        AddControl(combo, entry.name, entry.member);
        return combo;
    }

    CWnd* control = CreateFallback(entry.member, place, style, reserved);
    AddControl(control, entry.name, entry.member);
    return control;
}

// --- the collection dialog's style rule ----------------------------------------------

iCollectionDialogBuilder::iCollectionDialogBuilder(CWnd* parentWnd, iType::Collection* shown, LPCSTR builderName,
                                                   LPCSTR builderLabel, iTypeDialogProfile* layoutProfile,
                                                   int32_t reservedValue, int32_t builderMode)
    : iTypeTableDialogBuilder(parentWnd, shown, builderName, builderLabel, layoutProfile, 0, 0),
      reserved(reservedValue), mode(builderMode)
{}

DWORD iCollectionDialogBuilder::AdjustStyle(DWORD style, iType::Base* member)
{
    // Readable but not writable members are shown disabled.
    if (member && (member->m_access & 1) && !(member->m_access & 2) && mode != KeepEnabledMode) style |= WS_DISABLED;
    return style;
}

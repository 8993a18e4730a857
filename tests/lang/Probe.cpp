// Reads the texts of the running game's windows from outside, as a person sees them, and
// checks them against one language's table: the e2e language run asks it after each step.
// usage: lang_probe CODE buttons|names|setup|setup-values|help|about|balloon|gameover, or lang_probe list for
// the codes of the languages besides English. setup also reads what a screen reader reads:
// each label just before its own control in the z-order, and the names the system's
// accessibility layer gives the buttons and check boxes.
// CODE "display" stands for the language the game picks with no override; balloon waits for
// the next remark. Exit 0: the
// windows show that language; 1: not (yet) there; 2: there in other texts.
#include "ProgramText.h"
#include <windows.h>
#include <oleacc.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Window {
    HWND hwnd;
    std::string cls, text;
};

std::string TextOf(HWND h)
{
    char buf[8192] = "";
    DWORD_PTR got = 0;
    // Marshalled across processes, unlike GetWindowText of a child.
    ::SendMessageTimeoutA(h, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, &got);
    return buf;
}

Window Describe(HWND h)
{
    char cls[64] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    return { h, cls, TextOf(h) };
}

DWORD GameProcess()
{
    // The frame: a top-level "Votaroo!" window with buttons.
    for (HWND h = ::FindWindowExA(nullptr, nullptr, nullptr, "Votaroo!"); h;
         h = ::FindWindowExA(nullptr, h, nullptr, "Votaroo!"))
        if (::FindWindowExA(h, nullptr, "Button", nullptr)) {
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            return pid;
        }
    return 0;
}

std::vector<Window> TopLevel(DWORD pid)
{
    std::vector<Window> found;
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(h, &owner);
        if (owner == pid && ::IsWindowVisible(h)) found.push_back(Describe(h));
    }
    return found;
}

std::vector<Window> Children(HWND parent)
{
    std::vector<Window> found;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (::IsWindowVisible(c)) found.push_back(Describe(c));
    return found;
}

std::string Caption(UINT id)
{
    char buf[256];
    std::snprintf(buf, sizeof buf, ProgramText(id), ProgramText(IDS_TITLE));
    return buf;
}

// The texts of these numbers in the language and in English.
struct Expected {
    std::vector<std::string> own, english;
};
Expected TextsOf(LANGID language, const std::vector<UINT>& ids)
{
    Expected e;
    for (UINT id : ids) {
        SetProgramLanguage(language);
        e.own.push_back(ProgramText(id));
        SetProgramLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL));
        e.english.push_back(ProgramText(id));
    }
    SetProgramLanguage(language);
    return e;
}

// 0 when every text of the language is among the windows' and no English one that differs.
int Compare(const std::vector<Window>& windows, const Expected& e, const char* what)
{
    int result = 0;
    for (size_t i = 0; i < e.own.size(); ++i) {
        bool own = false, english = false;
        for (const Window& w : windows) {
            own = own || w.text == e.own[i];
            english = english || (w.text == e.english[i] && e.english[i] != e.own[i]);
        }
        if (!own) {
            std::printf("%s: \"%s\" not shown\n", what, e.own[i].c_str());
            result = 2;
        }
        if (english) {
            std::printf("%s: English \"%s\" shown\n", what, e.english[i].c_str());
            result = 2;
        }
    }
    return result;
}

const Window* Find(const std::vector<Window>& windows, const char* cls, const std::string& text)
{
    for (const Window& w : windows)
        if ((!cls || w.cls == cls) && w.text == text) return &w;
    return nullptr;
}

// The name a screen reader is given for the window: its accessible object's own name.
std::string AccessibleName(HWND h)
{
    IAccessible* object = nullptr;
    // __uuidof, not IID_IAccessible: the static libuuid of MinGW-w64 12 holds another GUID under
    // that name, and the object is then refused (E_NOINTERFACE).
    const HRESULT made = ::AccessibleObjectFromWindow(h, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                      reinterpret_cast<void**>(&object));
    if (FAILED(made) || !object) {
        char failed[64];
        std::snprintf(failed, sizeof failed, "(no accessible object: 0x%08lx)", static_cast<unsigned long>(made));
        return failed;
    }
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string out;
    if (object->get_accName(self, &name) == S_OK && name) {
        char buf[1024] = "";
        ::WideCharToMultiByte(CP_ACP, 0, name, -1, buf, sizeof buf, nullptr, nullptr);
        out = buf;
        ::SysFreeString(name);
    }
    object->Release();
    return out;
}

// The role the window's object gives (ROLE_SYSTEM_LINK is 30), or 0.
long AccessibleRole(HWND h)
{
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(h, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object))) ||
        !object)
        return 0;
    VARIANT self, role;
    ::VariantInit(&self);
    ::VariantInit(&role);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    long result = 0;
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) result = role.lVal;
    object->Release();
    return result;
}

std::string WithoutMnemonic(std::string text)
{
    const size_t amp = text.find('&');
    if (amp != std::string::npos) text.erase(amp, 1);
    return text;
}

// Each Setup label right before its own control, which a choice list takes its name from, and
// every button and check box named by its own text. 0 when all are so.
int CheckNames(HWND dialog)
{
    struct Row {
        UINT label;
        const char* cls;
        UINT text; // of the control, when it has one of its own
    };
    const Row rows[] = { { IDS_SETUP_OPERATION, "Button", IDS_SETUP_ADDITION },
                         { IDS_SETUP_SIZE, "ComboBox", 0 },
                         { IDS_SETUP_HIGH, "ComboBox", 0 },
                         { IDS_SETUP_PACE, "ComboBox", 0 },
                         { IDS_SETUP_SOUND, "Button", IDS_SETUP_PLAY_SOUNDS },
                         { IDS_SETUP_PRACTICE, "Button", IDS_SETUP_PRACTICE_ON } };
    int result = 0;
    const std::vector<Window> children = Children(dialog);
    for (const Row& row : rows) {
        const Window* label = Find(children, "Static", ProgramText(row.label));
        if (!label) {
            std::printf("names: no label \"%s\"\n", ProgramText(row.label));
            result = 2;
            continue;
        }
        const HWND next = ::GetWindow(label->hwnd, GW_HWNDNEXT);
        const Window control = Describe(next);
        // Its own control: of its kind, with its text where it has one, and on the label's row.
        RECT labelPlace{}, controlPlace{};
        ::GetWindowRect(label->hwnd, &labelPlace);
        ::GetWindowRect(next, &controlPlace);
        const bool own = control.cls == row.cls && (!row.text || control.text == ProgramText(row.text)) &&
            labelPlace.top == controlPlace.top;
        if (!own || ::GetWindow(next, GW_HWNDPREV) != label->hwnd) {
            std::printf("names: \"%s\" stands before %s \"%s\", not its own control\n", label->text.c_str(),
                        control.cls.c_str(), control.text.c_str());
            result = 2;
        } else if (control.cls == "ComboBox") {
            std::printf("names: %s \"%s\" after its label \"%s\" (accessible name \"%s\")\n", control.cls.c_str(),
                        control.text.c_str(), label->text.c_str(), AccessibleName(next).c_str());
        }
    }
    for (const Window& w : children) {
        if (w.cls != "Button") continue;
        const std::string name = AccessibleName(w.hwnd);
        if (name != WithoutMnemonic(w.text)) {
            std::printf("names: button \"%s\" is read as \"%s\"\n", w.text.c_str(), name.c_str());
            result = 2;
        }
    }
    return result;
}

// The game's buttons read by their captions, the votes display as "Votes" and its number, and
// About's three links by their texts, as links. 0 when all are so.
int CheckGameNames(const std::vector<Window>& top)
{
    int result = 1;
    for (const Window& w : top) {
        if (w.text == "Votaroo!" && ::FindWindowExA(w.hwnd, nullptr, "Button", nullptr)) {
            result = 0;
            for (const Window& c : Children(w.hwnd)) {
                const std::string name = AccessibleName(c.hwnd);
                const std::string votes = ProgramText(IDS_VOTES);
                const bool right =
                    c.cls == "Button" ? name == WithoutMnemonic(c.text) : name.compare(0, votes.size(), votes) == 0;
                std::printf("names: %s \"%s\" is read as \"%s\"%s\n", c.cls.c_str(), c.text.c_str(), name.c_str(),
                            right ? "" : ", not by its own text");
                if (!right) result = 2;
            }
        }
        if (w.text != Caption(IDS_ABOUT_CAPTION)) continue;
        const std::vector<Window> children = Children(w.hwnd);
        for (UINT id : { IDS_ABOUT_CODE_NOTICE, IDS_ABOUT_PROGRAMMER, IDS_ABOUT_ARTIST }) {
            const Window* link = Find(children, nullptr, ProgramText(id));
            const std::string name = link ? AccessibleName(link->hwnd) : "";
            const long role = link ? AccessibleRole(link->hwnd) : 0;
            std::printf("names: link \"%s\" is read as \"%s\", role %ld\n", ProgramText(id), name.c_str(), role);
            if (!link || name != ProgramText(id) || role != ROLE_SYSTEM_LINK) result = 2;
        }
    }
    return result;
}

std::vector<UINT> Range(UINT first, UINT count)
{
    std::vector<UINT> ids;
    for (UINT i = 0; i < count; ++i) ids.push_back(first + i);
    return ids;
}

} // namespace

int main(int argc, char** argv)
{
    // The page's title in the language, as the report writes it (UTF-8).
    if (argc == 3 && std::strcmp(argv[2], "page-title") == 0) {
        SetProgramLanguage(LanguageOfCode(argv[1]));
        std::printf("%s\n", ProgramTextUtf8(IDS_REPORT_TITLE));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "list") == 0) {
        for (LANGID l : ProgramLanguages()) {
            SetProgramLanguage(l);
            if (PRIMARYLANGID(l) != LANG_ENGLISH) std::printf("%s\n", ProgramText(IDS_LANGUAGE_CODE));
        }
        return 0;
    }
    if (argc != 3) {
        std::printf("usage: lang_probe CODE buttons|names|setup|setup-values|help|about|balloon|gameover\n");
        return 2;
    }
    const std::string code = argv[1], what = argv[2];
    const LANGID language =
        code == "display" ? ChooseProgramLanguage("", ::GetUserDefaultUILanguage()) : LanguageOfCode(code.c_str());
    if (!language) {
        std::printf("no table for \"%s\"\n", code.c_str());
        return 2;
    }
    SetProgramLanguage(language);
    ::CoInitialize(nullptr);
    const DWORD pid = GameProcess();
    if (!pid) {
        std::printf("no game window\n");
        return 1;
    }
    const std::vector<Window> top = TopLevel(pid);
    int result = 1;
    if (what == "buttons") {
        for (const Window& w : top)
            if (w.text == "Votaroo!" && ::FindWindowExA(w.hwnd, nullptr, "Button", nullptr))
                result = Compare(Children(w.hwnd), TextsOf(language, Range(IDS_START, 6)), "buttons");
    } else if (what == "setup" || what == "help" || what == "about") {
        const UINT caption = what == "setup" ? IDS_SETUP_CAPTION
            : what == "help"                 ? IDS_HELP_CAPTION
                                             : IDS_ABOUT_CAPTION;
        const std::string title = what == "setup" ? std::string(ProgramText(caption)) : Caption(caption);
        std::vector<UINT> ids;
        if (what == "setup")
            ids = { IDS_SETUP_OPERATION,
                    IDS_SETUP_SIZE,
                    IDS_SETUP_HIGH,
                    IDS_SETUP_PACE,
                    IDS_SETUP_SOUND,
                    IDS_SETUP_PRACTICE,
                    IDS_SETUP_ADDITION,
                    IDS_SETUP_SUBTRACTION,
                    IDS_SETUP_MULTIPLICATION,
                    IDS_SETUP_DIVISION,
                    IDS_SETUP_PLAY_SOUNDS,
                    IDS_SETUP_PRACTICE_ON,
                    IDS_OK,
                    IDS_CANCEL };
        else if (what == "help")
            ids = { IDS_HELP_RULES, IDS_OK };
        else
            ids = { IDS_ABOUT_TEXT, IDS_ABOUT_CODE_NOTICE, IDS_ABOUT_PROGRAMMER, IDS_ABOUT_ARTIST, IDS_OK };
        if (const Window* dialog = Find(top, nullptr, title)) {
            result = Compare(Children(dialog->hwnd), TextsOf(language, ids), what.c_str());
            if (what == "setup" && CheckNames(dialog->hwnd) != 0) result = 2;
        }
    } else if (what == "balloon") {
        const Expected remarks = TextsOf(language, [] {
            std::vector<UINT> ids = Range(IDS_CORRECT_FIRST, 10);
            for (UINT id : Range(IDS_MISSED_FIRST, 9)) ids.push_back(id);
            for (UINT id : Range(IDS_WRONG_FIRST, 5)) ids.push_back(id);
            return ids;
        }());
        // A remark shows for two seconds: watched from here, every 20 ms for up to 90 s, it is
        // seen however slowly the script that answers comes round.
        for (const DWORD start = ::GetTickCount(); result == 1 && ::GetTickCount() - start < 90000; ::Sleep(20)) {
            for (const Window& w : TopLevel(pid)) {
                if (w.cls != "tooltips_class32" || w.text.empty()) continue;
                bool own = false;
                for (const std::string& t : remarks.own) own = own || t == w.text;
                std::printf("balloon: \"%s\"%s\n", w.text.c_str(), own ? "" : " is not the language's remark");
                result = own ? 0 : 2;
                break;
            }
        }
    } else if (what == "names") {
        result = CheckGameNames(top);
    } else if (what == "setup-values") {
        // What Setup shows: each choice list's choice and each box's check, in the dialog's order.
        if (const Window* dialog = Find(top, nullptr, ProgramText(IDS_SETUP_CAPTION))) {
            for (const Window& w : Children(dialog->hwnd)) {
                if (w.cls == "ComboBox") std::printf("choice: %s\n", w.text.c_str());
                const LONG_PTR type = ::GetWindowLongPtrA(w.hwnd, GWL_STYLE) & BS_TYPEMASK;
                if (w.cls == "Button" && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX))
                    std::printf("check: %s %d\n", w.text.c_str(),
                                static_cast<int>(::SendMessageA(w.hwnd, BM_GETCHECK, 0, 0)));
            }
            result = 0;
        }
    } else if (what == "gameover") {
        for (const Window& w : top)
            if (w.cls == "#32770" && w.text == "Votaroo!")
                result = Compare(Children(w.hwnd), TextsOf(language, { IDS_GAME_OVER }), "game over");
    } else {
        std::printf("unknown check \"%s\"\n", what.c_str());
        return 2;
    }
    if (result == 0) std::printf("%s: %s\n", what.c_str(), ProgramText(IDS_LANGUAGE_NAME));
    return result;
}

// Helpers for tests that drive real windows: bounded pumping and answering modal boxes.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Dispatches pending messages for about the given time, waiting on new ones in between.
void Pump(DWORD milliseconds = 0);
// Pumps until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// The texts of a window's visible child controls that do not fit the room their control gives them,
// measured in the font each is drawn in; each entry names the control, its text and both sizes.
std::vector<std::string> CutTexts(HWND parent);

// Answers every modal box or dialog that gets activated on this thread while it lives.
class ModalAnswerer {
public:
    struct Seen {
        HWND hwnd;
        std::string caption;
        std::string text; // the message box text, when there is one
    };
    // The action decides how to close the window; by default it posts the given command.
    explicit ModalAnswerer(int command = IDOK);
    explicit ModalAnswerer(std::function<void(HWND)> action);
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    const std::vector<Seen>& seen() const { return m_seen; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook = nullptr;
    std::function<void(HWND)> m_action;
    std::vector<Seen> m_seen;
};

// The whole file, shared for reading while a writer may hold it; empty when it cannot be opened.
std::string ReadFileBytes(const char* path);

} // namespace testing_support

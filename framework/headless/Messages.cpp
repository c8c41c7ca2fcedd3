// Sending and posting messages. Sent messages run the window procedure at once; posted ones
// wait until the desktop pumps them, which it does after every input and before a dialog's
// driver or answer runs.
#include "framework/headless/WindowSystem.h"

#include <deque>

namespace headless {
namespace {

struct PostedMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::deque<PostedMessage>& PostedMessages() {
    static std::deque<PostedMessage> messages;
    return messages;
}

} // namespace

void PumpPostedMessages() {
    while (!PostedMessages().empty()) {
        PostedMessage posted = PostedMessages().front();
        PostedMessages().pop_front();
        SendMessageA(posted.hWnd, posted.message, posted.wParam, posted.lParam);
    }
}

} // namespace headless

LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    headless::Window* window = headless::FindWindowRecord(hWnd);
    if (window == nullptr || window->windowProc == nullptr) {
        return 0;
    }
    return window->windowProc(hWnd, msg, wParam, lParam);
}

BOOL PostMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    headless::PostedMessages().push_back({hWnd, msg, wParam, lParam});
    return TRUE;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc == nullptr ? 0 : proc(hWnd, msg, wParam, lParam);
}

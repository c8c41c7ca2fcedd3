// The edit control: text with a selection, typed into one character at a time.
#include "framework/headless/WindowSystem.h"

#include <algorithm>

namespace {

bool IsReadOnly(const headless::Window& edit) {
    return (edit.style & ES_READONLY) != 0;
}

void SetSelection(headless::Window& edit, WPARAM start, LPARAM end) {
    std::size_t length = edit.text.size();
    if (static_cast<int>(start) == -1) { // remove the selection
        edit.selectionStart = edit.selectionEnd;
        return;
    }
    std::size_t from = std::min<std::size_t>(start, length);
    std::size_t to = end < 0 ? length : std::min<std::size_t>(end, length);
    edit.selectionStart = std::min(from, to);
    edit.selectionEnd = std::max(from, to);
}

// A typed character replaces the selection, and the caret follows it.
void TypeCharacter(headless::Window& edit, char character) {
    edit.text.replace(edit.selectionStart, edit.selectionEnd - edit.selectionStart, 1, character);
    edit.selectionStart = edit.selectionEnd = edit.selectionStart + 1;
}

} // namespace

namespace headless {

LRESULT CALLBACK EditWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* edit = FindWindowRecord(hWnd);
    if (edit == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_SETTEXT:
        // Windows reports a change even when the new text equals the old one.
        edit->text = lParam == 0 ? "" : reinterpret_cast<const char*>(lParam);
        edit->selectionStart = edit->selectionEnd = 0;
        NotifyParent(hWnd, EN_CHANGE);
        return TRUE;
    case WM_CHAR:
        if (IsReadOnly(*edit)) {
            return 0;
        }
        TypeCharacter(*edit, static_cast<char>(wParam));
        NotifyParent(hWnd, EN_CHANGE);
        return 0;
    case EM_SETSEL:
        SetSelection(*edit, wParam, lParam);
        return 0;
    case EM_GETSEL:
        return MAKELONG(edit->selectionStart, edit->selectionEnd);
    case EM_SETREADONLY:
        if (wParam) {
            edit->style |= ES_READONLY;
        } else {
            edit->style &= ~ES_READONLY;
        }
        return TRUE;
    case WM_SETFOCUS:
        NotifyParent(hWnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyParent(hWnd, EN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace headless

// The edit control: one line of text with a selection, typed into one key at a time. What a
// key does follows the system's single-line edit: characters replace the selection, Backspace
// and Delete take the selection or one character, the arrows, Home and End move the caret
// (Shift extends the selection), Ctrl+A selects all; each change of the text reports one
// EN_CHANGE, and a read-only edit changes nothing.
#include "framework/headless/WindowSystem.h"

#include <algorithm>

namespace {

constexpr char kSelectAll = 0x01; // Ctrl+A
constexpr char kBackspace = 0x08;
constexpr char kCut = 0x18; // Ctrl+X

bool IsReadOnly(const headless::Window& edit) {
    return (edit.style & ES_READONLY) != 0;
}

bool IsHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

std::size_t Caret(const headless::Window& edit) {
    return edit.caretAtStart ? edit.selectionStart : edit.selectionEnd;
}

// The selection from `anchor` to the caret, both within the text.
void Select(headless::Window& edit, std::size_t anchor, std::size_t caret) {
    anchor = std::min(anchor, edit.text.size());
    caret = std::min(caret, edit.text.size());
    edit.selectionStart = std::min(anchor, caret);
    edit.selectionEnd = std::max(anchor, caret);
    edit.caretAtStart = caret < anchor;
}

void SetSelection(headless::Window& edit, WPARAM start, LPARAM end) {
    if (static_cast<int>(start) == -1) { // remove the selection
        edit.selectionStart = edit.selectionEnd;
        edit.caretAtStart = false;
        return;
    }
    Select(edit, start, end < 0 ? edit.text.size() : static_cast<std::size_t>(end));
}

// Moves the caret; with Shift held the selection's other end stays where it is.
void MoveCaret(headless::Window& edit, std::size_t caret) {
    std::size_t anchor = edit.caretAtStart ? edit.selectionEnd : edit.selectionStart;
    Select(edit, IsHeld(VK_SHIFT) ? anchor : caret, caret);
}

// The text replaces the selection and the caret follows it; a change reports EN_CHANGE.
void ReplaceSelection(HWND hWnd, headless::Window& edit, const std::string& text) {
    if (text.empty() && edit.selectionStart == edit.selectionEnd) {
        return;
    }
    edit.text.replace(edit.selectionStart, edit.selectionEnd - edit.selectionStart, text);
    Select(edit, edit.selectionStart + text.size(), edit.selectionStart + text.size());
    headless::NotifyParent(hWnd, EN_CHANGE);
}

// Backspace or Delete without a selection takes the character before or after the caret.
void Erase(HWND hWnd, headless::Window& edit, bool forward) {
    if (edit.selectionStart == edit.selectionEnd) {
        std::size_t caret = edit.selectionStart;
        if (forward ? caret == edit.text.size() : caret == 0) {
            return;
        }
        Select(edit, forward ? caret + 1 : caret - 1, caret);
    }
    ReplaceSelection(hWnd, edit, "");
}

void TypeCharacter(HWND hWnd, headless::Window& edit, char character) {
    if (character == kSelectAll) {
        Select(edit, 0, edit.text.size());
        return;
    }
    if (IsReadOnly(edit)) {
        return;
    }
    if (character == kBackspace) {
        Erase(hWnd, edit, false);
    } else if (character == kCut) {
        ReplaceSelection(hWnd, edit, "");
    } else if (static_cast<unsigned char>(character) >= 0x20 && character != 0x7F) {
        ReplaceSelection(hWnd, edit, std::string(1, character));
    }
}

void PressKey(HWND hWnd, headless::Window& edit, WPARAM key) {
    std::size_t caret = Caret(edit);
    switch (key) {
    case VK_LEFT:
        MoveCaret(edit, caret > 0 ? caret - 1 : 0);
        break;
    case VK_RIGHT:
        MoveCaret(edit, caret + 1);
        break;
    case VK_HOME:
        MoveCaret(edit, 0);
        break;
    case VK_END:
        MoveCaret(edit, edit.text.size());
        break;
    case VK_DELETE:
        if (!IsReadOnly(edit)) {
            Erase(hWnd, edit, true);
        }
        break;
    default:
        break;
    }
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
        Select(*edit, 0, 0);
        NotifyParent(hWnd, EN_CHANGE);
        return TRUE;
    case WM_CHAR:
        TypeCharacter(hWnd, *edit, static_cast<char>(wParam));
        return 0;
    case WM_KEYDOWN:
        PressKey(hWnd, *edit, wParam);
        return 0;
    case EM_REPLACESEL:
        ReplaceSelection(hWnd, *edit, lParam == 0 ? "" : reinterpret_cast<const char*>(lParam));
        return 0;
    case WM_CUT:
    case WM_CLEAR:
        if (!IsReadOnly(*edit)) {
            ReplaceSelection(hWnd, *edit, "");
        }
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
    case WM_LBUTTONDOWN:
        SetFocus(hWnd);
        return 0;
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

// Message boxes: a small dialog with the icon, the text and the buttons of its type, laid out
// as the system lays one out. While it is open its default button has the focus; the desktop
// answers it, or the user presses one of its buttons; then the focus returns.
#include "framework/headless/Desktop.h"
#include "framework/headless/DialogManager.h"
#include "framework/headless/Resources.h"

#include <algorithm>

namespace {

// Dialog units of the layout: margins, the icon, a line of text, a button.
constexpr short kMargin = 7;
constexpr short kIconSize = 21;
constexpr short kCharacterWidth = 4;
constexpr short kLineHeight = 8;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonGap = 6;

std::vector<int> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    default:
        return {IDOK};
    }
}

const char* ButtonText(int id) {
    switch (id) {
    case IDCANCEL:
        return "Abbrechen";
    case IDYES:
        return "&Ja";
    case IDNO:
        return "&Nein";
    default:
        return "OK";
    }
}

// The system icon of the box's type, none for a box without one.
LPCSTR IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return IDI_HAND;
    case MB_ICONQUESTION:
        return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
        return IDI_EXCLAMATION;
    case MB_ICONASTERISK:
        return IDI_ASTERISK;
    default:
        return nullptr;
    }
}

// Columns and lines of the text, at least one of each.
std::pair<short, short> TextExtent(const std::string& text) {
    std::size_t columns = 1;
    std::size_t lines = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            columns = std::max(columns, i - lineStart);
            lineStart = i + 1;
            lines += i < text.size() ? 1 : 0;
        }
    }
    return {static_cast<short>(std::min<std::size_t>(columns, 120)),
            static_cast<short>(std::min<std::size_t>(lines, 40))};
}

headless::ControlTemplate Control(headless::WindowClass windowClass, int id, DWORD style, short x,
                                  short y, short cx, short cy) {
    headless::ControlTemplate control;
    control.windowClass = windowClass;
    control.id = id;
    control.style = WS_CHILD | WS_VISIBLE | style;
    control.x = x;
    control.y = y;
    control.cx = cx;
    control.cy = cy;
    return control;
}

headless::DialogTemplate BoxTemplate(const std::string& text, LPCSTR caption, UINT type,
                                     const std::vector<int>& buttons, int defaultButton) {
    headless::DialogTemplate box;
    box.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    box.caption = caption;

    short textLeft = kMargin;
    if (LPCSTR icon = IconOf(type)) {
        headless::ControlTemplate image = Control(headless::WindowClass::Static, 0xFFFF, SS_ICON,
                                                  kMargin, kMargin, kIconSize, kIconSize);
        image.imageId = headless::ResourceId(icon);
        box.controls.push_back(image);
        textLeft += kIconSize + kMargin;
    }
    auto [columns, lines] = TextExtent(text);
    headless::ControlTemplate label = Control(
        headless::WindowClass::Static, 0xFFFF, SS_NOPREFIX, textLeft, kMargin,
        static_cast<short>(columns * kCharacterWidth), static_cast<short>(lines * kLineHeight));
    label.text = text;
    box.controls.push_back(label);

    const short rowWidth =
        static_cast<short>(buttons.size() * (kButtonWidth + kButtonGap) - kButtonGap);
    box.cx = std::max<short>(label.x + label.cx, rowWidth) + kMargin;
    const short buttonTop =
        static_cast<short>(std::max<short>(label.y + label.cy, kMargin + kIconSize) + 2 * kMargin);
    short x = static_cast<short>((box.cx - rowWidth) / 2);
    for (int id : buttons) {
        DWORD style = WS_TABSTOP | (id == defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        headless::ControlTemplate button = Control(headless::WindowClass::Button, id, style, x,
                                                   buttonTop, kButtonWidth, kButtonHeight);
        button.text = ButtonText(id);
        box.controls.push_back(button);
        x += kButtonWidth + kButtonGap;
    }
    box.cy = buttonTop + kButtonHeight + kMargin;
    return box;
}

// A button ends the box with its id. Escape and the close box send IDCANCEL, which a box
// without Abbrechen takes only when OK is its one button.
INT_PTR CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) {
        return FALSE;
    }
    int id = LOWORD(wParam);
    if (id == IDCANCEL && GetDlgItem(box, IDCANCEL) == nullptr) {
        id = GetDlgItem(box, IDYES) == nullptr ? IDOK : 0;
    }
    if (id != 0 && GetDlgItem(box, id) != nullptr) {
        EndDialog(box, id);
    }
    return TRUE;
}

// Without an answer, a box closes as with Escape or the close box: Cancel, else No, else OK.
int UnansweredResult(const std::vector<int>& buttons) {
    for (int answer : {IDCANCEL, IDNO}) {
        for (int button : buttons) {
            if (button == answer) {
                return answer;
            }
        }
    }
    return IDOK;
}

void CloseBox(HWND box, HWND previousFocus) {
    SetFocus(IsWindow(previousFocus) ? previousFocus : nullptr);
    headless::DestroyWindowTree(box);
}

} // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    // A box without a caption is titled "Fehler" ("Error" on a German system).
    if (caption == nullptr) {
        caption = "Fehler";
    }
    if (text == nullptr) {
        text = "";
    }
    std::vector<int> buttons = ButtonsOf(type);
    std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    int defaultButton = buttons[defaultIndex < buttons.size() ? defaultIndex : 0];

    HWND previousFocus = GetFocus();
    HWND box = headless::CreateDialogWindow(
        BoxTemplate(text, caption, type, buttons, defaultButton), owner, BoxProcedure);
    ShowWindow(box, SW_SHOW);
    SetFocus(GetDlgItem(box, defaultButton));

    headless::Desktop* desktop = headless::Desktop::Current();
    int unanswered = UnansweredResult(buttons);
    int answer = unanswered;
    try {
        if (desktop != nullptr) {
            answer = desktop->AnswerMessageBox(box, {owner, text, caption, type, 0}, buttons,
                                               unanswered);
        }
    } catch (...) {
        CloseBox(box, previousFocus); // an exception of the one who answers takes the box along
        throw;
    }
    CloseBox(box, previousFocus);
    return answer;
}

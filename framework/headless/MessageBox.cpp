// Message boxes: a small dialog with the buttons of its type. While it is open its default
// button has the focus; the desktop answers it; then the focus returns.
#include "framework/headless/Desktop.h"
#include "framework/headless/DialogManager.h"

namespace {

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

headless::DialogTemplate BoxTemplate(LPCSTR text, LPCSTR caption, const std::vector<int>& buttons,
                                     int defaultButton) {
    headless::DialogTemplate box;
    box.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    box.caption = caption;
    box.cx = 200;
    box.cy = 70;
    headless::ControlTemplate label;
    label.text = text;
    label.id = 0xFFFF;
    label.windowClass = headless::WindowClass::Static;
    label.style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;
    box.controls.push_back(label);
    for (int id : buttons) {
        headless::ControlTemplate button;
        button.text = ButtonText(id);
        button.id = id;
        button.windowClass = headless::WindowClass::Button;
        button.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                       (id == defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        box.controls.push_back(button);
    }
    return box;
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
    HWND box = headless::CreateDialogWindow(BoxTemplate(text, caption, buttons, defaultButton),
                                            owner, nullptr);
    SetFocus(GetDlgItem(box, defaultButton));

    headless::Desktop* desktop = headless::Desktop::Current();
    int unanswered = UnansweredResult(buttons);
    int answer = desktop != nullptr ? desktop->AnswerMessageBox({owner, text, caption, type, 0},
                                                                buttons, unanswered)
                                    : unanswered;

    SetFocus(IsWindow(previousFocus) ? previousFocus : nullptr);
    headless::DestroyWindowTree(box);
    return answer;
}

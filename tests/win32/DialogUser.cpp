#include "DialogUser.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

void FocusControl(HWND dialog, int id) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

void TypeInto(HWND dialog, int id, const std::string& text) {
    FocusControl(dialog, id);
    SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
    TypeKeys(text);
}

void TypeKeys(const std::string& text) {
    for (char c : text) {
        SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void ClickLater(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::string FullPath(const std::string& name) {
    char full[MAX_PATH] = "";
    GetFullPathNameA(name.c_str(), sizeof full, full, nullptr);
    return full;
}

void ChooseFile(const std::string& caption, const std::string& name) {
    // The file-name field: the history combobox, or without the extension the system's edit.
    const int kFileNameField = 1152;
    HWND fileDialog = FindDialog(caption);
    ASSERT_NE(fileDialog, nullptr) << caption;
    SetDlgItemTextA(fileDialog, kFileNameField, name.c_str());
    PostMessageA(fileDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void PressKey(UINT virtualKey) {
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
}

void PressRealKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    EXPECT_EQ(sent, inputs.size());
}

void TickFocusTimer(HWND dialog) {
    SendMessageA(dialog, WM_TIMER, 200, 0);
}

std::string TextOf(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}

std::string TextOf(HWND dialog, int id) {
    return TextOf(GetDlgItem(dialog, id));
}

std::vector<std::string> EntriesOf(HWND list, UINT countMessage, UINT textMessage) {
    std::vector<std::string> entries;
    const int count = static_cast<int>(SendMessageA(list, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        char entry[MAX_PATH] = "";
        SendMessageA(list, textMessage, i, reinterpret_cast<LPARAM>(entry));
        entries.emplace_back(entry);
    }
    return entries;
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool IsReadOnly(HWND dialog, int id) {
    return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_READONLY) != 0;
}

int FocusedId() {
    HWND focus = GetFocus();
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

FieldColours AskColours(HWND dialog, int id) {
    HWND edit = GetDlgItem(dialog, id);
    UINT request = IsReadOnly(dialog, id) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HDC dc = CreateCompatibleDC(nullptr);
    SetBkColor(dc, RGB(1, 2, 3));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        dialog, request, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
    LOGBRUSH description{};
    GetObjectA(brush, sizeof description, &description);
    FieldColours colours{description.lbColor, GetBkColor(dc)};
    DeleteDC(dc);
    return colours;
}

COLORREF PaintedBackground(HWND dialog, int id) {
    HWND edit = GetDlgItem(dialog, id);
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(edit, &client);
    HDC dc = GetDC(edit);
    COLORREF colour = GetPixel(dc, 2, client.bottom / 2);
    ReleaseDC(edit, dc);
    return colour;
}

namespace {

// The bitmap's pixels as 32-bit values, with its size in front.
std::vector<DWORD> PixelsOf(HBITMAP bitmap) {
    BITMAP size{};
    GetObjectA(bitmap, sizeof size, &size);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size.bmWidth;
    format.bmiHeader.biHeight = size.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(2 + size.bmWidth * size.bmHeight);
    pixels[0] = size.bmWidth;
    pixels[1] = size.bmHeight;
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, bitmap, 0, size.bmHeight, pixels.data() + 2, &format, DIB_RGB_COLORS);
    DeleteDC(dc);
    return pixels;
}

} // namespace

int ShownPicture(HWND dialog) {
    auto shown = reinterpret_cast<HBITMAP>(
        SendDlgItemMessageA(dialog, IDC_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (shown == nullptr) {
        return 0;
    }
    const std::vector<DWORD> pixels = PixelsOf(shown);
    for (int id : {IDB_PICTURE_NONE, IDB_BEAM_ANGLE, IDB_SOLID_ANGLE, IDB_LIT_AREA, IDB_HEIGHT,
                   IDB_DIAMETER, IDB_ROOM_AREA, IDB_ROOM_EFFICIENCY, IDB_LAMP_EFFICIENCY}) {
        HBITMAP candidate = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        bool same = PixelsOf(candidate) == pixels;
        DeleteObject(candidate);
        if (same) {
            return id;
        }
    }
    return -1;
}

namespace {

struct CaptionSearch {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<CaptionSearch*>(search);
    if (IsWindowVisible(window) && TextOf(window) == *wanted.caption) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindDialog(const std::string& caption) {
    CaptionSearch search{&caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

::testing::AssertionResult IsCentredOver(HWND window, HWND over) {
    RECT workArea;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT centre = workArea;
    if (over != nullptr) {
        GetWindowRect(over, &centre);
    }
    RECT place;
    GetWindowRect(window, &place);
    auto result = ::testing::AssertionSuccess();
    if (std::abs((place.left + place.right) - (centre.left + centre.right)) > 1 ||
        std::abs((place.top + place.bottom) - (centre.top + centre.bottom)) > 1) {
        result = ::testing::AssertionFailure() << "not centred";
    } else if (place.left < workArea.left || place.top < workArea.top ||
               place.right > workArea.right || place.bottom > workArea.bottom) {
        result = ::testing::AssertionFailure() << "not wholly on screen";
    }
    return result << ": window " << place.left << "," << place.top << " to " << place.right << ","
                  << place.bottom << ", centre of " << centre.left << "," << centre.top << " to "
                  << centre.right << "," << centre.bottom;
}

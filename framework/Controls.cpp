#include "framework/Controls.h"

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(
        SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

int CComboBox::InsertString(int index, LPCSTR text) {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, index));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
}

int CComboBox::GetLBText(int index, LPSTR buffer) const {
    return static_cast<int>(
        ::SendMessageA(m_hWnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer)));
}

void CComboBox::GetLBText(int index, std::string& text) const {
    int length = static_cast<int>(::SendMessageA(m_hWnd, CB_GETLBTEXTLEN, index, 0));
    if (length == CB_ERR) {
        text.clear();
        return;
    }
    std::string buffer(length + 1, '\0');
    length = GetLBText(index, buffer.data());
    text.assign(buffer.data(), length == CB_ERR ? 0 : length);
}

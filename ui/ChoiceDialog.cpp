#include "ui/ChoiceDialog.h"

#include "ui/ChoiceDialogTemplate.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace {

constexpr int kFirstCapacity = 16;
constexpr std::size_t kItemDataSize = sizeof(std::uint32_t);
// An entry's block, item data and NUL included, must stay within a signed 32-bit size.
constexpr std::size_t kMaximumTextLength = INT_MAX - kItemDataSize - 1;

} // namespace

ChoiceDialog::ChoiceDialog(CWnd* parent) {
    InitModalIndirect(ChoiceDialogTemplate(), parent);
}

void ChoiceDialog::SetTitle(const char* title) {
    m_title = title != nullptr ? title : "";
}

void ChoiceDialog::SetPrompt(const char* prompt) {
    m_prompt = prompt != nullptr ? prompt : "";
}

int ChoiceDialog::AddItem(int position, std::uint32_t itemData, const char* text, BOOL select) {
    if (text == nullptr) {
        text = "";
    }
    const std::size_t length = std::strlen(text);
    if (length > kMaximumTextLength || (m_count >= m_capacity && !Grow())) {
        return -1;
    }
    Item item(new (std::nothrow) unsigned char[kItemDataSize + length + 1]);
    if (!item) {
        return -1;
    }
    std::memcpy(item.get(), &itemData, kItemDataSize);
    std::memcpy(item.get() + kItemDataSize, text, length + 1);

    if (position < 0 || position > m_count) {
        position = m_count;
    }
    std::move_backward(m_items.get() + position, m_items.get() + m_count,
                       m_items.get() + m_count + 1);
    m_items[position] = std::move(item);
    ++m_count;
    if (select) {
        m_selected = position;
    }
    return position;
}

// 16 slots at first, then half as many again each time: 24, 36, 54, 81, ...
bool ChoiceDialog::Grow() {
    const long long wanted = m_capacity == 0 ? kFirstCapacity : m_capacity * 3LL / 2;
    const int capacity = static_cast<int>(std::min<long long>(wanted, INT_MAX));
    if (capacity <= m_count) {
        return false;
    }
    std::unique_ptr<Item[]> items(new (std::nothrow) Item[capacity]);
    if (!items) {
        return false;
    }
    std::move(m_items.get(), m_items.get() + m_count, items.get());
    m_items = std::move(items);
    m_capacity = capacity;
    return true;
}

const char* ChoiceDialog::ItemText(int i) const {
    return reinterpret_cast<const char*>(m_items[i].get() + kItemDataSize);
}

std::uint32_t ChoiceDialog::ItemData(int i) const {
    std::uint32_t itemData;
    std::memcpy(&itemData, m_items[i].get(), kItemDataSize);
    return itemData;
}

CComboBox ChoiceDialog::List() const {
    return CComboBox(::GetDlgItem(m_hWnd, IDC_CHOICE_LIST));
}

// Fills the list in entry order, so that list index and entry index agree, and selects the
// start entry; any index outside the list selects the first one.
BOOL ChoiceDialog::OnInitDialog() {
    CComboBox list = List();
    // With its redrawing on, the list would work out its scroll range again after every
    // entry: a database of 100 000 lamps would take most of a second to show.
    list.SetRedraw(FALSE);
    for (int i = 0; i < m_count; ++i) {
        list.InsertString(i, ItemText(i));
    }
    list.SetRedraw(TRUE);
    list.Invalidate();
    if (m_selected >= m_count) {
        m_selected = -1;
    }
    if (m_selected < 0) {
        m_selected = 0;
    }
    list.SetCurSel(m_selected);
    list.ShowWindow(SW_SHOW);

    CDialog::OnInitDialog();
    if (!m_title.empty()) {
        SetWindowText(m_title.c_str());
    }
    if (!m_prompt.empty()) {
        SetDlgItemText(IDC_CHOICE_PROMPT, m_prompt.c_str());
    }
    // The dialog manager gives the focus to the first tab stop, the OK button, once this
    // returns; the posted message moves it on to the list afterwards.
    list.SetFocus();
    PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list.GetSafeHwnd()), TRUE);
    return TRUE;
}

void ChoiceDialog::OnOK() {
    CComboBox list = List();
    m_selected = list.GetCurSel();
    if (m_selected >= 0 && m_selected < m_count) {
        list.GetLBText(m_selected, m_text);
        m_chosenItemData = ItemData(m_selected);
    } else {
        list.GetWindowText(m_text);
        m_chosenItemData = 0;
    }
    CDialog::OnOK();
}

void ChoiceDialog::OnCancel() {
    m_text.clear();
    m_selected = -1;
    CDialog::OnCancel();
}

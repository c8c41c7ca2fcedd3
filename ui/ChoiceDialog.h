#ifndef LUMETRIX_UI_CHOICEDIALOG_H
#define LUMETRIX_UI_CHOICEDIALOG_H

#include "framework/Afx.h"

#include <cstdint>
#include <memory>
#include <string>

// A small modal dialog that lets the user pick one entry from a drop-down list: a prompt line
// over the list, OK and "Abbrechen". Fill it with AddItem, optionally set the title, the prompt
// and the entry selected at the start (SetCurSel), run it with DoModal, then read GetText and
// GetCurSel.
class ChoiceDialog : public CDialog {
public:
    // Without a parent, the application's main window owns the dialog.
    explicit ChoiceDialog(CWnd* parent = nullptr);

    void SetTitle(const char* title);
    void SetPrompt(const char* prompt);

    // Inserts an entry at a position from 0 to Count(); any other position appends. A non-zero
    // `select` makes it the entry selected at the start. Returns the position used, or -1 when
    // the entry cannot be stored (out of memory, list full).
    int AddItem(int position, std::uint32_t itemData, const char* text, BOOL select);

    // Before DoModal: the entry selected at the start (outside the list: the first entry).
    void SetCurSel(int index) { m_selected = index; }
    // After OK: the index of the chosen entry, or -1 when the list was empty. After Cancel: -1.
    int GetCurSel() const { return m_selected; }

    // After OK: the chosen entry's text and item data. After Cancel: empty and 0.
    const std::string& GetText() const { return m_text; }
    std::uint32_t GetChosenItemData() const { return m_chosenItemData; }

    int Count() const { return m_count; }
    int Capacity() const { return m_capacity; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // One entry: its 32-bit item data, then its text and a NUL.
    using Item = std::unique_ptr<unsigned char[]>;

    bool Grow();
    const char* ItemText(int i) const;
    std::uint32_t ItemData(int i) const;
    CComboBox List() const;

    std::string m_text;
    std::string m_title;
    std::string m_prompt;
    std::uint32_t m_chosenItemData = 0;
    int m_selected = 0;
    std::unique_ptr<Item[]> m_items; // m_capacity slots, the first m_count in use
    int m_count = 0;
    int m_capacity = 0;
};

#endif

#include "ui/ChoiceDialogTemplate.h"

namespace {

// Window classes of dialog items, by their predefined atoms.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;

// Size of the finished template in words; the writer checks it at compile time.
constexpr int kTemplateWords = 113;

// Lays out an in-memory dialog template: the dialog's header, then its items, each starting at a
// DWORD boundary. Texts are ASCII, so each character is one UTF-16 word.
class TemplateWriter {
public:
    constexpr void Dialog(DWORD style, WORD itemCount, short cx, short cy, const char* title,
                          WORD pointSize, const char* font) {
        Dword(style);
        Dword(0); // extended style
        Word(itemCount);
        Short(0); // x
        Short(0); // y
        Short(cx);
        Short(cy);
        Word(0); // no menu
        Word(0); // the default dialog class
        Text(title);
        Word(pointSize); // DS_SETFONT
        Text(font);
    }

    constexpr void Item(DWORD style, short x, short y, short cx, short cy, WORD id,
                        WORD windowClass, const char* text) {
        if (m_size % 2 != 0) {
            Word(0);
        }
        Dword(style);
        Dword(0); // extended style
        Short(x);
        Short(y);
        Short(cx);
        Short(cy);
        Word(id);
        Word(0xFFFF); // a class atom follows
        Word(windowClass);
        Text(text);
        Word(0); // no creation data
    }

    constexpr int Size() const { return m_size; }
    const WORD* Words() const { return m_words; }

private:
    constexpr void Word(WORD word) { m_words[m_size++] = word; }
    constexpr void Short(short value) { Word(static_cast<WORD>(value)); }
    constexpr void Dword(DWORD value) {
        Word(static_cast<WORD>(value & 0xFFFF));
        Word(static_cast<WORD>(value >> 16));
    }
    constexpr void Text(const char* text) {
        while (*text != '\0') {
            Word(static_cast<unsigned char>(*text++));
        }
        Word(0);
    }

    alignas(DWORD) WORD m_words[kTemplateWords] = {};
    int m_size = 0;
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kComboBoxStyle = WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_AUTOHSCROLL; // hidden
constexpr DWORD kPromptStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;

constexpr TemplateWriter BuildChoiceTemplate() {
    TemplateWriter writer;
    writer.Dialog(kDialogStyle, 5, 227, 76, "Auswahl", 8, "MS Sans Serif");
    writer.Item(kButtonStyle | BS_DEFPUSHBUTTON, 55, 50, 50, 14, IDOK, kButtonClass, "OK");
    writer.Item(kButtonStyle | BS_PUSHBUTTON, 115, 50, 50, 14, IDCANCEL, kButtonClass, "Abbrechen");
    writer.Item(kComboBoxStyle | CBS_DROPDOWNLIST, 15, 25, 195, 145, IDC_CHOICE_LIST,
                kComboBoxClass, "");
    writer.Item(kPromptStyle, 15, 15, 195, 8, IDC_CHOICE_PROMPT, kStaticClass, "");
    writer.Item(kComboBoxStyle | CBS_DROPDOWN, 15, 25, 195, 145, IDC_CHOICE_EDITABLE,
                kComboBoxClass, "");
    return writer;
}

constexpr TemplateWriter kChoiceTemplate = BuildChoiceTemplate();
static_assert(kChoiceTemplate.Size() == kTemplateWords);
static_assert(kDialogStyle == 0x80C800C0);
static_assert((kButtonStyle | BS_DEFPUSHBUTTON) == 0x50010001);
static_assert((kComboBoxStyle | CBS_DROPDOWNLIST) == 0x40210043);
static_assert(kPromptStyle == 0x50020000);

} // namespace

const DLGTEMPLATE* ChoiceDialogTemplate() {
    return reinterpret_cast<const DLGTEMPLATE*>(kChoiceTemplate.Words());
}

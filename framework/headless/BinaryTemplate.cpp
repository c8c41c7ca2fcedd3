// Reads the binary layout of a DLGTEMPLATE: the header, then menu, class and title (each a
// 0xFFFF-prefixed ordinal or a UTF-16 string), the font when DS_SETFONT is set, and the
// DWORD-aligned DLGITEMTEMPLATEs with their class, title and creation data.
#include "framework/headless/DialogTemplate.h"

#include <cstring>

namespace headless {
namespace {

constexpr DWORD kExtendedTemplateSignature = 0xFFFF0001;

class TemplateReader {
public:
    explicit TemplateReader(const DLGTEMPLATE* start)
        : m_start(reinterpret_cast<const BYTE*>(start)), m_position(m_start) {}

    template <typename T> T Read() {
        T value;
        std::memcpy(&value, m_position, sizeof(T));
        m_position += sizeof(T);
        return value;
    }

    // A 0xFFFF-prefixed ordinal (returned) or a UTF-16 string (into text; ordinal 0).
    WORD ReadOrdinalOrText(std::string& text) {
        WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            return Read<WORD>();
        }
        for (WORD unit = first; unit != 0; unit = Read<WORD>()) {
            text += unit < 0x100 ? static_cast<char>(unit) : '?';
        }
        return 0;
    }

    void Skip(std::size_t bytes) { m_position += bytes; }
    void AlignToDword() {
        while ((m_position - m_start) % 4 != 0) {
            ++m_position;
        }
    }

private:
    const BYTE* m_start;
    const BYTE* m_position;
};

std::optional<WindowClass> ClassOfAtom(WORD atom) {
    switch (atom) {
    case 0x0080:
        return WindowClass::Button;
    case 0x0081:
        return WindowClass::Edit;
    case 0x0082:
        return WindowClass::Static;
    case 0x0085:
        return WindowClass::ComboBox;
    default:
        return std::nullopt;
    }
}

std::optional<ControlTemplate> ReadControl(TemplateReader& reader) {
    reader.AlignToDword();
    auto item = reader.Read<DLGITEMTEMPLATE>();
    ControlTemplate control;
    control.style = item.style;
    control.exStyle = item.dwExtendedStyle;
    control.x = item.x;
    control.y = item.y;
    control.cx = item.cx;
    control.cy = item.cy;
    control.id = item.id;

    std::string className;
    WORD atom = reader.ReadOrdinalOrText(className);
    std::optional<WindowClass> windowClass =
        atom != 0 ? ClassOfAtom(atom) : ControlClass(className);
    if (!windowClass) {
        return std::nullopt;
    }
    control.windowClass = *windowClass;
    control.imageId = reader.ReadOrdinalOrText(control.text);
    reader.Skip(reader.Read<WORD>()); // creation data
    return control;
}

} // namespace

std::optional<DialogTemplate> ReadBinaryTemplate(const DLGTEMPLATE* binary) {
    TemplateReader reader(binary);
    auto header = reader.Read<DLGTEMPLATE>();
    if (header.style == kExtendedTemplateSignature) {
        return std::nullopt;
    }
    DialogTemplate dialog;
    dialog.style = header.style;
    dialog.exStyle = header.dwExtendedStyle;
    dialog.x = header.x;
    dialog.y = header.y;
    dialog.cx = header.cx;
    dialog.cy = header.cy;

    std::string ignored;
    reader.ReadOrdinalOrText(ignored); // menu
    reader.ReadOrdinalOrText(ignored); // window class
    reader.ReadOrdinalOrText(dialog.caption);
    if (dialog.style & DS_SETFONT) {
        reader.Read<WORD>(); // point size
        reader.ReadOrdinalOrText(ignored);
    }
    for (WORD i = 0; i < header.cdit; ++i) {
        std::optional<ControlTemplate> control = ReadControl(reader);
        if (!control) {
            return std::nullopt;
        }
        dialog.controls.push_back(*control);
    }
    return dialog;
}

} // namespace headless

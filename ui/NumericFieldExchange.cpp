#include "ui/NumericFieldExchange.h"

#include "ui/NumericText.h"

#include <cstring>

namespace {

// The field's text, at most its first 31 characters.
void ReadFieldText(const CWnd& field, char (&text)[kFieldTextSize]) {
    text[0] = '\0';
    field.GetWindowText(text, kFieldTextSize);
}

} // namespace

void DDX_NumericField(CDataExchange* pDX, int id, double& value, int decimals) {
    CWnd* field = pDX->m_pDlgWnd->GetDlgItem(id);
    if (field == nullptr) {
        return;
    }
    char shown[kFieldTextSize];
    ReadFieldText(*field, shown);
    if (pDX->m_bSaveAndValidate) {
        value = ParseFieldValue(shown, decimals);
        return;
    }
    char text[kFieldTextSize];
    FormatFieldValue(value, decimals, text);
    if (std::strcmp(text, shown) != 0) {
        field->SetWindowText(text);
    }
}

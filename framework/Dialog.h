// CDialog: a modal dialog from a template resource or an in-memory template, with a command
// map for its buttons.
#ifndef LUMETRIX_FRAMEWORK_DIALOG_H
#define LUMETRIX_FRAMEWORK_DIALOG_H

#include "framework/Wnd.h"

class CDialog;

// One entry of a dialog's command map: the handler for notification `code` from control `id`.
// A map ends with END_COMMAND_MAP().
struct CommandMapEntry {
    UINT code;
    UINT id;
    void (CDialog::*handler)();
};

#define ON_COMMAND(id, handler)                                                                    \
    CommandMapEntry {                                                                              \
        CN_COMMAND, (id), static_cast<void (CDialog::*)()>(handler)                                \
    }
#define ON_BN_CLICKED(id, handler)                                                                 \
    CommandMapEntry {                                                                              \
        BN_CLICKED, (id), static_cast<void (CDialog::*)()>(handler)                                \
    }
#define END_COMMAND_MAP()                                                                          \
    CommandMapEntry {                                                                              \
        0, 0, nullptr                                                                              \
    }

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Prepares the dialog to run from an in-memory template; the template must outlive DoModal.
    BOOL InitModalIndirect(const DLGTEMPLATE* dialogTemplate, CWnd* parent = nullptr);

    // Runs the dialog; returns the value given to EndDialog, or -1 when it cannot be created.
    // Without a parent, the application's main window owns the dialog.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Routes a command through the command map, then IDOK to OnOK and IDCANCEL to OnCancel.
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;

protected:
    // The dialog's own command map; the base dialog has none.
    virtual const CommandMapEntry* GetCommandMap() const;
    // The parent window, or without one the application's main window.
    HWND OwnerWindow() const;

private:
    // OnInitDialog, then the placement of a dialog that has none of its own.
    BOOL HandleInitDialog();
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate = 0;
    const DLGTEMPLATE* m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
};

#endif

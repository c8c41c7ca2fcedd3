#include "framework/headless/Desktop.h"

#include "framework/Dialog.h"
#include "framework/headless/DialogManager.h"
#include "framework/headless/GdiObjects.h"
#include "framework/headless/Menus.h"
#include "framework/headless/Resources.h"
#include "framework/headless/Screen.h"
#include "framework/headless/Timers.h"
#include "framework/headless/UserInput.h"

#include <algorithm>

namespace headless {
namespace {

Desktop* g_current = nullptr;

// The control `id` of the active dialog, or null.
HWND Control(int id) {
    HWND dialog = ActiveModalDialog();
    return dialog == nullptr ? nullptr : GetDlgItem(dialog, id);
}

Window* ControlRecord(int id) {
    return FindWindowRecord(Control(id));
}

std::string WindowText(HWND hWnd) {
    std::string text(GetWindowTextLengthA(hWnd) + 1, '\0');
    text.resize(GetWindowTextA(hWnd, text.data(), static_cast<int>(text.size())));
    return text;
}

} // namespace

Desktop::Desktop() {
    g_current = this;
}

Desktop::~Desktop() {
    if (g_current == this) {
        g_current = nullptr;
    }
}

Desktop* Desktop::Current() {
    return g_current;
}

bool Desktop::AddResourceScript(const std::string& script, const std::string& header,
                                std::string& error) {
    return ParseResourceScript(script, header, Resources(), error);
}

// ---- Running ----

INT_PTR Desktop::Run(CDialog& dialog, Action driver) {
    SetDriver(std::move(driver));
    INT_PTR result = dialog.DoModal();
    m_driver = nullptr;
    return result;
}

void Desktop::SetDriver(Action driver) {
    m_driver = std::move(driver);
}

bool Desktop::HasOpenDialog() const {
    return ActiveModalDialog() != nullptr;
}

HWND Desktop::ActiveDialog() const {
    return ActiveModalDialog();
}

void Desktop::RunDialog(HWND, bool outermost) {
    if (outermost) {
        Action driver = std::move(m_driver);
        m_driver = nullptr;
        if (driver) {
            driver();
        }
        return;
    }
    ObserveDialog();
    if (m_dialogAnswers.empty()) {
        return;
    }
    Action answer = std::move(m_dialogAnswers.front());
    m_dialogAnswers.pop_front();
    answer();
}

// ---- Input ----

void Desktop::Click(int id) {
    Window* control = ControlRecord(id);
    if (control == nullptr) {
        return;
    }
    HWND handle = control->handle;
    if (control->windowClass == WindowClass::Button) {
        SendMessageA(handle, BM_CLICK, 0, 0);
    } else if (control->windowClass != WindowClass::Static && IsWindowEnabled(handle)) {
        SetFocus(handle);
    }
    PumpPostedMessages();
}

void Desktop::Type(int id, const std::string& text) {
    Window* control = ControlRecord(id);
    if (control == nullptr || control->windowClass != WindowClass::Edit) {
        return;
    }
    HWND edit = control->handle;
    FocusDialogControl(edit);
    PumpPostedMessages();
    for (char character : text) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(character), 0);
        PumpPostedMessages();
    }
}

void Desktop::Tab() {
    HWND dialog = ActiveModalDialog();
    if (dialog != nullptr) {
        PressKey(dialog, VK_TAB, '\0');
    }
}

void Desktop::Focus(int id) {
    HWND control = Control(id);
    if (control == nullptr) {
        return;
    }
    FocusDialogControl(control);
    PumpPostedMessages();
}

void Desktop::PressEnter() {
    HWND dialog = ActiveModalDialog();
    if (dialog != nullptr) {
        headless::PressEnter(dialog);
    }
}

void Desktop::PressEscape() {
    HWND dialog = ActiveModalDialog();
    if (dialog != nullptr) {
        headless::PressEscape(dialog);
    }
}

void Desktop::SelectComboItem(int id, int index) {
    HWND combo = Control(id);
    if (combo != nullptr) {
        PickItem(combo, index);
    }
}

void Desktop::SystemCommand(UINT command) {
    HWND dialog = ActiveModalDialog();
    if (dialog != nullptr) {
        headless::SystemCommand(dialog, command);
    }
}

void Desktop::Tick() {
    TickTimers();
}

std::vector<DrawnIcon> Desktop::Paint() {
    HWND dialog = ActiveModalDialog();
    DrawnIcons().clear();
    if (dialog != nullptr) {
        SendMessageA(dialog, WM_PAINT, 0, 0);
    }
    PumpPostedMessages();
    return DrawnIcons();
}

void Desktop::Minimize() {
    SystemCommand(SC_MINIMIZE);
}

// ---- Queries ----

std::string Desktop::Caption() const {
    Window* dialog = FindWindowRecord(ActiveModalDialog());
    return dialog == nullptr ? "" : dialog->text;
}

bool Desktop::HasControl(int id) const {
    return Control(id) != nullptr;
}

std::string Desktop::Text(int id) const {
    HWND control = Control(id);
    return control == nullptr ? "" : WindowText(control);
}

bool Desktop::IsChecked(int id) const {
    Window* control = ControlRecord(id);
    return control != nullptr && control->check == BST_CHECKED;
}

bool Desktop::IsReadOnly(int id) const {
    Window* control = ControlRecord(id);
    return control != nullptr && (control->style & ES_READONLY) != 0;
}

bool Desktop::IsVisible(int id) const {
    return IsWindowVisible(Control(id)) != FALSE;
}

bool Desktop::RedrawsItself(int id) const {
    const Window* control = FindWindowRecord(Control(id));
    return control != nullptr && control->redraw;
}

bool Desktop::IsEnabled(int id) const {
    return IsWindowEnabled(Control(id)) != FALSE;
}

int Desktop::FocusId() const {
    return GetDlgCtrlID(GetFocus());
}

int Desktop::ImageId(int id) const {
    Window* control = ControlRecord(id);
    return control == nullptr ? 0 : ResourceIdOf(control->image);
}

int Desktop::IconId(bool big) const {
    Window* dialog = FindWindowRecord(ActiveModalDialog());
    return dialog == nullptr ? 0 : ResourceIdOf(dialog->icons[big ? ICON_BIG : ICON_SMALL]);
}

ControlColours Desktop::ColoursOf(int id) const {
    return headless::ColoursOf(Control(id));
}

std::vector<std::string> Desktop::ComboItems(int id) const {
    Window* control = ControlRecord(id);
    return control == nullptr ? std::vector<std::string>() : control->items;
}

int Desktop::ComboSelection(int id) const {
    Window* control = ControlRecord(id);
    return control == nullptr ? CB_ERR : control->currentItem;
}

std::vector<MenuItem> Desktop::SystemMenu() const {
    Window* dialog = FindWindowRecord(ActiveModalDialog());
    return dialog == nullptr ? std::vector<MenuItem>() : MenuItems(dialog->systemMenu);
}

std::optional<UINT> Desktop::TimerPeriod(UINT_PTR id) const {
    return headless::TimerPeriod(ActiveModalDialog(), id);
}

// ---- Answers ----

void Desktop::QueueMessageBoxAnswer(int answer) {
    m_messageBoxAnswers.push_back(answer);
}

void Desktop::QueueFileAnswer(const std::string& path) {
    m_fileAnswers.emplace_back(path);
}

void Desktop::QueueFileCancel() {
    m_fileAnswers.emplace_back(std::nullopt);
}

void Desktop::ClearFileAnswers() {
    m_fileAnswers.clear();
}

void Desktop::QueueDialogAnswer(Action answer) {
    m_dialogAnswers.push_back(std::move(answer));
}

void Desktop::ClearDialogAnswers() {
    m_dialogAnswers.clear();
}

void Desktop::OnMessageBox(std::function<void(const MessageBoxRecord&)> observer) {
    m_messageBoxObserver = std::move(observer);
}

void Desktop::OnDialog(Action observer) {
    m_dialogObserver = std::move(observer);
}

void Desktop::ObserveMessageBox(const MessageBoxRecord& record) const {
    if (m_messageBoxObserver) {
        m_messageBoxObserver(record);
    }
}

void Desktop::ObserveDialog() const {
    if (m_dialogObserver) {
        m_dialogObserver();
    }
}

int Desktop::AnswerMessageBox(HWND, MessageBoxRecord record, const std::vector<int>& buttons,
                              int unanswered) {
    ObserveMessageBox(record);
    bool fits =
        !m_messageBoxAnswers.empty() &&
        std::find(buttons.begin(), buttons.end(), m_messageBoxAnswers.front()) != buttons.end();
    if (fits) {
        record.answer = m_messageBoxAnswers.front();
        m_messageBoxAnswers.pop_front();
    } else {
        record.answer = unanswered;
    }
    m_messageBoxes.push_back(record);
    return record.answer;
}

std::optional<std::string> Desktop::AnswerFileDialog(FileDialogRecord record) {
    if (!m_fileAnswers.empty()) {
        record.answer = m_fileAnswers.front();
        m_fileAnswers.pop_front();
    }
    m_fileDialogs.push_back(record);
    return record.answer;
}

} // namespace headless

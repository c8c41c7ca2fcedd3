#include "ui/filedialog/win32/CompletionThread.h"

#include "ui/filedialog/CompletionWorker.h"
#include "ui/filedialog/win32/CompletionList.h"

#include <memory>
#include <new>

namespace {

constexpr SIZE_T kWorkerStack = 4096;

class CriticalSectionLock : public CompletionLock {
public:
    CriticalSectionLock() { InitializeCriticalSection(&m_section); }
    void Acquire() override { EnterCriticalSection(&m_section); }
    void Release() override { LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION m_section;
};

// The pattern in the program's code page as the system's wide functions take it.
std::wstring WidePattern(const std::string& pattern) {
    const int length = MultiByteToWideChar(CP_ACP, 0, pattern.data(),
                                           static_cast<int>(pattern.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, pattern.data(), static_cast<int>(pattern.size()), wide.data(),
                        length);
    return wide;
}

std::u16string NameOf(const WIN32_FIND_DATAW& found) {
    return reinterpret_cast<const char16_t*>(found.cFileName);
}

class SystemPorts : public CompletionPorts {
public:
    SystemPorts(HWND list, WorkerWakeUp& wakeUp) : m_list(list), m_wakeUp(wakeUp) {}

    // The names as the system keeps them: the list offers only those the program can open.
    bool FindFirst(const std::string& pattern, std::u16string& name) override {
        WIN32_FIND_DATAW found;
        m_search = FindFirstFileW(WidePattern(pattern).c_str(), &found);
        if (m_search == INVALID_HANDLE_VALUE) {
            return false;
        }
        name = NameOf(found);
        return true;
    }
    bool FindNext(std::u16string& name) override {
        WIN32_FIND_DATAW found;
        if (!FindNextFileW(m_search, &found)) {
            return false;
        }
        name = NameOf(found);
        return true;
    }
    void CloseSearch() override {
        FindClose(m_search);
        m_search = INVALID_HANDLE_VALUE;
    }
    bool PostListChanged() override {
        return PostMessageA(m_list, kListChangedMessage, 0, 0) != FALSE;
    }
    void Sleep(unsigned milliseconds) override { m_wakeUp.Wait(milliseconds); }
    void GiveWay() override { SwitchToThread(); }

private:
    HWND m_list;
    WorkerWakeUp& m_wakeUp;
    HANDLE m_search = INVALID_HANDLE_VALUE;
};

struct WorkerStart {
    HWND list;
    std::shared_ptr<CompletionSession> session;
    std::shared_ptr<WorkerWakeUp> wakeUp;
};

} // namespace

CompletionLock& ProgramCompletionLock() {
    static CriticalSectionLock lock;
    return lock;
}

bool StartCompletionThread(HWND list, std::shared_ptr<CompletionSession> session,
                           std::shared_ptr<WorkerWakeUp> wakeUp) {
    auto start =
        std::make_unique<WorkerStart>(WorkerStart{list, std::move(session), std::move(wakeUp)});
    HANDLE thread =
        CreateThread(nullptr, kWorkerStack, RunCompletionWorker, start.get(), 0, nullptr);
    if (thread == nullptr) {
        return false;
    }
    start.release(); // the thread owns it now
    CloseHandle(thread);
    return true;
}

DWORD WINAPI RunCompletionWorker(void* parameter) {
    const std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(parameter));
    try {
        SystemPorts ports(start->list, *start->wakeUp);
        CompletionWorker(*start->session, ports).Run();
    } catch (const std::bad_alloc&) {
        return 1; // the list stays as it was, and the user types on
    }
    return 0;
}

#include "ui/filedialog/win32/CompletionThread.h"

#include "ui/filedialog/CompletionWorker.h"
#include "ui/filedialog/win32/CompletionList.h"

#include <algorithm>

namespace {

constexpr SIZE_T kWorkerStack = 4096;
// A resting worker looks this often whether its dialog has closed.
constexpr unsigned kStopPoll = 50;

class SemaphoreLock : public CompletionLock {
public:
    SemaphoreLock() : semaphore_(CreateSemaphoreA(nullptr, 1, 32767, nullptr)) {}
    bool Exists() const { return semaphore_ != nullptr; }
    void Acquire() override { WaitForSingleObject(semaphore_, INFINITE); }
    void Release() override { ReleaseSemaphore(semaphore_, 1, nullptr); }

private:
    HANDLE semaphore_;
};

class SystemPorts : public CompletionPorts {
public:
    SystemPorts(HWND frame, HWND list, const CompletionSession& session)
        : frame_(frame), list_(list), session_(session) {}

    bool FindFirst(const std::string& pattern, std::string& name) override {
        WIN32_FIND_DATAA found;
        search_ = FindFirstFileA(pattern.c_str(), &found);
        if (search_ == INVALID_HANDLE_VALUE)
            return false;
        name = found.cFileName;
        return true;
    }
    bool FindNext(std::string& name) override {
        WIN32_FIND_DATAA found;
        if (!FindNextFileA(search_, &found))
            return false;
        name = found.cFileName;
        return true;
    }
    void CloseSearch() override {
        FindClose(search_);
        search_ = INVALID_HANDLE_VALUE;
    }
    bool PostReset() override { return PostMessageA(list_, LB_RESETCONTENT, 0, 0) != FALSE; }
    bool PostMatch(char* match) override {
        return PostMessageA(list_, kPostedMatchMessage, kPostedMatchMarker,
                            reinterpret_cast<LPARAM>(match)) != FALSE;
    }
    bool PostFirstMatchShown() override {
        return PostMessageA(frame_, WM_COMMAND, MAKEWPARAM(kCompletionListId, kFirstMatchCode),
                            reinterpret_cast<LPARAM>(list_)) != FALSE;
    }
    // Rests, but ends the rest soon once the dialog has closed, so that no worker outlives its
    // dialog by long.
    void Sleep(unsigned milliseconds) override {
        for (unsigned rested = 0; rested < milliseconds && session_.IsRunning();
             rested += kStopPoll)
            ::Sleep(std::min(kStopPoll, milliseconds - rested));
    }

private:
    HWND frame_;
    HWND list_;
    const CompletionSession& session_;
    HANDLE search_ = INVALID_HANDLE_VALUE;
};

struct WorkerStart {
    HWND frame;
    HWND list;
    std::shared_ptr<CompletionSession> session;
};

} // namespace

CompletionLock* ProgramCompletionLock() {
    static SemaphoreLock lock;
    return lock.Exists() ? &lock : nullptr;
}

bool StartCompletionThread(HWND frame, HWND list, std::shared_ptr<CompletionSession> session) {
    auto* start = new WorkerStart{frame, list, std::move(session)};
    HANDLE thread = CreateThread(nullptr, kWorkerStack, RunCompletionWorker, start, 0, nullptr);
    if (thread == nullptr) {
        delete start;
        return false;
    }
    CloseHandle(thread);
    return true;
}

DWORD WINAPI RunCompletionWorker(void* parameter) {
    const std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(parameter));
    SystemPorts ports(start->frame, start->list, *start->session);
    CompletionWorker(*start->session, ports).Run();
    return 0;
}

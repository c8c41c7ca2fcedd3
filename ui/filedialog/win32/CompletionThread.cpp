#include "ui/filedialog/win32/CompletionThread.h"

#include "ui/filedialog/CompletionWorker.h"
#include "ui/filedialog/win32/CompletionList.h"

namespace {

constexpr SIZE_T kWorkerStack = 4096;

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
    SystemPorts(HWND frame, HWND list) : frame_(frame), list_(list) {}

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
    void Sleep(unsigned milliseconds) override { ::Sleep(milliseconds); }

private:
    HWND frame_;
    HWND list_;
    HANDLE search_ = INVALID_HANDLE_VALUE;
};

struct WorkerStart {
    HWND frame;
    HWND list;
    std::shared_ptr<CompletionSession> session;
};

DWORD WINAPI RunCompletionWorker(void* parameter) {
    const std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(parameter));
    SystemPorts ports(start->frame, start->list);
    CompletionWorker(*start->session, ports).Run();
    return 0;
}

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

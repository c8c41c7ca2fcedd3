// The completion worker on a thread of its own, reading folders with FindFirstFileW and
// FindNextFileW and reaching the dialog only by PostMessage.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETIONTHREAD_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETIONTHREAD_H

#include "ui/filedialog/CompletionSession.h"

#include <windows.h>

#include <memory>

// The program's one completion lock, made at the first call and kept until the program ends.
// A critical section: the lock is taken several times per name, and a kernel object would
// cost more than the matching it guards.
CompletionLock& ProgramCompletionLock();

// The event a resting worker waits on; every change of its session sets it.
class WorkerWakeUp final : public CompletionWakeUp {
public:
    WorkerWakeUp() : m_event(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    ~WorkerWakeUp() {
        if (m_event != nullptr) {
            CloseHandle(m_event);
        }
    }
    WorkerWakeUp(const WorkerWakeUp&) = delete;
    WorkerWakeUp& operator=(const WorkerWakeUp&) = delete;

    bool Exists() const { return m_event != nullptr; }
    void Wake() override { SetEvent(m_event); }
    void Wait(unsigned milliseconds) { WaitForSingleObject(m_event, milliseconds); }

private:
    HANDLE m_event;
};

// Starts the worker for a dialog's completion list; it runs until the session closes and rests
// on `wakeUp`, the session's. False when no thread could be started.
bool StartCompletionThread(HWND list, std::shared_ptr<CompletionSession> session,
                           std::shared_ptr<WorkerWakeUp> wakeUp);

// The worker thread's procedure, by which its threads are known.
DWORD WINAPI RunCompletionWorker(void* start);

#endif

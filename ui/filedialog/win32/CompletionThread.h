// The completion worker on a thread of its own, reading folders with FindFirstFile and
// FindNextFile and reaching the dialog only by PostMessage.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETIONTHREAD_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETIONTHREAD_H

#include "ui/filedialog/CompletionSession.h"

#include <windows.h>

#include <memory>

// The program's one completion lock: a semaphore (count 1, at most 32767) made at the first
// call and kept until the program ends; null when the system could not make it.
CompletionLock* ProgramCompletionLock();

// Starts the worker for the dialog `frame` and its completion list; it runs until the session
// closes. False when no thread could be started.
bool StartCompletionThread(HWND frame, HWND list, std::shared_ptr<CompletionSession> session);

// The worker thread's procedure, by which its threads are known.
DWORD WINAPI RunCompletionWorker(void* start);

#endif

#include "win32/Win32WorkerThread.h"

#include <windows.h>

namespace {

DWORD WINAPI WorkerThreadProcedure(void* parameter) {
    return (*static_cast<const std::function<uint32_t()>*>(parameter))();
}

} // namespace

std::optional<uint32_t> Win32WorkerThread::RunAndWait(const std::function<uint32_t()>& routine) {
    // The routine stays alive for the thread's whole life because this call returns only after the thread
    // ended.
    const HANDLE thread =
        CreateThread(nullptr, 0, WorkerThreadProcedure, const_cast<std::function<uint32_t()>*>(&routine), 0, nullptr);
    if (thread == nullptr) {
        return std::nullopt;
    }
    DWORD exitCode = 0;
    const bool ended = WaitForSingleObject(thread, INFINITE) == WAIT_OBJECT_0 && GetExitCodeThread(thread, &exitCode);
    CloseHandle(thread);
    if (!ended) {
        return std::nullopt;
    }
    return exitCode;
}

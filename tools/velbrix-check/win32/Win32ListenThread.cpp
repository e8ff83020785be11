#include "velbrix-check/win32/Win32ListenThread.h"

#include <windows.h>

namespace {

DWORD WINAPI ListenThreadProcedure(void* parameter) {
    auto* routine = static_cast<std::function<void()>*>(parameter);
    (*routine)();
    delete routine;
    return 0;
}

} // namespace

bool Win32ListenThread::Start(std::function<void()> routine) {
    auto* owned = new std::function<void()>(std::move(routine));
    const HANDLE thread = CreateThread(nullptr, 0, ListenThreadProcedure, owned, 0, nullptr);
    if (thread == nullptr) {
        delete owned;
        return false;
    }
    CloseHandle(thread);
    return true;
}

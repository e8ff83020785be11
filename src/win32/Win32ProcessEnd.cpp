#include "win32/Win32ProcessEnd.h"

#include <windows.h>

#include <cstdio>

void Win32ProcessEnd::EndProcess(uint32_t exitCode) {
    // Standard output is fully buffered and the runtime, which would empty it at a normal exit, gets no turn.
    std::fflush(nullptr);
    // Terminated rather than exited: no library's detach routine runs either, each of which could wait for a
    // lock that a thread of this process held when the system stopped it.
    TerminateProcess(GetCurrentProcess(), exitCode);
    ExitProcess(exitCode);
}

#include <windows.h>

#include "win32/VelbrixProcess.h"
#include "win32/Win32StandardOutput.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Win32StandardOutput::BufferFully();
    // Never destroyed: a listener thread may still be using the discovery state while the process ends.
    auto* const process = new VelbrixProcess(instance);
    process->Run();
    return 0;
}

#include <windows.h>

#include "win32/VelbrixProcess.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Never destroyed: a listener thread may still be using the discovery state while the process ends.
    auto* const process = new VelbrixProcess(instance);
    process->Run();
    return 0;
}

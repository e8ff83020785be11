#include <windows.h>

#include "SystemLibraryNames.h"
#include "win32/SystemLibraries.h"
#include "win32/VelbrixProcess.h"
#include "win32/Win32StandardOutput.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (!LoadSystemLibrariesFromSystem32Only(VELBRIX_DELAY_LOADED_LIBRARIES, COMMON_CONTROLS_LIBRARIES)) {
        // As when the dialog cannot be made: nothing runs that would need a library loaded from elsewhere.
        return 0;
    }
    Win32StandardOutput::BufferFully();
    // Never destroyed: a listener thread may still be using the discovery state while the process ends.
    auto* const process = new VelbrixProcess(instance);
    process->Run();
    return 0;
}

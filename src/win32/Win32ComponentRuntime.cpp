#include "win32/Win32ComponentRuntime.h"

#include <objbase.h>

bool Win32ComponentRuntime::Initialise() {
    return SUCCEEDED(CoInitialize(nullptr));
}

void Win32ComponentRuntime::Uninitialise() {
    CoUninitialize();
}

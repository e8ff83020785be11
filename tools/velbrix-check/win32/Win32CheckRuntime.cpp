#include "velbrix-check/win32/Win32CheckRuntime.h"

namespace {

using CoInitializeFunction = HRESULT(WINAPI*)(void*);
using CoUninitializeFunction = void(WINAPI*)();

template <typename Function> Function Find(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

bool Win32CheckRuntime::Initialise() {
    m_ole32 = LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto initialise = m_ole32 != nullptr ? Find<CoInitializeFunction>(m_ole32, "CoInitialize") : nullptr;
    if (initialise != nullptr && SUCCEEDED(initialise(nullptr))) {
        return true;
    }
    if (m_ole32 != nullptr) {
        FreeLibrary(m_ole32);
        m_ole32 = nullptr;
    }
    return false;
}

void Win32CheckRuntime::Uninitialise() {
    if (m_ole32 == nullptr) {
        return;
    }
    if (const auto uninitialise = Find<CoUninitializeFunction>(m_ole32, "CoUninitialize")) {
        uninitialise();
    }
    FreeLibrary(m_ole32);
    m_ole32 = nullptr;
}

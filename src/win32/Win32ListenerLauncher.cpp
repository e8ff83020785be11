#include "win32/Win32ListenerLauncher.h"

#include "discovery/MdnsListener.h"
#include "win32/Win32ComponentRuntime.h"
#include "win32/Win32MdnsSocket.h"
#include "win32/Win32MdnsSocketWait.h"
#include "win32/Win32MonotonicClock.h"
#include "win32/Win32NetworkInterfaces.h"
#include "win32/Win32Sleeper.h"
#include "win32/Win32StandardOutput.h"
#include "win32/WindowMessages.h"

namespace {

// Owned by the thread, which ends with its search; one still running when the process ends goes with it.
struct ListenerThreadBlock {
    Win32ComponentRuntime runtime;
    Win32MdnsSocket multicastSocket;
    Win32MdnsSocket unicastSocket;
    Win32MdnsSocketWait wait{multicastSocket, unicastSocket};
    Win32NetworkInterfaces interfaces;
    Win32StandardOutput output;
    Win32Sleeper sleeper;
    Win32MonotonicClock clock;
    ListenerContext context;

    ListenerThreadBlock(HWND window, DiscoveryHandoff& handoff, uint32_t search, uint32_t searchMs)
        : context{runtime,
                  multicastSocket,
                  unicastSocket,
                  wait,
                  interfaces,
                  output,
                  sleeper,
                  clock,
                  handoff,
                  search,
                  searchMs,
                  [window] { SendMessageW(window, WM_MDNS_PACKET, 0, 0); },
                  [window] { SendMessageW(window, WM_MDNS_NOTICE, 0, 0); }} {}
};

DWORD WINAPI ListenerThreadProcedure(void* parameter) {
    auto* block = static_cast<ListenerThreadBlock*>(parameter);
    const int32_t exitCode = MdnsListenerThread(block->context);
    delete block;
    return static_cast<DWORD>(exitCode);
}

} // namespace

bool Win32ListenerLauncher::StartListener(uint32_t search, uint32_t searchMs) {
    auto* block = new ListenerThreadBlock(m_window, m_handoff, search, searchMs);
    const HANDLE thread = CreateThread(nullptr, 0, ListenerThreadProcedure, block, 0, nullptr);
    if (thread == nullptr) {
        delete block;
        return false;
    }
    CloseHandle(thread);
    return true;
}

#include "win32/Win32ListenerLauncher.h"

#include "discovery/MdnsListener.h"
#include "win32/Win32ComponentRuntime.h"
#include "win32/Win32MdnsSocket.h"
#include "win32/Win32MdnsSocketWait.h"
#include "win32/Win32NetworkInterfaces.h"
#include "win32/Win32Sleeper.h"
#include "win32/Win32StandardOutput.h"
#include "win32/WindowMessages.h"

namespace {

// Owned by the thread; a listener still waiting when the process ends takes it along.
struct ListenerThreadBlock {
    Win32ComponentRuntime runtime;
    Win32MdnsSocket multicastSocket;
    Win32MdnsSocket unicastSocket;
    Win32MdnsSocketWait wait{multicastSocket, unicastSocket};
    Win32NetworkInterfaces interfaces;
    Win32StandardOutput output;
    Win32Sleeper sleeper;
    ListenerContext context;

    ListenerThreadBlock(HWND window, DiscoveryHandoff& handoff, uint32_t search)
        : context{runtime,
                  multicastSocket,
                  unicastSocket,
                  wait,
                  interfaces,
                  output,
                  sleeper,
                  handoff,
                  search,
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

bool Win32ListenerLauncher::StartListener(uint32_t search) {
    auto* block = new ListenerThreadBlock(m_window, m_handoff, search);
    const HANDLE thread = CreateThread(nullptr, 0, ListenerThreadProcedure, block, 0, nullptr);
    if (thread == nullptr) {
        delete block;
        return false;
    }
    CloseHandle(thread);
    return true;
}

#pragma once

#include <windows.h>

#include "discovery/PacketHandoff.h"
#include "ports/ListenerLauncher.h"

// Runs each search's listener on a thread of its own, with real sockets, the process's standard output and
// the packet message sent to the main window.
class Win32ListenerLauncher final : public IListenerLauncher {
public:
    Win32ListenerLauncher(HWND window, DiscoveryHandoff& handoff) : m_window(window), m_handoff(handoff) {}

    bool StartListener(uint32_t search, uint32_t searchMs) override;

private:
    HWND m_window;
    DiscoveryHandoff& m_handoff;
};

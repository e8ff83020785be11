#pragma once

#include <windows.h>

// The private window message by which a listener tells the window thread that the slot holds a datagram.
constexpr UINT WM_MDNS_PACKET = WM_USER + 100;
// The private window message by which a listener tells the window thread that a notice of it waits in the
// hand-off (it could not listen, or it failed).
constexpr UINT WM_MDNS_NOTICE = WM_USER + 101;

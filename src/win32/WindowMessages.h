#pragma once

#include <windows.h>

// The private window message by which a listener tells the window thread that the slot holds a datagram.
constexpr UINT WM_MDNS_PACKET = WM_USER + 100;

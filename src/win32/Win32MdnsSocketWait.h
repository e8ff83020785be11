#pragma once

#include "ports/MdnsSocket.h"
#include "win32/Win32MdnsSocket.h"

// The wait on the listener's two sockets, one select over both.
class Win32MdnsSocketWait final : public IMdnsSocketWait {
public:
    Win32MdnsSocketWait(Win32MdnsSocket& multicastSocket, Win32MdnsSocket& unicastSocket)
        : m_sockets{&multicastSocket, &unicastSocket} {}

    int WaitForDatagram(const MdnsListeningSockets& listening, uint32_t timeoutMs) override;

private:
    std::array<Win32MdnsSocket*, MDNS_SOCKET_ROLES> m_sockets;
};

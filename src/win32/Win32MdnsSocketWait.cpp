#include <winsock2.h>

#include "win32/Win32MdnsSocketWait.h"

int Win32MdnsSocketWait::WaitForDatagram(const MdnsListeningSockets& listening, uint32_t timeoutMs) {
    fd_set readable;
    FD_ZERO(&readable);
    for (std::size_t role = 0; role < MDNS_SOCKET_ROLES; ++role) {
        if (!listening[role]) {
            continue;
        }
        // A datagram already taken from the socket is no longer in it for select to see.
        if (m_sockets[role]->HoldsTakenDatagram()) {
            return static_cast<int>(role);
        }
        FD_SET(static_cast<SOCKET>(m_sockets[role]->Handle()), &readable);
    }
    if (readable.fd_count == 0) {
        return MDNS_WAIT_FAILED;
    }
    timeval timeout{};
    timeout.tv_sec = static_cast<long>(timeoutMs / 1000);
    timeout.tv_usec = static_cast<long>(timeoutMs % 1000 * 1000);
    const int ready = select(0, &readable, nullptr, nullptr, &timeout);
    if (ready == SOCKET_ERROR) {
        return MDNS_WAIT_FAILED;
    }
    if (ready == 0) {
        return MDNS_WAIT_TIMED_OUT;
    }
    for (std::size_t role = 0; role < MDNS_SOCKET_ROLES; ++role) {
        if (listening[role] && FD_ISSET(static_cast<SOCKET>(m_sockets[role]->Handle()), &readable)) {
            return static_cast<int>(role);
        }
    }
    return MDNS_WAIT_FAILED;
}

#include <winsock2.h>

#include <ws2tcpip.h>

#include "win32/Win32MdnsSocket.h"

#include <algorithm>

bool Win32MdnsSocket::StartSocketLibrary() {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

void Win32MdnsSocket::StopSocketLibrary() {
    WSACleanup();
}

bool Win32MdnsSocket::CreateSocket() {
    m_socket = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    return m_socket != INVALID_SOCKET;
}

bool Win32MdnsSocket::SetReuseAddress() {
    const int on = 1;
    return setsockopt(m_socket, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof(on)) == 0;
}

bool Win32MdnsSocket::SetReceiveBufferBytes(uint32_t bytes) {
    const int size = static_cast<int>(bytes);
    return setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size), sizeof(size)) == 0;
}

bool Win32MdnsSocket::HasPendingDatagram() {
    // Every call into the socket is a round trip to the wineserver; asking how much waits (FIONREAD) before
    // each receive doubled them and lost datagrams under a burst. Taking the datagram at once answers the
    // question and leaves the next Receive nothing to do.
    if (m_taken) {
        return true;
    }
    if (!m_nonBlocking) {
        u_long on = 1;
        if (ioctlsocket(m_socket, FIONBIO, &on) != 0) {
            return false;
        }
        m_nonBlocking = true;
    }
    Received taken;
    taken.length = ReceiveNow(taken.bytes, taken.sender);
    if (taken.length == NOTHING_WAITING) {
        return false;
    }
    m_taken = std::move(taken);
    return true;
}

bool Win32MdnsSocket::Bind(uint16_t port) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(port);
    return bind(m_socket, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) == 0;
}

bool Win32MdnsSocket::JoinGroup(const std::string& group, const std::string& interfaceAddress) {
    ip_mreq membership{};
    membership.imr_multiaddr.s_addr = inet_addr(group.c_str());
    membership.imr_interface.s_addr = inet_addr(interfaceAddress.c_str());
    return setsockopt(m_socket, IPPROTO_IP, IP_ADD_MEMBERSHIP, reinterpret_cast<const char*>(&membership),
                      sizeof(membership)) == 0;
}

bool Win32MdnsSocket::SetSendingInterface(const std::string& interfaceAddress) {
    in_addr local{};
    local.s_addr = inet_addr(interfaceAddress.c_str());
    return setsockopt(m_socket, IPPROTO_IP, IP_MULTICAST_IF, reinterpret_cast<const char*>(&local), sizeof(local)) == 0;
}

bool Win32MdnsSocket::SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = inet_addr(address.c_str());
    target.sin_port = htons(port);
    return sendto(m_socket, reinterpret_cast<const char*>(datagram.data()), static_cast<int>(datagram.size()), 0,
                  reinterpret_cast<const sockaddr*>(&target), sizeof(target)) != SOCKET_ERROR;
}

int Win32MdnsSocket::ReceiveNow(std::span<uint8_t> buffer, std::string& sender) {
    sockaddr_in from{};
    int fromLength = sizeof(from);
    const int received = recvfrom(m_socket, reinterpret_cast<char*>(buffer.data()), static_cast<int>(buffer.size()), 0,
                                  reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (received == SOCKET_ERROR) {
        switch (WSAGetLastError()) {
        case WSAEWOULDBLOCK:
            return NOTHING_WAITING;
        case WSAEMSGSIZE:
            // The system names the sender of a datagram it cut short; the supplier's checker reports it.
            if (from.sin_family == AF_INET) {
                sender = inet_ntoa(from.sin_addr);
            }
            return MDNS_RECEIVE_TOO_LONG;
        default:
            return -1;
        }
    }
    sender = inet_ntoa(from.sin_addr);
    return received;
}

int Win32MdnsSocket::Receive(std::span<uint8_t> buffer, std::string& sender) {
    if (m_taken) {
        const Received taken = std::move(*m_taken);
        m_taken.reset();
        // Taken into a buffer of its own: one longer than the caller's is refused as the system would refuse it.
        if (taken.length > static_cast<int>(buffer.size()) || taken.length == MDNS_RECEIVE_TOO_LONG) {
            sender = taken.sender;
            return MDNS_RECEIVE_TOO_LONG;
        }
        if (taken.length > 0) {
            std::copy_n(taken.bytes.begin(), taken.length, buffer.begin());
            sender = taken.sender;
        }
        return taken.length;
    }
    for (;;) {
        const int received = ReceiveNow(buffer, sender);
        if (received != NOTHING_WAITING) {
            return received;
        }
        // The socket does not wait by itself once non-blocking: wait here, without limit, for the next one.
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(m_socket, &readable);
        if (select(0, &readable, nullptr, nullptr, nullptr) == SOCKET_ERROR) {
            return -1;
        }
    }
}

void Win32MdnsSocket::CloseSocket() {
    m_taken.reset();
    if (m_socket != INVALID_SOCKET) {
        closesocket(m_socket);
        m_socket = INVALID_SOCKET;
    }
}

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// What Receive answers for a datagram longer than the buffer: the system does not deliver it, not even in part.
constexpr int MDNS_RECEIVE_TOO_LONG = -2;

// What one listener needs of the network: the socket library and one UDP socket. Each call answers whether it
// succeeded.
class IMdnsSocket {
public:
    virtual ~IMdnsSocket() = default;

    // Asks for version 2.2.
    virtual bool StartSocketLibrary() = 0;
    virtual void StopSocketLibrary() = 0;

    virtual bool CreateSocket() = 0;
    virtual bool SetReuseAddress() = 0;
    // Asks the system to hold up to that many bytes of datagrams that arrive while nobody receives.
    virtual bool SetReceiveBufferBytes(uint32_t bytes) = 0;
    // Binds to every local address (0.0.0.0) at the port; at port 0, at a port the system picks.
    virtual bool Bind(uint16_t port) = 0;
    // Joins the group on the interface that holds the local address; on "0.0.0.0", on the one the system
    // chooses.
    virtual bool JoinGroup(const std::string& group, const std::string& interfaceAddress) = 0;
    // Sends the following multicast datagrams out of the interface that holds the local address instead of the
    // one the system chooses.
    virtual bool SetSendingInterface(const std::string& interfaceAddress) = 0;
    virtual bool SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) = 0;
    // Waits without limit for one datagram: its length, 0 for an empty one, MDNS_RECEIVE_TOO_LONG for one
    // longer than the buffer, or -1 when the receive failed. sender is the source address as dotted-decimal
    // text, also of a datagram too long when the system names it.
    virtual int Receive(std::span<uint8_t> buffer, std::string& sender) = 0;
    // Whether a datagram is already waiting, so that the next receive will not wait.
    virtual bool HasPendingDatagram() = 0;
    virtual void CloseSocket() = 0;
};

// The listener's two sockets: one on the mDNS port in the group, for answers sent by multicast, and one on a
// port the system picks, for answers sent back by unicast to the port a question came from.
enum MdnsSocketRole : std::size_t { MDNS_MULTICAST_SOCKET = 0, MDNS_UNICAST_SOCKET = 1, MDNS_SOCKET_ROLES = 2 };
using MdnsListeningSockets = std::array<bool, MDNS_SOCKET_ROLES>;

constexpr int MDNS_WAIT_FAILED = -1;
constexpr int MDNS_WAIT_TIMED_OUT = -2;

// Waits on the listener's sockets at once.
class IMdnsSocketWait {
public:
    virtual ~IMdnsSocketWait() = default;
    // Waits up to timeoutMs until a datagram waits on one of the sockets marked listening; answers that socket's
    // role, MDNS_WAIT_TIMED_OUT when none came in time, or MDNS_WAIT_FAILED.
    virtual int WaitForDatagram(const MdnsListeningSockets& listening, uint32_t timeoutMs) = 0;
};

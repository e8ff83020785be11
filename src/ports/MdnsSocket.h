#pragma once

#include <cstdint>
#include <span>
#include <string>

// Receive's answer for a datagram longer than the buffer: nothing of it was read.
constexpr int MDNS_RECEIVE_TOO_LONG = -2;

// What one listener needs of the network: the socket library and one UDP socket on the mDNS port. Each call
// answers whether it succeeded.
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
    // Binds to every local address (0.0.0.0) at the port.
    virtual bool Bind(uint16_t port) = 0;
    // Joins the group on the interface that holds the local address; on "0.0.0.0", on the one the system
    // chooses.
    virtual bool JoinGroup(const std::string& group, const std::string& interfaceAddress) = 0;
    // Sends the following multicast datagrams out of the interface that holds the local address instead of the
    // one the system chooses.
    virtual bool SetSendingInterface(const std::string& interfaceAddress) = 0;
    virtual bool SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) = 0;
    // Waits without limit for one datagram: its length, 0 for an empty one, MDNS_RECEIVE_TOO_LONG for one longer
    // than the buffer, or -1 when the receive failed otherwise. sender is the source address as dotted-decimal text.
    virtual int Receive(std::span<uint8_t> buffer, std::string& sender) = 0;
    // Whether a datagram is already waiting, so that the next receive will not wait.
    virtual bool HasPendingDatagram() = 0;
    virtual void CloseSocket() = 0;
};

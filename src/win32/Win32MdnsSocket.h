#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "discovery/PacketHandoff.h"
#include "ports/MdnsSocket.h"

class Win32MdnsSocket final : public IMdnsSocket {
public:
    bool StartSocketLibrary() override;
    void StopSocketLibrary() override;
    bool CreateSocket() override;
    bool SetReuseAddress() override;
    bool SetReceiveBufferBytes(uint32_t bytes) override;
    bool HasPendingDatagram() override;
    bool Bind(uint16_t port) override;
    bool JoinGroup(const std::string& group, const std::string& interfaceAddress) override;
    bool SetSendingInterface(const std::string& interfaceAddress) override;
    bool SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) override;
    int Receive(std::span<uint8_t> buffer, std::string& sender) override;
    void CloseSocket() override;

    // For the wait on the listener's sockets: the SOCKET, and whether a datagram already taken waits here.
    std::uintptr_t Handle() const { return m_socket; }
    bool HoldsTakenDatagram() const { return m_taken.has_value(); }

private:
    // A datagram taken from the socket while looking whether one waits, kept for the next Receive.
    struct Received {
        int length = 0;
        std::array<uint8_t, DATAGRAM_BYTES> bytes{};
        std::string sender;
    };
    static constexpr int NOTHING_WAITING = -3;
    static_assert(NOTHING_WAITING != MDNS_RECEIVE_TOO_LONG);
    // One receive that does not wait once the socket is non-blocking: the length, MDNS_RECEIVE_TOO_LONG, -1 when
    // it failed, or NOTHING_WAITING.
    int ReceiveNow(std::span<uint8_t> buffer, std::string& sender);

    // A SOCKET; kept as its integer type so that this header needs no socket header of its own.
    std::uintptr_t m_socket = ~std::uintptr_t{0};
    bool m_nonBlocking = false;
    std::optional<Received> m_taken;
};

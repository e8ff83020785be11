#pragma once

#include <cstdint>

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
    bool JoinGroup(const std::string& group) override;
    bool SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) override;
    int Receive(std::span<uint8_t> buffer, std::string& sender) override;
    void CloseSocket() override;

private:
    // A SOCKET; kept as its integer type so that this header needs no socket header of its own.
    std::uintptr_t m_socket = ~std::uintptr_t{0};
};

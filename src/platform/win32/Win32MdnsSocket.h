#pragma once

#include <cstdint>

#include "platform/MdnsSocket.h"

class Win32MdnsSocket final : public IMdnsSocket {
public:
    bool InitialiseComponentRuntime() override;
    void UninitialiseComponentRuntime() override;
    bool StartSocketLibrary() override;
    void StopSocketLibrary() override;
    bool CreateSocket() override;
    bool SetReuseAddress() override;
    bool Bind(uint16_t port) override;
    bool JoinGroup(const std::string& group) override;
    bool SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) override;
    int Receive(std::span<uint8_t> buffer, std::string& sender) override;
    void CloseSocket() override;

private:
    // A SOCKET; kept as its integer type so that this header needs no socket header of its own.
    std::uintptr_t m_socket = ~std::uintptr_t{0};
};

// Standard output through the C library's text stream, flushed after each write so that a trace redirected
// to a file is complete even when the process ends with the listener still running.
class Win32StandardOutput final : public IStandardOutput {
public:
    void Write(const std::string& bytes) override;
    void WriteLineEnd() override;
};

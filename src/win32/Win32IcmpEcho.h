#pragma once

#include "ports/IcmpEcho.h"

class Win32IcmpEcho final : public IIcmpEcho {
public:
    bool Echo(const std::string& address, std::span<const uint8_t> data, std::size_t replyBufferBytes,
              uint32_t timeoutMilliseconds) override;
};

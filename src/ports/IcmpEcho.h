#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// One ICMP echo request and its wait.
class IIcmpEcho {
public:
    virtual ~IIcmpEcho() = default;

    // Sends data once to a dotted-decimal IPv4 address (8-bit text) with no IP options, with room for
    // replyBufferBytes bytes of replies, and waits at most timeoutMilliseconds. Answers whether at least one
    // reply came back; false too when no echo could be sent at all.
    virtual bool Echo(const std::string& address, std::span<const uint8_t> data, std::size_t replyBufferBytes,
                      uint32_t timeoutMilliseconds) = 0;
};

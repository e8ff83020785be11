#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The bytes of one datagram as the listener reads it: longer ones are not read at all.
constexpr std::size_t DATAGRAM_BYTES = 1024;

using DatagramBytes = std::array<uint8_t, DATAGRAM_BYTES>;

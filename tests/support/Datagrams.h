#pragma once

#include <string>

#include "discovery/PacketHandoff.h"

// A 1024-byte receive buffer holding the given bytes, zero bytes after them.
inline DatagramBytes DatagramOf(const std::string& bytes) {
    DatagramBytes datagram{};
    for (std::size_t i = 0; i < bytes.size() && i < datagram.size(); ++i) {
        datagram[i] = static_cast<uint8_t>(bytes[i]);
    }
    return datagram;
}

// The bytes an mDNS answer of a printer carries around its IPP address: a TXT record "adminurl=..." whose
// next record starts with the length byte 0x14.
inline std::string PrinterAnswer(const std::string& ip, const std::string& queue) {
    return std::string("\0\0\x84\0\0\0\0\x01\0\0\0\0\x05_ipp\x04_tcp\x05local\0\0\x10\0\x01", 30) + "adminurl=http://" +
           ip + ":631/printers/" + queue + "\x14rp=printers";
}

#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "discovery/PacketHandoff.h"

// A datagram byte as one character: 0x01 to 0x7F keep their value, 0x80 to 0xFF are sign-extended to
// 0xFF80 to 0xFFFF, whatever the width of wchar_t.
wchar_t WidenDatagramByte(uint8_t byte);

// A queue name from the bytes that follow ":631/printers/" or "printers/": each byte widened, zero bytes
// included, up to the first control byte (0x01 to 0x1F, 0x7F) or the end of the bytes.
std::wstring QueueNameFrom(std::span<const uint8_t> bytes);

// The queue name of the first ":631/printers/" in the datagram: every byte after it, zero bytes included, up
// to the first control byte (0x01 to 0x1F, 0x7F) or the end of the buffer. Empty when there is no marker or
// nothing follows it.
std::wstring QueueNameFromDatagram(const DatagramBytes& datagram);

// Whether the datagram holds ":631/printers/" at all: only such a datagram can name a printer.
bool CanNamePrinter(const DatagramBytes& datagram);

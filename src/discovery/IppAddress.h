#pragma once

#include <optional>
#include <string>
#include <string_view>

// What stands between the host and the queue name of an IPP printer address.
inline constexpr std::wstring_view IPP_PRINTERS_MARKER = L":631/printers/";

// The address of an IPP print queue: "http://" + host + ":631/printers/" + queue.
std::wstring MakeIppAddress(const std::wstring& host, const std::wstring& queue);

// Whether an 8-bit text is an IPv4 address in dotted-decimal form, as the socket library's inet_pton accepts
// it for AF_INET: four decimal numbers from 0 to 255 with no leading zero, separated by dots, nothing else.
bool IsIPv4Text(const char* text);

struct IppPortParts {
    std::wstring Host;
    std::wstring Queue;
};

// Reads a printer's port name back as an IPP address. Accepted when it holds "http://" and ":631/printers/"
// (anywhere, case-sensitive), the host after the first "http://" up to the next ":" is a dotted-decimal
// IPv4 address of at least 7 characters, and the queue after the first ":631/printers/" up to the next "/"
// has at least 5 characters.
std::optional<IppPortParts> ReadIppPortName(const std::wstring& portName);

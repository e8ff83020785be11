#include <winsock2.h>

#include <iphlpapi.h>

#include <icmpapi.h>

#include <vector>

#include "win32/Win32IcmpEcho.h"

bool Win32IcmpEcho::Echo(const std::string& address, std::span<const uint8_t> data, std::size_t replyBufferBytes,
                         uint32_t timeoutMilliseconds) {
    const IPAddr destination = inet_addr(address.c_str());
    const HANDLE icmp = IcmpCreateFile();
    if (icmp == INVALID_HANDLE_VALUE) {
        return false;
    }
    // IcmpSendEcho takes its request through a pointer to writable memory.
    std::vector<uint8_t> request(data.begin(), data.end());
    std::vector<uint8_t> replies(replyBufferBytes);
    const DWORD replyCount = IcmpSendEcho(icmp, destination, request.data(), static_cast<WORD>(request.size()), nullptr,
                                          replies.data(), static_cast<DWORD>(replies.size()), timeoutMilliseconds);
    IcmpCloseHandle(icmp);
    return replyCount > 0;
}

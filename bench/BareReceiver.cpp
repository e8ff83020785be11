// The baseline of the discovery measurements: Velbrix's mDNS socket and query without a window, a trace or a
// hand-off. It counts what reaches the port for a number of seconds, so that Velbrix's result under a flood can
// be read beside what a receiver that does nothing else gets in the same run.
//   velbrix_bare_receiver SECONDS [--default-buffer] [--peek]
// The socket is set up exactly as the listener sets up its own (src/discovery/MdnsListener.cpp): SO_REUSEADDR,
// a 4 MiB SO_RCVBUF, bind to 0.0.0.0:5353, join 224.0.0.251 on the interface the system chooses, the 33-byte
// query sent once, then recvfrom into a 1024-byte buffer in a loop. --default-buffer leaves the receive buffer
// at the system's size, as the listener did before it asked for 4 MiB; --peek asks (FIONREAD) before every receive
// whether a datagram is waiting, as the listener did before it took a waiting datagram at once.
// Prints one line: datagrams=N printer_datagrams=N printers=N failed=N buffer_bytes=N, then each printer's
// sender on a line of its own. Run it only inside a wine-session with --lan: it sends an mDNS query.
#include <winsock2.h>

#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <set>
#include <string>

#include "discovery/MdnsListener.h"
#include "discovery/PacketHandoff.h"

namespace {

constexpr char PRINTER_MARKER[] = ":631/printers/";

struct Counts {
    unsigned long long datagrams = 0;
    unsigned long long printerDatagrams = 0;
    unsigned long long failed = 0;
    std::set<std::string> printers;
};

std::atomic<bool> g_timeIsUp{false};
SOCKET g_socket = INVALID_SOCKET;

// Closing the socket from another thread is what wakes a receive that waits without limit; the loop then
// sees that the time is up.
DWORD WINAPI StopAfter(void* milliseconds) {
    Sleep(static_cast<DWORD>(reinterpret_cast<uintptr_t>(milliseconds)));
    g_timeIsUp = true;
    closesocket(g_socket);
    return 0;
}

bool HoldsMarker(const char* bytes, int length) {
    const char* end = bytes + length;
    return std::search(bytes, end, PRINTER_MARKER, PRINTER_MARKER + std::strlen(PRINTER_MARKER)) != end;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: velbrix_bare_receiver SECONDS [--default-buffer] [--peek]\n", stderr);
        return 2;
    }
    const DWORD milliseconds = static_cast<DWORD>(std::wcstod(argv[1], nullptr) * 1000);
    bool bigBuffer = true;
    bool peek = false;
    for (int index = 2; index < argc; ++index) {
        bigBuffer = bigBuffer && std::wcscmp(argv[index], L"--default-buffer") != 0;
        peek = peek || std::wcscmp(argv[index], L"--peek") == 0;
    }

    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        return 1;
    }
    g_socket = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const int on = 1;
    if (g_socket == INVALID_SOCKET ||
        setsockopt(g_socket, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof(on)) != 0) {
        std::fputs("velbrix_bare_receiver: no socket\n", stderr);
        return 1;
    }
    if (bigBuffer) {
        const int size = static_cast<int>(MDNS_RECEIVE_BUFFER_BYTES);
        setsockopt(g_socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size), sizeof(size));
    }
    int bufferBytes = 0;
    int optionLength = sizeof(bufferBytes);
    getsockopt(g_socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&bufferBytes), &optionLength);

    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(MDNS_PORT);
    if (bind(g_socket, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
        std::fputs("velbrix_bare_receiver: cannot bind the mDNS port\n", stderr);
        return 1;
    }
    ip_mreq membership{};
    membership.imr_multiaddr.s_addr = inet_addr(MDNS_GROUP);
    membership.imr_interface.s_addr = htonl(INADDR_ANY);
    setsockopt(g_socket, IPPROTO_IP, IP_ADD_MEMBERSHIP, reinterpret_cast<const char*>(&membership), sizeof(membership));
    sockaddr_in group{};
    group.sin_family = AF_INET;
    group.sin_addr.s_addr = inet_addr(MDNS_GROUP);
    group.sin_port = htons(MDNS_PORT);
    sendto(g_socket, reinterpret_cast<const char*>(MDNS_IPP_QUERY.data()), static_cast<int>(MDNS_IPP_QUERY.size()), 0,
           reinterpret_cast<const sockaddr*>(&group), sizeof(group));

    const HANDLE stopper =
        CreateThread(nullptr, 0, StopAfter, reinterpret_cast<void*>(static_cast<uintptr_t>(milliseconds)), 0, nullptr);
    Counts counts;
    char buffer[DATAGRAM_BYTES];
    while (!g_timeIsUp) {
        if (peek) {
            u_long waiting = 0;
            ioctlsocket(g_socket, FIONREAD, &waiting);
        }
        sockaddr_in from{};
        int fromLength = sizeof(from);
        const int received =
            recvfrom(g_socket, buffer, sizeof(buffer), 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (received == SOCKET_ERROR) {
            counts.failed += g_timeIsUp ? 0 : 1;
            continue;
        }
        ++counts.datagrams;
        if (HoldsMarker(buffer, received)) {
            ++counts.printerDatagrams;
            counts.printers.insert(inet_ntoa(from.sin_addr));
        }
    }
    WaitForSingleObject(stopper, INFINITE);
    CloseHandle(stopper);
    WSACleanup();

    std::printf("datagrams=%llu printer_datagrams=%llu printers=%zu failed=%llu buffer_bytes=%d\n", counts.datagrams,
                counts.printerDatagrams, counts.printers.size(), counts.failed, bufferBytes);
    for (const std::string& printer : counts.printers) {
        std::printf("%s\n", printer.c_str());
    }
    return 0;
}

#include <winsock2.h>

#include <iphlpapi.h>
#include <ws2tcpip.h>

#include "win32/Win32NetworkInterfaces.h"

namespace {

constexpr ULONG LIST_FLAGS = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
// The list can grow between asking for its size and fetching it; a few tries are enough.
constexpr int LIST_TRIES = 4;

} // namespace

bool Win32NetworkInterfaces::ListIpv4Addresses(std::vector<NetworkInterfaceAddress>& addresses) {
    // 8-byte elements keep the adapter records aligned as the system writes them.
    std::vector<uint64_t> buffer;
    ULONG bytes = 16 * 1024;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < LIST_TRIES && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.assign(bytes / sizeof(uint64_t) + 1, 0);
        result = GetAdaptersAddresses(AF_INET, LIST_FLAGS, nullptr,
                                      reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &bytes);
    }
    if (result != NO_ERROR) {
        return false;
    }
    addresses.clear();
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter != nullptr;
         adapter = adapter->Next) {
        for (auto* unicast = adapter->FirstUnicastAddress; unicast != nullptr; unicast = unicast->Next) {
            const sockaddr* address = unicast->Address.lpSockaddr;
            if (address == nullptr || address->sa_family != AF_INET) {
                continue;
            }
            NetworkInterfaceAddress entry;
            entry.adapter = adapter->IfIndex;
            entry.address = inet_ntoa(reinterpret_cast<const sockaddr_in*>(address)->sin_addr);
            entry.up = adapter->OperStatus == IfOperStatusUp;
            entry.loopback = adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK;
            entry.canMulticast = (adapter->Flags & IP_ADAPTER_NO_MULTICAST) == 0;
            addresses.push_back(entry);
        }
    }
    return true;
}

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One IPv4 address of one network adapter, with what the adapter says of itself.
struct NetworkInterfaceAddress {
    uint32_t adapter = 0; // the adapter's interface index: two addresses of one adapter share it
    std::string address;  // dotted decimal
    bool up = false;
    bool loopback = false;
    bool canMulticast = false;
};

// The desk's network adapters as the system lists them.
class INetworkInterfaces {
public:
    virtual ~INetworkInterfaces() = default;

    // Every IPv4 address of every adapter, in the system's order; false when the system could not list them.
    virtual bool ListIpv4Addresses(std::vector<NetworkInterfaceAddress>& addresses) = 0;
};

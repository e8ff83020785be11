#pragma once

#include "ports/NetworkInterfaces.h"

// The adapters as GetAdaptersAddresses lists them for IPv4.
class Win32NetworkInterfaces final : public INetworkInterfaces {
public:
    bool ListIpv4Addresses(std::vector<NetworkInterfaceAddress>& addresses) override;
};

#include "discovery/MulticastInterfaces.h"

#include <algorithm>
#include <set>

std::vector<std::string> MulticastInterfaceAddresses(const std::vector<NetworkInterfaceAddress>& listed) {
    std::vector<std::string> chosen;
    // A second address of one adapter would join the same link twice and ask the same printers twice.
    std::set<uint32_t> adaptersTaken;
    for (const NetworkInterfaceAddress& entry : listed) {
        if (!entry.up || entry.loopback || !entry.canMulticast || entry.address.empty() || entry.address == "0.0.0.0") {
            continue;
        }
        if (!adaptersTaken.insert(entry.adapter).second ||
            std::find(chosen.begin(), chosen.end(), entry.address) != chosen.end()) {
            continue;
        }
        chosen.push_back(entry.address);
    }
    return chosen;
}

#pragma once

#include <string>
#include <vector>

#include "ports/NetworkInterfaces.h"

// The local addresses a search joins the mDNS group on and sends its query from: one address for each adapter
// that is up, is not a loopback and can multicast (its first address, in the system's order). Empty when no
// adapter qualifies: the search then leaves the choice to the system, as on a desk with one adapter.
std::vector<std::string> MulticastInterfaceAddresses(const std::vector<NetworkInterfaceAddress>& listed);

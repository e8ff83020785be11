#pragma once

#include <string>
#include <vector>

#include "discovery/DatagramBytes.h"

// Where a printer's address was taken from, in the order they are tried.
enum class AddressSource {
    // The A record of the host that the service's SRV record names, in the same datagram.
    ARecord,
    // An IPv4 address written into the service's adminurl.
    AdminUrl,
    // The datagram's sender: a router that reflects mDNS or a print server may send a printer's answer too.
    Sender,
};

struct AnnouncedPrinter {
    // Dotted-decimal text.
    std::wstring Address;
    AddressSource Source = AddressSource::Sender;
    // As the datagram gives it, each byte widened as the byte scan widens it; the model rule has not been
    // applied.
    std::wstring Queue;
    // Found by the byte scan in a datagram that is not a readable answer, at the sender's address. Such a
    // datagram keeps the rule it had before answers were read as records: a sender that has a row makes no
    // other.
    bool ByteScanned = false;
};

// The printers a datagram announces. An mDNS answer gives one for each service whose TXT record names an IPP
// queue (rp=printers/QUEUE, else an adminurl with :631/printers/QUEUE) and still holds (a TXT record with time
// to live 0 is a goodbye), at the service's own address. A datagram that cannot be read as an answer, or whose
// records name no queue, gives what the byte scan finds in it, at the sender's address.
std::vector<AnnouncedPrinter> AnnouncedPrintersOf(const DatagramBytes& datagram, const std::string& sender);

// Whether the datagram announces any printer, whatever its sender.
bool CanListPrinter(const DatagramBytes& datagram);

// Feeds arbitrary bytes to the DNS message reader, exactly as long as the input (so that a read past the end is
// a finding), and as a datagram from a reflector to the reading of printers, and checks what must hold whatever
// the network sends.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

#include "discovery/AnnouncedPrinters.h"
#include "discovery/IppAddress.h"
#include "discovery/dns/DnsMessage.h"
#include "fuzz/FuzzRequire.h"

namespace {

bool IsWholeName(const DnsName& name) {
    std::size_t position = 0;
    while (position < name.size()) {
        const auto length = static_cast<uint8_t>(name[position]);
        if (length == 0 || length > 63) {
            return false;
        }
        position += 1 + length;
    }
    return position == name.size() && name.size() + 1 <= DNS_NAME_MAX_BYTES;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<DnsMessage> message = ReadDnsMessage(std::span<const uint8_t>(data, size));
    if (message) {
        for (const DnsQuestion& question : message->Questions) {
            Require(IsWholeName(question.Name));
        }
        for (const DnsRecord& record : message->Records) {
            Require(record.Type == DNS_TYPE_PTR || record.Type == DNS_TYPE_SRV || record.Type == DNS_TYPE_TXT ||
                    record.Type == DNS_TYPE_A);
            Require(IsWholeName(record.Name) && IsWholeName(record.Target));
            Require(record.Class < 0x8000);
            std::size_t textBytes = 0;
            for (const std::string& text : record.Strings) {
                textBytes += 1 + text.size();
            }
            Require(textBytes <= size);
        }
    }

    DatagramBytes datagram{};
    std::copy_n(data, std::min(size, datagram.size()), datagram.begin());
    const std::vector<AnnouncedPrinter> printers = AnnouncedPrintersOf(datagram, "10.78.0.2");
    Require(CanListPrinter(datagram) == !printers.empty());
    for (const AnnouncedPrinter& printer : printers) {
        Require(!printer.Queue.empty());
        std::string address;
        for (const wchar_t c : printer.Address) {
            Require(c > 0 && c < 0x80);
            address.push_back(static_cast<char>(c));
        }
        Require(IsIPv4Text(address.c_str()));
        Require(printer.Source != AddressSource::Sender || address == "10.78.0.2");
    }
    return 0;
}

#include "discovery/AnnouncedPrinters.h"

#include <optional>
#include <string_view>

#include "discovery/DatagramScan.h"
#include "discovery/IppAddress.h"
#include "discovery/dns/DnsMessage.h"

namespace {

constexpr std::string_view RP_KEY = "rp";
constexpr std::string_view ADMINURL_KEY = "adminurl";
// The resource path of a CUPS queue, as rp gives it.
constexpr std::string_view RP_PRINTERS_PREFIX = "printers/";
constexpr std::string_view URL_SCHEME_END = "://";
constexpr std::size_t IPV4_TEXT_MAX = 15;

// Loopback, "this network" and multicast or reserved addresses are never where a printer can be reached: a host
// that puts one into its answer (a print server whose own name resolves to 127.0.1.1) is heard at the next
// address in the order instead.
constexpr uint8_t THIS_NETWORK_FIRST_BYTE = 0;
constexpr uint8_t LOOPBACK_FIRST_BYTE = 127;
constexpr uint8_t MULTICAST_FIRST_BYTE = 224;

bool CanBePrinterAddress(uint8_t firstByte) {
    return firstByte != THIS_NETWORK_FIRST_BYTE && firstByte != LOOPBACK_FIRST_BYTE && firstByte < MULTICAST_FIRST_BYTE;
}

char Small(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The value of a TXT key, whose name is compared without regard to case; only the key's first string counts.
std::optional<std::string_view> TxtValue(const std::vector<std::string>& strings, std::string_view key) {
    for (const std::string& text : strings) {
        const std::size_t equals = text.find('=');
        const std::string_view name = std::string_view(text).substr(0, equals);
        if (name.size() != key.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t i = 0; i < key.size() && same; ++i) {
            same = Small(name[i]) == key[i];
        }
        if (same) {
            return equals == std::string::npos ? std::string_view() : std::string_view(text).substr(equals + 1);
        }
    }
    return std::nullopt;
}

std::wstring QueueAfter(std::string_view value, std::size_t start) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(value.data());
    return QueueNameFrom(std::span<const uint8_t>(bytes + start, bytes + value.size()));
}

// The IPP queue a service's TXT record names, empty when it names none.
std::wstring TxtQueue(const std::vector<std::string>& strings) {
    if (const auto rp = TxtValue(strings, RP_KEY); rp && rp->starts_with(RP_PRINTERS_PREFIX)) {
        std::wstring queue = QueueAfter(*rp, RP_PRINTERS_PREFIX.size());
        if (!queue.empty()) {
            return queue;
        }
    }
    static const std::string marker(IPP_PRINTERS_MARKER.begin(), IPP_PRINTERS_MARKER.end());
    if (const auto url = TxtValue(strings, ADMINURL_KEY)) {
        const std::size_t found = url->find(marker);
        if (found != std::string_view::npos) {
            return QueueAfter(*url, found + marker.size());
        }
    }
    return std::wstring();
}

std::wstring Widened(const std::string& text) {
    std::wstring wide;
    for (const char c : text) {
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    return wide;
}

std::string DottedText(const std::array<uint8_t, 4>& address) {
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." + std::to_string(address[2]) + "." +
           std::to_string(address[3]);
}

bool Holds(const DnsRecord& record, uint16_t type) {
    return record.Type == type && record.Class == DNS_CLASS_IN && record.Ttl != 0;
}

// The address of the host that the service's SRV record names: of its A records in the datagram, the one the
// datagram came from when it is among them (the host answered for itself), else the first.
std::optional<std::string> ARecordAddress(const DnsMessage& message, const DnsName& service,
                                          const std::string& sender) {
    for (const DnsRecord& srv : message.Records) {
        if (!Holds(srv, DNS_TYPE_SRV) || srv.Name != service) {
            continue;
        }
        std::optional<std::string> first;
        for (const DnsRecord& a : message.Records) {
            if (!Holds(a, DNS_TYPE_A) || a.Name != srv.Target || !CanBePrinterAddress(a.Address[0])) {
                continue;
            }
            std::string address = DottedText(a.Address);
            if (address == sender) {
                return address;
            }
            if (!first) {
                first = std::move(address);
            }
        }
        if (first) {
            return first;
        }
    }
    return std::nullopt;
}

// An IPv4 address that an adminurl gives as its host.
std::optional<std::string> AdminUrlAddress(const std::vector<std::string>& strings) {
    const auto url = TxtValue(strings, ADMINURL_KEY);
    const std::size_t scheme = url ? url->find(URL_SCHEME_END) : std::string_view::npos;
    if (scheme == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = url->substr(scheme + URL_SCHEME_END.size());
    const std::string host(rest.substr(0, rest.find_first_of(":/")));
    // The address check reads up to a zero byte, which a TXT value may hold.
    if (host.size() > IPV4_TEXT_MAX || host.find('\0') != std::string::npos || !IsIPv4Text(host.c_str())) {
        return std::nullopt;
    }
    unsigned firstByte = 0;
    for (std::size_t i = 0; host[i] != '.'; ++i) {
        firstByte = firstByte * 10 + static_cast<unsigned>(host[i] - '0');
    }
    if (!CanBePrinterAddress(static_cast<uint8_t>(firstByte))) {
        return std::nullopt;
    }
    return host;
}

// The printers of an answer's records; nothing when no TXT record of it names a queue, goodbyes included.
std::optional<std::vector<AnnouncedPrinter>> PrintersFromRecords(const DnsMessage& message, const std::string& sender) {
    bool namesQueue = false;
    std::vector<AnnouncedPrinter> printers;
    for (const DnsRecord& txt : message.Records) {
        if (txt.Type != DNS_TYPE_TXT || txt.Class != DNS_CLASS_IN) {
            continue;
        }
        std::wstring queue = TxtQueue(txt.Strings);
        if (queue.empty()) {
            continue;
        }
        namesQueue = true;
        // A service that says goodbye is leaving the network.
        if (txt.Ttl == 0) {
            continue;
        }
        AnnouncedPrinter printer{Widened(sender), AddressSource::Sender, std::move(queue)};
        if (const auto address = ARecordAddress(message, txt.Name, sender)) {
            printer.Address = Widened(*address);
            printer.Source = AddressSource::ARecord;
        } else if (const auto url = AdminUrlAddress(txt.Strings)) {
            printer.Address = Widened(*url);
            printer.Source = AddressSource::AdminUrl;
        }
        printers.push_back(std::move(printer));
    }
    if (!namesQueue) {
        return std::nullopt;
    }
    return printers;
}

} // namespace

std::vector<AnnouncedPrinter> AnnouncedPrintersOf(const DatagramBytes& datagram, const std::string& sender) {
    const std::optional<DnsMessage> message = ReadDnsMessage(datagram);
    if (message && message->IsResponse) {
        if (auto printers = PrintersFromRecords(*message, sender)) {
            return std::move(*printers);
        }
    }
    // Whatever listed a printer before the answers were read as records still does: the first queue in the
    // bytes, at the sender's address.
    std::wstring queue = QueueNameFromDatagram(datagram);
    if (queue.empty()) {
        return {};
    }
    return {AnnouncedPrinter{Widened(sender), AddressSource::Sender, std::move(queue), true}};
}

bool CanListPrinter(const DatagramBytes& datagram) {
    return !AnnouncedPrintersOf(datagram, std::string()).empty();
}

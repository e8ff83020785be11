#include "discovery/DatagramScan.h"

#include <algorithm>

#include "discovery/IppAddress.h"

namespace {

// A print-queue name never holds a control character. An mDNS TXT record places the length byte of its next
// string right after adminurl's value, and that byte is one of them in every record up to 31 characters
// long, so the name ends there. A zero byte is not a stop: it is kept, and only ends the name's visible
// text.
bool IsQueueStopByte(uint8_t byte) {
    return (byte >= 0x01 && byte <= 0x1F) || byte == 0x7F;
}

} // namespace

wchar_t WidenDatagramByte(uint8_t byte) {
    return static_cast<wchar_t>(byte < 0x80 ? byte : (0xFF00u | byte));
}

namespace {

// Where the printers marker starts in the datagram, or its end when there is none. The marker is plain ASCII,
// which the widening leaves as it is, and holds no blank, so looking for its bytes finds exactly what looking
// in the datagram's text finds, without building the text.
DatagramBytes::const_iterator FindPrintersMarker(const DatagramBytes& datagram) {
    static const std::string marker(IPP_PRINTERS_MARKER.begin(), IPP_PRINTERS_MARKER.end());
    return std::search(datagram.begin(), datagram.end(), marker.begin(), marker.end());
}

} // namespace

std::wstring QueueNameFrom(std::span<const uint8_t> bytes) {
    std::wstring queue;
    for (auto byte = bytes.begin(); byte != bytes.end() && !IsQueueStopByte(*byte); ++byte) {
        queue.push_back(WidenDatagramByte(*byte));
    }
    return queue;
}

std::wstring QueueNameFromDatagram(const DatagramBytes& datagram) {
    const auto marker = FindPrintersMarker(datagram);
    if (marker == datagram.end()) {
        return std::wstring();
    }
    return QueueNameFrom(
        std::span<const uint8_t>(marker + static_cast<std::ptrdiff_t>(IPP_PRINTERS_MARKER.size()), datagram.end()));
}

bool CanNamePrinter(const DatagramBytes& datagram) {
    return FindPrintersMarker(datagram) != datagram.end();
}

#include "discovery/DatagramScan.h"

#include "discovery/IppAddress.h"

namespace {

constexpr uint8_t QUEUE_STOP_BYTES[] = {0x1A, 0x14};

bool IsQueueStopByte(uint8_t byte) {
    for (const uint8_t stop : QUEUE_STOP_BYTES) {
        if (byte == stop) {
            return true;
        }
    }
    return false;
}

} // namespace

wchar_t WidenDatagramByte(uint8_t byte) {
    return static_cast<wchar_t>(byte < 0x80 ? byte : (0xFF00u | byte));
}

std::wstring DatagramText(const DatagramBytes& datagram) {
    std::wstring text;
    text.reserve(datagram.size());
    for (const uint8_t byte : datagram) {
        text.push_back(byte == 0 ? L' ' : WidenDatagramByte(byte));
    }
    return text;
}

std::wstring QueueNameFromDatagram(const DatagramBytes& datagram) {
    const auto marker = DatagramText(datagram).find(IPP_PRINTERS_MARKER);
    std::wstring queue;
    if (marker == std::wstring::npos) {
        return queue;
    }
    for (std::size_t index = marker + IPP_PRINTERS_MARKER.size(); index < datagram.size(); ++index) {
        if (IsQueueStopByte(datagram[index])) {
            break;
        }
        queue.push_back(WidenDatagramByte(datagram[index]));
    }
    return queue;
}

std::wstring VisibleText(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}

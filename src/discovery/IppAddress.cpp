#include "discovery/IppAddress.h"

#include <array>

namespace {

const std::wstring SCHEME = L"http://";
constexpr std::size_t HOST_MIN_CHARS = 7;
constexpr std::size_t QUEUE_MIN_CHARS = 5;
// The host is handed to the address check in a 16-byte field that must keep room for its terminator.
constexpr std::size_t HOST_FIELD_BYTES = 16;

} // namespace

std::wstring MakeIppAddress(const std::wstring& host, const std::wstring& queue) {
    return SCHEME + host + std::wstring(IPP_PRINTERS_MARKER) + queue;
}

bool IsIPv4Text(const char* text) {
    int parts = 0;
    const char* cursor = text;
    for (;;) {
        if (*cursor < '0' || *cursor > '9') {
            return false;
        }
        if (*cursor == '0' && cursor[1] >= '0' && cursor[1] <= '9') {
            return false;
        }
        int value = 0;
        while (*cursor >= '0' && *cursor <= '9') {
            value = value * 10 + (*cursor - '0');
            if (value > 255) {
                return false;
            }
            ++cursor;
        }
        ++parts;
        if (*cursor == '\0') {
            return parts == 4;
        }
        if (*cursor != '.' || parts == 4) {
            return false;
        }
        ++cursor;
    }
}

std::optional<IppPortParts> ReadIppPortName(const std::wstring& portName) {
    const auto scheme = portName.find(SCHEME);
    const auto path = portName.find(IPP_PRINTERS_MARKER);
    if (scheme == std::wstring::npos || path == std::wstring::npos) {
        return std::nullopt;
    }

    const auto hostStart = scheme + SCHEME.size();
    const auto hostEnd = portName.find(L':', hostStart);
    IppPortParts parts;
    parts.Host = portName.substr(hostStart, hostEnd == std::wstring::npos ? std::wstring::npos : hostEnd - hostStart);
    if (parts.Host.size() < HOST_MIN_CHARS || parts.Host.size() >= HOST_FIELD_BYTES) {
        return std::nullopt;
    }
    // Each character narrowed to its low 8 bits, as the address check reads bytes.
    std::array<char, HOST_FIELD_BYTES> field{};
    for (std::size_t i = 0; i < parts.Host.size(); ++i) {
        field[i] = static_cast<char>(static_cast<unsigned>(parts.Host[i]) & 0xFFu);
    }
    if (!IsIPv4Text(field.data())) {
        return std::nullopt;
    }

    const auto queueStart = path + IPP_PRINTERS_MARKER.size();
    const auto queueEnd = portName.find(L'/', queueStart);
    parts.Queue =
        portName.substr(queueStart, queueEnd == std::wstring::npos ? std::wstring::npos : queueEnd - queueStart);
    if (parts.Queue.size() < QUEUE_MIN_CHARS) {
        return std::nullopt;
    }
    return parts;
}

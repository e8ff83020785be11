#include "install/Reachability.h"

#include <array>

namespace {

constexpr std::array<uint8_t, 11> ECHO_DATA = {'D', 'a', 't', 'a', ' ', 'B', 'u', 'f', 'f', 'e', 'r'};
constexpr std::size_t REPLY_BUFFER_BYTES = 67;
constexpr uint32_t ECHO_TIMEOUT_MS = 1000;
// The address is handed on as 8-bit text of at most this many characters.
constexpr std::size_t ADDRESS_MAX_CHARS = 259;

} // namespace

bool IsPrinterReachable(IIcmpEcho& icmp, const std::wstring& ipAddress) {
    // A text that long is no address; it is not sent cut short to some other host.
    if (ipAddress.size() > ADDRESS_MAX_CHARS) {
        return false;
    }
    std::string address;
    for (const wchar_t character : ipAddress) {
        address.push_back(static_cast<char>(static_cast<unsigned>(character) & 0xFFu));
    }
    return icmp.Echo(address, ECHO_DATA, REPLY_BUFFER_BYTES, ECHO_TIMEOUT_MS);
}

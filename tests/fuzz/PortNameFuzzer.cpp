// Arbitrary port names read back as IPP addresses, and arbitrary texts judged as IPv4 addresses against the
// C library's own inet_pton.
#include <arpa/inet.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "discovery/IppAddress.h"
#include "fuzz/FuzzRequire.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The bytes as 16-bit characters, so that characters beyond 8 bits occur as well.
    std::wstring portName;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        portName.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    }
    const auto parts = ReadIppPortName(portName);
    if (parts) {
        Require(parts->Host.size() >= 7 && parts->Host.size() <= 15);
        Require(parts->Queue.size() >= 5 && parts->Queue.find(L'/') == std::wstring::npos);
        Require(portName.find(L"http://" + parts->Host) != std::wstring::npos);
        Require(portName.find(L":631/printers/" + parts->Queue) != std::wstring::npos);
    }

    const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    in_addr address{};
    Require(IsIPv4Text(text.c_str()) == (inet_pton(AF_INET, text.c_str(), &address) == 1));
    return 0;
}

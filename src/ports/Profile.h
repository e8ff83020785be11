#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The private-profile (INI) reader and the executable's own path, as the configuration reading sees them.
class IProfile {
public:
    virtual ~IProfile() = default;

    // Full path of the running executable; empty when the platform gives none.
    virtual std::wstring ExecutablePath() = 0;

    // The key's value read as an unsigned 32-bit integer ("-1" reads as 0xFFFFFFFF), or defaultValue when the
    // file, the section or the key is missing, or the value is empty.
    virtual uint32_t ReadUInt32(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                                uint32_t defaultValue) = 0;

    // The key's text, or the empty text when missing; at most maxChars characters of it.
    virtual std::wstring ReadString(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                                    std::size_t maxChars) = 0;
};

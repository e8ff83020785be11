#pragma once

#include "ports/Profile.h"

// Reads velbrix.ini with the platform's private-profile reader, which takes UTF-16LE files with a BOM and
// plain ASCII ones.
class Win32Profile final : public IProfile {
public:
    std::wstring ExecutablePath() override;
    uint32_t ReadUInt32(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                        uint32_t defaultValue) override;
    std::wstring ReadString(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                            std::size_t maxChars) override;
};

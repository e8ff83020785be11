#pragma once

#include <map>
#include <string>
#include <vector>

#include "ports/Profile.h"

// velbrix.ini files held in memory, by path, with the integer rules of the platform's reader: optional minus
// sign and decimal digits, "-1" reading as 0xFFFFFFFF, an empty or missing value giving the default.
class FakeProfile final : public IProfile {
public:
    using Section = std::map<std::wstring, std::wstring>;
    using File = std::map<std::wstring, Section>;

    std::wstring executablePath = L"C:\\Suppliers\\Velbrix\\Velbrix.exe";
    std::map<std::wstring, File> files;
    // Every (path, section) of a read, in order.
    std::vector<std::pair<std::wstring, std::wstring>> reads;

    std::wstring ExecutablePath() override { return executablePath; }
    uint32_t ReadUInt32(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                        uint32_t defaultValue) override;
    std::wstring ReadString(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                            std::size_t maxChars) override;

private:
    const std::wstring* Find(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key);
};

#include "fakes/FakeProfile.h"

const std::wstring* FakeProfile::Find(const std::wstring& iniPath, const std::wstring& section,
                                      const std::wstring& key) {
    reads.emplace_back(iniPath, section);
    const auto file = files.find(iniPath);
    if (file == files.end()) {
        return nullptr;
    }
    const auto foundSection = file->second.find(section);
    if (foundSection == file->second.end()) {
        return nullptr;
    }
    const auto value = foundSection->second.find(key);
    return value == foundSection->second.end() ? nullptr : &value->second;
}

uint32_t FakeProfile::ReadUInt32(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                                 uint32_t defaultValue) {
    const std::wstring* value = Find(iniPath, section, key);
    if (value == nullptr || value->empty()) {
        return defaultValue;
    }
    std::size_t position = 0;
    const bool negative = (*value)[0] == L'-';
    if (negative) {
        position = 1;
    }
    uint32_t number = 0;
    for (; position < value->size() && (*value)[position] >= L'0' && (*value)[position] <= L'9'; ++position) {
        number = number * 10u + static_cast<uint32_t>((*value)[position] - L'0');
    }
    return negative ? 0u - number : number;
}

std::wstring FakeProfile::ReadString(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                                     std::size_t maxChars) {
    const std::wstring* value = Find(iniPath, section, key);
    if (value == nullptr) {
        return {};
    }
    return value->substr(0, maxChars);
}

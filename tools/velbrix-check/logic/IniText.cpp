#include "velbrix-check/logic/IniText.h"

#include <algorithm>

#include "velbrix-check/logic/ReaderText.h"

std::vector<IniTextSection> ReadIniText(const std::wstring& text) {
    std::vector<IniTextSection> sections;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        const std::wstring line = TrimBlanks(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.front() == L'[') {
            sections.push_back({TrimBlanks(line.substr(1, line.find(L']') - 1)), {}});
        } else if (const auto equals = line.find(L'='); equals != std::wstring::npos && !sections.empty()) {
            std::wstring value = TrimBlanks(line.substr(equals + 1));
            if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') {
                value = value.substr(1, value.size() - 2);
            }
            sections.back().Entries.emplace_back(TrimBlanks(line.substr(0, equals)), std::move(value));
        }
    }
    return sections;
}

const std::wstring* FindIniValue(const std::vector<IniTextSection>& sections, const std::wstring& section,
                                 const std::wstring& key) {
    const auto found = std::find_if(sections.begin(), sections.end(), [&](const IniTextSection& candidate) {
        return EqualIgnoringAsciiCase(candidate.Name, section);
    });
    if (found == sections.end()) {
        return nullptr;
    }
    for (const auto& [name, value] : found->Entries) {
        if (EqualIgnoringAsciiCase(name, key)) {
            return &value;
        }
    }
    return nullptr;
}

#pragma once

#include <string>
#include <utility>
#include <vector>

// The sections of an INI file's text, each with its keys and values in the order of the file, read line by line
// as the platform's private-profile reader reads them: names and values trimmed, a value without one pair of
// enclosing double quotes, lines before the first section and lines without "=" passed over.
struct IniTextSection {
    std::wstring Name;
    std::vector<std::pair<std::wstring, std::wstring>> Entries;
};

std::vector<IniTextSection> ReadIniText(const std::wstring& text);

// The value as the reader finds it: in the first section of the name and at the first key of the name, without
// regard to ASCII case; nothing when there is none.
const std::wstring* FindIniValue(const std::vector<IniTextSection>& sections, const std::wstring& section,
                                 const std::wstring& key);

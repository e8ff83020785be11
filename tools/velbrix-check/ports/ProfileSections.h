#pragma once

#include <string>
#include <vector>

// The section names of an INI file, as the platform's private-profile reader lists them.
class IProfileSections {
public:
    virtual ~IProfileSections() = default;

    // In the order of the file; empty when the file is missing or holds no section.
    virtual std::vector<std::wstring> SectionNames(const std::wstring& iniPath) = 0;
};

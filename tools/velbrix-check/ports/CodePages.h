#pragma once

#include <string>

// The platform's ANSI code page, as far as the checker needs it.
class ICodePages {
public:
    virtual ~ICodePages() = default;

    // Bytes read in the system's ANSI code page, as the platform reads a text file that has no byte-order mark.
    virtual std::wstring FromAnsiCodePage(const std::string& bytes) = 0;
};

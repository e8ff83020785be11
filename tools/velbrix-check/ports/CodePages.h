#pragma once

#include <string>

// The platform's code pages, as far as the checker needs them.
class ICodePages {
public:
    virtual ~ICodePages() = default;

    // Whether every character of the text has a form of its own in code page 936, the installation script's
    // code page: no default character and no best-fit stand-in.
    virtual bool HasCodePage936Form(const std::wstring& text) = 0;

    // Bytes read in the system's ANSI code page, as the platform reads a text file that has no byte-order mark.
    virtual std::wstring FromAnsiCodePage(const std::string& bytes) = 0;
};

#pragma once

#include <string>

// The system clipboard.
class IClipboard {
public:
    virtual ~IClipboard() = default;

    // Replaces the clipboard's contents with the text in the system's ANSI code page, as plain text only.
    // Answers false when the clipboard could not be opened (another program holds it); a failure after that
    // goes unnoticed.
    virtual bool PutText(const std::wstring& text) = 0;
    // The same as Unicode text, every character as it is; programs that ask for ANSI text get the system's
    // conversion.
    virtual bool PutUnicodeText(const std::wstring& text) = 0;
};

#pragma once

#include <string>

// The installation script's file, as the command interpreter reads it: code page 936 (GBK) text.
class IScriptFile {
public:
    virtual ~IScriptFile() = default;

    // Creates the file afresh (an existing one is replaced) and writes exactly the text, in code page 936,
    // with no byte-order mark and no line end. Answers false when the file could not be opened, or when any
    // part of the writing failed, a character without a code page 936 form included; the file may then
    // remain, partly written.
    virtual bool Write(const std::wstring& path, const std::wstring& text) = 0;
};

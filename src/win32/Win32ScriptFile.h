#pragma once

#include "ports/ScriptFile.h"

// Writes through the C runtime's text streams, whose wide-character output follows the process's LC_CTYPE
// locale: switched to code page 936 for the write and back afterwards.
class Win32ScriptFile final : public IScriptFile {
public:
    bool Write(const std::wstring& path, const std::wstring& text) override;
};

#pragma once

#include <windows.h>

#include "ports/CodePage936.h"
#include "ports/ScriptFile.h"

// Writes the text's exact code page 936 form, as the code page gives it, or nothing at all, then holds the file
// open for reading alone until it is let go.
class Win32ScriptFile final : public IScriptFile {
public:
    explicit Win32ScriptFile(ICodePage936& codePage936) : m_codePage936(codePage936) {}
    ~Win32ScriptFile() override;
    Win32ScriptFile(const Win32ScriptFile&) = delete;
    Win32ScriptFile& operator=(const Win32ScriptFile&) = delete;

    bool Write(const std::wstring& path, const std::wstring& text) override;
    void Release() override;

private:
    ICodePage936& m_codePage936;
    HANDLE m_held = INVALID_HANDLE_VALUE;
};

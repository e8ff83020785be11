#pragma once

#include "ports/CodePage936.h"
#include "ports/ScriptFile.h"

// Writes the text's exact code page 936 form, as the code page gives it, or nothing at all.
class Win32ScriptFile final : public IScriptFile {
public:
    explicit Win32ScriptFile(ICodePage936& codePage936) : m_codePage936(codePage936) {}

    bool Write(const std::wstring& path, const std::wstring& text) override;

private:
    ICodePage936& m_codePage936;
};

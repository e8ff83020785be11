#pragma once

#include <windows.h>

#include "ports/StringResources.h"

// Reads the string tables of a module block by block in one explicit language. LoadStringW would follow
// the thread's language, which Wine does not let a program set.
class Win32StringResources final : public IStringResources {
public:
    explicit Win32StringResources(HMODULE module) : m_module(module) {}

    std::optional<std::wstring> FindString(uint32_t id, uint16_t language) override;

private:
    HMODULE m_module;
};

#pragma once

#include "velbrix-check/ports/CodePages.h"

class Win32CodePages final : public ICodePages {
public:
    bool HasCodePage936Form(const std::wstring& text) override;
    std::wstring FromAnsiCodePage(const std::string& bytes) override;
};

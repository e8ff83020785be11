#pragma once

#include "velbrix-check/ports/CodePages.h"

class Win32CodePages final : public ICodePages {
public:
    std::wstring FromAnsiCodePage(const std::string& bytes) override;
};

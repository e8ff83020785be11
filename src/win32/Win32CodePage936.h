#pragma once

#include "ports/CodePage936.h"

class Win32CodePage936 final : public ICodePage936 {
public:
    std::optional<std::string> ExactForm(const std::wstring& text) override;
};

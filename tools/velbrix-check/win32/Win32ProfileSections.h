#pragma once

#include "velbrix-check/ports/ProfileSections.h"

class Win32ProfileSections final : public IProfileSections {
public:
    std::vector<std::wstring> SectionNames(const std::wstring& iniPath) override;
};

#pragma once

#include "ports/UserInterfaceLanguage.h"

class Win32UserInterfaceLanguage final : public IUserInterfaceLanguage {
public:
    uint16_t UserDefaultUILanguage() override;
    void SetThreadUILanguage(uint16_t language) override;
};

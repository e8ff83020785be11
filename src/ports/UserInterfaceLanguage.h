#pragma once

#include <cstdint>

// The user's user-interface language and the window thread's own.
class IUserInterfaceLanguage {
public:
    virtual ~IUserInterfaceLanguage() = default;

    virtual uint16_t UserDefaultUILanguage() = 0;
    // The platform may refuse the language; nothing depends on whether it did.
    virtual void SetThreadUILanguage(uint16_t language) = 0;
};

#include "win32/Win32UserInterfaceLanguage.h"

#include <windows.h>

uint16_t Win32UserInterfaceLanguage::UserDefaultUILanguage() {
    return GetUserDefaultUILanguage();
}

void Win32UserInterfaceLanguage::SetThreadUILanguage(uint16_t language) {
    ::SetThreadUILanguage(language);
}

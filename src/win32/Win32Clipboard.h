#pragma once

#include "ports/Clipboard.h"

class Win32Clipboard final : public IClipboard {
public:
    bool PutText(const std::wstring& text) override;
    bool PutUnicodeText(const std::wstring& text) override;
};

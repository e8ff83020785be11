#pragma once

#include "velbrix-check/ports/CheckOutput.h"

// Standard output: a console is written in its own characters; a file or a pipe gets UTF-8, which reads the
// same whatever the code page of the computer that opens it.
class Win32CheckOutput final : public ICheckOutput {
public:
    void WriteLine(const std::wstring& line) override;
};

#pragma once

#include "ports/StandardOutput.h"

// Standard output through the C library's text stream, flushed after each write so that a trace redirected
// to a file is complete even when the process ends with the listener still running.
class Win32StandardOutput final : public IStandardOutput {
public:
    void Write(const std::string& bytes) override;
    void WriteLineEnd() override;
};

#pragma once

#include "ports/StandardOutput.h"

#include <cstddef>

constexpr std::size_t STANDARD_OUTPUT_BUFFER_BYTES = 64 * 1024;

// Standard output through the C library's text stream and its buffer, which the runtime also empties when
// the process ends.
class Win32StandardOutput final : public IStandardOutput {
public:
    void Write(const std::string& bytes) override;
    void WriteLineEnd() override;
    void Flush() override;

    // Gives standard output a full buffer of its own; called once at start-up.
    static void BufferFully();
};

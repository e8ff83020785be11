#include "win32/Win32StandardOutput.h"

#include <cstdio>

void Win32StandardOutput::Write(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void Win32StandardOutput::WriteLineEnd() {
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

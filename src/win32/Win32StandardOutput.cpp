#include "win32/Win32StandardOutput.h"

#include <cstdio>

void Win32StandardOutput::Write(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void Win32StandardOutput::WriteLineEnd() {
    // Not fputc: Wine's C runtime empties the buffer at every line feed that fputc writes, one system call per
    // trace line; fwrite only fills the buffer. The text stream still writes the line end as CR LF.
    std::fwrite("\n", 1, 1, stdout);
}

void Win32StandardOutput::Flush() {
    std::fflush(stdout);
}

void Win32StandardOutput::BufferFully() {
    // The C runtime leaves standard output unbuffered when it is a character device such as the null device,
    // which makes every short write a call into the system; a buffer of its own makes the trace cost the
    // same whatever standard output is. Before any output, as the runtime requires.
    std::setvbuf(stdout, nullptr, _IOFBF, STANDARD_OUTPUT_BUFFER_BYTES);
}

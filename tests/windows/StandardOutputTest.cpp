// Standard output is pointed at a file of the test's folder for the length of the test, then back.
#include <gtest/gtest.h>

#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "win32/Win32StandardOutput.h"
#include "windows/WindowsTestSupport.h"

namespace {

// What the file holds now, read beside the stream that is writing it.
std::string FileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes(4096, '\0');
    DWORD read = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        read = 0;
    }
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    bytes.resize(read);
    return bytes;
}

} // namespace

TEST(StandardOutput, TraceLinesWaitInTheBufferUntilFlushedAndEndInCrLf) {
    const std::wstring path = TestProgramDirectory() + L"standard-output.txt";
    std::fflush(stdout);
    const int saved = _dup(_fileno(stdout));
    ASSERT_NE(_wfreopen(path.c_str(), L"w", stdout), nullptr);
    Win32StandardOutput::BufferFully();
    Win32StandardOutput output;
    output.Write("client 10.0.0.2");
    output.WriteLineEnd();
    output.Write("payload");
    output.WriteLineEnd();
    const std::string beforeFlush = FileBytes(path);
    output.Flush();
    const std::string afterFlush = FileBytes(path);
    _dup2(saved, _fileno(stdout));
    _close(saved);
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    EXPECT_EQ(beforeFlush, "") << "a line end must not write the buffer out";
    EXPECT_EQ(afterFlush, "client 10.0.0.2\r\npayload\r\n");
}

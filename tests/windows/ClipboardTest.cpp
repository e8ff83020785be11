// The printer's address on the clipboard for the Add Printer wizard, and a clipboard that another program
// holds.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "win32/Win32Clipboard.h"

namespace {

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) {
        ADD_FAILURE() << "the clipboard could not be opened to read it";
        return text;
    }
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

TEST(Clipboard, PutsTheTextInTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), 936u) << "the Windows tests run in a Chinese (PRC) session";
    const struct {
        const char* name;
        std::wstring text;
        std::string bytes;
    } cases[] = {
        {"plain address", L"http://10.77.0.11:631/printers/M1_alpha", "http://10.77.0.11:631/printers/M1_alpha"},
        {"Chinese queue name", L"http://10.77.0.12:631/printers/打印机",
         "http://10.77.0.12:631/printers/\xB4\xF2\xD3\xA1\xBB\xFA"},
    };
    for (const auto& testCase : cases) {
        Win32Clipboard clipboard;
        ASSERT_TRUE(clipboard.PutText(testCase.text)) << testCase.name;
        EXPECT_EQ(ClipboardText(), testCase.bytes) << testCase.name;
    }
}

TEST(Clipboard, UnicodeTextKeepsEveryCharacterAndAnsiReadersGetItsConversion) {
    const std::wstring text = L"[通知]二 Ł ø\r\nthree\r\n";
    ASSERT_TRUE(Win32Clipboard().PutUnicodeText(text));
    std::wstring unicode;
    ASSERT_TRUE(OpenClipboard(nullptr));
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            unicode = units;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    EXPECT_EQ(unicode, text);
    EXPECT_EQ(ClipboardText().substr(0, 10), "[\xCD\xA8\xD6\xAA]\xB6\xFE \x3F") << "code page 936, no form as ?";
}

TEST(Clipboard, HeldByAnotherWindowAnswersFalse) {
    // Only a holder with a window of its own keeps others out; one that opened it without a window blocks
    // nobody.
    const HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool holding = false;
    std::thread holder([&] {
        const HWND window = CreateWindowW(L"STATIC", L"clipboard holder", 0, 0, 0, 0, 0, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
        holding = window != nullptr && OpenClipboard(window);
        SetEvent(held);
        WaitForSingleObject(release, INFINITE);
        if (holding) {
            CloseClipboard();
        }
        DestroyWindow(window);
    });
    WaitForSingleObject(held, INFINITE);

    const bool put = holding && Win32Clipboard().PutText(L"http://10.77.0.11:631/printers/M1_alpha");

    SetEvent(release);
    holder.join();
    CloseHandle(held);
    CloseHandle(release);
    ASSERT_TRUE(holding) << "the holder could not open the clipboard";
    EXPECT_FALSE(put);
}

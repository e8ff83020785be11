// How the checker tells the encodings of velbrix.ini and INF files apart, and decodes UTF-8.
#include <gtest/gtest.h>

#include "velbrix-check/logic/TextEncoding.h"

namespace {

TEST(TextEncoding, ByteOrderMarkOrElseTheBytesDecide) {
    const struct {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
        bool plainText;
    } cases[] = {
        {"UTF-16LE with its mark", std::string("\xFF\xFE[\0C\0", 6), TextEncoding::Utf16LeBom, true},
        {"UTF-16BE with its mark", std::string("\xFE\xFF\0[\0C", 6), TextEncoding::Utf16BeBom, true},
        {"UTF-8 with its mark", "\xEF\xBB\xBF[COMMON]", TextEncoding::Utf8Bom, true},
        {"plain ASCII", "[COMMON]\r\nPrinterModelNums=2\r\n", TextEncoding::Ascii, true},
        {"UTF-8 Chinese without a mark", "PrinterModel=\xE4\xBA\x91", TextEncoding::Utf8WithoutBom, true},
        {"UTF-8 of four bytes", "\xF0\x9F\x98\x80", TextEncoding::Utf8WithoutBom, true},
        {"code page 936 bytes", "PrinterModel=\xD4\xC6", TextEncoding::Ansi, true},
        {"overlong UTF-8 form", "\xE0\x80\x80", TextEncoding::Ansi, true},
        {"UTF-8 form of a surrogate", "\xED\xA0\x80", TextEncoding::Ansi, true},
        {"UTF-8 sequence cut at the end", "M\xE4\xBA", TextEncoding::Ansi, true},
        {"a zero byte", std::string("[A]\0", 4), TextEncoding::Ascii, false},
        {"an escape byte", "[A]\x1B", TextEncoding::Ascii, false},
        {"tab, form feed and end-of-file mark", "a\tb\fc\r\n\x1A", TextEncoding::Ascii, true},
        {"UTF-16LE holding a control character", std::string("\xFF\xFE\x01\x00", 4), TextEncoding::Utf16LeBom, false},
        {"UTF-16LE of a zero-byte-looking character", std::string("\xFF\xFE\x00\x4E", 4), TextEncoding::Utf16LeBom,
         true},
    };
    for (const auto& testCase : cases) {
        const TextEncoding encoding = EncodingOf(testCase.bytes);
        EXPECT_EQ(encoding, testCase.encoding) << testCase.name;
        EXPECT_EQ(IsPlainText(testCase.bytes, encoding), testCase.plainText) << testCase.name;
    }
}

TEST(TextEncoding, Utf8DecodesToUtf16Units) {
    const struct {
        const char* name;
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"ASCII", "M1", L"M1"},
        {"three bytes", "\xE4\xBA\x91", std::wstring(1, static_cast<wchar_t>(0x4E91))},
        {"four bytes as a surrogate pair", "\xF0\x9F\x98\x80",
         std::wstring{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)}},
        {"a stray byte",
         "A\xFF"
         "B",
         std::wstring{L'A', static_cast<wchar_t>(0xFFFD), L'B'}},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(DecodeUtf8(testCase.bytes), testCase.text) << testCase.name;
    }
}

} // namespace

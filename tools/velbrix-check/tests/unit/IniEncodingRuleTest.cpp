// The encoding of velbrix.ini, and the names the platform's reader garbles.
#include <gtest/gtest.h>

#include "velbrix-check/logic/IniEncodingRule.h"
#include "velbrix-check/tests/unit/CheckTestSupport.h"

namespace {

const std::wstring CHINESE_MODEL = L"\u4E91\u6253\u5370M1";

std::wstring ModelIni(const std::wstring& comment = L"") {
    return L"[COMMON]\r\n" + comment + L"PrinterModelNums=1\r\n[PRT1]\r\nPrinterModel=" + CHINESE_MODEL +
           L"\r\nPrinterDriverName=Vantrel M1 PCL6\r\nPrinterDriverPath=drivers\\m1.inf\r\n";
}

TEST(IniEncodingRule, EncodingAndGarbledValues) {
    // What the fake's ANSI code page, Latin-1, makes of the model name saved as UTF-8.
    std::wstring latin1Model;
    for (const char byte : Utf8(CHINESE_MODEL)) {
        latin1Model.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
    const std::wstring ASCII_INI = L"[COMMON]\r\nPrinterModelNums=1\r\n[PRT1]\r\nPrinterModel=M1\r\n";
    const struct {
        const char* name;
        std::string bytes;
        Findings expected;
    } cases[] = {
        {"UTF-16LE with its mark",
         Utf16LeWithBom(ModelIni()),
         {Note(L"velbrix.ini", CheckText::INI_ENCODING_SOUND, {L"UTF-16LE with a byte-order mark"})}},
        {"UTF-8 with its mark",
         Utf8Bom(ModelIni()),
         {Note(L"velbrix.ini", CheckText::INI_ENCODING_SOUND, {L"UTF-8 with a byte-order mark"})}},
        {"plain ASCII", Ascii(ASCII_INI), {Note(L"velbrix.ini", CheckText::INI_ENCODING_SOUND, {L"plain ASCII"})}},
        {"UTF-8 without a mark garbles the Chinese model name",
         Utf8(ModelIni()),
         {Problem(L"velbrix.ini", CheckText::INI_UTF8_WITHOUT_BOM),
          Problem(L"[PRT1] PrinterModel", CheckText::VALUE_GARBLED, {latin1Model, CHINESE_MODEL})}},
        {"UTF-8 without a mark, non-ASCII only in a comment",
         Utf8(L"; \u4E91\r\n" + ASCII_INI),
         {Problem(L"velbrix.ini", CheckText::INI_UTF8_WITHOUT_BOM)}},
        {"code page 936 bytes",
         "[COMMON]\r\nPrinterModelNums=1\r\n[PRT1]\r\nPrinterModel=\xD4\xC6\r\n",
         {Problem(L"velbrix.ini", CheckText::INI_ANSI)}},
        {"UTF-16 big-endian",
         std::string("\xFE\xFF\0[\0A\0]", 8),
         {Problem(L"velbrix.ini", CheckText::INI_UTF16_BIG_ENDIAN)}},
        {"a binary file",
         std::string("MZ\x90\0\x03\0\0\0\x04\0", 10),
         {Problem(L"velbrix.ini", CheckText::INI_NOT_TEXT)}},
    };
    for (const auto& testCase : cases) {
        SupplierFolder folder;
        folder.Write(L"velbrix.ini", testCase.bytes);
        EXPECT_EQ(CheckIniEncoding(testCase.bytes, folder.View(), CheckLanguage::English), testCase.expected)
            << testCase.name;
    }
}

} // namespace

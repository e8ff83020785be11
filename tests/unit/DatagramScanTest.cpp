#include "discovery/DatagramScan.h"

#include <gtest/gtest.h>

#include "support/Datagrams.h"
#include "support/RecordedAnswers.h"

TEST(DatagramScan, BytesFrom0x80AreSignExtended) {
    const struct {
        uint8_t byte;
        wchar_t character;
    } cases[] = {{0x7F, 0x7F}, {0x80, static_cast<wchar_t>(0xFF80)}, {0xFF, static_cast<wchar_t>(0xFFFF)}};
    for (const auto& testCase : cases) {
        EXPECT_EQ(WidenDatagramByte(testCase.byte), testCase.character) << int{testCase.byte};
    }
}

TEST(DatagramScan, QueueNameEndsAtTheFirstControlByte) {
    const std::string marker = "adminurl=http://10.0.0.2:631/printers/";
    const struct {
        const char* name;
        std::string bytes;
        std::wstring queue;
    } cases[] = {
        {"the recorded answer of a CUPS server", RecordedAnswer("cups-ipp-answer.bin"), L"M1_Lab"},
        {"a line feed", marker + "M1_Lab\nnote=Lab", L"M1_Lab"},
        {"a form feed", marker + "M1_Lab\fnote=Lab", L"M1_Lab"},
        {"0x7F", marker + "M1_Lab\x7Fnote=Lab", L"M1_Lab"},
        {"0x01", marker + "M1_Lab\x01note=Lab", L"M1_Lab"},
        {"0x1F", marker + "M1_Lab\x1Fnote=Lab", L"M1_Lab"},
        {"0x1A, as always", marker + "M1_Lab\x1Anote=Lab", L"M1_Lab"},
        {"0x14, as always", marker + "M1_Lab\x14rp=printers", L"M1_Lab"},
        {"a blank is no stop", marker + "M1 Lab\x14", L"M1 Lab"},
        {"a zero byte is kept, as always", marker + std::string("M1\0Lab\x14", 7), std::wstring(L"M1\0Lab", 6)},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(QueueNameFromDatagram(DatagramOf(testCase.bytes)), testCase.queue) << testCase.name;
    }
}

#include "discovery/DatagramScan.h"

#include <gtest/gtest.h>

#include "support/Datagrams.h"
#include "support/RecordedAnswers.h"

TEST(DatagramScan, QueueNameOfTheFirstMarkerUpToTheFirstControlByte) {
    const std::string marker = "adminurl=http://10.0.0.2:631/printers/";
    const std::string bare = ":631/printers/";
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
        {"no stop byte: every byte up to the end of the buffer", "x" + bare + "M1",
         L"M1" + std::wstring(1024 - 17, L'\0')},
        {"the marker followed at once by 0x14", "x" + bare + "\x14M1", L""},
        {"the marker at the buffer's last byte", std::string(1024 - bare.size(), 'a') + bare, L""},
        {"bytes of 0x80 and above", marker + "M1\x80\xFF\x14",
         std::wstring{L'M', L'1', static_cast<wchar_t>(0xFF80), static_cast<wchar_t>(0xFFFF)}},
        {"the first marker counts", marker + "a\x14" + marker + "b\x14", L"a"},
        {"the marker in capitals is none", "x:631/PRINTERS/M1_office\x14", L""},
        {"no marker: our own query",
         std::string("\0\0\0\0\0\x01\0\0\0\0\0\0\x04_ipp\x04_tcp\x05local\0\0\x0C\0\x01", 33), L""},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(QueueNameFromDatagram(DatagramOf(testCase.bytes)), testCase.queue) << testCase.name;
    }
}

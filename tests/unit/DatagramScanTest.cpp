#include "discovery/DatagramScan.h"

#include <gtest/gtest.h>

TEST(DatagramScan, BytesFrom0x80AreSignExtended) {
    const struct {
        uint8_t byte;
        wchar_t character;
    } cases[] = {{0x7F, 0x7F}, {0x80, static_cast<wchar_t>(0xFF80)}, {0xFF, static_cast<wchar_t>(0xFFFF)}};
    for (const auto& testCase : cases) {
        EXPECT_EQ(WidenDatagramByte(testCase.byte), testCase.character) << int{testCase.byte};
    }
}

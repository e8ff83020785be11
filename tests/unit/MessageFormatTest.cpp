#include "messages/MessageFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <cwchar>
#include <vector>

namespace {

std::wstring Format(const std::wstring& format, std::vector<int32_t> arguments) {
    return FormatMessageText(format, arguments);
}

// The C library's own result for a format with one or two integers, as the reference.
std::wstring LibraryFormat(const wchar_t* format, int first, int second) {
    wchar_t buffer[512];
    const int length = std::swprintf(buffer, 512, format, first, second);
    return length < 0 ? std::wstring(L"<error>") : std::wstring(buffer, static_cast<std::size_t>(length));
}

} // namespace

TEST(FormatMessageText, IntegerConversionsFollowThePrintfRules) {
    const wchar_t* formats[] = {L"%d",   L"% d",    L"%+d",   L"%5d",      L"%-5d|",   L"%05d",   L"% 05d",
                                L"%.3d", L"%.0d",   L"%8.3d", L"%i",       L"%u",      L"%-+6d|", L"% +d",
                                L"%hd",  L"a%%b%d", L"%d,%d", L"% d: % d", L"%3d%-3d|"};
    const int values[] = {0, 7, -7, 42, 123456, INT_MAX, INT_MIN};
    for (const wchar_t* format : formats) {
        for (const int value : values) {
            if (std::wstring(format) == L"%hd" && (value > SHRT_MAX || value < SHRT_MIN)) {
                continue; // the C library narrows to short here; a catalogue text never asks for that
            }
            EXPECT_EQ(Format(format, {value, value}), LibraryFormat(format, value, value))
                << "format " << std::wstring(format).size() << " chars, value " << value;
        }
    }
}

TEST(FormatMessageText, CatalogueLinesShowTheirNumbers) {
    EXPECT_EQ(Format(L"[通知]搜索结束！共找到：%d 个匹配的网络打印机", {3}),
              L"[通知]搜索结束！共找到：3 个匹配的网络打印机");
    EXPECT_EQ(Format(L"[Notification] Searching done. Totally found: % d matching", {3}),
              L"[Notification] Searching done. Totally found:  3 matching");
    EXPECT_EQ(Format(L"on the computer: % d,  including: % d.", {12, 0}), L"on the computer:  12,  including:  0.");
}

TEST(FormatMessageText, TextsThatAskForMoreThanTheyAreGivenAreShownAsTheyStand) {
    const struct {
        const wchar_t* format;
        std::vector<int32_t> arguments;
        const wchar_t* expected;
    } cases[] = {
        {L"no placeholder", {1, 2}, L"no placeholder"},
        {L"%d and %d", {5}, L"5 and %d"},
        {L"%s %d", {5}, L"%s 5"},
        {L"%x", {255}, L"%x"},
        {L"100%", {}, L"100%"},
        {L"%", {1}, L"%"},
        {L"%ld|%lld", {-4, 4}, L"-4|4"},
        {L"%99999999999d", {1}, nullptr},
    };
    for (const auto& testCase : cases) {
        const std::wstring result = Format(testCase.format, testCase.arguments);
        if (testCase.expected != nullptr) {
            EXPECT_EQ(result, testCase.expected);
        } else {
            EXPECT_LT(result.size(), 2000u) << "an absurd width is capped";
        }
    }
}

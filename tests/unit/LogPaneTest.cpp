#include "messages/LogPane.h"

#include <gtest/gtest.h>

#include "fakes/FakeInstallPorts.h"
#include "fakes/FakeMainWindow.h"

TEST(LogPane, CopyPutsEveryLineOnTheClipboardEachEndedByCrLf) {
    const struct {
        const char* name;
        std::vector<std::wstring> lines;
        bool held;
        SeenStream seen;
    } cases[] = {
        {"lines in their order, Chinese as it is",
         {L"[Notification] one", L"[通知]二", L"three"},
         false,
         {seen::Clipboard(L"[Notification] one\r\n[通知]二\r\nthree\r\n")}},
        {"an empty log empties the clipboard", {}, false, {seen::Clipboard(L"")}},
        {"a clipboard another program holds takes nothing", {L"one"}, true, {}},
    };
    for (const auto& testCase : cases) {
        FakeMainWindow window;
        LogPane log(window);
        for (const auto& line : testCase.lines) {
            log.Append(line);
        }
        window.seen.clear();
        FakeClipboard clipboard(window.seen);
        clipboard.heldByAnotherProgram = testCase.held;
        EXPECT_EQ(log.CopyAll(clipboard), !testCase.held) << testCase.name;
        EXPECT_EQ(window.seen, testCase.seen) << testCase.name;
        EXPECT_EQ(window.log, testCase.lines) << testCase.name << ": the pane is left as it was";
    }
}

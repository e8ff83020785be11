// The dialog base class's reading of window messages, with the logic that decides on them.
#include <gtest/gtest.h>

#include "ui/MainDialog.h"
#include "win32/Dialog.h"

TEST(Dialog, OnlyTheAboutItemOpensTheAboutBox) {
    const struct {
        WPARAM command;
        bool about;
    } cases[] = {{0x0010, true}, {0x001F, true}, {0x0020, false}, {0x0000, false}, {0xF060, false}, {0xF010, false}};
    for (const auto& testCase : cases) {
        EXPECT_EQ(MainDialog::IsAboutCommand(SystemCommandOf(testCase.command)), testCase.about) << testCase.command;
    }
}

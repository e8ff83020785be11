#include "app/CVelbrixApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Both ports write into one journal, so that the order of the start-up steps can be checked.
struct StartUpJournal final : IUserInterfaceLanguage, IApplicationWindowing {
    uint16_t userDefault = 0;
    std::vector<std::string> steps;

    uint16_t UserDefaultUILanguage() override {
        steps.push_back("user language");
        return userDefault;
    }
    void SetThreadUILanguage(uint16_t language) override {
        steps.push_back("thread language " + std::to_string(language));
    }
    void RegisterCommonControls() override { steps.push_back("common controls"); }
    void RunMainDialog(uint16_t threadLanguage) override {
        steps.push_back("main dialog " + std::to_string(threadLanguage));
    }
};

} // namespace

TEST(CVelbrixApp, StartUpSetsTheLanguageBeforeTheDialogRunsAndEndsTheProgram) {
    const struct {
        uint16_t userDefault;
        const char* threadLanguage;
    } cases[] = {{2052, "2052"}, {1065, "1084"}, {1028, "2057"}};
    for (const auto& testCase : cases) {
        StartUpJournal journal;
        journal.userDefault = testCase.userDefault;
        CVelbrixApp app(journal, journal);
        EXPECT_FALSE(app.InitInstance());
        const std::vector<std::string> expected = {"common controls", "user language",
                                                   std::string("thread language ") + testCase.threadLanguage,
                                                   std::string("main dialog ") + testCase.threadLanguage};
        EXPECT_EQ(journal.steps, expected);
    }
}

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
    StartUpJournal journal;
    // A Persian user, whose thread language differs from the user's own.
    journal.userDefault = 1065;
    CVelbrixApp app(journal, journal);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(journal.steps, (std::vector<std::string>{"common controls", "user language", "thread language 1084",
                                                       "main dialog 1084"}));
}

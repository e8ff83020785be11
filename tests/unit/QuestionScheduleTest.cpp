#include "discovery/QuestionSchedule.h"

#include <gtest/gtest.h>

TEST(QuestionSchedule, TheListenerWaitsUpToItsNextQuestionOrTheEndAndLooksAtLeastTwiceASecond) {
    const struct {
        const char* name;
        QuestionClock clock; // elapsed, since the last question had left, asked
        uint32_t searchMs;
        uint32_t waitMs;
    } cases[] = {
        {"right after the first question: no longer than a look", {0, 0, 1}, 3000, 500},
        {"100 ms before the second question, 1.1 s after the first had left", {1000, 1000, 1}, 3000, 100},
        {"the third counts from when the second had left, late", {2150, 1000, 2}, 3000, 100},
        {"after the last question of a 3 s search: up to its end", {2800, 600, 3}, 3000, 200},
        {"300 ms before the eighth question", {64400, 31800, 7}, 120000, 300},
        {"all eight asked: up to the end, still a look at a time", {70000, 5000, 8}, 120000, 500},
        {"a question due now", {1100, 1100, 1}, 3000, 0},
        {"the search's last moment", {2999, 800, 3}, 3000, 1},
        {"the search is over", {3000, 800, 3}, 3000, 0},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(ListenerWaitMs(testCase.clock, testCase.searchMs), testCase.waitMs) << testCase.name;
    }
}

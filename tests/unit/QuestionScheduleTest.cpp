#include "discovery/QuestionSchedule.h"

#include <gtest/gtest.h>

TEST(QuestionSchedule, TheListenerWaitsUpToItsNextQuestionOrTheEndAndLooksAtLeastTwiceASecond) {
    const struct {
        const char* name;
        uint64_t elapsedMs;
        uint32_t searchMs;
        uint32_t waitMs;
    } cases[] = {
        {"right after the first question: no longer than a look", 0, 3000, 500},
        {"100 ms before the second question", 900, 3000, 100},
        {"after the last question of a 3 s search: up to its end", 2800, 3000, 200},
        {"300 ms before the question at 64 s", 63700, 120000, 300},
        {"between the last question and the end of a 120 s search: still a look", 70000, 120000, 500},
        {"a search of 4.1 s just before its question at 4 s", 3950, 4100, 50},
        {"the search's last moment", 2999, 3000, 1},
        {"the search is over", 3000, 3000, 0},
        {"long past the end", 9000, 3000, 0},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(ListenerWaitMs(testCase.elapsedMs, testCase.searchMs), testCase.waitMs) << testCase.name;
    }
}

#include "discovery/QuestionSchedule.h"

#include <algorithm>

uint32_t QuestionsDue(uint64_t elapsedMs, uint32_t searchMs) {
    const auto due = std::count_if(QUESTION_TIMES_MS.begin(), QUESTION_TIMES_MS.end(),
                                   [&](uint32_t time) { return time <= elapsedMs && time < searchMs; });
    return static_cast<uint32_t>(due);
}

uint32_t ListenerWaitMs(uint64_t elapsedMs, uint32_t searchMs) {
    if (elapsedMs >= searchMs) {
        return 0;
    }
    uint64_t until = searchMs;
    for (const uint32_t time : QUESTION_TIMES_MS) {
        if (time > elapsedMs) {
            until = std::min<uint64_t>(until, time);
            break;
        }
    }
    return static_cast<uint32_t>(std::min<uint64_t>(until - elapsedMs, LISTENER_LOOK_MS));
}

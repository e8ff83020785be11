#include "discovery/QuestionSchedule.h"

#include <algorithm>

namespace {

// How long after the last question the next one is due; past the last question, never.
uint64_t NextQuestionAfterMs(uint32_t asked) {
    if (asked == 0) {
        return 0;
    }
    if (asked > QUESTION_INTERVALS_MS.size()) {
        return UINT64_MAX;
    }
    return uint64_t{QUESTION_INTERVALS_MS[asked - 1]} + QUESTION_MARGIN_MS;
}

} // namespace

bool QuestionDue(const QuestionClock& clock, uint32_t searchMs) {
    return clock.elapsedMs < searchMs && clock.sinceLastQuestionMs >= NextQuestionAfterMs(clock.asked);
}

uint32_t ListenerWaitMs(const QuestionClock& clock, uint32_t searchMs) {
    if (clock.elapsedMs >= searchMs) {
        return 0;
    }
    const uint64_t untilEnd = searchMs - clock.elapsedMs;
    const uint64_t nextQuestion = NextQuestionAfterMs(clock.asked);
    const uint64_t untilQuestion =
        nextQuestion > clock.sinceLastQuestionMs ? nextQuestion - clock.sinceLastQuestionMs : 0;
    return static_cast<uint32_t>(std::min({untilEnd, untilQuestion, uint64_t{LISTENER_LOOK_MS}}));
}

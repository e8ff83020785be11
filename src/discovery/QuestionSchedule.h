#pragma once

#include <array>
#include <cstdint>

// How long after the previous question the listener asks again: 1 s after the first, then at intervals that
// double, as a querier that keeps listening does; eight questions in all. A printer that starts during the search
// announces itself to the group only, which a desk's firewall drops; it is found by the next question, whose
// unicast answer the firewall lets through. A question lost on the way costs only the time to the next one.
constexpr std::array<uint32_t, 7> QUESTION_INTERVALS_MS = {1000, 1000, 2000, 4000, 8000, 16000, 32000};

// Each interval is counted from the moment the previous question had left, and is this much longer: a responder
// takes the same question heard again within a second for a repeat and drops it (python-zeroconf does, and a
// question sent 1 s after the start of the first one's sends reached it 995 ms later), and it multicasts an
// answer at most once a second.
constexpr uint32_t QUESTION_MARGIN_MS = 100;

// The listener looks at least this often whether its search has ended or another search has replaced it, so that
// it gives its sockets back soon after, also when nothing more arrives.
constexpr uint32_t LISTENER_LOOK_MS = 500;

// Where a search stands: how long ago it began (its first question), how long ago its last question had left,
// and how many it has asked.
struct QuestionClock {
    uint64_t elapsedMs = 0;
    uint64_t sinceLastQuestionMs = 0;
    uint32_t asked = 1;
};

// Whether the next question is due in a search that lasts searchMs: its interval has passed and the search has
// not ended. A search of 3 s asks three times, one of 120 s eight times.
bool QuestionDue(const QuestionClock& clock, uint32_t searchMs);

// How long the listener may wait for a datagram: up to its next question, or up to the end of the search after
// the last one, and never longer than LISTENER_LOOK_MS. Zero once either is due.
uint32_t ListenerWaitMs(const QuestionClock& clock, uint32_t searchMs);

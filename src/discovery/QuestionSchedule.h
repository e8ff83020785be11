#pragma once

#include <array>
#include <cstdint>

// When the listener asks its question, counted from the first one: at once, then after 1 s and at intervals
// that double, as a querier that keeps listening does. A printer that starts during the search announces itself
// to the group only, which a desk's firewall drops; it is found by the next question, whose unicast answer the
// firewall lets through. A question lost on the way costs only the time to the next one.
constexpr std::array<uint32_t, 8> QUESTION_TIMES_MS = {0, 1000, 2000, 4000, 8000, 16000, 32000, 64000};

// The listener looks at least this often whether its search has ended or another search has replaced it, so that
// it gives its sockets back soon after, also when nothing more arrives.
constexpr uint32_t LISTENER_LOOK_MS = 500;

// How many of the questions of a search that lasts searchMs are due once elapsedMs of it have passed: those whose
// time has come and that fall within the search. A search of 3 s asks three times, one of 120 s eight times.
uint32_t QuestionsDue(uint64_t elapsedMs, uint32_t searchMs);

// How long the listener may wait for a datagram once elapsedMs of its search have passed: up to its next
// question, or up to the end of the search after the last one, and never longer than LISTENER_LOOK_MS. Zero once
// the search is over.
uint32_t ListenerWaitMs(uint64_t elapsedMs, uint32_t searchMs);

#pragma once

#include <functional>

#include "ports/Threading.h"

// Counts the sleeps instead of sleeping; onSleep lets a test change the world while "time passes".
class FakeSleeper final : public ISleeper {
public:
    int sleeps = 0;
    std::function<void(int sleepNumber)> onSleep;

    void Sleep(uint32_t) override {
        ++sleeps;
        if (onSleep) {
            onSleep(sleeps);
        }
    }
};

#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// A routine run on a new thread of its own while the calling thread waits for it.
class IWorkerThread {
public:
    virtual ~IWorkerThread() = default;

    // Starts the routine on a new thread, waits for its end without a time limit and answers its exit code;
    // nothing when the thread could not be started or the wait failed.
    virtual std::optional<uint32_t> RunAndWait(const std::function<uint32_t()>& routine) = 0;
};

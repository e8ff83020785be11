#pragma once

#include "ports/WorkerThread.h"

class Win32WorkerThread final : public IWorkerThread {
public:
    std::optional<uint32_t> RunAndWait(const std::function<uint32_t()>& routine) override;
};

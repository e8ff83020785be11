#pragma once

#include "velbrix-check/ports/ListenThread.h"

// A thread of the checker's process, closed at once: nobody waits for it.
class Win32ListenThread final : public IListenThread {
public:
    bool Start(std::function<void()> routine) override;
};

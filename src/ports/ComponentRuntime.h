#pragma once

// The component runtime of the calling thread, which the listener sets up for itself while it runs.
class IComponentRuntime {
public:
    virtual ~IComponentRuntime() = default;
    // Answers whether the thread may use the runtime.
    virtual bool Initialise() = 0;
    virtual void Uninitialise() = 0;
};

#pragma once

#include "fakes/Seen.h"
#include "ports/ProcessEnd.h"

// Notes the end in the stream of what a person sees; the test goes on, where the real process would not.
class FakeProcessEnd final : public IProcessEnd {
public:
    explicit FakeProcessEnd(SeenStream& seen) : m_seen(seen) {}

    void EndProcess(uint32_t exitCode) override { m_seen.push_back(seen::ProcessEnded(exitCode)); }

private:
    SeenStream& m_seen;
};

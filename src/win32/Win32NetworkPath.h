#pragma once

#include "ports/NetworkPath.h"

// The drive's type as the system reports it, and for a network drive its connection's network path.
class Win32NetworkPath final : public INetworkPath {
public:
    Answer Locate(const std::wstring& path) override;
};

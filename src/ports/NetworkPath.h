#pragma once

#include <string>

// Where a path on a drive letter lies: on a drive of this computer, or on a network share the drive letter is
// mapped to in this person's session.
class INetworkPath {
public:
    enum class Kind { LocalDrive, NetworkShare, Unknown };
    struct Answer {
        Kind kind = Kind::Unknown;
        // For a network share: the same path in its network (UNC) form, \\server\share\...
        std::wstring universalPath;
    };

    virtual ~INetworkPath() = default;

    // Unknown when the system cannot tell the drive's kind, or the share of a network drive.
    virtual Answer Locate(const std::wstring& path) = 0;
};

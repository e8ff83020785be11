#include "win32/Win32NetworkPath.h"

#include <windows.h>

#include <winnetwk.h>

#include <vector>

INetworkPath::Answer Win32NetworkPath::Locate(const std::wstring& path) {
    Answer answer;
    if (path.size() < 3 || path[1] != L':') {
        return answer;
    }
    const std::wstring root = path.substr(0, 3);
    switch (GetDriveTypeW(root.c_str())) {
    case DRIVE_REMOTE:
        break;
    case DRIVE_UNKNOWN:
    case DRIVE_NO_ROOT_DIR:
        return answer;
    default:
        answer.kind = Kind::LocalDrive;
        return answer;
    }
    DWORD size = 1024;
    std::vector<BYTE> buffer(size);
    DWORD result = WNetGetUniversalNameW(path.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
    if (result == ERROR_MORE_DATA) {
        buffer.resize(size);
        result = WNetGetUniversalNameW(path.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
    }
    if (result != NO_ERROR) {
        return answer;
    }
    const auto* info = reinterpret_cast<const UNIVERSAL_NAME_INFOW*>(buffer.data());
    if (info->lpUniversalName == nullptr) {
        return answer;
    }
    answer.kind = Kind::NetworkShare;
    answer.universalPath = info->lpUniversalName;
    return answer;
}

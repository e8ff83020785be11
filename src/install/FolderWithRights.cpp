#include "install/FolderWithRights.h"

std::optional<std::wstring> FolderWithRights(const std::wstring& folder, INetworkPath& networkPath) {
    if (folder.rfind(L"\\\\", 0) == 0) {
        return folder;
    }
    const INetworkPath::Answer answer = networkPath.Locate(folder);
    switch (answer.kind) {
    case INetworkPath::Kind::LocalDrive:
        return folder;
    case INetworkPath::Kind::NetworkShare:
        if (answer.universalPath.rfind(L"\\\\", 0) != 0) {
            return std::nullopt;
        }
        return answer.universalPath.back() == L'\\' ? answer.universalPath : answer.universalPath + L"\\";
    case INetworkPath::Kind::Unknown:
        break;
    }
    return std::nullopt;
}

#pragma once

#include <optional>
#include <string>

#include "ports/NetworkPath.h"

// The program's folder as a process started with the rights of the consent prompt finds it. Such a process
// runs in another logon session, which does not see the drive letters the person mapped: a folder on a mapped
// drive is named by its network path instead. A folder already in network form, or on a drive of this
// computer, stays as it is; nothing when the network path of its drive cannot be told.
std::optional<std::wstring> FolderWithRights(const std::wstring& folder, INetworkPath& networkPath);

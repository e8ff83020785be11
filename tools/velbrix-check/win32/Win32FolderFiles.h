#pragma once

#include "velbrix-check/ports/FolderFiles.h"

// Files through the platform's file functions; a name that opens as anything but a file on a disk (CON, NUL,
// a pipe) is a device and is never read.
class Win32FolderFiles final : public IFolderFiles {
public:
    std::wstring FullPath(const std::wstring& path) override;
    PathKind KindOf(const std::wstring& path) override;
    FileBytes Read(const std::wstring& path, std::size_t maxBytes) override;
};
